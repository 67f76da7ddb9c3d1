#include "scoring/ReportRenderer.h"

#include "data/DataSource.h"
#include "shell/Dialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <QTextOption>
#include <QToolBar>

namespace zuvek::reports {
namespace {

// Rows are read from the bound source this many at a time: a list of any
// length costs one chunk of memory.
constexpr int kRowsPerRead = 500;
constexpr double kTwipsPerMm = 1440.0 / 25.4;
constexpr double kTightLineSpacing = 0.8;
constexpr double kSidePadding = 45; // twips
constexpr double kSmallestFit = 2.0 / 3.0;

} // namespace

FormatHook::~FormatHook() = default;

// ---------------------------------------------------------------- sections

ReportControl& ReportSection::add(ReportControl::Kind kind, const QString& name) {
    auto c = std::make_unique<ReportControl>();
    c->kind = kind;
    c->name = name;
    c->font = defaultFont_;
    controls_.push_back(std::move(c));
    return *controls_.back();
}

ReportControl& ReportSection::addLabel(const QString& name, const QRect& place,
                                       const QString& caption, const QFont& font,
                                       Qt::Alignment alignment) {
    ReportControl& c = add(ReportControl::Kind::Label, name);
    c.place = place;
    c.caption = caption;
    c.font = font;
    c.alignment = alignment;
    return c;
}

ReportControl& ReportSection::addTextBox(const QString& name, const QRect& place,
                                         const QString& field, const QFont& font,
                                         Qt::Alignment alignment) {
    ReportControl& c = add(ReportControl::Kind::TextBox, name);
    c.place = place;
    c.field = field;
    c.font = font;
    c.alignment = alignment;
    return c;
}

ReportControl& ReportSection::addLine(const QString& name, const QLine& line, int widthTwips) {
    ReportControl& c = add(ReportControl::Kind::Line, name);
    c.line = line;
    c.lineWidth = widthTwips;
    c.place = QRect(line.p1(), line.p2()).normalized();
    return c;
}

ReportControl& ReportSection::addPicture(const QString& name, const QRect& place,
                                         const QImage& picture, const QColor& background) {
    ReportControl& c = add(ReportControl::Kind::Picture, name);
    c.place = place;
    c.picture = picture;
    c.background = background;
    return c;
}

ReportControl* ReportSection::control(const QString& name) {
    for (const auto& c : controls_)
        if (c->name.compare(name, Qt::CaseInsensitive) == 0)
            return c.get();
    return nullptr;
}

// ---------------------------------------------------------------- sinks

class Report::Sink {
public:
    virtual ~Sink() = default;
    virtual void beginPage(int page) = 0;
    // `offset`: where the section's top-left corner stands on the page, twips.
    virtual void item(int page, const ReportSection& section, const ReportControl& control,
                      const QPoint& offset, const QString& text) = 0;
    virtual void endPage(int) {}
};

class Report::RecordingSink : public Report::Sink {
public:
    QList<PlacedItem> items;
    int pages = 0;

    void beginPage(int page) override { pages = page; }
    void item(int page, const ReportSection& section, const ReportControl& control,
              const QPoint& offset, const QString& text) override {
        PlacedItem p;
        p.page = page;
        p.section = section.name();
        p.control = control.name;
        p.kind = control.kind;
        p.rect = control.place.translated(offset);
        p.text = text;
        items << p;
    }
};

class Report::PainterSink : public Report::Sink {
public:
    PainterSink(QPagedPaintDevice* device, QPainter* painter, int reportWidth)
        : device_(device), painter_(painter) {
        scaleX_ = device->logicalDpiX() / 1440.0;
        scaleY_ = device->logicalDpiY() / 1440.0;
        // Centre the report between the side margins.
        const double areaWidth = device->width() / scaleX_;
        left_ = std::max(0.0, (areaWidth - reportWidth) / 2.0);
    }

    void beginPage(int page) override {
        if (page > 1)
            device_->newPage();
    }

