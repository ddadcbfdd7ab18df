#include "shell/gamestartform.h"

#include "messaging/errors.h"
#include "shell/apppaths.h"
#include "shell/background.h"
#include "shell/settings.h"
#include "shell/updown.h"
#include "translations/livetexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace pictova {

namespace {

const QColor kDialogBase{0x9C, 0x98, 0x78};
QString joinedNote()
{
    return QCoreApplication::translate("pictova::GameStartForm",
                                       "Only the copy that hosts the game can use its own words.");
}

QString noLettersNote()
{
    return QCoreApplication::translate("pictova::GameStartForm",
                                       "This game's server does not offer letter hints.");
}

QString revealTip()
{
    return QCoreApplication::translate("pictova::GameStartForm",
                                       "Guessers see one letter of the answer at half the turn's time and "
                                       "another at three quarters.");
}

} // namespace

GameStartForm::GameStartForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_playtoscore(new QLineEdit(this)),
      m_playtoArrows(new UpDown(this)), m_timeperturn(new QLineEdit(this)), m_timeArrows(new UpDown(this)),
      m_team(new QCheckBox(this)), m_revealLetters(new QCheckBox(this)), m_words(new QComboBox(this)),
      m_wordsNote(new QLabel(this)), m_start(new QPushButton(this))
{
    setObjectName(QStringLiteral("gamestartform"));
    auto* texts = new LiveTexts(this);

    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, kMaroon);
    setPalette(colours);

    m_playtoscore->setObjectName(QStringLiteral("playtoscore"));
    m_playtoArrows->setObjectName(QStringLiteral("playtoArrows"));
    m_timeperturn->setObjectName(QStringLiteral("timeperturn"));
    m_timeArrows->setObjectName(QStringLiteral("timeArrows"));
    for (QLineEdit* field : {m_playtoscore, m_timeperturn}) {
        // Digits only; the number is put within the field's limits once the typing is done.
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
        connect(field, &QLineEdit::editingFinished, this, &GameStartForm::takeTyped);
    }

    m_team->setObjectName(QStringLiteral("team"));
    m_start->setObjectName(QStringLiteral("startButton"));
    m_revealLetters->setObjectName(QStringLiteral("revealLetters"));
    m_revealLetters->setToolTip(revealTip());
    m_words->setObjectName(QStringLiteral("words"));
    for (const WordLanguage& language : kWordLanguages)
        m_words->addItem(QString::fromUtf8(language.name));
    m_words->addItem(QString());
    m_wordsNote->setObjectName(QStringLiteral("wordsNote"));
    m_wordsNote->setWordWrap(true);
    m_wordsNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = m_wordsNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_wordsNote->setFont(small);
    m_start->setFlat(true);
    m_start->setAutoFillBackground(false);

    auto* numbers = new QGridLayout;
    numbers->setHorizontalSpacing(0);
    numbers->setColumnMinimumWidth(1, 12);
    numbers->setColumnStretch(1, 1);
    auto* playtoCaption = new QLabel(this);
    numbers->addWidget(playtoCaption, 0, 0);
    numbers->addWidget(m_playtoscore, 0, 2);
    numbers->addWidget(m_playtoArrows, 0, 3);
    auto* timeCaption = new QLabel(this);
    numbers->addWidget(timeCaption, 1, 0);
    numbers->addWidget(m_timeperturn, 1, 2);
    numbers->addWidget(m_timeArrows, 1, 3);
    auto* words = new QHBoxLayout;
    auto* wordsCaption = new QLabel(this);
    words->addWidget(wordsCaption);
    words->addWidget(m_words, 1);
    auto* layout = new QVBoxLayout(this);
    // Its size follows its text: nothing to drag.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(numbers);
    layout->addWidget(m_team);
    layout->addWidget(m_revealLetters);
    layout->addLayout(words);
    layout->addWidget(m_wordsNote);
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
    texts->add([=, this] {
        setWindowTitle(tr("Pictova - Start Game"));
        m_team->setText(tr("Team Game"));
        m_revealLetters->setText(tr("Reveal letters"));
        m_start->setText(tr("Start Game"));
        m_words->setItemText(kFolderIndex, tr("From folder\u2026"));
        playtoCaption->setText(tr("Play To Score"));
        timeCaption->setText(tr("Time Limit Per Turn"));
        wordsCaption->setText(tr("Words"));
    });
    fitToText();

    connect(m_playtoArrows, &UpDown::up, this, [this] {
        takeTyped();
        m_playto.stepUp();
        showValues();
    });
    connect(m_playtoArrows, &UpDown::down, this, [this] {
        takeTyped();
        m_playto.stepDown();
        showValues();
    });
    connect(m_timeArrows, &UpDown::up, this, [this] {
        takeTyped();
        m_time.stepUp();
        showValues();
    });
    connect(m_timeArrows, &UpDown::down, this, [this] {
        takeTyped();
        m_time.stepDown();
        showValues();
    });
    connect(m_start, &QPushButton::clicked, this, &GameStartForm::startGame);
    connect(m_words, &QComboBox::activated, this, &GameStartForm::wordsChoiceActivated);
    m_picker = [this](const QString& startIn) {
        return QFileDialog::getExistingDirectory(this, tr("Pictova - Word Folder"), startIn);
    };

    setTabOrder(m_team, m_revealLetters);
    setTabOrder(m_revealLetters, m_words);
    setTabOrder(m_words, m_start);
    setTabOrder(m_start, m_playtoscore);
    setTabOrder(m_playtoscore, m_timeperturn);
    showValues();
}

