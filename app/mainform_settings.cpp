// The settings file: read while the main window is created, written at every
// close request.
#include "app/mainform.h"
#include "app/messagebox.h"
#include "app/settings.h"
#include "platform/drives.h"
#include "platform/settingsfile.h"
#include "text/cp932_codec.h"

namespace {

Profile ReadProfile(const platform::SettingsFile& file) {
    return Profile::Parse(file.read().value_or(std::string()));
}

} // namespace

void TForm1::readSettings() {
    const Profile profile = ReadProfile(platform::CurrentSettingsFile());
    for (const DriveSetting& drive : ReadDriveSettings(profile))
        platform::Drives().set(drive.letter, drive.hostFolder);
    const Settings settings = ReadSettings(profile);
    move(settings.Left, settings.Top);
    resize(settings.Width, settings.Height);
    DirPath = settings.DirPath;
    CopyPath = settings.CopyPath;
    const RecentSlots recent = recentSlots();
    for (std::size_t slot = 0; slot < recent.size(); ++slot)
        *recent[slot] = settings.RecentFiles[slot];
    MaskNo = settings.MaskNo;
    User1Name = settings.User1Name;
    User1Mask = settings.User1Mask;
    User2Name = settings.User2Name;
    User2Mask = settings.User2Mask;
}

Settings TForm1::currentSettings() {
    Settings settings;
    settings.Left = pos().x();
    settings.Top = pos().y();
    settings.Width = width();
    settings.Height = height();
    settings.DirPath = DirPath;
    settings.CopyPath = CopyPath;
    const RecentSlots recent = recentSlots();
    for (std::size_t slot = 0; slot < recent.size(); ++slot)
        settings.RecentFiles[slot] = *recent[slot];
    settings.MaskNo = MaskNo;
    settings.User1Name = User1Name;
    settings.User1Mask = User1Mask;
    settings.User2Name = User2Name;
    settings.User2Mask = User2Mask;
    return settings;
}

// Sections and keys that the program does not know are kept as the file holds
// them at this moment.
bool TForm1::writeSettings() {
    const platform::SettingsFile& file = platform::CurrentSettingsFile();
    Profile profile = ReadProfile(file);
    WriteSettings(currentSettings(), profile);
    return file.write(profile.text());
}

// A settings file that can never be written must not keep the program open.
bool TForm1::closeWithoutSaving() {
    ShowApplicationError(platform::CurrentSettingsFile().programPath() +
                         text::Utf8ToCp932(" に書き込めません"));
    return ShowMessageBox(this, BoxIcon::Question, caption::Confirm,
                          QStringLiteral("設定を保存せずに終了しますか？"),
                          {BoxButton::Yes, BoxButton::No}, BoxPlace::OwnerOffset) == BoxButton::Yes;
}

void TForm1::FormCloseQuery(bool& canClose) {
    canClose = writeSettings() || closeWithoutSaving();
}
