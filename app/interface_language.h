// The language of the window's texts, chosen once at start-up from the
// person's locale: the program's own translation and Qt's (file dialogs,
// print preview, standard buttons) follow it together.
#pragma once

#include <QStringList>

#include "graph/table_check_texts.h"

namespace app {

// Russian when the first of `uiLanguages` is Russian or names no language
// (C, POSIX, nothing), so that a plain start reads as the Russian source
// texts; English for English and every other language.
graph::Language LanguageFor(const QStringList& uiLanguages);

// Chooses the language from QLocale::uiLanguages(), which follows LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, and installs the program's and Qt's
// translations for it. Call once, after the application is made.
void LoadTranslations();

// The language LoadTranslations chose; Russian until it is called.
graph::Language InterfaceLanguage();

}  // namespace app
