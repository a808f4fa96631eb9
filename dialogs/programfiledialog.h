#pragma once
// Qt's own file dialog spoken to in the program's terms: CP932 texts, paths
// in the program's form, filters as "description|pattern|..." with 1-based
// indexes. The open dialog with its preview and the save dialog build on it.

#include <QFileDialog>
#include <string>

class QComboBox;

class ProgramFileDialog : public QFileDialog {
    Q_OBJECT
public:
    ProgramFileDialog(QWidget* owner, AcceptMode mode);

    void setTitle(const std::string& title);
    // "description|pattern|...": one entry per pair, patterns ";"-separated.
    void setFilter(const std::string& filter);
    // 1-based; out of range selects the first entry.
    void setFilterIndex(int index);
    int filterIndex() const;
    // A folder that does not exist leaves Qt's default.
    void setInitialDir(const std::string& programPath);
    void setFileName(const std::string& name);
    void setDefaultExt(const std::string& ext);

    // Runs modally; true when the user chose a file.
    bool Execute();
    // The chosen file's full path.
    std::string FileName() const;

protected:
    QComboBox* filterCombo() const;
};
