#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The about screen: a borderless window whose credit lines rise through four
// labels, two of which change colour, while a spaced-out credit sentence
// gathers itself into words at the bottom. It reads no table and wears no theme.
class About : public QDialog {
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);

    // Credit line n (1 … 9) as this screen fills it; line 9 is empty.
    static QString creditLine(int n);
    // The credit sentence as it stands before gathering: letter by letter,
    // runs of spaces between the letters, full stops between the words.
    static QString spacedCreditSentence();
    // The 16-colour standard palette the colour step walks through.
    static QColor standardColour(int index);
    // Where the colour step stands; it carries over from one opening to the next.
    static int colourStep();

    int lineCounter() const { return lineCounter_; }
    QString searchText() const { return searchText_; }
    QString replacementText() const { return replacementText_; }

    void Form_Load();
    void Command1_Click();
    // Scroll step: the top label comes back at the bottom with the next line.
    void Timer10_Timer();
    // Colour step: Label1 through the palette, Label3 a random colour.
    void Timer1_Timer();
    // Gathering step: one space out of the sentence, later one full stop to a space.
    void Timer3_Timer();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void giveLine(int index, const QString& text);
    void setLabelColour(QLabel* label, const QColor& colour);
    void placeLabel(int index);

    QLabel* labels_[4] = {};
    int top_[4] = {};   // twips
    int right_[4] = {}; // pixels: labels grow leftward from here, as right-aligned text does
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer3_ = nullptr;
    QTimer* timer10_ = nullptr;
    QPixmap background_;

    QStringList lines_; // credit lines 1 … 9 at indexes 0 … 8
    qint16 lineCounter_ = 4;
    QString searchText_ = QStringLiteral(" ");
    QString replacementText_;
};
