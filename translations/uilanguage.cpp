#include "translations/uilanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace pictova {

namespace {

// Qt labels the standard buttons of the message boxes and dialogs with these texts; they are
// translated with ours, so a box reads in one language.
[[maybe_unused]] const char* const kStandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};

bool known(const QString& code)
{
    for (const UiLanguage& language : kUiLanguages)
        if (code == QLatin1String(language.code))
            return true;
    return false;
}

} // namespace

QString systemUiLanguage()
{
    for (const QString& name : QLocale().uiLanguages()) {
        const QLocale locale(name);
        // Portuguese from Portugal reads Brazilian text far better than English.
        if (locale.language() == QLocale::Portuguese)
            return QStringLiteral("pt_BR");
        const QString language = QLocale::languageToCode(locale.language());
        if (known(language))
            return language;
    }
    return QStringLiteral("en");
}

QString resolvedUiLanguage(const QString& code)
{
    return known(code) ? code : systemUiLanguage();
}

QString applyUiLanguage(const QString& code)
{
    static std::unique_ptr<QTranslator> installed;
    // Qt's own texts (the file dialog, a text field's menu), where the system has them.
    static std::unique_ptr<QTranslator> installedQt;
    const QString language = resolvedUiLanguage(code);
    for (std::unique_ptr<QTranslator>* old : {&installed, &installedQt})
        if (*old) {
            QCoreApplication::removeTranslator(old->get());
            old->reset();
        }
    // English is the source text itself: nothing to load. Removing and installing a translator
    // each tells every window.
    if (language != QLatin1String("en")) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/pictova_%1.qm").arg(language))) {
            QCoreApplication::installTranslator(translator.get());
            installed = std::move(translator);
        }
        auto qtTexts = std::make_unique<QTranslator>();
        if (qtTexts->load(QStringLiteral("qtbase_%1").arg(language),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTexts.get());
            installedQt = std::move(qtTexts);
        }
    }
    return language;
}

} // namespace pictova
