// The interface language and its translators; see interface_language.h.
#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

graph::Language& Chosen() {
    static graph::Language language = graph::Language::Russian;
    return language;
}

// Installs the catalogue `name` from `folder` when it is there; a missing
// one leaves those texts in their source language.
void Install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

graph::Language LanguageFor(const QStringList& uiLanguages) {
    const QString first = uiLanguages.value(0);
    if (first.isEmpty() || first == u"C" || first == u"POSIX" ||
        QLocale(first).language() == QLocale::Russian) {
        return graph::Language::Russian;
    }
    return graph::Language::English;
}

void LoadTranslations() {
    Chosen() = LanguageFor(QLocale::system().uiLanguages());
    const QString suffix =
        Chosen() == graph::Language::Russian ? QStringLiteral("ru") : QStringLiteral("en");
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(QStringLiteral("qtbase_") + suffix, qtFolder);
    Install(QStringLiteral("qt_") + suffix, qtFolder);
    if (Chosen() == graph::Language::English) {
        Install(QStringLiteral("graphway_en"), QStringLiteral(":/i18n"));
    }
}

graph::Language InterfaceLanguage() { return Chosen(); }

}  // namespace app
