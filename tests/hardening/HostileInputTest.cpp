// Hostile names reaching the real main window the only way they can: pasted.
// Typed characters outside A-Z, a-z and space are refused by the key filter,
// so these go in by setText, by the field's insert() (what a paste does) and
// by a real paste from the clipboard. Whatever arrives, the window must not
// crash or hang, must show the numbers of the ASCII letters it was given, and
// must refuse a name without any ASCII letter as missing.

#include "engine/modLoveCompatibility.h"
#include "tests/support/WindowDriver.h"
#include "ui/kit/TextRules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

using kivo::engineText;
using kivo::testing::child;
using kivo::testing::focusName;
using kivo::testing::frontPage;
using kivo::testing::reportLines;
using kivo::testing::ShownWindow;

namespace mlc = modLoveCompatibility;

namespace {

constexpr qsizetype kHugeLength = 100'000;

enum class Way { SetText, Insert, ClipboardPaste };

// Repeats the piece until the text is exactly `length` UTF-16 units long, so
// a long name may end in half a surrogate pair, as a cut paste can.
QString repeat(const QString& piece, qsizetype length) {
    QString text;
    text.reserve(length);
    while (text.size() < length) {
        text += piece;
    }
    text.truncate(length);
    return text;
}

// A mix of everything hostile: a right-to-left override, Arabic and Hebrew,
// emoji with a zero-width joiner, NUL, tab, line breaks, escape, DEL, a C1
// control, a byte-order mark, fullwidth Latin (not ASCII) and a few real
// letters in between.
QString hostileMix() {
    return QStringLiteral("\u202Eمرحبا") + QChar(u'\0') +
           QStringLiteral("A\t\r\nשלום\x1b\x7f\u0085😀\u200D👩b\uFEFFＡＮＮ z ");
}

void put(QLineEdit* field, const QString& text, Way way) {
    switch (way) {
    case Way::SetText:
        field->setText(text);
        break;
    case Way::Insert:
        field->clear();
        field->insert(text);
        break;
    case Way::ClipboardPaste:
        field->clear();
        QGuiApplication::clipboard()->setText(text);
        field->paste();
        break;
    }
}

// What a field holds after the paste: QLineEdit keeps at most maxLength()
// UTF-16 units and drops the rest.
QString fieldHolds(const QString& pasted, const QLineEdit* field) { return pasted.left(field->maxLength()); }

QString withoutOuterSpaces(QString name) {
    while (name.startsWith(QLatin1Char(' '))) {
        name.remove(0, 1);
    }
    while (name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    return name;
}

std::int16_t expectedDestiny(const QString& held) {
    const QByteArray utf8 = withoutOuterSpaces(held).toUtf8();
    return mlc::FoldMasterNumber(mlc::GetDestinyNumber(std::string_view(utf8.constData(), utf8.size())));
}

// One row for each way in, each row ending in the further columns given.
template <typename... More>
void addWays(const char* name, const QString& user, const QString& partner, const More&... more) {
    for (const auto& [way, label] : {std::pair{Way::SetText, "set"}, std::pair{Way::Insert, "insert"},
                                     std::pair{Way::ClipboardPaste, "clipboard"}}) {
        ((QTest::addRow("%s, %s", name, label) << user << partner << int(way)) << ... << more);
    }
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT

private slots:
    void hostileNamesGetTheNumbersOfTheirLetters_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<int>("way");

        addWays("100000 letters, past the letter total's limit",
                QStringLiteral("Ann") + repeat(QStringLiteral("z"), kHugeLength - 3),
                QStringLiteral("Catherine"));
        addWays("100000 mixed characters each", repeat(hostileMix(), kHugeLength),
                repeat(QStringLiteral("😀 Кэт\u202Bkatze\u202C") + QChar(u'\0'), kHugeLength));
        addWays("control characters", QStringLiteral("A\tn\nn\r\x1b\x7f\x01\u0085"),
                QStringLiteral("Cath") + QChar(u'\0') + QStringLiteral("erine\x08"));
        addWays("right to left", QStringLiteral("\u202Eann\u202C דנה"),
                QStringLiteral("علي Catherine \u200F"));
        addWays("emoji", QStringLiteral("👩\u200D❤️\u200D👨 Ann 😀"),
                QStringLiteral("Cat😺herine🏳️\u200D🌈"));
        addWays("NUL characters", QStringLiteral("A") + QChar(u'\0') + QStringLiteral("nn") + QChar(u'\0'),
                QChar(u'\0') + QStringLiteral("Catherine") + QChar(u'\0'));
        addWays("lone surrogates", QStringLiteral("Ann") + QChar(0xD800),
                QChar(0xDC00) + QStringLiteral("Catherine") + QChar(0xDBFF));
        addWays("spaces around", QStringLiteral("   Ann   "), QStringLiteral(" Catherine\t "));
    }

    void hostileNamesGetTheNumbersOfTheirLetters() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(int, way);

        ShownWindow shown;
        QVERIFY(shown.show());
        const frmMain& w = *shown.window;
        shown.setPerson(0, QString(), 1, 1, 1900);
        shown.setPerson(1, QString(), 9, 9, 1998);
        const std::array<QLineEdit*, 2> names{child<QLineEdit>(w, "txtName", 0),
                                              child<QLineEdit>(w, "txtName", 1)};
        put(names[0], user, Way(way));
        put(names[1], partner, Way(way));
        // Nothing is lost or changed on the way in but what the field's
        // length limit cuts off.
        QCOMPARE(names[0]->text(), fieldHolds(user, names[0]));
        QCOMPARE(names[1]->text(), fieldHolds(partner, names[1]));

        shown.proceed();

        QCOMPARE(shown.platform.messageTexts(), QStringList{});
        QCOMPARE(frontPage(w), QStringLiteral("fraResult"));
        const std::int16_t lifePath[2] = {mlc::GetLifePathNumber(1, 1, 1900),
                                          mlc::GetLifePathNumber(9, 9, 1998)};
        const std::int16_t destiny[2] = {expectedDestiny(fieldHolds(user, names[0])),
                                         expectedDestiny(fieldHolds(partner, names[1]))};
        QCOMPARE(
            child<QLabel>(w, "lblResult", 0)->text(),
            QStringLiteral("LifePath Compatibility Number is %1 + %2").arg(lifePath[0]).arg(lifePath[1]));
        QCOMPARE(child<QLabel>(w, "lblResult", 2)->text(),
                 QStringLiteral("Destiny Compatibility Number is %1 + %2").arg(destiny[0]).arg(destiny[1]));
        QCOMPARE(child<QLabel>(w, "lblResult", 3)->text(),
                 engineText(mlc::GetShortReading(mlc::MakePairKey(destiny[0], destiny[1]))));
        QCOMPARE(reportLines(*child<QTextEdit>(w, "RTB")->document()).at(6).text,
                 engineText(mlc::GetPairReading(destiny[0], destiny[1])));
    }

