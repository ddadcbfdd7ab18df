#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace pictova {

inline constexpr int kCategoryCount = 7;

// A language the compiled-in words come in: its code (as on the command line and in the settings
// file) and its name as its speakers write it.
struct WordLanguage
{
    const char* code;
    const char* name;
};
inline constexpr std::array<WordLanguage, 5> kWordLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7"
           "ais"},
    {"es", "Espa\xC3\xB1ol"},
    {"pt_BR", "Portugu\xC3\xAAs (Brasil)"},
}};
inline constexpr const char* kDefaultWordLanguage = "en";

bool isWordLanguage(const QString& code);
// The codes of kWordLanguages, in order.
QStringList wordLanguageCodes();

// The compiled-in word list of a category 0..6 in a language of kWordLanguages, one entry per
// line, in stored order. Empty for an unknown category or language.
QStringList loadWordList(int category, const QString& language = QString::fromLatin1(kDefaultWordLanguage));

} // namespace pictova