// The number fields hold three digits, and the note two lines of its text, at any text size.
void GameStartForm::fitToText()
{
    for (QLineEdit* field : {m_playtoscore, m_timeperturn}) {
        QStyleOptionFrame frame;
        frame.initFrom(field);
        const int digits = field->fontMetrics().horizontalAdvance(QStringLiteral("0000"));
        field->setFixedWidth(
            field->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(digits, 0), field).width());
    }
    m_wordsNote->setMinimumHeight(2 * m_wordsNote->fontMetrics().lineSpacing());
    m_wordsNote->setMinimumWidth(m_wordsNote->fontMetrics().averageCharWidth() * 36);
}

void GameStartForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
    if (event->type() == QEvent::LanguageChange) {
        setRevealLettersOffered(m_revealLetters->isEnabled());
        setHostsGame(m_hostsGame);
    }
}

QString GameStartForm::playtoText() const
{
    return m_playtoscore->text();
}

QString GameStartForm::timeText() const
{
    return m_timeperturn->text();
}

bool GameStartForm::teamChecked() const
{
    return m_team->isChecked();
}

void GameStartForm::setRevealLettersOffered(bool offered)
{
    m_revealLetters->setEnabled(offered);
    m_revealLetters->setToolTip(offered ? revealTip() : noLettersNote());
}

bool GameStartForm::revealLettersChecked() const
{
    return m_revealLetters->isEnabled() && m_revealLetters->isChecked();
}

void GameStartForm::setHostsGame(bool hosts)
{
    m_hostsGame = hosts;
    m_words->setEnabled(hosts);
    m_words->setToolTip(hosts ? QString() : joinedNote());
    showWordsNote();
}

void GameStartForm::setWordFolderCheck(std::function<WordFolderCheck(const QString&)> check)
{
    m_check = std::move(check);
}

void GameStartForm::setFolderPicker(std::function<QString(const QString&)> picker)
{
    m_picker = std::move(picker);
}

QString GameStartForm::wordFolder() const
{
    return m_hostsGame && m_words->currentIndex() == kFolderIndex ? m_folder : QString();
}

int GameStartForm::languageIndex() const
{
    for (int i = 0; i < kFolderIndex; ++i)
        if (m_language == QLatin1String(kWordLanguages[static_cast<size_t>(i)].code))
            return i;
    return 0;
}

