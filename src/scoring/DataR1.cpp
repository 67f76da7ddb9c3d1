#include "scoring/DataR1.h"
#include "shell/Fonts.h"

#include "data/ScaleName.h"
#include "scoring/Reports.h"
#include "shell/AppControl.h"

#include <QPainter>
#include <QPainterPath>

namespace zuvek::reports {
namespace {

constexpr int kWidth = 6330;
constexpr int kHeight = 7620;

// A web address as a reader types it: no scheme.
QString bareAddress(QString url) {
    for (const char* scheme : {"https://", "http://"})
        if (url.startsWith(QLatin1String(scheme)))
            url.remove(0, int(qstrlen(scheme)));
    return url;
}

// The boxes the values are written into, so the printed sheet reads as a form.
const QRect kValueSlots[] = {
    {4752, 1152, 669, 465}, {3600, 1152, 669, 465}, {2592, 1152, 669, 465},
    {1584, 1152, 669, 465}, {432, 1152, 813, 465},  {3024, 1728, 1965, 465},
    {3852, 3042, 480, 345}, {378, 6236, 4860, 810},
};

} // namespace

void DataR1::drawBackground(QPainter& p, const QRectF& rect) {
    // Designed in twips on the 6330 x 7620 sheet, scaled to `rect`.
    const double sx = rect.width() / kWidth;
    const double sy = rect.height() / kHeight;
    auto r = [&](double l, double t, double w, double h) {
        return QRectF(rect.left() + l * sx, rect.top() + t * sy, w * sx, h * sy);
    };
    const QColor cream(0xFB, 0xF4, 0xE2);
    const QColor frame(0x33, 0x3A, 0x47);
    const QColor orange(0xF0, 0x8A, 0x24);
    const QColor orangeDark(0xC8, 0x6A, 0x10);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(cream);
    p.drawRoundedRect(r(0, 0, kWidth, kHeight), 260 * sx, 260 * sy);

    QPen framePen(frame);
    framePen.setWidthF(70 * sx);
    p.setPen(framePen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r(110, 110, kWidth - 220, kHeight - 220), 220 * sx, 220 * sy);
    QPen thin(frame);
    thin.setWidthF(12 * sx);
    p.setPen(thin);
    p.drawRoundedRect(r(200, 200, kWidth - 400, kHeight - 400), 170 * sx, 170 * sy);

    // The tabs: behind the title at the top, behind the web addresses below.
    QPen tabPen(orangeDark);
    tabPen.setWidthF(20 * sx);
    p.setPen(tabPen);
    p.setBrush(orange);
    p.drawRoundedRect(r(1860, 20, 2640, 960), 200 * sx, 200 * sy);
    p.drawRoundedRect(r(1960, 6940, 2440, 660), 200 * sx, 200 * sy);

    // Rules between the particulars, the score and the address.
    QPen rule(orange);
    rule.setWidthF(18 * sx);
    p.setPen(rule);
    p.drawLine(QPointF(rect.left() + 420 * sx, rect.top() + 2520 * sy),
               QPointF(rect.left() + 5910 * sx, rect.top() + 2520 * sy));
    p.drawLine(QPointF(rect.left() + 420 * sx, rect.top() + 6060 * sy),
               QPointF(rect.left() + 5910 * sx, rect.top() + 6060 * sy));

    QPen slotPen(QColor(0xB9, 0xAE, 0x98));
    slotPen.setWidthF(10 * sx);
    p.setPen(slotPen);
    p.setBrush(Qt::white);
    for (const QRect& s : kValueSlots)
        p.drawRoundedRect(r(s.x(), s.y() + 40, s.width(), s.height() - 80), 60 * sx, 60 * sy);
}

DataR1::DataR1(QObject* parent) : Report(QStringLiteral("DataR1"), kWidth, parent) {
    setPage(QPageSize(QPageSize::A5), QMarginsF(10, 12, 10, 12));

    addSection(QStringLiteral("Section4"), Band::ReportHeader, 0);
    addSection(QStringLiteral("Section2"), Band::PageHeader, 0);
    ReportSection& d = addSection(QStringLiteral("Section1"), Band::Detail, kHeight);
    addSection(QStringLiteral("Section3"), Band::PageFooter, 15);
    addSection(QStringLiteral("Section5"), Band::ReportFooter, 30);

    ReportControl& image = d.addPicture(QStringLiteral("Image1"), QRect(0, 0, kWidth, kHeight), QImage());
    image.drawing = &DataR1::drawBackground;

    const QFont nazanin = zuvek::screenFont("B Nazanin", 9.75);
    // Values sit in the middle of the slots the background draws for them.
    const Qt::Alignment centre = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    ReportControl& title = d.addLabel(QStringLiteral("Label1"), QRect(2079, 63, 2205, 765),
                                      QStringLiteral("مقياس عزت نفس") + QLatin1Char(' ') + scaleName(),
                                      zuvek::screenFont("Arabic Transparent", 14.25), Qt::AlignCenter);
    title.wordWrap = true;
    d.addLabel(QStringLiteral("Label2"), QRect(5472, 1152, 237, 465), QStringLiteral("کد"), nazanin, centre);
    d.addLabel(QStringLiteral("Label15"), QRect(4752, 1152, 669, 465), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label7"), QRect(4176, 1152, 510, 465), QStringLiteral("گروه"), nazanin, centre);
    d.addLabel(QStringLiteral("Label16"), QRect(3600, 1152, 669, 465), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label10"), QRect(3168, 1152, 450, 465), QStringLiteral("سن"), nazanin, centre);
    d.addLabel(QStringLiteral("Label19"), QRect(2592, 1152, 669, 465), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label6"), QRect(2160, 1152, 465, 465), QStringLiteral("جنس"), nazanin, centre);
    d.addLabel(QStringLiteral("Label20"), QRect(1584, 1152, 669, 465), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label4"), QRect(1152, 1152, 456, 465), QStringLiteral("تاهل"), nazanin, centre);
    d.addLabel(QStringLiteral("Label21"), QRect(432, 1152, 813, 465), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label3"), QRect(4976, 1764, 780, 465), QStringLiteral("تحصيلات"), nazanin, centre);
    d.addLabel(QStringLiteral("Label22"), QRect(3024, 1728, 1965, 465), QString(), nazanin, right);
    d.addLabel(QStringLiteral("Label11"), QRect(4346, 3024, 1395, 345), QStringLiteral("ميزان عزت نفس"), nazanin, Qt::AlignLeft | Qt::AlignVCenter);
    d.addLabel(QStringLiteral("Label12"), QRect(3852, 3042, 480, 345), QString(), nazanin, centre);
    d.addLabel(QStringLiteral("Label9"), QRect(5228, 6236, 639, 504), QStringLiteral("آدرس"), nazanin, centre);
    ReportControl& address = d.addLabel(QStringLiteral("Label29"), QRect(378, 6236, 4860, 810),
                                        QString(), nazanin, right);
    address.wordWrap = true;
    const QFont arial = zuvek::screenFont("Arial", 8.25, false);
    d.addLabel(QStringLiteral("Label5"), QRect(2160, 7012, 2010, 240), bareAddress(makerSite()), arial, centre);
    d.addLabel(QStringLiteral("Label14"), QRect(2160, 7300, 2010, 240), bareAddress(shopSite()), arial, centre);
}

} // namespace zuvek::reports
