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
    send(ann, toserver::pickcatagory(1, 6));
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
