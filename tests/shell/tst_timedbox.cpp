#include "shell/TimedMessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestTimedBox : public QObject {
    Q_OBJECT
private slots:
    void closesItselfAfterDelay();
    void closesOnlyItsOwnBox();
    void earlyOkLeavesLaterBoxesAlone();
};

static QMessageBox* activeTimedBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

void TestTimedBox::closesItselfAfterDelay() {
    QString title, text;
    QTimer::singleShot(50, [&] {
        if (auto* b = activeTimedBox()) {
            title = b->windowTitle();
            text = b->text();
        }
    });
    QElapsedTimer t;
    t.start();
    TimedMessageBox(nullptr, QStringLiteral("سلام"), 300);
    QVERIFY(t.elapsed() >= 290);
    QVERIFY(t.elapsed() < 5000);
    QCOMPARE(title, QStringLiteral("پيام"));
    QCOMPARE(text, QStringLiteral("سلام"));
}

void TestTimedBox::closesOnlyItsOwnBox() {
    // Another box with the same title is up, and stays up.
    QMessageBox other(QMessageBox::NoIcon, QStringLiteral("پيام"), QStringLiteral("other"));
    other.setModal(false);
    other.show();
    TimedMessageBox(nullptr, QStringLiteral("mine"), 200);
    QVERIFY(other.isVisible());
}

void TestTimedBox::earlyOkLeavesLaterBoxesAlone() {
    QTimer::singleShot(30, [] {
        if (auto* b = activeTimedBox())
            b->button(QMessageBox::Ok)->click();
    });
    QElapsedTimer t;
    t.start();
    TimedMessageBox(nullptr, QStringLiteral("pressed early"), 400);
    QVERIFY(t.elapsed() < 390);
    // The first box's delay runs out while a new box titled "پيام" is up.
    QMessageBox later(QMessageBox::NoIcon, QStringLiteral("پيام"), QStringLiteral("later"));
    later.setModal(false);
    later.show();
    QTest::qWait(600);
    QVERIFY(later.isVisible());
}

QTEST_MAIN(TestTimedBox)
#include "tst_timedbox.moc"
