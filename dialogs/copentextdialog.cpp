#include "dialogs/copentextdialog.h"

#include "app/apperror.h"
#include "app/application.h"
#include "app/messagebox.h"
#include "platform/fileread.h"
#include "platform/filesystem.h"
#include "text/qtext.h"

#include <QApplication>
#include <QCheckBox>
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

} // namespace

COpenTextDialog::COpenTextDialog(QWidget* owner) : ProgramFileDialog(owner, AcceptOpen) {
    connect(this, &QFileDialog::currentChanged, this, [this](const QString& hostPath) {
        m_current = hostPath;
        DoSelectionChange();
    });
}

std::string COpenTextDialog::CurrentSelection() const {
    return m_current.isEmpty() ? std::string()
                               : platform::ProgramPathOf(text::HostString(m_current));
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
                       text::ToQString(CannotOpenError(file).what()), {BoxButton::Ok},
                       BoxPlace::ScreenCentre);
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
