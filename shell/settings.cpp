#include "shell/settings.h"

#include "messaging/errors.h"
#include "resources/wordlists.h"
#include "shell/inifile.h"

namespace pictova {

namespace {

const QString kSection = QString::fromLatin1(kSettingsSection);

// A font size outside this range cannot be drawn (zero or less) or would bury the chat log.
constexpr int kSmallestTextsize = 1;
constexpr int kLargestTextsize = 72;

ColourValue readColour(const IniFile& ini, const QString& key, const QString& missing, ColourValue unreadable)
{
    try {
        return colourtext::read(ini.readString(kSection, key, missing));
    } catch (const PictovaError&) {
        return unreadable;
    }
}

QString phraseKey(int number)
{
    return QStringLiteral("Phrase%1").arg(number);
}

// One key written alone, the rest of the file kept as it was.
void writeKey(const QString& path, const QString& key, const QString& value)
{
    IniFile ini(path);
    ini.writeString(kSection, key, value);
    ini.save();
}

} // namespace

LoadedSettings loadSettings(const QString& path, int currentSnapcount)
{
    const IniFile ini(path);
    LoadedSettings loaded;

    loaded.textsize = ini.readInteger(kSection, QStringLiteral("Textsize"), 8);
    if (loaded.textsize < kSmallestTextsize || loaded.textsize > kLargestTextsize)
        loaded.textsize = 8;
    loaded.textsizeItemExists =
        loaded.textsize == 8 || loaded.textsize == 10 || loaded.textsize == 12 || loaded.textsize == 14;
    loaded.snapcount = ini.readInteger(kSection, QStringLiteral("Snapcount"), currentSnapcount);
    loaded.textcolour =
        readColour(ini, QStringLiteral("Textcolor"), QStringLiteral("clmaroon"), rgbColour(0x80, 0, 0));
    loaded.actioncolour =
        readColour(ini, QStringLiteral("Actioncolor"), QStringLiteral("clblack"), rgbColour(0, 0, 0));
    for (int n = 1; n <= kPhraseCount; ++n)
        loaded.phrases.append(ini.readString(kSection, phraseKey(n), QString()));
    loaded.playsounds =
        ini.readString(kSection, QStringLiteral("Playsounds"), QString()) != QLatin1String("false");
    return loaded;
}

void saveSettings(const QString& path, const SavedSettings& settings)
{
    IniFile ini(path);
    ini.writeString(kSection, QStringLiteral("Textsize"), QString::number(settings.textsize));
    ini.writeString(kSection, QStringLiteral("Snapcount"), QString::number(settings.snapcount));
    ini.writeString(kSection, QStringLiteral("Textcolor"), colourtext::write(settings.textcolour));
    ini.writeString(kSection, QStringLiteral("Actioncolor"), colourtext::write(settings.actioncolour));
    ini.writeString(kSection, QStringLiteral("Playsounds"),
                    settings.playsounds ? QStringLiteral("true") : QStringLiteral("false"));
    ini.save();
}

void savePhrases(const QString& path, const QStringList& phrases)
{
    IniFile ini(path);
    for (int n = 1; n <= kPhraseCount; ++n)
        ini.writeString(kSection, phraseKey(n), n <= phrases.size() ? phrases[n - 1] : QString());
    ini.save();
}

QString loadWordFolder(const QString& path)
{
    return IniFile(path).readString(kSection, QStringLiteral("WordFolder"), QString());
}

void saveWordFolder(const QString& path, const QString& folder)
{
    writeKey(path, QStringLiteral("WordFolder"), folder);
}

QString loadWordsLanguage(const QString& path)
{
    const QString code = IniFile(path).readString(kSection, QStringLiteral("WordsLanguage"), QString());
    for (const WordLanguage& language : kWordLanguages)
        if (code == QLatin1String(language.code))
            return code;
    return QString::fromLatin1(kDefaultWordLanguage);
}

void saveWordsLanguage(const QString& path, const QString& language)
{
    writeKey(path, QStringLiteral("WordsLanguage"), language);
}

QString loadUiLanguage(const QString& path)
{
    return IniFile(path).readString(kSection, QStringLiteral("WindowLanguage"), QString());
}

void saveUiLanguage(const QString& path, const QString& language)
{
    writeKey(path, QStringLiteral("WindowLanguage"), language);
}

StartChoices loadStartChoices(const QString& path)
{
    const IniFile ini(path);
    StartChoices choices;
    choices.playto = ini.readInteger(kSection, QStringLiteral("StartPlayTo"), choices.playto);
    choices.seconds = ini.readInteger(kSection, QStringLiteral("StartSeconds"), choices.seconds);
    choices.team = ini.readString(kSection, QStringLiteral("StartTeam"), QString()) == QLatin1String("true");
    choices.revealLetters =
        ini.readString(kSection, QStringLiteral("StartRevealLetters"), QString()) != QLatin1String("false");
    return choices;
}

void saveStartChoices(const QString& path, const StartChoices& choices)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    IniFile ini(path);
    ini.writeString(kSection, QStringLiteral("StartPlayTo"), QString::number(choices.playto));
    ini.writeString(kSection, QStringLiteral("StartSeconds"), QString::number(choices.seconds));
    ini.writeString(kSection, QStringLiteral("StartTeam"), flag(choices.team));
    ini.writeString(kSection, QStringLiteral("StartRevealLetters"), flag(choices.revealLetters));
    ini.save();
}

} // namespace pictova
