#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class Skin;
class SkinLabel;
namespace zuvek {
class DataSource;
}

// Asks the maker's web site for the number of the latest version; when it is
// greater than the running one, hands over to zuvekupdate and ends the program.
class FrmUpdate : public QDialog {
    Q_OBJECT
public:
    explicit FrmUpdate(QWidget* parent = nullptr);

    // "ZUVEK 2.0": the title and the running version.
    static QString titleText();
    // The running version as a number (2.0), whatever the machine's locale.
    static double runningVersion();
    // The number a version file's text begins with (0 when it begins with none).
    static double publishedVersion(const QString& text);

    // Where the version file is fetched from (the maker's site by default).
    void setVersionFileUrl(const QString& url) { versionUrl_ = url; }
    QString versionFileUrl() const { return versionUrl_; }
    Skin* skin() const { return skin1_; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    Skin* skin1_ = nullptr;
    zuvek::DataSource* adodc1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    SkinLabel* label1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QString versionUrl_;
};
