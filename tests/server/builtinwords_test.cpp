// The compiled-in words of every language, and own words in other scripts: read through the
// word folder's filter, dealt, judged and hinted as any player's words are.
#include "messaging/catalogue.h"
#include "messaging/wire.h"
#include "server/judge.h"
#include "server/letterhints.h"
#include "server/wordfolder.h"
#include "tests/server/serverfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pictova::test {
namespace {

// Every language's lists are this long at least once the filter has had them.
constexpr qsizetype kMinEntries = 200;

QString resourceOf(int category, const QString& language)
{
    const QString file = QString::fromLatin1(WordFolder::kFileNames[category]);
    return language == QLatin1String("en") ? QStringLiteral(":/wordlists/") + file
                                           : QStringLiteral(":/wordlists/%1/%2").arg(language, file);
}

// Whether a guess, word by word as the server judges it, completes the phrase dealt for `entry`.
bool completes(const QString& entry, const QString& guess)
{
    const QString phrase = upperCase(entry);
    QString hint = WordChoice::sortphrase(phrase);
    for (const judge::Word& word : judge::words(guess, judge::judgedWords(phrase)))
        judge::reveal(phrase, hint, word.key);
    return judge::isComplete(phrase, hint);
}

bool isBuiltIn(const QString& entry, const QString& language)
{
    for (int category = 0; category < kCategoryCount; ++category)
        if (loadWordList(category, language).contains(entry))
            return true;
    return false;
}

TEST(BuiltInWords, EveryLanguagePassesTheOwnWordsFilterWithTwoHundredEntriesACategory)
{
    EXPECT_EQ(wordLanguageCodes(), QStringList({"en", "de", "fr", "es", "pt_BR"}));
    for (const QString& language : wordLanguageCodes()) {
        for (int category = 0; category < kCategoryCount; ++category) {
            SCOPED_TRACE((language + QLatin1Char('/') + QString::fromLatin1(WordFolder::kFileNames[category]))
                             .toStdString());
            const QStringList loaded = loadWordList(category, language);
            QFile file(resourceOf(category, language));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_LE(bytes.size(), WordFolder::kMaxFileBytes);
            const WordFolder::FileEntries parsed = WordFolder::parseFile(bytes, file.fileName());
            for (const WordFolder::Problem& problem : parsed.problems)
                ADD_FAILURE() << problem.line << ": " << problem.what.toStdString();
            EXPECT_GE(parsed.entries.size(), kMinEntries);
            EXPECT_EQ(parsed.entries, loaded);
            EXPECT_EQ(WordChoice::builtIn(language)[category], loaded);
            EXPECT_EQ(QSet<QString>(loaded.begin(), loaded.end()).size(), loaded.size()) << "an entry twice";
        }
    }
    EXPECT_TRUE(loadWordList(0, QStringLiteral("xx")).isEmpty());
    EXPECT_TRUE(WordChoice::builtIn(QStringLiteral("pt")).at(0).isEmpty());
}

TEST(BuiltInWords, AccentsAndCaseNeverDecideAGuessInAnyLanguage)
{
    struct Case
    {
        const char* language;
        const char* entry; // as the list writes it
        const char* guess; // without its accents, or in other case
        const char* nearMiss;
    };
    const Case cases[] = {
        {"de", "Schlüssel", "schlussel", "schlusse"},
        {"de", "Straßenbahn", "STRASSENBAHN", "strassenbahm"},
        {"de", "Fußball spielen", "fussball SPIELEN", "fusball spielen"},
        {"de", "Kühlschrank", "KUHLSCHRANK", "kuhlschranx"},
        {"fr", "crème brûlée", "creme brulee", "creme brule"},
        {"fr", "château", "CHATEAU", "chapeau"},
        {"fr", "impossible n'est pas français", "IMPOSSIBLE nest pas francais",
         "impossible n'est pas francis"},
        {"fr", "bœuf bourguignon", "BOEUF bourguignon", "boeuf bourguignonne"},
        {"fr", "île déserte", "ILE DESERTE", "ile desert"},
        {"es", "pingüino", "PINGUINO", "pinguina"},
        {"es", "piña", "pina", "pino"},
        {"es", "estación espacial", "estacion ESPACIAL", "estacion especial"},
        {"es", "camión de bomberos", "Camion De Bomberos", "camion de bombero"},
        {"pt_BR", "pão de queijo", "pao de queijo", "pao de queija"},
        {"pt_BR", "coração", "CORACAO", "coracoa"},
        {"pt_BR", "avião", "Aviao", "aviso"},
        {"pt_BR", "maçã", "MACA", "mala"},
    };
    for (const Case& c : cases) {
        const QString language = QString::fromLatin1(c.language);
        const QString entry = QString::fromUtf8(c.entry);
        SCOPED_TRACE((language + QLatin1Char(' ') + entry).toStdString());
        EXPECT_TRUE(isBuiltIn(entry, language));
        EXPECT_TRUE(completes(entry, entry));
        EXPECT_TRUE(completes(entry, QString::fromUtf8(c.guess)));
        EXPECT_FALSE(completes(entry, QString::fromUtf8(c.nearMiss)));
    }
}

// Own words in scripts without case, written right to left, or without blanks between words:
// read through the folder's filter, then hinted, revealed and judged letter for letter. Vowel
// signs (Arabic harakat, Hebrew points) are no letters of their own: no blank of the hint, never
// revealed alone, and a guess need not type them.
TEST(OwnWordsInOtherScripts, ShowTheirLettersAsBlanksAndAreJudgedAsWritten)
{
    struct Case
    {
        const char* entry;
        int letters;         // letters a reader counts
        const char* guesses; // "|" between guesses that complete the phrase
        const char* nearMiss;
    };
    const Case cases[] = {
        {"قطة", 3, "قطة", "قط"},                           // Arabic
        {"بيت كبير", 7, "بيت كبير|كبير بيت", "بيت كبيرة"}, // Arabic, two words
        {"كِتَاب", 4, "كِتَاب|كتاب", "كتب"},                   // Arabic with its vowel signs
        {"חתול", 4, "חתול", "חתולה"},                      // Hebrew
        {"בית ספר", 6, "בית ספר", "בית ספרים"},            // Hebrew, two words
        {"שָׁלוֹם", 4, "שלום|שָׁלוֹם", "שלומי"},                 // Hebrew with its points
        {"ねこ", 2, "ねこ", "ねご"},                       // Japanese: a voicing mark makes another letter
        {"さくらの木", 5, "さくらの木", "さくらの"},
        {"ラーメン", 4, "ラーメン", "ラメン"},
        {"Кошка", 5, "кошка|КОШКА|Кошка", "кошки"}, // Cyrillic, in any case
        {"белый медведь", 12, "БЕЛЫЙ медведь", "белый медвед"},
        {"ёлка", 4, "ЁЛКА|елка", "ёлки"},
    };
    QByteArray file = "\xEF\xBB\xBF# scripts\n";
    for (const Case& c : cases)
        file += QByteArray(c.entry) + "\r\n";
    const WordFolder::FileEntries parsed = WordFolder::parseFile(file, QStringLiteral("general.txt"));
    EXPECT_TRUE(parsed.problems.isEmpty());
    ASSERT_EQ(parsed.entries.size(), std::size(cases));

    for (qsizetype i = 0; i < parsed.entries.size(); ++i) {
        const Case& c = cases[i];
        const QString entry = parsed.entries.at(i);
        SCOPED_TRACE(entry.toStdString());
        EXPECT_EQ(entry, QString::fromUtf8(c.entry));
        const QString phrase = upperCase(entry);
        const QString hint = WordChoice::sortphrase(phrase);
        ASSERT_EQ(hint.size(), phrase.size() + 1);
        EXPECT_EQ(hint.count(QLatin1Char('_')), c.letters) << hint.toStdString();
        // Every letter may show but the last of each word, and only letters do.
        const QList<qsizetype> places = letterhints::candidates(phrase, hint);
        EXPECT_EQ(places.size(), c.letters - phrase.split(QLatin1Char(' ')).size());
        for (const qsizetype place : places) {
            QString shown = hint;
            letterhints::show(phrase, shown, place);
            EXPECT_EQ(shown.count(QLatin1Char('_')), c.letters - 1);
            EXPECT_TRUE(phrase.at(place).isLetter());
        }
        for (const QString& guess : QString::fromUtf8(c.guesses).split(QLatin1Char('|')))
            EXPECT_TRUE(completes(entry, guess)) << guess.toStdString();
        EXPECT_FALSE(completes(entry, QString::fromUtf8(c.nearMiss)));
    }
}

using BuiltInWordsGame = ServerFixture;

TEST_F(BuiltInWordsGame, TheServerDealsInTheLanguageChosenAndInEnglishUntilThen)
{
    // Until a language is chosen the words are the English ones, as they always were.
    const WordChoice fresh;
    for (int category = 0; category < kCategoryCount; ++category)
        EXPECT_EQ(fresh.list(category), WordChoice::builtIn(QStringLiteral("en"))[category]) << category;
    server->setWordLanguage(QStringLiteral("es"));
    ProtoClient* ann = join("Ann");
    join("Bob");
    startGame(false, 20, 60);
    send(ann, toserver::pickCategory(1, 6));
    tickToDeal();
    barrier();
    QStringList dealt;
    for (const QString& entry : loadWordList(6, QStringLiteral("es")))
        dealt << QStringLiteral("CMD_givedraweranswer+") + upperCase(entry);
    const QStringList answer = named(ann, cmd::givedraweranswer);
    ASSERT_EQ(answer.size(), 1);
    EXPECT_TRUE(dealt.contains(answer.first())) << answer.first().toStdString();
}

} // namespace
} // namespace pictova::test
