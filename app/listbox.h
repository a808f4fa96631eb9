#pragma once
// A list box of CP932 lines: the lines are kept as raw bytes and converted
// only to be painted, with one fixed line height and a scrollable width that
// the program sets, so that a long list shows without measuring every line.

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const std::vector<std::string>& lines() const { return m_lines; }
    void setLines(std::vector<std::string> lines);
    void clear() { setLines({}); }
    void setItemSize(QSize size);
    QSize itemSize() const { return m_itemSize; }

private:
    std::vector<std::string> m_lines;
    QSize m_itemSize{0, 15};
};

class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int count() const { return static_cast<int>(lines().size()); }
    const std::vector<std::string>& lines() const { return m_model->lines(); }
    const std::string& line(int index) const { return lines().at(static_cast<std::size_t>(index)); }
    void setLines(std::vector<std::string> lines) { m_model->setLines(std::move(lines)); }
    void clear() { m_model->clear(); }

    // The selected line, -1 when none.
    int itemIndex() const;
    void setItemIndex(int index);

    void setItemHeight(int pixels);
    int itemHeight() const { return m_itemHeight; }
    // The width in pixels over which the list scrolls sideways; a scroll bar
    // shows when it exceeds the list's own width.
    void setHorizontalExtent(int pixels);
    int horizontalExtent() const { return m_extent; }

signals:
    // The user pressed a line or moved the selection with the keys; setting
    // the selection from code never emits it.
    void userSelected();
    // A double click anywhere in the list, on a line or below the last.
    void doubleClickedAnywhere();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void updateItemSize();

    LineListModel* m_model;
    int m_itemHeight = 15;
    int m_extent = 0;
};
