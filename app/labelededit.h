#pragma once
// An edit box with its label above it, 3 pixels apart. The label is a sibling
// widget that follows the box wherever it is placed.

#include <QLabel>
#include <QLineEdit>

class LabeledEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(QString labelText READ labelText WRITE setLabelText)
public:
    static constexpr int kLabelSpacing = 3;

    explicit LabeledEdit(QWidget* parent = nullptr);

    QLabel* editLabel() const { return m_label; }
    QString labelText() const { return m_label->text(); }
    void setLabelText(const QString& text);

protected:
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeLabel();

    QLabel* m_label;
};
