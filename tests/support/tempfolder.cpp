#include "tests/support/tempfolder.h"

#include "platform/drives.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>
#include <vector>

namespace platform::test {

TempFolder::TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessivar-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_path = buffer.data();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::operator/(std::string_view relative) const {
    return m_path + '/' + std::string(relative);
}

std::string TempFolder::file(std::string_view relative, std::string_view bytes) const {
    const std::string path = *this / relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempFolder::folder(std::string_view relative) const {
    const std::string path = *this / relative;
    std::filesystem::create_directories(path);
    return path;
}

DriveCTest::DriveCTest() : m_workingFolder(std::filesystem::current_path()) {
    Drives().reset();
    Drives().set('C', c.path());
}

DriveCTest::~DriveCTest() {
    std::filesystem::current_path(m_workingFolder);
    Drives().reset();
}

} // namespace platform::test
