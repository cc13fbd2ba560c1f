// EndApplication, each way of ending run as a real process (kivo_end_scenarios):
// every window unloaded exactly once, no work after the end, exit status 0.

#include "tests/support/ScenarioProcess.h"

#include <QtTest>

class EndApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void endsOnceWithEveryWindowClosedOnce_data() {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("exit button, re-entered from the unload handler") << QStringLiteral("exit-button");
        QTest::newRow("close box of the promotion window") << QStringLiteral("close-box");
        QTest::newRow("called twice in a row") << QStringLiteral("twice");
    }

    void endsOnceWithEveryWindowClosedOnce() {
        QFETCH(QString, scenario);
        const kivo::testing::ScenarioRun run =
            kivo::testing::runScenario(QStringLiteral(KIVO_END_SCENARIOS), {scenario}, 15000);
        QVERIFY(run.finished);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines,
                 QStringList({QStringLiteral("ending 1"), QStringLiteral("main closed 1 visible 0"),
                              QStringLiteral("promo closed 1 visible 0")}));
    }
};

QTEST_GUILESS_MAIN(EndApplicationTest)
#include "EndApplicationTest.moc"
