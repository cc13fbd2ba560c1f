#include "app/program/Translation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

bool installTranslation(const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        if (QLocale(language).language() == QLocale::English) {
            return false;
        }
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (translator->load(QStringLiteral("kivo_") + language, QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(translator.release());
            return true;
        }
    }
    return false;
}