    void namesWithoutAnAsciiLetterAreRefusedAsMissing_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("refused");  // whose name: 0 user, 1 partner

        addWays("emoji only", QStringLiteral("😀👩\u200D❤️\u200D👨"), QStringLiteral("Catherine"),
                0);
        addWays("NUL and controls only", QChar(u'\0') + QStringLiteral("\t\r\n\x1b\x7f") + QChar(u'\0'),
                QStringLiteral("Catherine"), 0);
        addWays("fullwidth letters are no ASCII letters", QStringLiteral("ＡＮＮ"),
                QStringLiteral("Catherine"), 0);
        addWays("100000 spaces", repeat(QStringLiteral(" "), kHugeLength), QStringLiteral("Catherine"), 0);
        addWays("100000 right-to-left characters", QStringLiteral("Ann"),
                repeat(QStringLiteral("\u202Eعلي שלום "), kHugeLength), 1);
        addWays("letters only past the length limit", QStringLiteral("Ann"),
                repeat(QStringLiteral("😀"), kHugeLength - 9) + QStringLiteral("Catherine"), 1);
    }

    void namesWithoutAnAsciiLetterAreRefusedAsMissing() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(int, way);
        QFETCH(int, refused);

        ShownWindow shown;
        QVERIFY(shown.show());
        const frmMain& w = *shown.window;
        put(child<QLineEdit>(w, "txtName", 0), user, Way(way));
        put(child<QLineEdit>(w, "txtName", 1), partner, Way(way));
        shown.proceed();

        const QString message = refused == 0 ? QStringLiteral("Please Enter Your Name")
                                             : QStringLiteral("Please Enter Your Partner's Name");
        QCOMPARE(shown.platform.messageTexts(), QStringList{message});
        QCOMPARE(frontPage(w), QStringLiteral("fraMain"));
        QCOMPARE(focusName(), QStringLiteral("txtName_%1").arg(refused));
        // No result was shown: the result page is still unbuilt.
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("lblResult_2")) == nullptr);
    }
};

QTEST_MAIN(HostileInputTest)
#include "HostileInputTest.moc"
