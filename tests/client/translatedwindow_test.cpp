// The window in other languages: every text has its translation, the translated windows hold their
// texts at every scale, and Options > Language changes the window at once and is remembered.
#include "board/drawertoolbar.h"
#include "client/boardheader.h"
#include "client/categorychooser.h"
#include "client/gamemenus.h"
#include "client/gameviews.h"
#include "tests/client/clientfixture.h"

#include "client/uiscale.h"
#include "invite/view/invitedialog.h"
#include "shell/apppaths.h"
#include "shell/dialogzoom.h"
#include "shell/gamestartform.h"
#include "shell/settings.h"
#include "shell/zoomsetting.h"
#include "tests/support/secondarywindows.h"
#include "translations/uilanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

using namespace pictova;

namespace {

struct Entry
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

QList<Entry> readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            entries.append({context, xml.readElementText(), {}, false});
        } else if (xml.name() == u"translation" && !entries.isEmpty()) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            entries.last().finished = type.isEmpty();
            entries.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Entry>{} : entries;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

TEST(TranslationFiles, EveryLanguageTranslatesEveryTextWithItsPlaceholders)
{
    QList<Entry> first;
    for (const UiLanguage& language : kUiLanguages) {
        if (QLatin1String(language.code) == QLatin1String("en"))
            continue;
        SCOPED_TRACE(language.code);
        const QList<Entry> entries =
            readTs(QStringLiteral(PICTOVA_SOURCE_DIR "/translations/pictova_%1.ts").arg(language.code));
        ASSERT_GT(entries.size(), 200);
        for (const Entry& entry : entries) {
            const QString where = entry.context + QStringLiteral(": ") + entry.source.left(60);
            EXPECT_TRUE(entry.finished) << qPrintable(where);
            EXPECT_FALSE(entry.translation.trimmed().isEmpty()) << qPrintable(where);
            EXPECT_EQ(placeholders(entry.translation), placeholders(entry.source)) << qPrintable(where);
        }
        // The languages translate the same texts.
        if (first.isEmpty())
            first = entries;
        ASSERT_EQ(entries.size(), first.size());
        for (qsizetype i = 0; i < entries.size(); ++i)
            EXPECT_EQ(entries[i].source, first[i].source);
    }
}

QList<test::NamedWindow> dialogs()
{
    return test::secondaryWindows() +
           QList<test::NamedWindow>{
               {"spectators", [] { return std::make_unique<SpectatorList>(); }},
               {"invite",
                [] {
                    auto invite = std::make_unique<InviteDialog>(nullptr);
                    invite->setLink(QStringLiteral("http://192.168.1.20:7780/"));
                    return invite;
                }},
               {"question",
                [] {
                    return std::make_unique<QMessageBox>(
                        QMessageBox::Question, QStringLiteral("Pictova"),
                        QCoreApplication::translate(
                            "pictova::prompts",
                            "A game is running. Start a new one? Every score goes back to 0."),
                        QMessageBox::Yes | QMessageBox::No);
                }},
           };
}

// No text is cut: every label and button that shows is at least as large as its text needs, or
// as high as its wrapped text needs at its width.
void expectTextsWhole(QWidget& window)
{
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if ((!label && !button) || widget->window() != &window || !widget->isVisibleTo(&window) ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // Lines of names and hints the window cuts on purpose.
        if (widget->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            continue;
        // Pictures and icons are sized by their own rules; only text is looked at here.
        if (label ? label->text().isEmpty() : button->text().isEmpty())
            continue;
        const QString name =
            QStringLiteral("%1 \"%2\"").arg(widget->objectName(), label ? label->text() : button->text());
        if (label && label->wordWrap()) {
            EXPECT_GE(widget->height(), widget->heightForWidth(widget->width())) << qPrintable(name);
            continue;
        }
        const QSize needs = widget->minimumSizeHint().expandedTo(widget->minimumSize());
        EXPECT_GE(widget->width(), needs.width()) << qPrintable(name);
        EXPECT_GE(widget->height(), needs.height()) << qPrintable(name);
        if (button) {
            const int text = widget->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
            EXPECT_GE(widget->width(), text) << qPrintable(name);
        }
    }
}

class TranslatedWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        overrideDataFolder(m_data.path());
    }
    void TearDown() override
    {
        applyUiLanguage(QStringLiteral("en"));
        DialogZoom::instance()->setZoom(1.0);
        overrideDataFolder(QString());
    }
    QTemporaryDir m_data;
};

// German has the longest texts of the five; the others are held to the same.
TEST_F(TranslatedWindowTest, EveryDialogHoldsItsTextsAtOneHundredPercentAndAtTheLargestScale)
{
    for (const UiLanguage& language : kUiLanguages) {
        applyUiLanguage(QString::fromLatin1(language.code));
        for (qreal zoom : {1.0, kZoomSteps.back() / 100.0}) {
            DialogZoom::instance()->setZoom(zoom);
            for (const test::NamedWindow& window : dialogs()) {
                SCOPED_TRACE(QStringLiteral("%1, %2 at %3")
                                 .arg(QLatin1String(language.code), QLatin1String(window.name))
                                 .arg(zoom)
                                 .toStdString());
                std::unique_ptr<QWidget> open = window.make();
                open->show();
                QCoreApplication::processEvents();
                expectTextsWhole(*open);
            }
        }
    }
}

// The file dialog that picks a word folder, and a text field's menu, are Qt's own.
TEST_F(TranslatedWindowTest, QtsOwnTextsFollowTheLanguage)
{
    for (const UiLanguage& language : kUiLanguages) {
        applyUiLanguage(QString::fromLatin1(language.code));
        const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
        EXPECT_EQ(lookIn == QLatin1String("Look in:"), QLatin1String(language.code) == QLatin1String("en"))
            << language.code << " " << qPrintable(lookIn);
    }
}

