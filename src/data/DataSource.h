#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

namespace zuvek {

// A screen's hidden binding to one whole table (Adodc1 … Adodc6): its visible
// rows (all, or those matching one filter), a current row, and the controls
// bound to fields of that row.
//
// Rows are read from the file on demand, never copied whole: a table of any size
// costs the same to open, count, filter and stand on. Rows are in the order the
// store keeps them (insertion order).
//
// Filters keep their one textual form, field='value'. The text is parsed, never
// pasted into SQL: the field is what stands before the first "='", the value
// everything between that and the last "'", bound as a parameter. So a value
// holding quote marks matches literally and cannot break a query.
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(const QString& table, QObject* parent = nullptr, const QString& name = {});

    const QString& table() const { return table_; }
    QStringList columns() const { return columns_; }

    // Reads the table afresh: no filter, current row = first row.
    bool open();
    // Reads the table again: filter dropped, unsaved changes and an unwritten
    // new row discarded, current row = first row.
    bool refresh();
    // Sets the filter ("Field='value'"); an empty text drops it. Current row =
    // first matching row, or none. False (and nothing visible) when the text is
    // not of the one form or names no field of the table.
    bool setFilter(const QString& filterText);
    QString filter() const { return filterText_; }

    // Number of visible rows.
    int rowCount();
    // True when a row is current (the first after open/refresh/filter, or a new row).
    bool hasCurrent() const { return current_.valid; }
    bool isNewRow() const { return current_.valid && current_.rowid < 0; }
    // Stands on the visible row at `index` (0-based); false when there is none.
    bool moveTo(int index);
    // Index of the current row among the visible rows (-1 for none or a new row).
    int currentIndex() const { return current_.valid ? current_.index : -1; }

    // A new, empty current row; nothing reaches the file until write().
    void addNew();
    // The current row's field (empty when there is no current row).
    QString value(const QString& field) const;
    // Sets a field of the current row directly; reaches the file at write().
    void setValue(const QString& field, const QString& value);

    // Stores the current row: inserts a new row, updates the changed fields of
    // an existing one. A refused row (e.g. a Code already present) stores
    // nothing and returns false; lastError() says why and isDuplicate() tells a
    // duplicate key apart. No current row: nothing to store, true.
    bool write();
    // Removes the current row from the file at once; afterwards no row is current.
    bool deleteCurrent();

    QString lastError() const { return lastError_; }
    bool lastErrorIsDuplicate() const { return lastDuplicate_; }

    // Visible rows [offset, offset+limit), each the values of columns() in order.
    // For grids and reports: they page through the rows, never hold them all.
    QVector<QStringList> rows(int offset, int limit) const;

    // Binds a control's text to a field of the current row. The control shows the
    // field's value whenever the current row changes; editing the control (by the
    // user or by code) changes the field, which reaches the file at write().
    // Works on any object with a user or "text" property (line edits, labels,
    // combo boxes, plain text edits). Binding a control again rebinds it.
    void bind(QObject* control, const QString& field);
    void unbind(QObject* control);
    // Shows the current row in every bound control again.
    void pushToControls();

    // Resolves a field name without regard to letter case; empty when unknown.
    QString columnName(const QString& field) const;

    // Splits a filter text into field and value. False when it is not of the form.
    static bool parseFilter(const QString& text, QString* field, QString* value);

signals:
    // The current row changed (open, refresh, filter, move, new row, delete).
    void currentChanged();

private slots:
    void controlEdited();
    void controlDestroyed(QObject* control);

private:
    struct Row {
        bool valid = false;
        qint64 rowid = -1; // -1: a new row not yet written
        int index = -1;
        QHash<QString, QString> values;
        QHash<QString, QString> dirty;
    };
    struct Binding {
        QPointer<QObject> control;
        QString field;
        QByteArray property;
        QMetaObject::Connection connection;
    };

    QString whereClause() const;
    void bindWhere(QSqlQuery& q) const;
    bool load(int index);
    void setError(const QSqlQuery& q);

    QString table_;
    QStringList columns_;
    QString filterText_;
    QString filterColumn_;
    QString filterValue_;
    bool filterInvalid_ = false;
    std::optional<int> count_;
    Row current_;
    QVector<Binding> bindings_;
    bool pushing_ = false;
    QString lastError_;
    bool lastDuplicate_ = false;
};

} // namespace zuvek
