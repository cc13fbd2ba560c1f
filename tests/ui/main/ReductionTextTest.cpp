// The steps of a reduction in words: the cases the main window's own test does
// not meet (a date too large to add up, a name without letters, the master
// number 22, a Life Path sum of 11 that reduces on).

#include "ui/main/ReductionText.h"

#include <QTest>

#include <string>

class ReductionTextTest : public QObject {
    Q_OBJECT

private slots:
    void lifePath_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("steps");
        QTest::newRow("two passes") << 1 << 1 << 1900
                                    << "1 + 1 + 1900 = 1902 \u2192 1 + 9 + 0 + 2 = 12 \u2192 1 + 2 = 3";
        QTest::newRow("11 is no stop")
            << 1 << 8 << 2000 << "1 + 8 + 2000 = 2009 \u2192 2 + 0 + 0 + 9 = 11 \u2192 1 + 1 = 2";
        QTest::newRow("too large") << 32767 << 1 << 0 << "32767 + 1 + 0 is too large to add up \u2192 0";
    }

    void lifePath() {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, steps);
        QCOMPARE(ReductionText::lifePath(static_cast<std::int16_t>(day), static_cast<std::int16_t>(month),
                                         static_cast<std::int16_t>(year)),
                 steps);
    }

    void destiny_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("steps");
        QTest::newRow("master 11 folds") << "Catherine"
                                         << "letter total 47 \u2192 4 + 7 = 11 \u2192 11 counts as 1 + 1 = 2";
        QTest::newRow("master 22 folds")
            << QString(55, QLatin1Char('I')) + "D"
            << "letter total 499 \u2192 4 + 9 + 9 = 22 \u2192 22 counts as 2 + 2 = 4";
        QTest::newRow("total of 11 reduces") << "Ann"
                                             << "letter total 11 \u2192 1 + 1 = 2";
        QTest::newRow("no letters") << "--"
                                    << "letter total 0";
    }

    void destiny() {
        QFETCH(QString, name);
        QFETCH(QString, steps);
        QCOMPARE(ReductionText::destiny(name.toStdString()), steps);
    }
};

QTEST_GUILESS_MAIN(ReductionTextTest)
#include "ReductionTextTest.moc"
