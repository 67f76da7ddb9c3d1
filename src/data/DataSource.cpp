#include "data/DataSource.h"

#include "data/Database.h"

#include <QMetaProperty>
#include <QSqlError>
#include <QSqlRecord>

namespace zuvek {
namespace {

QString quoted(const QString& identifier) {
    QString s = identifier;
    s.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QStringList tableColumns(const QString& table) {
    // Column lists never change at run time; read each table's once.
    static QHash<QString, QStringList> cache;
    auto it = cache.constFind(table);
    if (it != cache.constEnd() && !it->isEmpty())
        return *it;
    QStringList cols;
    QSqlQuery q(Database::connection());
    if (q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)))) {
        while (q.next())
            cols << q.value(1).toString();
    }
    if (!cols.isEmpty())
        cache.insert(table, cols);
    return cols;
}

QString text(const QVariant& v) {
    if (v.isNull())
        return {};
    return v.toString();
}

QByteArray textProperty(const QObject* o) {
    const QMetaObject* mo = o->metaObject();
    QMetaProperty user = mo->userProperty();
    if (user.isValid() && user.metaType().id() == QMetaType::QString)
        return user.name();
    return QByteArrayLiteral("text");
}

} // namespace

DataSource::DataSource(const QString& table, QObject* parent, const QString& name)
    : QObject(parent), table_(table) {
    if (!name.isEmpty())
        setObjectName(name);
    columns_ = tableColumns(table_);
}

QString DataSource::columnName(const QString& field) const {
    for (const QString& c : columns_)
        if (c.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return {};
}

bool DataSource::parseFilter(const QString& text, QString* field, QString* value) {
    const int eq = text.indexOf(QLatin1String("='"));
    const int last = text.lastIndexOf(QLatin1Char('\''));
    if (eq <= 0 || last < eq + 1)
        return false;
    if (field)
        *field = text.left(eq).trimmed();
    if (value)
        *value = text.mid(eq + 2, last - eq - 2);
    return true;
}

QString DataSource::whereClause() const {
    if (filterInvalid_)
        return QStringLiteral(" WHERE 0");
    if (filterColumn_.isEmpty())
        return {};
    return QStringLiteral(" WHERE %1 = ?").arg(quoted(filterColumn_));
}

void DataSource::bindWhere(QSqlQuery& q) const {
    if (!filterInvalid_ && !filterColumn_.isEmpty())
        q.addBindValue(filterValue_);
}

void DataSource::setError(const QSqlQuery& q) {
    lastError_ = q.lastError().text();
    const QString lower = lastError_.toLower();
    lastDuplicate_ = lower.contains(QLatin1String("unique")) ||
                     lower.contains(QLatin1String("constraint"));
}

bool DataSource::load(int index) {
    current_ = Row{};
    bool ok = true;
    if (index >= 0 && !columns_.isEmpty()) {
        QSqlQuery q(Database::connection());
        q.setForwardOnly(true);
        QStringList cols;
        for (const QString& c : columns_)
            cols << quoted(c);
        q.prepare(QStringLiteral("SELECT rowid, %1 FROM %2%3 ORDER BY rowid LIMIT 1 OFFSET %4")
                      .arg(cols.join(QLatin1Char(',')), quoted(table_), whereClause())
                      .arg(index));
        bindWhere(q);
        if (!q.exec()) {
            setError(q);
            ok = false;
        } else if (q.next()) {
            current_.valid = true;
            current_.rowid = q.value(0).toLongLong();
            current_.index = index;
            for (int i = 0; i < columns_.size(); ++i)
                current_.values.insert(columns_[i], text(q.value(i + 1)));
        }
    }
    pushToControls();
    emit currentChanged();
    return ok;
}

bool DataSource::open() {
    return refresh();
}

bool DataSource::refresh() {
    columns_ = tableColumns(table_);
    filterText_.clear();
    filterColumn_.clear();
    filterValue_.clear();
    filterInvalid_ = false;
    count_.reset();
    return load(0);
}

bool DataSource::setFilter(const QString& filterText) {
    filterText_ = filterText;
    filterColumn_.clear();
    filterValue_.clear();
    filterInvalid_ = false;
    count_.reset();
    bool ok = true;
    if (!filterText.isEmpty()) {
        QString field;
        if (!parseFilter(filterText, &field, &filterValue_) ||
            (filterColumn_ = columnName(field)).isEmpty()) {
            filterInvalid_ = true;
            lastError_ = QStringLiteral("Invalid filter: %1").arg(filterText);
            ok = false;
        }
    }
    return load(0) && ok;
}

int DataSource::rowCount() {
    if (!count_) {
        int n = 0;
        if (!filterInvalid_) {
            QSqlQuery q(Database::connection());
            q.setForwardOnly(true);
            q.prepare(QStringLiteral("SELECT count(*) FROM %1%2").arg(quoted(table_), whereClause()));
            bindWhere(q);
            if (q.exec() && q.next())
                n = q.value(0).toInt();
            else
                setError(q);
        }
        count_ = n;
    }
    return *count_;
}

bool DataSource::moveTo(int index) {
    if (index < 0)
        return false;
    load(index);
    return current_.valid;
}

void DataSource::addNew() {
    current_ = Row{};
    current_.valid = true;
    current_.rowid = -1;
    for (const QString& c : columns_)
        current_.values.insert(c, QString());
    pushToControls();
    emit currentChanged();
}

QString DataSource::value(const QString& field) const {
    if (!current_.valid)
        return {};
    return current_.values.value(columnName(field));
}

void DataSource::setValue(const QString& field, const QString& value) {
    if (!current_.valid)
        return;
    const QString col = columnName(field);
    if (col.isEmpty())
        return;
    if (current_.values.value(col) == value && (current_.rowid >= 0 || current_.dirty.contains(col)))
        return;
    current_.values.insert(col, value);
    current_.dirty.insert(col, value);
}

bool DataSource::write() {
    lastError_.clear();
    lastDuplicate_ = false;
    if (!current_.valid)
        return true;
    QSqlQuery q(Database::connection());
    if (current_.rowid < 0) {
        QStringList cols, marks;
        for (auto it = current_.dirty.cbegin(); it != current_.dirty.cend(); ++it) {
            cols << quoted(it.key());
            marks << QStringLiteral("?");
        }
        if (cols.isEmpty())
            q.prepare(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_)));
        else
            q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(quoted(table_), cols.join(QLatin1Char(',')),
                               marks.join(QLatin1Char(','))));
        for (auto it = current_.dirty.cbegin(); it != current_.dirty.cend(); ++it)
            q.addBindValue(it.value());
        if (!q.exec()) {
            setError(q);
            return false;
        }
        current_.rowid = q.lastInsertId().toLongLong();
        count_.reset();
    } else {
        if (current_.dirty.isEmpty())
            return true;
        QStringList sets;
        for (auto it = current_.dirty.cbegin(); it != current_.dirty.cend(); ++it)
            sets << quoted(it.key()) + QStringLiteral(" = ?");
        q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                      .arg(quoted(table_), sets.join(QLatin1Char(','))));
        for (auto it = current_.dirty.cbegin(); it != current_.dirty.cend(); ++it)
            q.addBindValue(it.value());
        q.addBindValue(current_.rowid);
        if (!q.exec()) {
            setError(q);
            return false;
        }
    }
    current_.dirty.clear();
    return true;
}

