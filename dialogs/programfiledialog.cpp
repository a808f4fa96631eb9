#include "dialogs/programfiledialog.h"

#include "dialogs/filters.h"
#include "platform/filesystem.h"
#include "text/qtext.h"

#include <QComboBox>
#include <QFileInfo>

namespace {

// One pattern as Qt's file model matches it the way the target file systems
// do: letters in either case, "*.*" every name. Characters that Qt's filter
// syntax cannot carry (a space separates patterns there) match any character.
QString QtPattern(const QString& pattern) {
    if (pattern == u"*.*")
        return QStringLiteral("*");
    QString result;
    for (const QChar c : pattern) {
        if (c.unicode() < 0x80 && c.isLetter()) {
            const QChar eitherCase[] = {u'[', c.toLower(), c.toUpper(), u']'};
            result.append(eitherCase, 4);
        } else if (QStringView(u"0123456789*?._-").contains(c)) {
            result += c;
        } else {
            result += u'?';
        }
    }
    return result;
}

// The Qt name filter of an entry: its patterns in the "(...)" group Qt reads
// them from. An empty group sets no pattern, so every file is listed.
QString QtNameFilter(const FilterEntry& entry) {
    QStringList patterns;
    for (const QString& pattern : text::ToQString(entry.pattern).split(u';', Qt::SkipEmptyParts))
        patterns << QtPattern(pattern);
    return QStringLiteral("%1 (%2)").arg(text::ToQString(entry.description), patterns.join(u' '));
}

} // namespace

ProgramFileDialog::ProgramFileDialog(QWidget* owner, AcceptMode mode) : QFileDialog(owner) {
    // Qt's own dialog: the filter combo and the panels live in its widgets.
    setOption(DontUseNativeDialog);
    setOption(HideNameFilterDetails);
    setAcceptMode(mode);
    // A typed name that does not exist is the caller's to judge.
    setFileMode(AnyFile);
}

void ProgramFileDialog::setTitle(const std::string& title) {
    setWindowTitle(text::ToQString(title));
}

void ProgramFileDialog::setFilter(const std::string& filter) {
    const std::vector<FilterEntry> entries = SplitFilter(filter);
    QStringList nameFilters;
    for (const FilterEntry& entry : entries)
        nameFilters << QtNameFilter(entry);
    setNameFilters(nameFilters);
    // Qt would show each description simplified and without its last "(...)".
    QComboBox* combo = filterCombo();
    for (std::size_t i = 0; i < entries.size(); ++i)
        combo->setItemText(static_cast<int>(i), text::ToQString(entries[i].description));
}

void ProgramFileDialog::setFilterIndex(int index) {
    QComboBox* combo = filterCombo();
    const int row = index >= 1 && index <= combo->count() ? index - 1 : 0;
    combo->setCurrentIndex(row);
    // The dialog applies a filter when one is picked in the combo.
    emit combo->activated(row);
}

int ProgramFileDialog::filterIndex() const {
    return filterCombo()->currentIndex() + 1;
}

void ProgramFileDialog::setInitialDir(const std::string& programPath) {
    const std::optional<std::string> host = platform::HostPath(programPath);
    if (host && QFileInfo(text::HostQString(*host)).isDir())
        setDirectory(text::HostQString(*host));
}

void ProgramFileDialog::setFileName(const std::string& name) {
    selectFile(text::ToQString(name));
}

void ProgramFileDialog::setDefaultExt(const std::string& ext) {
    setDefaultSuffix(text::ToQString(ext));
}

bool ProgramFileDialog::Execute() {
    return exec() == QDialog::Accepted;
}

std::string ProgramFileDialog::FileName() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string()
                           : platform::ProgramPathOf(text::HostString(files.front()));
}

QComboBox* ProgramFileDialog::filterCombo() const {
    return findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}
