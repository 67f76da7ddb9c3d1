#include "registry/PagedRowsModel.h"

#include "data/DataSource.h"

PagedRowsModel::PagedRowsModel(zuvek::DataSource* source, const QStringList& fields,
                               const QStringList& headings, QObject* parent)
    : QAbstractTableModel(parent), source_(source), fields_(fields), headings_(headings) {}

void PagedRowsModel::reload() {
    beginResetModel();
    pages_.clear();
    recent_.clear();
    fieldIndex_.clear();
    rows_ = 0;
    if (source_) {
        const QStringList columns = source_->columns();
        for (const QString& f : std::as_const(fields_))
            fieldIndex_ << columns.indexOf(source_->columnName(f));
        rows_ = source_->rowCount();
    }
    endResetModel();
}

int PagedRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int PagedRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fields_.size());
}

const QVector<QStringList>& PagedRowsModel::page(int number) const {
    auto it = pages_.find(number);
    if (it != pages_.end()) {
        recent_.removeOne(number);
        recent_.append(number);
        return *it;
    }
    while (recent_.size() >= kCachedPages)
        pages_.remove(recent_.takeFirst());
    QVector<QStringList> rows;
    if (source_)
        rows = source_->rows(number * kPageRows, kPageRows);
    recent_.append(number);
    return *pages_.insert(number, rows);
}

QString PagedRowsModel::text(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= fieldIndex_.size())
        return {};
    const QVector<QStringList>& rows = page(row / kPageRows);
    const int inPage = row % kPageRows;
    const int field = fieldIndex_[column];
    // A page read after the table shrank under us may come back short.
    if (inPage >= rows.size() || field < 0 || field >= rows[inPage].size())
        return {};
    return rows[inPage][field];
}

QVariant PagedRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant PagedRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headings_.size())
        return headings_[section];
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PagedRowsModel::flags(const QModelIndex& index) const {
    // The browser never writes a listed field: cells are for reading only.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
