#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zuvek::updater {

class FileDownloader;

// The updater's only window: one button starts the download of the newest
// installer (and cancels it while it runs), another leaves the program. On
// completion it reports success, starts the installer and ends the updater.
class Progress : public QWidget {
    Q_OBJECT
public:
    // `updaterFolder` is where the installer is stored and started from: the
    // updater's own folder unless a test gives another.
    explicit Progress(const QString& updaterFolder = {}, QWidget* parent = nullptr);
    ~Progress() override;

    // The file name at the end of an http(s) address, or empty text when the
    // last segment holds no "." before its last character.
    QString GetFileName(const QString& A) const;

    QString updaterFolder() const { return folder_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdUpdate_Click();
    void Command1_Click();
    void Timer1_Timer();
    void FileDownloader_DownloadProgress(const QString& intPercent);
    void FileDownloader_DowloadComplete();
    void FileDownloader_DownloadErrors(const QString& strError);
    void endProgram();

    QString folder_;
    QProgressBar* ProgressBar = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2[2] = {nullptr, nullptr};
    QLineEdit* Text = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;
    zuvek::updater::FileDownloader* FileDownloader = nullptr;
};

// Maps the font names the window asks for ("Tahoma", "MS Sans Serif", "Arial")
// to fonts this machine has, when it lacks them.
void installFontSubstitutes();

} // namespace zuvek::updater
