#pragma once
// A COpenTextDialog on drive C: (a temp folder), with ways to make an item of
// its list current and to read what the dialog shows.

#include "dialogs/copentextdialog.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/tempfolder.h"

#include <QStringList>
#include <string>
#include <vector>

class QFileSystemModel;
class QAbstractItemView;

QString HostQString(const std::string& hostPath);
// Shows QStrings readably in failure messages.
void PrintTo(const QString& string, std::ostream* out);

class OpenDialogTest : public platform::test::DriveCTest {
protected:
    // Opens drive C: in the dialog and waits until the list shows every file
    // and folder there (a FIFO is never listed). Files made later reach the
    // list at a time of the model's choosing.
    void load();
    // The file list that the dialog shows (list or detail view); both share
    // one model and one selection.
    QAbstractItemView* view() const;
    QFileSystemModel* model() const;
    // Makes the host file or folder the list's current item, as a click does.
    void pick(const std::string& hostPath);
    // The dialog reports `hostPath` as current, whether the list holds it or not.
    void announce(const std::string& hostPath);
    // The same, returning the boxes that opened, each answered with "OK".
    std::vector<ModalInfo> select(const std::string& hostPath);
    std::vector<ModalInfo> report(const std::string& hostPath);
    QString memoText() const;
    // The names that the list shows once it shows `expected`, else after a wait.
    QStringList listedOnce(const QStringList& expected) const;

    COpenTextDialog dialog{nullptr};
};
