// The GoogleTest main of the widget suites: the real application object on
// Qt's offscreen platform, with every XDG folder in a temporary place so that
// no test writes into the real home folder.

#include "app/application.h"
#include "app/fonts.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

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

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QTemporaryDir home;
    PointXdgFoldersAt(home);
    testing::InitGoogleTest(&argc, argv);
    TessivarApplication application(argc, argv);
    fonts::InstallSubstitutions();
    return RUN_ALL_TESTS();
}
