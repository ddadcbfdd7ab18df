#pragma once

#include <QString>
#include <array>

namespace pictova {

// A language the window can be shown in: its code (the translation file's suffix) and its name
// written in itself, as the Language menu lists it.
struct UiLanguage
{
    const char* code;
    const char* name;
};

inline constexpr std::array<UiLanguage, 5> kUiLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
    {"pt_BR", "Português (Brasil)"},
}};

// The language of kUiLanguages nearest the system's, English where none is near.
QString systemUiLanguage();
// `code` when it is one of kUiLanguages; otherwise the system's.
QString resolvedUiLanguage(const QString& code);
// Shows the program's texts in `code` (resolved as above) from now on; widgets that keep their
// texts live are told by a LanguageChange event. Returns the language now shown.
QString applyUiLanguage(const QString& code);

} // namespace pictova
