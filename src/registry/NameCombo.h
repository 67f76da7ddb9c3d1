#pragma once

#include <QAbstractListModel>
#include <QComboBox>
#include <QStringList>

// The stored values of one text field of IDE, each once, in order, read a page
// at a time as the list is scrolled. Pages start after the last value shown and
// step through the field's index, so the first page and the thousandth cost the
// same and the list never holds more than the user has scrolled through.
class DistinctValuesModel : public QAbstractListModel {
    Q_OBJECT
public:
    DistinctValuesModel(const QString& table, const QString& field, QObject* parent = nullptr);

    // Forgets what was read and lets the list be read from the first value on.
    // Until then the model stays empty and offers nothing to fetch: a view
    // laying itself out must not fill it behind the box's back.
    void reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    static constexpr int kPageRows = 200;

private:
    QString table_;
    QString field_;
    QStringList values_;
    bool atEnd_ = false;
    bool armed_ = false;
};

// The data-bound name box of the subject browser: an editable combo whose list
// offers the stored names. The list is read afresh each time it drops down, so
// it follows deletions and costs nothing until it is opened. Filling the list
// never changes the text in the box and raises none of the box's signals: the
// search runs only on the user's own typing or choice.
class NameCombo : public QComboBox {
    Q_OBJECT
public:
    NameCombo(const QString& table, const QString& field, QWidget* parent = nullptr);

    DistinctValuesModel* names() const { return names_; }
    void showPopup() override;
    // Empties the box without running its search.
    void clearQuietly();

private:
    DistinctValuesModel* names_;
};

// Empties an editable combo's text and current entry without raising its signals.
void clearComboQuietly(QComboBox* box);
