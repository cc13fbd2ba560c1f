#pragma once
// The user's language for the program's own texts.

#include <QLocale>

// Installs the compiled-in translation (":/i18n/kivo_<language>.qm") for the
// first of the locale's languages that has one. English, the language the
// texts are written in, needs none: a user who prefers it before any
// translated language gets nothing loaded. True when a translation was
// installed.
bool installTranslation(const QLocale& locale = QLocale());
