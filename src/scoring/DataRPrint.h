#pragma once

#include "scoring/ReportRenderer.h"

namespace zuvek::reports {

// The list of subjects: a grey report header with the clinic's name and the
// title, column captions on every page, one ruled line per subject numbered
// from 1, and the clinic's address at the end.
class DataRPrint : public Report {
    Q_OBJECT
public:
    explicit DataRPrint(QObject* parent = nullptr);
};

// Replaces every value by the next row number: 1, 2, 3 … in the order the
// report lays the rows out, from 1 again at every pass.
class RowNumberFormat : public FormatHook {
public:
    void begin() override { counter_ = 0; }
    QString format(const QString&) override { return QString::number(++counter_); }

private:
    int counter_ = 0;
};

} // namespace zuvek::reports
