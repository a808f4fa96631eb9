#include "dialogs/copentextdialog.h"

#include "app/application.h"
#include "app/apperror.h"
#include "app/messagebox.h"
#include "dialogs/filters.h"
#include "platform/fileread.h"
#include "platform/filesystem.h"
#include "text/qtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int kPanelLeft = 6;
constexpr int kCheckBoxWidth = 200;
constexpr int kCheckBoxHeight = 25;
constexpr int kMemoHeight = 100;

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

COpenTextDialog::COpenTextDialog(QWidget* owner) : QFileDialog(owner) {
    // Qt's own dialog first: the panel and the filter combo live in its widgets.
    setOption(DontUseNativeDialog);
    setOption(HideNameFilterDetails);
    setAcceptMode(AcceptOpen);
    // A typed name that does not exist is the caller's to judge.
    setFileMode(AnyFile);
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& hostPath) {
        m_current = hostPath;
        DoSelectionChange();
    });
}

void COpenTextDialog::setTitle(const std::string& title) {
    setWindowTitle(text::ToQString(title));
}

void COpenTextDialog::setFilter(const std::string& filter) {
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

void COpenTextDialog::setFilterIndex(int index) {
    QComboBox* combo = filterCombo();
    const int row = index >= 1 && index <= combo->count() ? index - 1 : 0;
    combo->setCurrentIndex(row);
    // The dialog applies a filter when one is picked in the combo.
    emit combo->activated(row);
}

int COpenTextDialog::filterIndex() const {
    return filterCombo()->currentIndex() + 1;
}

void COpenTextDialog::setInitialDir(const std::string& programPath) {
    const std::optional<std::string> host = platform::HostPath(programPath);
    if (host && QFileInfo(text::HostQString(*host)).isDir())
        setDirectory(text::HostQString(*host));
}

void COpenTextDialog::setFileName(const std::string& name) {
    selectFile(text::ToQString(name));
}

void COpenTextDialog::setDefaultExt(const std::string& ext) {
    setDefaultSuffix(text::ToQString(ext));
}

bool COpenTextDialog::Execute() {
    return exec() == QDialog::Accepted;
}

std::string COpenTextDialog::FileName() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string() : platform::ProgramPathOf(text::HostString(files.front()));
}

std::string COpenTextDialog::CurrentSelection() const {
    return m_current.isEmpty() ? std::string() : platform::ProgramPathOf(text::HostString(m_current));
}

void COpenTextDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    if (!event->spontaneous())
        DoShow();
}

void COpenTextDialog::done(int result) {
    QFileDialog::done(result);
    DoClose();
}

void COpenTextDialog::DoShow() {
    // A dialog hidden without closing still has its panel.
    DoClose();
    const QSize client = size();
    const QSize outer = frameGeometry().size();
    const int outerHeight = outer.height() + PanelHeight;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setPanelRoom(PanelHeight);
    move((screen.width() - outer.width()) / 2, (screen.height() - outerHeight) / 2);
    resize(client.width(), client.height() + PanelHeight);
    update();
    buildPanel(client);
}

void COpenTextDialog::DoClose() {
    if (!PreviewMemo)
        return;
    delete PreviewMemo;
    PreviewMemo = nullptr;
    delete PreviewCheckBox;
    PreviewCheckBox = nullptr;
    setPanelRoom(-PanelHeight);
    resize(width(), height() - PanelHeight);
}

void COpenTextDialog::DoSelectionChange() {
    if (!PreviewMemo)
        return;
    const std::string file = CurrentSelection();
    if (!PreviewCheckBox->isChecked() || !platform::FileExists(file)) {
        PreviewMemo->clear();
        return;
    }
    showPreview(file);
}

void COpenTextDialog::showPreview(const std::string& file) {
    const std::optional<std::string> bytes = platform::ReadFileStart(file, PreviewLimit);
    if (!bytes) {
        ShowMessageBox(this, BoxIcon::None, text::ToQString(kApplicationTitle),
                       text::ToQString(CannotOpenError(file).what()),
                       {BoxButton::Ok}, BoxPlace::ScreenCentre);
        return;
    }
    if (IsTextFile(bytes->data(), static_cast<std::int32_t>(bytes->size()))) {
        PreviewMemo->setPlainText(text::ToQString(PreviewText(*bytes)));
        return;
    }
    ShowMessageBox(
        this, BoxIcon::Warning, caption::Warning,
        QStringLiteral("ファイルのプレビューが出来ません。\n(ファイルタイプが違います。)"),
        {BoxButton::Ok}, BoxPlace::ScreenCentre);
    PreviewMemo->setPlainText(QStringLiteral("ﾌﾟﾚﾋﾞｭｰ不可"));
}

void COpenTextDialog::buildPanel(QSize client) {
    PreviewCheckBox = new QCheckBox(QStringLiteral("内容をﾌﾟﾚﾋﾞｭｰする。"), this);
    PreviewCheckBox->setObjectName(QStringLiteral("PreviewCheckBox"));
    PreviewCheckBox->setChecked(true);
    PreviewCheckBox->setGeometry(kPanelLeft, client.height(), kCheckBoxWidth, kCheckBoxHeight);
    PreviewCheckBox->show();

    PreviewMemo = new QPlainTextEdit(this);
    PreviewMemo->setObjectName(QStringLiteral("PreviewMemo"));
    PreviewMemo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    PreviewMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PreviewMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PreviewMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    PreviewMemo->setFont(QApplication::font());
    PreviewMemo->setGeometry(kPanelLeft, client.height() + kCheckBoxHeight,
                             client.width() - 2 * kPanelLeft, kMemoHeight);
    PreviewMemo->show();
}

// Room for the panel below Qt's own controls, which keep the old client area.
void COpenTextDialog::setPanelRoom(int extraHeight) {
    QMargins margins = layout()->contentsMargins();
    margins.setBottom(margins.bottom() + extraHeight);
    layout()->setContentsMargins(margins);
    // The minimum size follows now, so that giving the room back can shrink.
    layout()->activate();
}

QComboBox* COpenTextDialog::filterCombo() const {
    return findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}
