#include <QtTest>
class TestProgress : public QObject { Q_OBJECT };
QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
