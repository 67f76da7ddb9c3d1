#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QList>
#include <QMarginsF>
#include <QObject>
#include <QPageSize>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace zuvek {
class DataSource;
}

// A small banded-report renderer: a report is a stack of sections (report
// header, page header, detail, page footer, report footer) holding labels,
// data-bound boxes, lines and pictures placed in twips. The detail section is
// laid out once per row of the bound data source, read page by page; the page
// header starts every page. A report paints onto a printer, a PDF file or a
// preview window.
namespace zuvek::reports {

enum class Band { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

// Turns a field's stored value into the text a box prints. begin() runs at the
// start of every pass over the rows, so a preview shown again, or printed from
// the preview, lays out the same texts as the first pass.
class FormatHook {
public:
    virtual ~FormatHook();
    virtual void begin() {}
    virtual QString format(const QString& value) = 0;
};

struct ReportControl {
    enum class Kind { Label, TextBox, Line, Picture };

    Kind kind = Kind::Label;
    QString name;
    QRect place;          // twips within the section: left, top, width, height
    QLine line;           // lines: from and to, twips within the section
    int lineWidth = 15;   // twips
    QString caption;      // labels
    QString field;        // text boxes: the bound field
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wordWrap = false;
    QColor foreground = Qt::black;
    QColor background;    // invalid: transparent
    QImage picture;       // pictures: stretched over the place
    // Pictures drawn by code (crisp at any resolution): called with the place
    // in device pixels.
    std::function<void(QPainter&, const QRectF&)> drawing;
    std::shared_ptr<FormatHook> format;
};

class ReportSection {
public:
    ReportSection(const QString& name, Band band, int height, const QFont& defaultFont)
        : name_(name), band_(band), height_(height), defaultFont_(defaultFont) {}

    const QString& name() const { return name_; }
    Band band() const { return band_; }
    int height() const { return height_; }

    ReportControl& addLabel(const QString& name, const QRect& place, const QString& caption,
                            const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);
    ReportControl& addTextBox(const QString& name, const QRect& place, const QString& field,
                              const QFont& font, Qt::Alignment alignment = Qt::AlignLeft);
    ReportControl& addLine(const QString& name, const QLine& line, int widthTwips = 15);
    ReportControl& addPicture(const QString& name, const QRect& place, const QImage& picture,
                              const QColor& background = QColor());

    ReportControl* control(const QString& name);
    const std::vector<std::unique_ptr<ReportControl>>& controls() const { return controls_; }

private:
    ReportControl& add(ReportControl::Kind kind, const QString& name);

    QString name_;
    Band band_;
    int height_;
    QFont defaultFont_;
    std::vector<std::unique_ptr<ReportControl>> controls_;
};

// One thing the layout put on a page: where, and the text it prints.
struct PlacedItem {
    int page = 0;          // 1-based
    QString section;
    QString control;
    ReportControl::Kind kind = ReportControl::Kind::Label;
    QRect rect;            // twips from the top-left corner of the report area on the page
    QString text;
};

class Report : public QObject {
    Q_OBJECT
public:
    Report(const QString& name, int widthTwips, QObject* parent = nullptr);
    ~Report() override;

    int width() const { return width_; }
    void setDefaultFont(const QFont& font) { defaultFont_ = font; }
    const QFont& defaultFont() const { return defaultFont_; }

    // The paper and its margins (millimetres); the report stands centred
    // between the side margins.
    void setPage(const QPageSize& size, const QMarginsF& marginsMm);
    const QPageSize& pageSize() const { return pageSize_; }
    // Height of the area between the top and bottom margins, in twips.
    int pageAreaHeight() const;

    ReportSection& addSection(const QString& name, Band band, int heightTwips);
    ReportSection* section(const QString& name);
    ReportSection* section(Band band);

    // A control by "Section.Control" (e.g. "Section5.Label14").
    ReportControl* control(const QString& path);
    // Writes a label's caption by "Section.Label"; false when there is no such
    // label in that section.
    bool setCaption(const QString& path, const QString& caption);
    QString caption(const QString& path);

    // Binds the report to the rows a data source shows now: the same table and
    // filter, read afresh by the report at every pass, page by page. The
    // screen's source may change or go away afterwards.
    void bind(const DataSource* source);

    // Lays the report out without painting: every item on every page.
    QList<PlacedItem> layout();
    int pageCount();

    // Paints every page onto `device` (a printer or a PDF writer).
    void render(QPagedPaintDevice* device);
    // Writes the report as a PDF file, its fonts embedded.
    bool exportPdf(const QString& path, QString* error = nullptr);
    // Shows the report in a preview window (not modal) from which the user
    // prints or saves a PDF. The window owns the report from then on.
    QPrintPreviewDialog* showPreview(QWidget* owner, const QString& title);

private:
    class Sink;
    class RecordingSink;
    class PainterSink;
    // Lays the pages out, `areaHeight` twips between top and bottom margin.
    void run(Sink& sink, int areaHeight);
    void configure(QPrinter* printer) const;
    void savePdf(QWidget* owner);

    QString name_;
    int width_;
    QFont defaultFont_;
    QPageSize pageSize_{QPageSize::A4};
    QMarginsF margins_{15, 15, 15, 15};
    std::vector<std::unique_ptr<ReportSection>> sections_;
    DataSource* source_ = nullptr;
};

} // namespace zuvek::reports
