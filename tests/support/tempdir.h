#pragma once
// A temporary folder for one test, removed with its contents afterwards.

#include <QTemporaryDir>
#include <string>

class TempDir {
public:
    TempDir();
    // Host path (UTF-8) of the folder, or of `relative` inside it.
    std::string path(const std::string& relative = {}) const;
    // Writes `bytes` to the file `relative` (UTF-8 name), making its folders.
    void write(const std::string& relative, const std::string& bytes) const;
    void makeFolder(const std::string& relative) const;

private:
    QTemporaryDir m_dir;
};
