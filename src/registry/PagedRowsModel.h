#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QVector>

namespace zuvek {
class DataSource;
}

// A read-only table over a data source's visible rows that shows a few of its
// fields. It never holds the table: it asks the source for the page of rows the
// view is drawing and keeps only the last few pages, so a table of 100 000
// subjects costs what the visible screenful costs. reload() is the grid's
// "bind": it reads the row count afresh and forgets every cached page.
class PagedRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PagedRowsModel(zuvek::DataSource* source, const QStringList& fields,
                   const QStringList& headings, QObject* parent = nullptr);

    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The text of one cell (empty outside the rows).
    QString text(int row, int column) const;

    static constexpr int kPageRows = 64;
    static constexpr int kCachedPages = 16;

private:
    const QVector<QStringList>& page(int number) const;

    QPointer<zuvek::DataSource> source_;
    QStringList fields_;
    QStringList headings_;
    QVector<int> fieldIndex_; // position of each shown field in the source's columns
    int rows_ = 0;
    mutable QHash<int, QVector<QStringList>> pages_;
    mutable QList<int> recent_; // page numbers, most recent last
};
