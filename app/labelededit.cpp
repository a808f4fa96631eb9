#include "app/labelededit.h"

#include <QEvent>

LabeledEdit::LabeledEdit(QWidget* parent) : QLineEdit(parent), m_label(new QLabel(parent)) {
    m_label->setBuddy(this);
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        m_label->setObjectName(name + QStringLiteral("EditLabel"));
    });
}

void LabeledEdit::setLabelText(const QString& text) {
    m_label->setText(text);
    placeLabel();
}

void LabeledEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    placeLabel();
}

void LabeledEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ParentChange) {
        if (event->type() == QEvent::ParentChange)
            m_label->setParent(parentWidget());
        m_label->setFont(font());
        placeLabel();
    }
}

void LabeledEdit::placeLabel() {
    m_label->adjustSize();
    m_label->move(x(), y() - kLabelSpacing - m_label->height());
}
