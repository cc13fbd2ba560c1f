// Every way of leaving the exit promotion window ends the program once, with
// status 0 and no message. Each way runs as its own process
// (kivo_leaving_scenarios): EndApplication acts once per process and for good.

#include "tests/support/ScenarioProcess.h"

#include <QtTest>

class FrmExitPromoLeavingTest : public QObject {
    Q_OBJECT
private slots:
    void leavingEndsTheProgramOnce_data() {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("Exit button") << QStringLiteral("exit-button");
        QTest::newRow("close box") << QStringLiteral("close-box");
        QTest::newRow("end routine called elsewhere") << QStringLiteral("end-routine");
    }

    void leavingEndsTheProgramOnce() {
        QFETCH(QString, scenario);
        const kivo::testing::ScenarioRun run =
            kivo::testing::runScenario(QStringLiteral(KIVO_LEAVING_SCENARIOS), {scenario}, 15000);
        QVERIFY(run.finished);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, (QStringList{"ending 1", "closed 1 visible 0", "messages 0", "deleted 1"}));
    }
};

QTEST_GUILESS_MAIN(FrmExitPromoLeavingTest)
#include "FrmExitPromoLeavingTest.moc"
