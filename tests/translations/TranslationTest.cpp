// The translation file lists every text the program shows: lupdate finds no
// text in the sources that the committed .ts lacks, or the other way round,
// and every text on the windows and in the message boxes comes through a
// translation of a listed text. The user's language picks the translation.

#include "app/frmAbout.h"
#include "app/program/Translation.h"
#include "engine/modLoveCompatibility.h"
#include "tests/support/WindowDriver.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/frmExitPromo.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

using kivo::testing::child;
using kivo::testing::ShownWindow;

namespace {

const QChar kOpen(0x27E6);
const QChar kClose(0x27E7);

QString textKey(const QString& context, const QString& source) { return context + QChar(0x1F) + source; }

// Context and source of every message of a .ts file.
QSet<QString> tsTexts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    QSet<QString> texts;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            texts.insert(textKey(context, xml.readElementText()));
        }
    }
    return texts;
}

QStringList sorted(const QSet<QString>& texts) {
    QStringList list(texts.cbegin(), texts.cend());
    list.sort();
    list.replaceInStrings(QChar(0x1F), QStringLiteral(": "));
    return list.isEmpty() ? QStringList{QStringLiteral("(none)")} : list;
}

// Translates each listed text into itself between marks, and Qt's own texts
// likewise (Qt's catalogue translates those); any other text is left alone.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(QSet<QString> listed) : listed_(std::move(listed)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString text = QString::fromUtf8(source);
        if (context[0] == 'Q' || listed_.contains(textKey(QString::fromUtf8(context), text))) {
            return kOpen + text + kClose;
        }
        return {};
    }

private:
    QSet<QString> listed_;
};

// Every text a user can see or hear on the window and its controls.
QStringList shownTexts(const QWidget& window) {
    QList<const QWidget*> widgets{&window};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        widgets.append(w);
    }
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        for (const QAction* action : w->actions()) {
            texts << action->text() << action->toolTip();
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            texts << button->text();
        } else if (const auto* line = qobject_cast<const QLineEdit*>(w)) {
            texts << line->text() << line->placeholderText();
        } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
            texts << plain->toPlainText();
        } else if (const auto* rich = qobject_cast<const QTextEdit*>(w)) {
            texts << rich->toPlainText();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            texts << group->title();
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
            }
        }
    }
    return texts;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private slots:
    void tsListsExactlyTheTextsOfTheSources();
    void everyShownTextIsTranslated();
    // Last: it leaves the German translation installed.
    void languageChoosesTheTranslation();
};

void TranslationTest::tsListsExactlyTheTextsOfTheSources() {
    QTemporaryDir dir;
    const QString found = dir.filePath(QStringLiteral("found.ts"));
    QProcess lupdate;
    lupdate.start(
        QStringLiteral(KIVO_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("@" KIVO_TS_SOURCES), QStringLiteral("-ts"), found});
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    const QSet<QString> inSources = tsTexts(found);
    const QSet<QString> inTs = tsTexts(QStringLiteral(KIVO_TS));
    QVERIFY(inSources.size() > 0);
    QVERIFY2(inSources == inTs,
             qPrintable(QStringLiteral("run the update_translations target.\nmissing from the .ts:\n  %1\n"
                                       "no longer in the sources:\n  %2")
                            .arg(sorted(inSources - inTs).join(QStringLiteral("\n  ")),
                                 sorted(inTs - inSources).join(QStringLiteral("\n  ")))));
}

void TranslationTest::everyShownTextIsTranslated() {
    MarkingTranslator translator(tsTexts(QStringLiteral(KIVO_TS)));
    QCoreApplication::installTranslator(&translator);
    QStringList texts;
    {
        ShownWindow main;
        QVERIFY(main.show());
        texts << shownTexts(*main.window);

        // Each entry message, the refusal of a digit, then the result page.
        main.proceed();
        main.setPerson(0, QStringLiteral("Ann"), 1, 1, 1990);
        main.proceed();
        main.setPerson(1, QStringLiteral("Bob"), 30, 2, 1990);
        main.proceed();
        main.setPerson(1, QStringLiteral("Bob"), 31, 4, 1990);
        main.proceed();
        QTest::keyClick(child<QLineEdit>(*main.window, "txtName", 0), Qt::Key_1);
        main.setPerson(1, QStringLiteral("Bob"), 2, 3, 1991);
        main.proceed();
        texts << shownTexts(*main.window);

        frmAbout about;
        texts << shownTexts(about);

        frmExitPromo promo;
        texts << shownTexts(promo);
        const auto submit = [&promo](const QString& name, const QString& email, const QString& friendEmail) {
            child<QLineEdit>(promo, "txtName")->setText(name);
            child<QLineEdit>(promo, "txtEmail")->setText(email);
            child<QLineEdit>(promo, "txtFriendEmail")->setText(friendEmail);
            QTest::mouseClick(child<QPushButton>(promo, "cmdSubmit"), Qt::LeftButton);
        };
        submit(QStringLiteral("Ann"), QStringLiteral("a@b"), QStringLiteral("b@c.d"));
        submit(QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("a@b.c"));
        submit(QString(), QStringLiteral("a@b.c"), QStringLiteral("b@c.d"));
        submit(QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("b@c.d"));
        QTest::keyClick(child<QLineEdit>(promo, "txtEmail"), Qt::Key_Space);

        QCOMPARE(main.platform.messages.size(), 10);
        texts << main.platform.messageTexts();
    }
    QCoreApplication::removeTranslator(&translator);

    // What the user typed and the engine's readings, which stay English.
    const modLoveCompatibility::CalculationState& state = modLoveCompatibility::state();
    QStringList data{QStringLiteral("Ann"), QStringLiteral("Bob")};
    for (const std::string_view text :
         {state.strLifePathShort, state.strDestinyShort, state.strLifePathReading, state.strDestinyReading,
          state.strLifePathRating, state.strDestinyRating}) {
        data << kivo::engineText(text);
    }

    const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
    QStringList untranslated;
    for (const QString& shown : texts) {
        QString text = shown;
        for (qsizetype before = -1; before != text.size();) {
            before = text.size();
            text.remove(marked);
        }
        for (const QString& known : data) {
            text.remove(known);
        }
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); })) {
            untranslated << shown;
        }
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TranslationTest::languageChoosesTheTranslation() {
    QVERIFY(!installTranslation(QLocale(QLocale::English, QLocale::Germany)));
    QCOMPARE(QCoreApplication::translate("frmMain", "&File"), QStringLiteral("&File"));
    QVERIFY(!installTranslation(QLocale(QLocale::French, QLocale::France)));
    QVERIFY(installTranslation(QLocale(QLocale::German, QLocale::Austria)));
    QCOMPARE(QCoreApplication::translate("frmMain", "&File"), QStringLiteral("&Datei"));
}

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