bool DataSource::deleteCurrent() {
    lastError_.clear();
    lastDuplicate_ = false;
    if (!current_.valid)
        return false;
    if (current_.rowid >= 0) {
        QSqlQuery q(Database::connection());
        q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
        q.addBindValue(current_.rowid);
        if (!q.exec()) {
            setError(q);
            return false;
        }
        count_.reset();
    }
    current_ = Row{};
    pushToControls();
    emit currentChanged();
    return true;
}

QVector<QStringList> DataSource::rows(int offset, int limit) const {
    QVector<QStringList> out;
    if (filterInvalid_ || limit <= 0 || offset < 0 || columns_.isEmpty())
        return out;
    QStringList cols;
    for (const QString& c : columns_)
        cols << quoted(c);
    QSqlQuery q(Database::connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM %2%3 ORDER BY rowid LIMIT %4 OFFSET %5")
                  .arg(cols.join(QLatin1Char(',')), quoted(table_), whereClause())
                  .arg(limit)
                  .arg(offset));
    bindWhere(q);
    if (!q.exec())
        return out;
    while (q.next()) {
        QStringList r;
        r.reserve(columns_.size());
        for (int i = 0; i < columns_.size(); ++i)
            r << text(q.value(i));
        out << r;
    }
    return out;
}

void DataSource::bind(QObject* control, const QString& field) {
    unbind(control);
    Binding b;
    b.control = control;
    b.field = columnName(field);
    if (b.field.isEmpty())
        b.field = field;
    b.property = textProperty(control);
    const QMetaObject* mo = control->metaObject();
    const QMetaProperty prop = mo->property(mo->indexOfProperty(b.property.constData()));
    QMetaMethod notify = prop.hasNotifySignal() ? prop.notifySignal() : QMetaMethod();
    if (!notify.isValid()) {
        const int i = mo->indexOfSignal("textChanged()");
        if (i >= 0)
            notify = mo->method(i);
    }
    if (notify.isValid()) {
        const int slot = metaObject()->indexOfSlot("controlEdited()");
        b.connection = QMetaObject::connect(control, notify.methodIndex(), this, slot);
    }
    connect(control, &QObject::destroyed, this, &DataSource::controlDestroyed,
            Qt::UniqueConnection);
    bindings_.append(b);
    pushing_ = true;
    control->setProperty(b.property.constData(), value(b.field));
    pushing_ = false;
}

void DataSource::unbind(QObject* control) {
    for (int i = bindings_.size() - 1; i >= 0; --i) {
        if (bindings_[i].control == control || bindings_[i].control.isNull()) {
            QObject::disconnect(bindings_[i].connection);
            bindings_.removeAt(i);
        }
    }
}

void DataSource::pushToControls() {
    pushing_ = true;
    const auto bindings = bindings_;
    for (const Binding& b : bindings) {
        if (b.control)
            b.control->setProperty(b.property.constData(), value(b.field));
    }
    pushing_ = false;
}

void DataSource::controlDestroyed(QObject* control) {
    unbind(control);
}

void DataSource::controlEdited() {
    if (pushing_)
        return;
    QObject* control = sender();
    for (const Binding& b : std::as_const(bindings_)) {
        if (b.control == control) {
            setValue(b.field, control->property(b.property.constData()).toString());
            return;
        }
    }
}

} // namespace zuvek
