#include "app/listbox.h"

#include "text/qtext.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return text::ToQString(m_lines[static_cast<std::size_t>(index.row())]);
    if (role == Qt::SizeHintRole)
        return m_itemSize;
    return {};
}

void LineListModel::setLines(std::vector<std::string> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void LineListModel::setItemSize(QSize size) {
    m_itemSize = size;
    if (!m_lines.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::SizeHintRole});
}

ListBox::ListBox(QWidget* parent) : QListView(parent), m_model(new LineListModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    updateItemSize();
}

int ListBox::itemIndex() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void ListBox::setItemIndex(int index) {
    if (index < 0 || index >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(m_model->index(index), QItemSelectionModel::ClearAndSelect);
}

void ListBox::setItemHeight(int pixels) {
    m_itemHeight = pixels;
    updateItemSize();
}

void ListBox::setHorizontalExtent(int pixels) {
    m_extent = pixels;
    updateItemSize();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit userSelected();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = itemIndex();
    QListView::keyPressEvent(event);
    if (itemIndex() != before)
        emit userSelected();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedAnywhere();
}

bool ListBox::viewportEvent(QEvent* event) {
    const bool handled = QListView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        updateItemSize();
    return handled;
}

// Lines are as wide as the scrollable width, and at least as wide as the
// list, so that a selected line is highlighted across the whole list.
void ListBox::updateItemSize() {
    const QSize size(std::max(m_extent, viewport()->width()), m_itemHeight);
    if (size == m_model->itemSize())
        return;
    m_model->setItemSize(size);
    doItemsLayout();
}
