#pragma once

#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QString>

class QWidget;

// A theme file (".skn") loaded and applied to a window.
//
// Format (UTF-8 text): header lines "@Role: #rrggbb" set palette roles
// (Window, WindowText, Base, AlternateBase, Text, Button, ButtonText,
// Highlight, HighlightedText, ToolTipBase, ToolTipText, PlaceholderText, Light,
// Midlight, Mid, Dark, Shadow, BrightText, Link); "@Name: …" names the look.
// Everything else is a Qt style sheet applied to the window and its children.
// Skinned labels are styled with the selector "SkinLabel".
class Skin : public QObject {
    Q_OBJECT
public:
    explicit Skin(QObject* parent = nullptr);

    // Loads a skin file by name (bare names are found in the working folder).
    // A missing or unreadable file loads nothing and returns false.
    bool loadSkin(const QString& fileName);
    // Applies the loaded skin to `window`; with none loaded, the plain look.
    void applySkin(QWidget* window);

    bool hasSkin() const { return loaded_; }
    QString loadedFile() const { return file_; }
    QString lookName() const { return name_; }
    QString styleSheet() const { return styleSheet_; }
    const QPalette& palette() const { return palette_; }

private:
    bool loaded_ = false;
    QString file_;
    QString name_;
    QString styleSheet_;
    QPalette palette_;
};

// A label drawn in the look of the current theme.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(QWidget* parent = nullptr) : QLabel(parent) {}
};

// Registers the program's pictures (they live in a static library).
void initZuvekResources();

// Theme number → skin file name. Empty when the number selects no skin.
// `variant` is the update window's table (7 → TopSecret, 12, 13 known).
QString skinFileForTheme(double number, bool variant = false);

// Reads the theme box's text (its leading number), loads the skin that number
// selects (if any) into `skin`, and applies `skin` to `window` in every case.
void ApplyTheme(QWidget* window, Skin* skin, const QString& themeText, bool variant = false);
