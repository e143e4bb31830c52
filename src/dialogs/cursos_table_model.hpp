#pragma once

#include <QAbstractTableModel>
#include <array>
#include <vector>

#include "access/table.hpp"

namespace quimbo::dialogs {

// CURSOST as the course dialog's grid shows it: CLAVE, ESTUD, NIVEL, CURSO; only NIVEL and CURSO
// can be edited, rows are never added or deleted. An edit changes the table's current row, which
// is stored when another row is edited, when it is posted, or when the table is moved.
class CursosTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CursosTableModel(access::Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void editRow(int row);  // puts the row into edit mode unless it already is
    void post();            // stores a pending change
    void cancel();          // drops it
    void refresh();         // reads the table again

  private:
    using Values = std::array<QString, 4>;
    Values readCurrentRow() const;

    access::Table& table_;
    std::vector<Values> rows_;  // what the grid shows, the pending edit included
};

}  // namespace quimbo::dialogs
