#include "data/DataSource.h"
#include "data/Database.h"
#include "shell/Frm1.h"
#include "support/Scripted.h"
#include "support/TestFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zuvek;
using namespace zuvek::test;

class TestFrm1 : public QObject {
    Q_OBJECT
private slots:
    void loadShowsVersionAndFlag();
};

void TestFrm1::loadShowsVersionAndFlag() {
    TestFolder folder;
    QVERIFY(folder.ok());
    QVERIFY(Database::open());
    ScriptedDialogs dialogs;
    auto* w = new Frm1;
    QCOMPARE(w->findChild<QLabel*>("SkinLabel9")->text(), QStringLiteral("ZUVEK 2.0"));
    QCOMPARE(w->handOverFlag(), QStringLiteral("2"));
    delete w;
}

QTEST_MAIN(TestFrm1)
#include "tst_frm1.moc"