    void item(int, const ReportSection&, const ReportControl& c, const QPoint& offset,
              const QString& text) override {
        QPainter& p = *painter_;
        const QRectF r = toDevice(QRectF(c.place.translated(offset)));
        switch (c.kind) {
        case ReportControl::Kind::Picture:
            if (c.background.isValid())
                p.fillRect(r, c.background);
            if (!c.picture.isNull()) {
                p.save();
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(r, c.picture);
                p.restore();
            }
            if (c.drawing) {
                p.save();
                c.drawing(p, r);
                p.restore();
            }
            break;
        case ReportControl::Kind::Line: {
            QPen pen(c.foreground);
            pen.setWidthF(std::max(1.0, c.lineWidth * scaleX_));
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(toDevice(QPointF(c.line.p1() + offset)), toDevice(QPointF(c.line.p2() + offset)));
            break;
        }
        case ReportControl::Kind::Label:
        case ReportControl::Kind::TextBox:
            drawText(c, r, text);
            break;
        }
    }

private:
    QPointF toDevice(const QPointF& twipsPoint) const {
        return QPointF((twipsPoint.x() + left_) * scaleX_, twipsPoint.y() * scaleY_);
    }
    QRectF toDevice(const QRectF& twipsRect) const {
        return QRectF(toDevice(twipsRect.topLeft()), toDevice(twipsRect.bottomRight()));
    }

