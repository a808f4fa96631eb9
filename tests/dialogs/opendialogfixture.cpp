#include "tests/dialogs/opendialogfixture.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFileSystemModel>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <ostream>

QString HostQString(const std::string& hostPath) {
    return QFile::decodeName(QByteArray::fromStdString(hostPath));
}

void OpenDialogTest::load() {
    QStringList entries;
    for (const auto& entry : std::filesystem::directory_iterator(c.path())) {
        if (entry.is_regular_file() || entry.is_directory())
            entries << HostQString(entry.path().filename().string());
    }
    entries.sort();
    dialog.setInitialDir("C:\\");
    ASSERT_EQ(listedOnce(entries), entries);
}

QAbstractItemView* OpenDialogTest::view() const {
    auto* details = dialog.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
    return details->isVisible() ? details
                                : dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
}

QFileSystemModel* OpenDialogTest::model() const {
    return qobject_cast<QFileSystemModel*>(view()->model());
}

void PrintTo(const QString& string, std::ostream* out) {
    *out << '"' << string.toStdString() << '"';
}

void OpenDialogTest::pick(const std::string& hostPath) {
    const QModelIndex index = model()->index(HostQString(hostPath));
    EXPECT_TRUE(index.isValid()) << hostPath;
    view()->setCurrentIndex(index);
}

void OpenDialogTest::announce(const std::string& hostPath) {
    emit dialog.currentChanged(HostQString(hostPath));
}

std::vector<ModalInfo> OpenDialogTest::select(const std::string& hostPath) {
    return AnswerModals({QStringLiteral("OK")}, [&] { pick(hostPath); });
}

std::vector<ModalInfo> OpenDialogTest::report(const std::string& hostPath) {
    return AnswerModals({QStringLiteral("OK")}, [&] { announce(hostPath); });
}

QString OpenDialogTest::memoText() const {
    return dialog.PreviewMemo ? dialog.PreviewMemo->toPlainText() : QString();
}

QStringList OpenDialogTest::listedOnce(const QStringList& expected) const {
    const auto listed = [this] {
        QStringList names;
        const QModelIndex root = view()->rootIndex();
        for (int row = 0; row < model()->rowCount(root); ++row)
            names << model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    return QTest::qWaitFor([&] { return listed() == expected; }) ? expected : listed();
}
