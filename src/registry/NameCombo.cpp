#include "registry/NameCombo.h"

#include "data/Database.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace {
QString quoted(const QString& identifier) {
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}
} // namespace

DistinctValuesModel::DistinctValuesModel(const QString& table, const QString& field,
                                         QObject* parent)
    : QAbstractListModel(parent), table_(table), field_(field) {}

void DistinctValuesModel::reset() {
    beginResetModel();
    values_.clear();
    atEnd_ = false;
    armed_ = true;
    endResetModel();
}

int DistinctValuesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(values_.size());
}

QVariant DistinctValuesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= values_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return values_[index.row()];
    return {};
}

bool DistinctValuesModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && armed_ && !atEnd_;
}

void DistinctValuesModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    // Empty names are left out: an empty entry would only clear the box.
    const QString after = values_.isEmpty() ? QString(QLatin1String("")) : values_.last();
    // Each next value is one seek in the field's index (the smallest value
    // above the last), so a page costs the same whether the table holds 40
    // names or 100 000 subjects sharing them.
    QSqlQuery q(zuvek::Database::connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("WITH RECURSIVE next(v) AS ("
                             " SELECT (SELECT min(%1) FROM %2 WHERE %1 > ?)"
                             " UNION ALL"
                             " SELECT (SELECT min(%1) FROM %2 WHERE %1 > next.v) FROM next"
                             " WHERE next.v IS NOT NULL LIMIT %3)"
                             " SELECT v FROM next WHERE v IS NOT NULL")
                  .arg(quoted(field_), quoted(table_))
                  .arg(kPageRows));
    q.addBindValue(after);
    QStringList page;
    if (q.exec()) {
        while (q.next())
            page << q.value(0).toString();
    }
    // A failed read ends the list rather than asking again at every scroll.
    atEnd_ = page.size() < kPageRows;
    if (page.isEmpty())
        return;
    beginInsertRows({}, int(values_.size()), int(values_.size() + page.size() - 1));
    values_ += page;
    endInsertRows();
}

NameCombo::NameCombo(const QString& table, const QString& field, QWidget* parent)
    : QComboBox(parent), names_(new DistinctValuesModel(table, field, this)) {
    setEditable(true);
    // The text is the search as typed: no inline completion, no adding to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setModel(names_);
    setMaxVisibleItems(15);
}

void NameCombo::showPopup() {
    {
        // Refilling the list makes the combo pick its first entry; keep the
        // user's text and keep that from looking like a search.
        const QSignalBlocker quiet(this);
        const QString text = currentText();
        names_->reset();
        names_->fetchMore({});
        setCurrentIndex(-1);
        setEditText(text);
    }
    QComboBox::showPopup();
}

void NameCombo::clearQuietly() {
    clearComboQuietly(this);
}

void clearComboQuietly(QComboBox* box) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}
