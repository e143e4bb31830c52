#include "dialogs/cursos_table_model.hpp"

#include <QColor>
#include <QFont>

#include "text/codepage.hpp"

namespace quimbo::dialogs {

namespace {

struct Column {
    const char* field;
    const char* title;
    bool editable;
};

const Column kColumns[] = {
    {"CLAVE", "CÓD.SÉNECA", false},
    {"ESTUD", "ESTUDIOS", false},
    {"NIVEL", "NIVEL", true},
    {"CURSO", "CURSO", true},
};

}  // namespace

CursosTableModel::CursosTableModel(access::Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    refresh();
}

CursosTableModel::Values CursosTableModel::readCurrentRow() const {
    Values values;
    for (std::size_t c = 0; c < values.size(); ++c) {
        values[c] =
            QString::fromStdString(codepage::cp1252ToUtf8(table_.asText(kColumns[c].field)));
    }
    return values;
}

int CursosTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CursosTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant CursosTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::BackgroundRole) {
        return QColor(index.row() % 2 == 0 ? 0xF0FBFF : 0xCFD9FE);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    return rows_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant CursosTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= 4) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return QString::fromUtf8(kColumns[section].title);
    }
    if (role == Qt::FontRole) {
        QFont font;
        font.setBold(true);
        return font;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags CursosTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.isValid() && kColumns[index.column()].editable) {
        base |= Qt::ItemIsEditable;
    }
    return base;
}

void CursosTableModel::editRow(int row) {
    if (table_.editing() && table_.position() == row) {
        return;
    }
    post();
    if (table_.moveTo(row)) {
        table_.edit();
    }
}

bool CursosTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !kColumns[index.column()].editable) {
        return false;
    }
    editRow(index.row());
    if (!table_.editing()) {
        return false;
    }
    table_.setText(kColumns[index.column()].field,
                   codepage::utf8ToCp1252(value.toString().toStdString()));
    rows_[static_cast<std::size_t>(index.row())] = readCurrentRow();  // as stored: cut to width
    emit dataChanged(index, index);
    return true;
}

void CursosTableModel::post() {
    if (table_.editing()) {
        table_.post();
    }
}

void CursosTableModel::cancel() {
    if (!table_.editing()) {
        return;
    }
    const int row = table_.position();
    table_.cancel();
    if (row >= 0 && row < rowCount()) {
        rows_[static_cast<std::size_t>(row)] = readCurrentRow();
        emit dataChanged(this->index(row, 0), this->index(row, 3));
    }
}

void CursosTableModel::refresh() {
    beginResetModel();
    if (table_.editing()) {
        table_.cancel();
    }
    rows_.clear();
    for (table_.first(); !table_.eof(); table_.next()) {
        rows_.push_back(readCurrentRow());
    }
    endResetModel();
}

}  // namespace quimbo::dialogs
