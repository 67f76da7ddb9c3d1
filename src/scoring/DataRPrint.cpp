#include "scoring/DataRPrint.h"
#include "shell/Fonts.h"

#include "data/ScaleName.h"
#include "scoring/Reports.h"

namespace zuvek::reports {
namespace {

struct Column {
    const char* caption;
    int captionLeft, captionTop, captionWidth;
    const char* box;
    const char* field;
    int boxLeft, boxTop, boxWidth;
};

} // namespace

DataRPrint::DataRPrint(QObject* parent) : Report(QStringLiteral("DataRPrint"), 8522, parent) {
    setPage(QPageSize(QPageSize::A4), QMarginsF(15, 15, 15, 15));

    ReportSection& reportHeader = addSection(QStringLiteral("Section4"), Band::ReportHeader, 1605);
    reportHeader.addPicture(QStringLiteral("Image2"), QRect(0, 0, 8514, 1605), QImage(),
                            QColor(192, 192, 192));
    // One blank until a print command writes the clinic's name.
    reportHeader.addLabel(QStringLiteral("Label9"), QRect(56, 113, 8385, 776), QStringLiteral(" "),
                          zuvek::screenFont("B Titr", 14.25), Qt::AlignHCenter);
    reportHeader.addLabel(QStringLiteral("Label3"), QRect(1284, 945, 6105, 510),
                          QStringLiteral("گزارش نتيجه تست  مقياس عزت نفس") + QLatin1Char(' ') + scaleName() +
                              QStringLiteral("  "),
                          zuvek::screenFont("B Nazanin", 12), Qt::AlignHCenter);

    static const Column columns[] = {
        {"رديف", 8033, 2, 449, "Text1", "Code", 8058, 0, 419},
        {"کد", 7580, 2, 411, "txtCode", "Code", 7681, 0, 328},
        {"گروه", 7227, 2, 394, "txtGroup1", "Group", 7265, 0, 348},
        {"تاريخ", 6420, 2, 767, "txtDate", "Date", 6387, 0, 794},
        {"نام", 5432, 2, 881, "txtFName", "FName", 5471, 0, 870},
        {"نام خانوادگي", 4312, 2, 1057, "txtLName", "LName", 4331, 0, 1022},
        {"جنس", 3807, 2, 432, "txtJens", "Jens", 3849, 0, 376},
        {"سن", 3313, 2, 432, "txtSen", "Sen", 3354, 0, 414},
        {"تاهل", 2825, 0, 435, "txtTaahol", "Taahol", 2712, 23, 528},
        {"تحصيلات", 1305, 38, 1347, "txtTahsil", "Tahsil", 1306, 21, 1326},
        {"نمره عزت نفس ", 28, 38, 1190, "txtself", "self", 0, 0, 1250},
    };
    static const int rules[] = {8520, 8034, 7619, 7231, 6357, 5415, 4275, 3811, 3291, 2712, 1276, 0};

    const QFont cell = zuvek::screenFont("B Nazanin", 9.75);
    ReportSection& pageHeader = addSection(QStringLiteral("Section2"), Band::PageHeader, 380);
    ReportSection& detail = addSection(QStringLiteral("Section1"), Band::Detail, 385);
    for (const Column& c : columns) {
        const QString box = QString::fromLatin1(c.box);
        // The captions carry the names of the boxes below them.
        pageHeader.addLabel(QStringLiteral("Caption_") + box,
                            QRect(c.captionLeft, c.captionTop, c.captionWidth, 270),
                            QString::fromUtf8(c.caption), cell, Qt::AlignHCenter);
        const bool tall = box == QLatin1String("Text1") || box == QLatin1String("txtCode") ||
                          box == QLatin1String("txtGroup1");
        detail.addTextBox(box, QRect(c.boxLeft, c.boxTop, c.boxWidth, tall ? 360 : 240),
                          QString::fromLatin1(c.field), cell, Qt::AlignHCenter);
    }
    for (int x : rules) {
        pageHeader.addLine(QStringLiteral("Line_%1").arg(x), QLine(x, 0, x, 380));
        detail.addLine(QStringLiteral("Line_%1").arg(x), QLine(x, 0, x, 385));
    }
    pageHeader.addLine(QStringLiteral("Line_Bottom"), QLine(0, 375, 8520, 375));
    detail.addLine(QStringLiteral("Line_Bottom"), QLine(0, 378, 8520, 378));
    detail.control(QStringLiteral("Text1"))->format = std::make_shared<RowNumberFormat>();

    addSection(QStringLiteral("Section3"), Band::PageFooter, 0);

    ReportSection& reportFooter = addSection(QStringLiteral("Section5"), Band::ReportFooter, 378);
    reportFooter.addLabel(QStringLiteral("Label15"), QRect(7919, 0, 555, 375),
                          QStringLiteral(":آدرس"), zuvek::screenFont("B Mitra", 9.75), Qt::AlignRight);
    reportFooter.addLabel(QStringLiteral("Label14"), QRect(2880, 0, 5040, 378), QString(),
                          zuvek::screenFont("B Mitra", 9.75), Qt::AlignRight);
}

} // namespace zuvek::reports
