#include "app/application.h"

#include "app/fonts.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "app/qttranslation.h"
#include "copy/copyform.h"
#include "dialogs/editform.h"
#include "dialogs/userform.h"
#include "platform/filesystem.h"
#include "platform/namedmutex.h"
#include "text/cp932.h"

#include <exception>

namespace {

// Shows the exception being handled in the error box; a thrown value that is
// not an exception object gets an empty text.
void ShowEscapedException() {
    try {
        throw;
    } catch (const std::exception& error) {
        ShowApplicationError(error.what());
    } catch (...) {
        ShowApplicationError({});
    }
}

void RunWindows() {
    CreateApplicationWindows();
    Form1->show();
    QApplication::exec();
}

} // namespace

std::string MutexName() {
    const std::string path = platform::ExecutablePath();
    const std::size_t separator = text::FindLastOfDbcs(path, "\\:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

TessivarApplication::TessivarApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kApplicationTitle));
}

bool TessivarApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowEscapedException();
    }
    return false;
}

void CreateApplicationWindows(const QStringList& arguments) {
    Form1 = new TForm1(arguments);
    Form2 = new TForm2(Form1);
    User = new TUser(Form1);
    Form3 = new TForm3(Form1);
}

void DestroyApplicationWindows() {
    delete Form1; // owns the three others
    Form1 = nullptr;
    Form2 = nullptr;
    User = nullptr;
    Form3 = nullptr;
}

int RunTessivar(int argc, char** argv) {
    const platform::NamedMutex mutex(MutexName());
    if (mutex.state() == platform::NamedMutex::State::HeldElsewhere)
        return 0;
    TessivarApplication application(argc, argv);
    fonts::InstallSubstitutions();
    InstallQtTranslation();
    try {
        RunWindows();
    } catch (...) {
        ShowEscapedException();
    }
    DestroyApplicationWindows();
    return 0;
}
