#include "dialogs/folderdialog.h"

#include "platform/filesystem.h"
#include "text/qtext.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <vector>

namespace {

// The prompt goes above the dialog's own grid of controls, which moves one
// row down.
void AddPrompt(QFileDialog& dialog, const std::string& prompt) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (grid == nullptr)
        return;
    struct Placed {
        QLayoutItem* item;
        int row, column, rowSpan, columnSpan;
    };
    std::vector<Placed> items;
    const int columns = grid->columnCount();
    while (grid->count() > 0) {
        Placed placed{};
        grid->getItemPosition(0, &placed.row, &placed.column, &placed.rowSpan, &placed.columnSpan);
        placed.item = grid->takeAt(0);
        items.push_back(placed);
    }
    auto* label = new QLabel(text::ToQString(prompt), &dialog);
    label->setObjectName(QStringLiteral("BrowsePrompt"));
    grid->addWidget(label, 0, 0, 1, columns);
    for (const Placed& placed : items)
        grid->addItem(placed.item, placed.row + 1, placed.column, placed.rowSpan,
                      placed.columnSpan);
}

void SelectStart(QFileDialog& dialog, const std::string& startFolder) {
    const std::optional<std::string> host =
        startFolder.empty() ? std::nullopt : platform::HostPath(startFolder);
    if (!host) {
        dialog.setDirectory(QDir::home());
        return;
    }
    const QFileInfo folder(text::HostQString(*host));
    dialog.setDirectory(folder.absolutePath());
    dialog.selectFile(folder.absoluteFilePath());
}

} // namespace

std::optional<std::string> BrowseForFolder(QWidget* owner, const std::string& prompt,
                                           const std::string& startFolder) {
    QFileDialog dialog(owner, QStringLiteral("フォルダーの参照"));
    dialog.setObjectName(QStringLiteral("FolderDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    AddPrompt(dialog, prompt);
    SelectStart(dialog, startFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return platform::ProgramPathOf(text::HostString(dialog.selectedFiles().front()));
}
