// The GoogleTest main of the widget suites: the real application object on
// Qt's offscreen platform, with every XDG folder in a temporary place so that
// no test writes into the real home folder, and a settings file of each test's
// own, so that no test sees what another one saved.

#include "app/application.h"
#include "app/fonts.h"
#include "platform/settingsfile.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

void PointXdgFoldersAt(const QTemporaryDir& home) {
    const std::string root = home.path().toStdString();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR",
                             "XDG_CACHE_HOME", "XDG_DESKTOP_DIR"}) {
        const std::string folder = root + "/" + name;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        setenv(name, folder.c_str(), 1);
    }
}

// Each test starts without a settings file, in a folder of its own.
class FreshSettingsFile : public testing::EmptyTestEventListener {
public:
    explicit FreshSettingsFile(std::string root) : m_root(std::move(root)) {}

    void OnTestStart(const testing::TestInfo&) override {
        const std::string folder = m_root + "/settings-" + std::to_string(++m_count);
        m_file = std::make_unique<platform::SettingsFile>(folder + "/tessivar.INI");
        m_override = std::make_unique<platform::Override<platform::SettingsFile>>(*m_file);
    }
    void OnTestEnd(const testing::TestInfo&) override {
        m_override.reset();
        m_file.reset();
    }

private:
    std::string m_root;
    int m_count = 0;
    std::unique_ptr<platform::SettingsFile> m_file;
    std::unique_ptr<platform::Override<platform::SettingsFile>> m_override;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QTemporaryDir home;
    PointXdgFoldersAt(home);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(
        new FreshSettingsFile(home.path().toStdString()));
    TessivarApplication application(argc, argv);
    fonts::InstallSubstitutions();
    return RUN_ALL_TESTS();
}
