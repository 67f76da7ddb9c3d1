#include "shell/Skin.h"

#include "data/Val.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QWidget>

namespace {

const QHash<QString, QPalette::ColorRole>& paletteRoles() {
    static const QHash<QString, QPalette::ColorRole> roles = {
        {QStringLiteral("window"), QPalette::Window},
        {QStringLiteral("windowtext"), QPalette::WindowText},
        {QStringLiteral("base"), QPalette::Base},
        {QStringLiteral("alternatebase"), QPalette::AlternateBase},
        {QStringLiteral("text"), QPalette::Text},
        {QStringLiteral("button"), QPalette::Button},
        {QStringLiteral("buttontext"), QPalette::ButtonText},
        {QStringLiteral("highlight"), QPalette::Highlight},
        {QStringLiteral("highlightedtext"), QPalette::HighlightedText},
        {QStringLiteral("tooltipbase"), QPalette::ToolTipBase},
        {QStringLiteral("tooltiptext"), QPalette::ToolTipText},
        {QStringLiteral("placeholdertext"), QPalette::PlaceholderText},
        {QStringLiteral("light"), QPalette::Light},
        {QStringLiteral("midlight"), QPalette::Midlight},
        {QStringLiteral("mid"), QPalette::Mid},
        {QStringLiteral("dark"), QPalette::Dark},
        {QStringLiteral("shadow"), QPalette::Shadow},
        {QStringLiteral("brighttext"), QPalette::BrightText},
        {QStringLiteral("link"), QPalette::Link},
    };
    return roles;
}

// The look of a window that wears no skin: calm and readable, not grey boxes.
const char* kPlainStyle = R"(
SkinLabel { color: #1f3b57; }
QPushButton { background: #eef3f8; border: 1px solid #9fb3c8; border-radius: 4px; padding: 2px 6px; }
QPushButton:hover { background: #dce8f4; }
QPushButton:pressed { background: #c5d7ea; }
)";

} // namespace

void initZuvekResources() {
    // The pictures live in the static library; make sure they are registered.
    static const bool done = [] {
        Q_INIT_RESOURCE(zuvek);
        return true;
    }();
    (void)done;
}

Skin::Skin(QObject* parent) : QObject(parent) {
    initZuvekResources();
    setObjectName(QStringLiteral("Skin1"));
}

bool Skin::loadSkin(const QString& fileName) {
    loaded_ = false;
    file_.clear();
    name_.clear();
    styleSheet_.clear();
    palette_ = QPalette();

    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(f.readAll());
    if (utf8.hasError())
        return false;

    QPalette pal = QApplication::palette();
    QStringList rest;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('@'))) {
            const int colon = t.indexOf(QLatin1Char(':'));
            if (colon < 0)
                continue;
            const QString key = t.mid(1, colon - 1).trimmed().toLower();
            const QString val = t.mid(colon + 1).trimmed();
            if (key == QLatin1String("name")) {
                name_ = val;
            } else if (paletteRoles().contains(key)) {
                const QColor c = QColor::fromString(val);
                if (c.isValid())
                    pal.setColor(paletteRoles().value(key), c);
            }
            continue;
        }
        rest << line;
    }
    palette_ = pal;
    styleSheet_ = rest.join(QLatin1Char('\n'));
    file_ = fileName;
    loaded_ = true;
    return true;
}

void Skin::applySkin(QWidget* window) {
    if (!window)
        return;
    if (loaded_) {
        window->setPalette(palette_);
        window->setStyleSheet(styleSheet_);
        window->setAutoFillBackground(true);
    } else {
        // No skin: the window keeps the colours it was designed with.
        window->setStyleSheet(QString::fromLatin1(kPlainStyle));
    }
}

QString skinFileForTheme(double number, bool variant) {
    static const char* const files[] = {
        "chizh.skn",  "Green.skn",     "galaxy.skn", "_temp.skn",   "B-Studio.skn", "Mac.skn",
        "O-Universe.skn", "metallic.skn", "Paper.skn", "winaqua.skn", "office2007.skn"};
    for (int n = 1; n <= 11; ++n) {
        if (number == n) {
            if (variant && n == 7)
                return QStringLiteral("TopSecret.skn");
            return QString::fromLatin1(files[n - 1]);
        }
    }
    if (variant && number == 12)
        return QStringLiteral("OrionNext.skn");
    if (variant && number == 13)
        return QStringLiteral("Retro.skn");
    return {};
}

void ApplyTheme(QWidget* window, Skin* skin, const QString& themeText, bool variant) {
    if (!skin)
        return;
    const QString file = skinFileForTheme(zuvek::leadingNumber(themeText), variant);
    if (!file.isEmpty())
        skin->loadSkin(file);
    skin->applySkin(window);
}