void GameStartForm::wordsChoiceActivated(int index)
{
    if (index >= 0 && index < kFolderIndex) {
        m_folder.clear();
        m_language = QString::fromLatin1(kWordLanguages[static_cast<size_t>(index)].code);
        try {
            saveWordFolder(settingsFilePath(), {});
            saveWordsLanguage(settingsFilePath(), m_language);
        } catch (const PictovaError&) {
            // Not remembering the choice does not stop the game.
        }
        showWordsNote();
        return;
    }
    const QString remembered = m_folder.isEmpty() ? loadWordFolder(settingsFilePath()) : m_folder;
    const QString picked =
        m_picker ? m_picker(remembered.isEmpty() ? QDir::homePath() : remembered) : QString();
    if (picked.isEmpty()) {
        m_words->setCurrentIndex(m_folder.isEmpty() ? languageIndex() : kFolderIndex);
        return;
    }
    chooseWordFolder(picked);
}

void GameStartForm::chooseWordFolder(const QString& folder)
{
    const WordFolderCheck check = m_check ? m_check(folder) : WordFolderCheck{};
    auto* box = new QMessageBox(check.usable ? QMessageBox::Information : QMessageBox::Warning,
                                tr("Pictova - Word Folder"), check.report, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("wordFolderReport"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    if (check.usable) {
        m_folder = folder;
        m_words->setCurrentIndex(kFolderIndex);
        try {
            saveWordFolder(settingsFilePath(), folder);
        } catch (const PictovaError&) {
            // Not remembering the folder does not stop the game.
        }
    } else {
        m_words->setCurrentIndex(m_folder.isEmpty() ? languageIndex() : kFolderIndex);
    }
    showWordsNote();
}

void GameStartForm::loadRememberedFolder()
{
    // Once a run: the language and the folder of the last game are offered again, the folder
    // checked without a message.
    if (m_rememberedLoaded)
        return;
    m_rememberedLoaded = true;
    m_language = loadWordsLanguage(settingsFilePath());
    m_words->setCurrentIndex(languageIndex());
    const QString remembered = loadWordFolder(settingsFilePath());
    if (remembered.isEmpty() || !m_check || !m_check(remembered).usable)
        return;
    m_folder = remembered;
    m_words->setCurrentIndex(kFolderIndex);
    showWordsNote();
}

void GameStartForm::showWordsNote()
{
    if (!m_hostsGame)
        m_wordsNote->setText(joinedNote());
    else if (m_words->currentIndex() == kFolderIndex && !m_folder.isEmpty())
        m_wordsNote->setText(QDir::toNativeSeparators(m_folder));
    else
        m_wordsNote->clear();
    m_wordsNote->setToolTip(m_wordsNote->text());
}

void GameStartForm::setAnnounced(int playto, int seconds)
{
    m_playto.setPosition(playto);
    m_time.setPosition(seconds);
    showValues();
}

StartChoices GameStartForm::choices() const
{
    return {m_playto.position(), m_time.position(), m_team->isChecked(), m_revealLetters->isChecked()};
}

void GameStartForm::setChoices(const StartChoices& choices)
{
    m_playto.setPosition(choices.playto);
    m_time.setPosition(choices.seconds);
    m_team->setChecked(choices.team);
    m_revealLetters->setChecked(choices.revealLetters);
    showValues();
}

void GameStartForm::takeTyped()
{
    for (auto [field, range] : {std::pair{m_playtoscore, &m_playto}, std::pair{m_timeperturn, &m_time}}) {
        bool number = false;
        const int typed = field->text().toInt(&number);
        if (number)
            range->setPosition(typed);
    }
    showValues();
}

void GameStartForm::startGame()
{
    // A number still being typed counts as typed.
    takeTyped();
    emit startRequested();
    hide();
}

void GameStartForm::showValues()
{
    m_playtoscore->setText(QString::number(m_playto.position()));
    m_timeperturn->setText(QString::number(m_time.position()));
    emit valuesChanged();
}

void GameStartForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintTiledBackground(painter, rect(), kDialogBase, this);
}

void GameStartForm::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit dismissed();
}

void GameStartForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    loadRememberedFolder();
    m_team->setFocus();
}

bool GameStartForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_playtoscore || watched == m_timeperturn)) {
        SteppedRange& range = watched == m_playtoscore ? m_playto : m_time;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            takeTyped();
            key == Qt::Key_Up ? range.stepUp() : range.stepDown();
            showValues();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
