#pragma once
// Test fixtures: a fresh host folder per test, mapped as drive C:.

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace platform::test {

// A folder made by mkdtemp, removed with its contents when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // The host path of `relative` (UTF-8) inside the folder.
    std::string operator/(std::string_view relative) const;
    // Creates a file holding `bytes` (with its folders), or a folder, at
    // `relative`; returns its host path.
    std::string file(std::string_view relative, std::string_view bytes = {}) const;
    std::string folder(std::string_view relative) const;

private:
    std::string m_path;
};

// Drive C: is a temp folder; the drive table and the working folder are put
// back after each test.
class DriveCTest : public ::testing::Test {
protected:
    DriveCTest();
    ~DriveCTest() override;

    TempFolder c;

private:
    std::filesystem::path m_workingFolder;
};

} // namespace platform::test
