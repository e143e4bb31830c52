#include "dialogs/data_grid.hpp"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace quimbo::dialogs {

void DataGrid::commitOpenEditor() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused)) {
        commitData(focused);
    }
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QTableView::keyPressEvent(event);
        return;
    }
    const QModelIndex here = currentIndex();
    if (!here.isValid()) {
        return;
    }
    const bool lastColumn = here.column() + 1 >= model()->columnCount();
    const int row = lastColumn ? std::min(here.row() + 1, model()->rowCount() - 1) : here.row();
    setCurrentIndex(model()->index(row, lastColumn ? 0 : here.column() + 1));
}

void DataGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    emit entered();
}

void DataGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    // An editor of the grid taking the focus does not leave the grid, nor does the window
    // losing the focus as it closes (the close box stores nothing).
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !isAncestorOf(focused)) {
        emit exited();
    }
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && previous.isValid() && current.column() != previous.column()) {
        emit columnEntered(current.column());
    }
}

}  // namespace quimbo::dialogs
