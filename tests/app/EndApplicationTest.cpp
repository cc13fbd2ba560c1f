// EndApplication, each way of ending run as a real process (kivo_end_scenarios):
// every window unloaded exactly once, no work after the end, exit status 0.

#include <QProcess>
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
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(KIVO_END_SCENARIOS), {scenario});
        QVERIFY(process.waitForFinished(15000));
        const QStringList lines =
            QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(lines, QStringList({QStringLiteral("ending 1"), QStringLiteral("main closed 1 visible 0"),
                                     QStringLiteral("promo closed 1 visible 0")}));
    }
};

QTEST_GUILESS_MAIN(EndApplicationTest)
#include "EndApplicationTest.moc"
