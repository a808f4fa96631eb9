#include "platform/posix/copywindows.h"

#include "platform/posix/copytexts.h"
#include "text/qtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace platform::posix {

namespace {

constexpr int kWindowWidth = 460;
const QString kCancel = QStringLiteral("キャンセル");

template <typename Answer> struct Choice {
    QString text;
    Answer answer;
};

// Shows a modal box with these choices, in this order (one role for all, so
// that the style does not reorder them); Escape and the close box pick the last.
template <typename Answer>
Answer Ask(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
           const std::vector<Choice<Answer>>& choices) {
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    std::vector<QAbstractButton*> buttons;
    for (const Choice<Answer>& choice : choices)
        buttons.push_back(box.addButton(choice.text, QMessageBox::ActionRole));
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i])
            return choices[i].answer;
    }
    return choices.back().answer;
}

} // namespace

CopyProgressWindow::CopyProgressWindow()
    : m_file(new QLabel(copytext::Preparing)), m_route(new QLabel), m_bar(new QProgressBar),
      m_count(new QLabel), m_cancel(new QPushButton(kCancel)) {
    setObjectName(QStringLiteral("ShellCopyProgress"));
    setWindowTitle(copytext::ProgressCaption);
    setFixedWidth(kWindowWidth);
    m_bar->setRange(0, 1000);
    m_bar->setTextVisible(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count);
    bottom->addStretch();
    bottom->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addWidget(m_route);
    layout->addWidget(m_bar);
    layout->addLayout(bottom);
    connect(m_cancel, &QPushButton::clicked, this, &CopyProgressWindow::reject);
}

void CopyProgressWindow::showStatus(const CopyStatus& status) {
    if (status.name.empty())
        return;
    CopyJob job;
    job.name = status.name;
    job.sourceFolder = status.sourceFolder;
    job.targetFolder = status.targetFolder;
    if (m_cancel->isEnabled())
        setElided(m_file, copytext::Copying(job));
    setElided(m_route, copytext::Route(job));
    m_count->setText(copytext::Count(status.current, status.count));
    m_bar->setValue(status.permille);
}

void CopyProgressWindow::reject() {
    if (!m_cancel->isEnabled())
        return;
    m_cancel->setEnabled(false);
    m_file->setText(copytext::Cancelling);
    if (m_onCancel)
        m_onCancel();
}

void CopyProgressWindow::setElided(QLabel* label, const QString& text) {
    const int width = kWindowWidth - 2 * layout()->contentsMargins().left();
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, width));
}

CopyClient::Replace AskReplace(QWidget* parent, const CopyJob& job, const FileFacts& existing,
                               const FileFacts& incoming, bool onlyFile) {
    using Replace = CopyClient::Replace;
    std::vector<Choice<Replace>> choices = {{QStringLiteral("はい(&Y)"), Replace::Yes},
                                            {QStringLiteral("すべてはい"), Replace::YesToAll},
                                            {QStringLiteral("いいえ(&N)"), Replace::No},
                                            {kCancel, Replace::Cancel}};
    if (onlyFile)
        choices = {choices[0], choices[2]};
    return Ask(parent, QMessageBox::Question, copytext::ReplaceCaption,
               copytext::ReplaceQuestion(job, existing, incoming), choices);
}

CopyClient::OnError AskOnError(QWidget* parent, const CopyJob& job, const CopyError& error) {
    using OnError = CopyClient::OnError;
    return Ask<OnError>(parent, QMessageBox::Critical, copytext::ErrorCaption,
                        copytext::ErrorText(job, error),
                        {{QStringLiteral("スキップ"), OnError::Skip}, {kCancel, OnError::Cancel}});
}

} // namespace platform::posix
