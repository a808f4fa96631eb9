#include "tests/support/tempdir.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

TempDir::TempDir() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

std::string TempDir::path(const std::string& relative) const {
    const std::string root = m_dir.path().toStdString();
    return relative.empty() ? root : root + "/" + relative;
}

void TempDir::write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file(path(relative));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void TempDir::makeFolder(const std::string& relative) const {
    std::filesystem::create_directories(path(relative));
}
