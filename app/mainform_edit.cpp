// The edit command: the selected entry's program opened in its application.
#include "app/listbox.h"
#include "app/mainform.h"
#include "app/messagebox.h"
#include "platform/filesystem.h"
#include "platform/launcher.h"
#include "resolve/entryline.h"

#include <QPushButton>

void TForm1::BitBtn3Click() {
    const int index = ListBox1->itemIndex();
    if (index < 0)
        return;
    const std::optional<std::string> path = EditPathOf(ListBox1->line(index));
    if (!path)
        return;
    if (!path->empty() && platform::FileExists(*path)) {
        LaunchFile(*path);
        return;
    }
    ShowMessageBox(this, BoxIcon::Warning, caption::Warning, QStringLiteral("ﾌｧｲﾙが有りません。"),
                   {BoxButton::Ok}, BoxPlace::OwnerOffset);
}

void TForm1::ListBox1DblClick() {
    BitBtn3->click();
}

void TForm1::LaunchFile(const std::string& path) {
    platform::CurrentLauncher().openFile(path);
}
