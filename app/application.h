#pragma once
// The entry routine and the application object.

#include <QApplication>
#include <QStringList>
#include <string>

inline constexpr char kApplicationTitle[] = "Tessivar";

// Shows every exception that escapes an event handler in the application's
// error box; the program then goes on.
class TessivarApplication : public QApplication {
public:
    TessivarApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Creates the four windows in order and sets Form1, Form2, User and Form3;
// the main window loads a link file named among `arguments`.
void CreateApplicationWindows(const QStringList& arguments = QCoreApplication::arguments().mid(1));
// Destroys them again, in reverse order.
void DestroyApplicationWindows();

// The name of the mutex that marks a running copy: the executable's file
// name, extension included, so a copy under another name runs beside it.
std::string MutexName();

// The entry routine: one copy per executable file name, then the windows and
// the message loop. Always returns 0.
int RunTessivar(int argc, char** argv);
