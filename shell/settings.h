#pragma once

#include "messaging/colourtext.h"

#include <QString>
#include <QStringList>

namespace pictova {

// The player's preferences in "orvilobby.ini", section "Pictova".
inline constexpr const char* kSettingsSection = "Pictova";
inline constexpr int kPhraseCount = 10;

struct LoadedSettings
{
    int textsize = 8;
    bool textsizeItemExists = true; // the "Text Size" menu has items 8, 10, 12 and 14 only
    int snapcount = 0;
    ColourValue textcolour = rgbColour(0x80, 0, 0);
    ColourValue actioncolour = rgbColour(0, 0, 0);
    QStringList phrases; // kPhraseCount entries; an empty one keeps the built-in text
    bool playsounds = true;
};

// Every key with its default when missing and its fallback when unreadable; never throws.
LoadedSettings loadSettings(const QString& path, int currentSnapcount);

struct SavedSettings
{
    int textsize = 8;
    int snapcount = 0;
    ColourValue textcolour = rgbColour(0x80, 0, 0);
    ColourValue actioncolour = rgbColour(0, 0, 0);
    bool playsounds = true;
};

// Writes Textsize, Snapcount, Textcolor, Actioncolor and Playsounds, keeping everything else in
// the file. The file is replaced whole or not at all; a failure throws
// PictovaError("Unable to write to <path>").
void saveSettings(const QString& path, const SavedSettings& settings);

// Writes "Phrase1".."Phrase10", empty ones included; the same failure as saveSettings.
void savePhrases(const QString& path, const QStringList& phrases);

// The folder of own word lists the host chose last ("WordFolder"); empty for the built-in words.
QString loadWordFolder(const QString& path);
// Writes "WordFolder"; the same failure as saveSettings.
void saveWordFolder(const QString& path, const QString& folder);
// The language of the built-in words the host chose last ("WordsLanguage", a key the first version
// passes by): a code of kWordLanguages, "en" where missing or unknown.
QString loadWordsLanguage(const QString& path);
// Writes "WordsLanguage"; the same failure as saveSettings.
void saveWordsLanguage(const QString& path, const QString& language);

// The language the player chose for the window ("WindowLanguage", a key the first version passes
// by); empty for the system's language.
QString loadUiLanguage(const QString& path);
// Writes "WindowLanguage"; the same failure as saveSettings.
void saveUiLanguage(const QString& path, const QString& language);

// The start dialog's last choices. Their keys are new: a first-version copy reading the same
// file passes them by.
struct StartChoices
{
    int playto = 20;
    int seconds = 120;
    bool team = false;
    bool revealLetters = true;
};
// "StartPlayTo", "StartSeconds", "StartTeam", "StartRevealLetters"; defaults where missing or
// unreadable (the dialog keeps the numbers within its ranges).
StartChoices loadStartChoices(const QString& path);
// Writes those keys; the same failure as saveSettings.
void saveStartChoices(const QString& path, const StartChoices& choices);

} // namespace pictova