// With the panels a turn shows: the category choice, the drawer's tools and the winner.
TEST_F(TranslatedWindowTest, TheGameWindowHoldsItsTextsAtEveryStep)
{
    for (const UiLanguage& language : kUiLanguages) {
        applyUiLanguage(QString::fromLatin1(language.code));
        GameWindow window;
        window.uiScale().setRoom([] { return QSize(4000, 3000); });
        window.show();
        window.views().categoryChooser().showChoosing();
        window.views().toolbar().show();
        window.views().toolbar().findChild<QWidget*>(QStringLiteral("button_undo"))->show();
        for (int step : kZoomSteps) {
            SCOPED_TRACE(
                QStringLiteral("%1 at %2 %").arg(QLatin1String(language.code)).arg(step).toStdString());
            window.uiScale().choose(step);
            QCoreApplication::processEvents();
            expectTextsWhole(window);
        }
    }
}

class LanguageMenuTest : public test::ClientFixture
{
protected:
    void TearDown() override
    {
        applyUiLanguage(QStringLiteral("en"));
        ClientFixture::TearDown();
    }
    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction* menu : m_chat->menuBar()->actions())
            titles << menu->text();
        return titles;
    }
    QAction* languageItem(const QString& name) const
    {
        return m_chat->menuBar()->findChild<QAction*>(QStringLiteral("Language_%1").arg(name));
    }
};

TEST_F(LanguageMenuTest, ChoosingALanguageRetranslatesTheOpenWindowAndIsRemembered)
{
    const QStringList english{QStringLiteral("&File"), QStringLiteral("&Options"), QStringLiteral("&View"),
                              QStringLiteral("&Help")};
    EXPECT_EQ(menuTitles(), english);
    QStringList offered;
    for (QAction* item : m_chat->menus().languageItems())
        offered << item->text();
    EXPECT_EQ(offered, (QStringList{QStringLiteral("System default"), QStringLiteral("English"),
                                    QStringLiteral("Deutsch"), QString::fromUtf8("Français"),
                                    QString::fromUtf8("Español"), QString::fromUtf8("Português (Brasil)")}));

    const struct
    {
        const char* code;
        QStringList titles;
        const char* hostItem;
        const char* startButton;
        const char* emptySeat;
        const char* chatPrompt;
    } cases[] = {
        {"de",
         {"&Datei", "&Optionen", "&Ansicht", "&Hilfe"},
         "Spiel eröffnen…",
         "Spiel starten",
         "<Wartet>",
         "<Chat hier eingeben>"},
        {"fr",
         {"&Fichier", "&Options", "&Affichage", "Ai&de"},
         "Héberger une partie…",
         "Lancer la partie",
         "<En attente>",
         "<Écrivez ici pour discuter>"},
        {"en", english, "Host a Game…", "Start Game", "<Waiting>", "<Enter Chat Here>"},
    };
    // The Start button is a picture with words on it.
    const auto startFace = [this] {
        return m_chat->views().header().startButton()->icon().pixmap(QSize(100, 15)).toImage();
    };
    const QImage englishFace = startFace();
    for (const auto& language : cases) {
        SCOPED_TRACE(language.code);
        languageItem(QString::fromLatin1(language.code))->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(menuTitles(), language.titles);
        EXPECT_EQ(m_chat->findChild<QAction*>(QStringLiteral("HostAGame1"))->text(),
                  QString::fromUtf8(language.hostItem));
        // A window built before the change follows it too.
        EXPECT_EQ(m_startform->findChild<QPushButton*>(QStringLiteral("startButton"))->text(),
                  QString::fromUtf8(language.startButton));
        EXPECT_EQ(m_chat->findChild<QLabel*>(QStringLiteral("label_playername2"))->text(),
                  QString::fromUtf8(language.emptySeat));
        EXPECT_EQ(m_chat->findChild<QLineEdit*>(QStringLiteral("mychat"))->text(),
                  QString::fromUtf8(language.chatPrompt));
        EXPECT_EQ(startFace() == englishFace, QLatin1String(language.code) == QLatin1String("en"));
        EXPECT_TRUE(languageItem(QString::fromLatin1(language.code))->isChecked());
        EXPECT_EQ(loadUiLanguage(settingsFilePath()), QString::fromLatin1(language.code));
        // The server's own lines are asked for in the same language.
        EXPECT_EQ(m_chat->session().language(), QString::fromLatin1(language.code));
    }
    // Qt's own buttons of the message boxes read in the chosen language too.
    languageItem(QStringLiteral("de"))->trigger();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Pictova"), QString(),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));

    languageItem(QStringLiteral("system"))->trigger();
    EXPECT_EQ(loadUiLanguage(settingsFilePath()), QString());
    EXPECT_TRUE(languageItem(QStringLiteral("system"))->isChecked());
}

TEST(UiLanguage, TheSystemLanguageFallsBackToEnglish)
{
    EXPECT_EQ(resolvedUiLanguage(QStringLiteral("pt_BR")), QStringLiteral("pt_BR"));
    const QLocale before;
    for (const auto& [system, expected] : {std::pair{"de_AT", "de"},
                                           {"fr_CA", "fr"},
                                           {"pt_PT", "pt_BR"},
                                           {"es_MX", "es"},
                                           {"ja_JP", "en"},
                                           {"C", "en"}}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(system)));
        EXPECT_EQ(resolvedUiLanguage(QStringLiteral("xx")), QString::fromLatin1(expected)) << system;
    }
    QLocale::setDefault(before);
}

} // namespace
