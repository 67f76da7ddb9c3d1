#pragma once

#include "scoring/ReportRenderer.h"

namespace zuvek::reports {

// The result sheet of one subject: everything stands in the detail section,
// laid out once per row of the bound source (the one scored subject), over a
// background picture of a cream form in a rounded dark frame.
class DataR1 : public Report {
    Q_OBJECT
public:
    explicit DataR1(QObject* parent = nullptr);

    // The background picture, drawn at any size onto `painter` within `rect`.
    static void drawBackground(QPainter& painter, const QRectF& rect);
};

} // namespace zuvek::reports
