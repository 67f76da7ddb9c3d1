// Takes a picture of every screen, in one theme, on a database with a few
// generated subjects: the pictures of the README's screen guide.
//
//   ninja -C build tour && QT_QPA_PLATFORM=offscreen build/bench/tour docs [theme]
#include "SubjectGenerator.h"

#include "backup/Frmbackup.h"
#include "data/DataSource.h"
#include "data/Database.h"
#include "info/About.h"
#include "info/Frmhelp.h"
#include "info/Frmravansanji.h"
#include "registry/FrmCode.h"
#include "scoring/FrmkLID.h"
#include "shell/AppControl.h"
#include "shell/Dialogs.h"
#include "shell/Fonts.h"
#include "shell/Frm1.h"
#include "shell/Frmskin.h"
#include "shell/Skin.h"
#include "shell/exitpro.h"
#include "test/FrmTest.h"
#include "update/FrmUpdate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QQueue>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace zuvek;

namespace {

// Answers the code prompts; shows nothing.
class TourDialogs : public Dialogs {
public:
    QQueue<QString> inputs;
    void timedMessage(QWidget*, const QString&, int) override {}
    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon, const QString&,
                                        const QString&, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton def, bool) override {
        return def;
    }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override {
        return inputs.isEmpty() ? QString() : inputs.dequeue();
    }
};

// Hand-overs show nothing new during the tour.
class TourApp : public AppControl {
public:
    void showMainWindow() override {}
    void quit() override {}
    bool startProgram(const QString&, const QStringList&, bool) override { return true; }
    bool openUrl(const QString&) override { return true; }
};

QString outDir;

void snap(QWidget* w, const char* name) {
    w->show();
    QTest::qWait(150);
    const QString file = QDir(outDir).filePath(QString::fromLatin1(name) + ".png");
    if (!w->grab().save(file))
        std::fprintf(stderr, "could not save %s\n", qPrintable(file));
    else
        std::printf("%s\n", qPrintable(file));
}

template <class T> T* topLevel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w))
            return t;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installPersianSupport(app);
    initZuvekResources();
    outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")).absolutePath();
    const QString theme = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("1");
    QDir().mkpath(outDir);

    QTemporaryDir folder;
    const QString db = folder.filePath("DBZVK/DBZVK.mdb");
    const QString error = bench::generateSubjects(ZUVEK_TEMPLATE_DB, db, 12);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QDir skins(ZUVEK_SKINS_DIR);
    for (const QString& f : skins.entryList({"*.skn"}, QDir::Files))
        QFile::copy(skins.filePath(f), folder.filePath(f));
    QDir::setCurrent(folder.path());
    if (!Database::open())
        return 1;
    {
        DataSource settings("Theme");
        settings.open();
        settings.setValue("TH", theme);
        settings.write();
    }
    TourDialogs dialogs;
    Dialogs::setInstance(&dialogs);
    TourApp control;
    AppControl::setInstance(&control);

    auto* main = new Frm1;
    snap(main, "main-window");
    main->Command1_Click();
    snap(main, "registration");
    main->Command9_Click();
    main->Command67_Click();
    snap(main, "settings");
    main->Command68_Click();
    snap(main, "theme-chooser");
    main->HidePanels();

    dialogs.inputs << "3";
    if (FrmTest::OpenFromMainWindow(main)) {
        if (auto* test = topLevel<FrmTest>()) {
            test->Command1_Click();
            test->CmdNext_Click();
            test->CmdNext_Click();
            snap(test, "test-session");
            test->hide();
        }
    }
    main->hide();

    auto* scoring = new FrmkLID;
    dialogs.inputs << "12";
    scoring->Command1_Click();
    snap(scoring, "scoring");
    // The printed reports, as their preview windows show them.
    scoring->Command6_Click();
    if (auto* preview = topLevel<QPrintPreviewDialog>()) {
        preview->resize(760, 860);
        snap(preview, "result-sheet");
        delete preview;
    }
    scoring->Command3_Click();
    if (auto* preview = topLevel<QPrintPreviewDialog>()) {
        preview->resize(760, 860);
        snap(preview, "subject-list");
        delete preview;
    }
    scoring->hide();

    auto* browser = new FrmCode;
    snap(browser, "browser");
    browser->hide();

    auto* help = new Frmhelp;
    help->Command3_Click();
    snap(help, "help");
    help->hide();
    auto* intro = new Frmravansanji;
    snap(intro, "introduction");
    intro->hide();
    auto* about = new About;
    for (int i = 0; i < 200; ++i)
        about->Timer1_Timer();
    for (int i = 0; i < 1000; ++i)
        about->Timer3_Timer();
    snap(about, "about");
    about->hide();
    auto* update = new FrmUpdate;
    snap(update, "update");
    update->hide();

    auto* confirm = new exitpro;
    snap(confirm, "exit");
    confirm->hide();
    auto* backup = new Frmbackup;
    snap(backup, "backup");
    backup->hide();
    auto* skin = new Frmskin;
    snap(skin, "theme-confirm");
    skin->hide();

    Dialogs::setInstance(nullptr);
    AppControl::setInstance(nullptr);
    for (QWidget* w : {static_cast<QWidget*>(main), static_cast<QWidget*>(scoring),
                       static_cast<QWidget*>(browser), static_cast<QWidget*>(help),
                       static_cast<QWidget*>(intro), static_cast<QWidget*>(about),
                       static_cast<QWidget*>(update), static_cast<QWidget*>(confirm),
                       static_cast<QWidget*>(backup), static_cast<QWidget*>(skin)})
        w->deleteLater();
    QApplication::processEvents();
    Database::close();
    return 0;
}