    void drawText(const ReportControl& c, const QRectF& r, const QString& text) {
        QPainter& p = *painter_;
        if (c.background.isValid())
            p.fillRect(r, c.background);
        if (text.isEmpty())
            return;
        Qt::Alignment align = c.alignment;
        // Text stands at the top of its box unless the layout says otherwise,
        // so the values of a row line up even where their boxes differ in height.
        if (!(align & Qt::AlignVertical_Mask))
            align |= Qt::AlignTop;
        // Alignment is meant on the page, not relative to the text's direction:
        // without AlignAbsolute a right-aligned Persian text lands on the left.
        QTextOption option((align & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute);
        option.setTextDirection(textDirection(text));
        option.setWrapMode(c.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
        p.save();
        p.setFont(c.font);
        p.setPen(c.foreground);
        if (!c.wordWrap) {
            // A text wider than its box is cut at the box's sides, as on a
            // printed form; never above or below, where the glyphs of a tall
            // Persian font may reach past a tight box.
            p.setClipRect(r.adjusted(0, -r.height(), 0, r.height()));
        }
        // Lines are set a little tighter than the Persian fonts' own spacing,
        // which leaves room for stacked marks this program never prints, so a
        // two-line title stays inside its box.
        // Text set against a side of its box keeps a hair's breadth from the
        // edge, so it never touches a printed frame; centred text uses the
        // whole width, narrow columns need it.
        QRectF box = r;
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            box.adjust(kSidePadding * scaleX_, 0, -kSidePadding * scaleX_, 0);
        QFont font(c.font, device_);
        if (!c.wordWrap) {
            // A one-line text too long for its box (a long clinic address) is
            // set smaller rather than cut, down to two thirds of its size.
            const qreal wide = QFontMetricsF(font, device_).horizontalAdvance(text);
            if (wide > box.width() && box.width() > 0) {
                const qreal factor = std::max(kSmallestFit, box.width() / wide * 0.98);
                font.setPointSizeF(font.pointSizeF() * factor);
            }
        }
        const QFontMetricsF metrics(font, device_);
        const qreal spacing =
            std::min(metrics.lineSpacing(), metrics.height() * kTightLineSpacing);
        QTextLayout layout(text, font, device_);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<QTextLine> lines;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            line.setPosition(QPointF(0, lines.size() * spacing));
            lines << line;
        }
        layout.endLayout();
        const qreal height = lines.isEmpty() ? 0 : (lines.size() - 1) * spacing + lines.last().height();
        qreal top = r.top();
        if (align & Qt::AlignVCenter)
            top += (r.height() - height) / 2;
        else if (align & Qt::AlignBottom)
            top += r.height() - height;
        layout.draw(&p, QPointF(box.left(), top));
        p.restore();
    }

    // Persian reads right to left; a bare number (a total such as -4) left to
    // right, so its sign stays in front. Captions that begin with a colon
    // (" :آدرس") were written to be read off a left-to-right line, where the
    // colon lands after the word. Data that happens to begin with punctuation
    // («کلینیک», "(واحد ۲)") is Persian all the same.
    static Qt::LayoutDirection textDirection(const QString& text) {
        if (!text.isRightToLeft())
            return Qt::LeftToRight;
        for (const QChar ch : text) {
            if (ch.isSpace())
                continue;
            return ch == QLatin1Char(':') ? Qt::LeftToRight : Qt::RightToLeft;
        }
        return Qt::RightToLeft;
    }

    QPagedPaintDevice* device_;
    QPainter* painter_;
    double scaleX_ = 1;
    double scaleY_ = 1;
    double left_ = 0;
};

// ---------------------------------------------------------------- report

Report::Report(const QString& name, int widthTwips, QObject* parent)
    : QObject(parent), name_(name), width_(widthTwips) {
    setObjectName(name);
    defaultFont_ = QFont(QStringLiteral("Arial"));
    defaultFont_.setPointSizeF(8.25);
}

Report::~Report() = default;

void Report::setPage(const QPageSize& size, const QMarginsF& marginsMm) {
    pageSize_ = size;
    margins_ = marginsMm;
}

int Report::pageAreaHeight() const {
    const QSizeF mm = pageSize_.size(QPageSize::Millimeter);
    return int((mm.height() - margins_.top() - margins_.bottom()) * kTwipsPerMm);
}

ReportSection& Report::addSection(const QString& name, Band band, int heightTwips) {
    sections_.push_back(std::make_unique<ReportSection>(name, band, heightTwips, defaultFont_));
    return *sections_.back();
}

ReportSection* Report::section(const QString& name) {
    for (const auto& s : sections_)
        if (s->name().compare(name, Qt::CaseInsensitive) == 0)
            return s.get();
    return nullptr;
}

ReportSection* Report::section(Band band) {
    for (const auto& s : sections_)
        if (s->band() == band)
            return s.get();
    return nullptr;
}

ReportControl* Report::control(const QString& path) {
    const int dot = path.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return nullptr;
    ReportSection* s = section(path.left(dot));
    return s ? s->control(path.mid(dot + 1)) : nullptr;
}

bool Report::setCaption(const QString& path, const QString& caption) {
    ReportControl* c = control(path);
    if (!c || c->kind != ReportControl::Kind::Label)
        return false;
    c->caption = caption;
    return true;
}

QString Report::caption(const QString& path) {
    ReportControl* c = control(path);
    return c ? c->caption : QString();
}

void Report::bind(const DataSource* source) {
    delete source_;
    source_ = nullptr;
    if (!source)
        return;
    source_ = new DataSource(source->table(), this);
    source_->setFilter(source->filter());
}

void Report::run(Sink& sink, int areaHeight) {
    for (const auto& s : sections_)
        for (const auto& c : s->controls())
            if (c->format)
                c->format->begin();

    ReportSection* reportHeader = section(Band::ReportHeader);
    ReportSection* pageHeader = section(Band::PageHeader);
    ReportSection* detail = section(Band::Detail);
    ReportSection* pageFooter = section(Band::PageFooter);
    ReportSection* reportFooter = section(Band::ReportFooter);

    const int limit = areaHeight - (pageFooter ? pageFooter->height() : 0);
    int page = 0;
    int y = 0;
    int bodyTop = 0;

    QHash<const ReportControl*, int> columnOf;
    if (detail && source_) {
        const QStringList columns = source_->columns();
        for (const auto& c : detail->controls())
            if (c->kind == ReportControl::Kind::TextBox)
                columnOf.insert(c.get(), columns.indexOf(source_->columnName(c->field)));
    }

    auto place = [&](const ReportSection* s, int top, const QStringList* row) {
        for (const auto& c : s->controls()) {
            QString text;
            if (c->kind == ReportControl::Kind::Label) {
                text = c->caption;
            } else if (c->kind == ReportControl::Kind::TextBox) {
                const int col = columnOf.value(c.get(), -1);
                text = row && col >= 0 && col < row->size() ? row->at(col) : QString();
                if (c->format)
                    text = c->format->format(text);
            }
            sink.item(page, *s, *c, QPoint(0, top), text);
        }
    };
    auto startPage = [&] {
        ++page;
        sink.beginPage(page);
        y = 0;
        if (page == 1 && reportHeader) {
            place(reportHeader, y, nullptr);
            y += reportHeader->height();
        }
        if (pageHeader) {
            place(pageHeader, y, nullptr);
            y += pageHeader->height();
        }
        bodyTop = y;
    };
    auto finishPage = [&] {
        if (pageFooter)
            place(pageFooter, limit, nullptr);
        sink.endPage(page);
    };
    // A band that does not fit goes to the next page, unless the page holds
    // nothing else yet (it would not fit on any page).
    auto makeRoom = [&](int height) {
        if (y + height > limit && y > bodyTop) {
            finishPage();
            startPage();
        }
    };

    startPage();
    if (detail && source_) {
        for (int offset = 0;; offset += kRowsPerRead) {
            const QVector<QStringList> rows = source_->rows(offset, kRowsPerRead);
            for (const QStringList& row : rows) {
                makeRoom(detail->height());
                place(detail, y, &row);
                y += detail->height();
            }
            if (rows.size() < kRowsPerRead)
                break;
        }
    }
    if (reportFooter) {
        makeRoom(reportFooter->height());
        place(reportFooter, y, nullptr);
        y += reportFooter->height();
    }
    finishPage();
}

QList<PlacedItem> Report::layout() {
    RecordingSink sink;
    run(sink, pageAreaHeight());
    return sink.items;
}

int Report::pageCount() {
    // Counts without keeping what the pages hold: a long list costs nothing to count.
    class Counter : public Sink {
    public:
        int pages = 0;
        void beginPage(int page) override { pages = page; }
        void item(int, const ReportSection&, const ReportControl&, const QPoint&,
                  const QString&) override {}
    } sink;
    run(sink, pageAreaHeight());
    return sink.pages;
}

void Report::render(QPagedPaintDevice* device) {
    QPainter painter;
    if (!painter.begin(device))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterSink sink(device, &painter, width_);
    // The paper the device has now: the preview's page setup may have changed it.
    run(sink, int(device->height() * 1440.0 / device->logicalDpiY()));
    painter.end();
}

void Report::configure(QPrinter* printer) const {
    printer->setDocName(name_);
    printer->setCreator(QStringLiteral("ZUVEK"));
    printer->setFullPage(false);
    printer->setPageSize(pageSize_);
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(margins_, QPageLayout::Millimeter);
    printer->setFontEmbeddingEnabled(true);
}

bool Report::exportPdf(const QString& path, QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    configure(&printer);
    QPainter probe;
    if (!probe.begin(&printer)) {
        if (error)
            *error = QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    probe.end();
    render(&printer);
    const QFileInfo written(path);
    if (!written.exists() || written.size() == 0) {
        if (error)
            *error = QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

void Report::savePdf(QWidget* owner) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = Dialogs::instance().saveFileName(owner, QStringLiteral("PDF"), folder,
                                                    name_ + QStringLiteral(".pdf"),
                                                    QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (QFile::exists(path)) {
        const auto answer = Dialogs::instance().message(
            owner, QMessageBox::Question, QStringLiteral("ZUVEK"),
            QStringLiteral("اين فايل از قبل وجود دارد. جايگزين شود؟") + QLatin1Char('\n') +
                QDir::toNativeSeparators(path),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No, true);
        if (answer != QMessageBox::Yes)
            return;
    }
    QString error;
    if (!exportPdf(path, &error))
        errorBox(owner, error);
}

QPrintPreviewDialog* Report::showPreview(QWidget* owner, const QString& title) {
    // The preview stands on its own: closing the screen that printed does not
    // take the preview with it.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    configure(printer);
    auto* dialog = new QPrintPreviewDialog(printer, nullptr);
    QObject::connect(dialog, &QObject::destroyed, [printer] { delete printer; });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->setWindowTitle(title);
    setParent(dialog);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { render(p); });

    if (auto* toolbar = dialog->findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* save = toolbar->addAction(
            dialog->style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("PDF"));
        save->setObjectName(QStringLiteral("SavePdf"));
        save->setToolTip(QStringLiteral("PDF"));
        connect(save, &QAction::triggered, this, [this, dialog] { savePdf(dialog); });
    }
    if (owner) {
        const QRect frame = owner->window()->frameGeometry();
        dialog->resize(900, 720);
        dialog->move(frame.topLeft() + QPoint(40, 20));
    }
    dialog->show();
    return dialog;
}

} // namespace zuvek::reports
