#pragma once

#include <QTableView>

namespace quimbo::dialogs {

// The course dialog's data-aware grid: Enter moves to the next column (then to the next row's
// first), focus entering and leaving is reported, and an open editor can be committed at will.
class DataGrid : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;
    void commitOpenEditor();

  signals:
    void entered();
    void exited();
    void columnEntered(int column);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

}  // namespace quimbo::dialogs
