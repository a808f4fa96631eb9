#pragma once
// What a list view shows, read through its model as display text.

#include <QAbstractItemView>
#include <QStringList>

inline QStringList ShownLines(const QAbstractItemView* view) {
    QStringList lines;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->data(model->index(row, 0)).toString();
    return lines;
}
