#include "shell/gamestartform.h"

#include "messaging/errors.h"
#include "shell/apppaths.h"
#include "shell/background.h"
#include "shell/settings.h"
#include "shell/updown.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace pictova {

namespace {

const QColor kDialogBase{0x9C, 0x98, 0x78};
const QString kJoinedNote = QStringLiteral("Only the copy that hosts the game can use its own words.");
const QString kNoLettersNote = QStringLiteral("This game's server does not offer letter hints.");

QLabel* caption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

} // namespace

Tgamestartform::Tgamestartform(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_playtoscore(new QLineEdit(this)),
      m_upDown1(new UpDown(this)), m_timeperturn(new QLineEdit(this)), m_upDown2(new UpDown(this)),
      m_team(new QCheckBox(QStringLiteral("Team Game"), this)),
      m_revealLetters(new QCheckBox(QStringLiteral("Reveal letters"), this)), m_words(new QComboBox(this)),
      m_wordsNote(new QLabel(this)), m_flatButton1(new QPushButton(QStringLiteral("Start Game"), this))
{
    setObjectName(QStringLiteral("gamestartform"));
    setWindowTitle(QStringLiteral("Pictova - Start Game"));
    setFixedSize(kClientWidth, kClientHeight);

    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, kMaroon);
    setPalette(colours);

    caption(this, QStringLiteral("Play To Score"), QRect(14, 12, 120, 21));
    caption(this, QStringLiteral("Time Limit Per Turn"), QRect(14, 40, 120, 21));

    m_playtoscore->setObjectName(QStringLiteral("playtoscore"));
    m_playtoscore->setGeometry(150, 12, 45, 21);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setGeometry(195, 12, 17, 21);
    m_timeperturn->setObjectName(QStringLiteral("timeperturn"));
    m_timeperturn->setGeometry(150, 40, 45, 21);
    m_upDown2->setObjectName(QStringLiteral("UpDown2"));
    m_upDown2->setGeometry(195, 40, 17, 21);
    for (QLineEdit* field : {m_playtoscore, m_timeperturn}) {
        // Digits only; the number is put within the field's limits once the typing is done.
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
        field->setAlignment(Qt::AlignRight);
        field->installEventFilter(this);
        connect(field, &QLineEdit::editingFinished, this, &Tgamestartform::takeTyped);
    }

    m_team->setObjectName(QStringLiteral("team"));
    m_team->setGeometry(14, 68, 150, 21);
    m_flatButton1->setObjectName(QStringLiteral("FlatButton1"));
    m_revealLetters->setObjectName(QStringLiteral("revealLetters"));
    m_revealLetters->setGeometry(14, 92, 200, 21);
    m_revealLetters->setToolTip(QStringLiteral("Guessers see one letter of the answer at half the turn's "
                                               "time and another at three quarters."));
    caption(this, QStringLiteral("Words"), QRect(14, 118, 50, 21));
    m_words->setObjectName(QStringLiteral("words"));
    m_words->setGeometry(70, 117, 156, 23);
    for (const WordLanguage& language : kWordLanguages)
        m_words->addItem(QString::fromUtf8(language.name));
    m_words->addItem(QStringLiteral("From folder\u2026"));
    m_wordsNote->setObjectName(QStringLiteral("wordsNote"));
    m_wordsNote->setGeometry(14, 142, 212, 30);
    m_wordsNote->setWordWrap(true);
    QFont small = m_wordsNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_wordsNote->setFont(small);
    m_flatButton1->setGeometry(70, 176, 100, 25);
    m_flatButton1->setFlat(true);
    m_flatButton1->setAutoFillBackground(false);

    connect(m_upDown1, &UpDown::up, this, [this] {
        takeTyped();
        m_playto.stepUp();
        showValues();
    });
    connect(m_upDown1, &UpDown::down, this, [this] {
        takeTyped();
        m_playto.stepDown();
        showValues();
    });
    connect(m_upDown2, &UpDown::up, this, [this] {
        takeTyped();
        m_time.stepUp();
        showValues();
    });
    connect(m_upDown2, &UpDown::down, this, [this] {
        takeTyped();
        m_time.stepDown();
        showValues();
    });
    connect(m_flatButton1, &QPushButton::clicked, this, &Tgamestartform::FlatButton1Click);
    connect(m_words, &QComboBox::activated, this, &Tgamestartform::wordsChoiceActivated);
    m_picker = [this](const QString& startIn) {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Pictova - Word Folder"), startIn);
    };

    setTabOrder(m_team, m_revealLetters);
    setTabOrder(m_revealLetters, m_words);
    setTabOrder(m_words, m_flatButton1);
    setTabOrder(m_flatButton1, m_playtoscore);
    setTabOrder(m_playtoscore, m_timeperturn);
    showValues();
}

QString Tgamestartform::playtoText() const
{
    return m_playtoscore->text();
}

QString Tgamestartform::timeText() const
{
    return m_timeperturn->text();
}

bool Tgamestartform::teamChecked() const
{
    return m_team->isChecked();
}

void Tgamestartform::setRevealLettersOffered(bool offered)
{
    m_revealLetters->setEnabled(offered);
    m_revealLetters->setToolTip(offered ? QStringLiteral("Guessers see one letter of the answer at half the "
                                                         "turn's time and another at three quarters.")
                                        : kNoLettersNote);
}

bool Tgamestartform::revealLettersChecked() const
{
    return m_revealLetters->isEnabled() && m_revealLetters->isChecked();
}

void Tgamestartform::setHostsGame(bool hosts)
{
    m_hostsGame = hosts;
    m_words->setEnabled(hosts);
    m_words->setToolTip(hosts ? QString() : kJoinedNote);
    showWordsNote();
}

void Tgamestartform::setWordFolderCheck(std::function<WordFolderCheck(const QString&)> check)
{
    m_check = std::move(check);
}

void Tgamestartform::setFolderPicker(std::function<QString(const QString&)> picker)
{
    m_picker = std::move(picker);
}

QString Tgamestartform::wordFolder() const
{
    return m_hostsGame && m_words->currentIndex() == kFolderIndex ? m_folder : QString();
}

int Tgamestartform::languageIndex() const
{
    for (int i = 0; i < kFolderIndex; ++i)
        if (m_language == QLatin1String(kWordLanguages[static_cast<size_t>(i)].code))
            return i;
    return 0;
}

void Tgamestartform::wordsChoiceActivated(int index)
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

void Tgamestartform::chooseWordFolder(const QString& folder)
{
    const WordFolderCheck check = m_check ? m_check(folder) : WordFolderCheck{};
    auto* box = new QMessageBox(check.usable ? QMessageBox::Information : QMessageBox::Warning,
                                QStringLiteral("Pictova - Word Folder"), check.report, QMessageBox::Ok, this);
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

void Tgamestartform::loadRememberedFolder()
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

void Tgamestartform::showWordsNote()
{
    if (!m_hostsGame)
        m_wordsNote->setText(kJoinedNote);
    else if (m_words->currentIndex() == kFolderIndex && !m_folder.isEmpty())
        m_wordsNote->setText(QDir::toNativeSeparators(m_folder));
    else
        m_wordsNote->clear();
    m_wordsNote->setToolTip(m_wordsNote->text());
}

void Tgamestartform::setAnnounced(int playto, int seconds)
{
    m_playto.setPosition(playto);
    m_time.setPosition(seconds);
    showValues();
}

StartChoices Tgamestartform::choices() const
{
    return {m_playto.position(), m_time.position(), m_team->isChecked(), m_revealLetters->isChecked()};
}

void Tgamestartform::setChoices(const StartChoices& choices)
{
    m_playto.setPosition(choices.playto);
    m_time.setPosition(choices.seconds);
    m_team->setChecked(choices.team);
    m_revealLetters->setChecked(choices.revealLetters);
    showValues();
}

void Tgamestartform::takeTyped()
{
    for (auto [field, range] : {std::pair{m_playtoscore, &m_playto}, std::pair{m_timeperturn, &m_time}}) {
        bool number = false;
        const int typed = field->text().toInt(&number);
        if (number)
            range->setPosition(typed);
    }
    showValues();
}

void Tgamestartform::FlatButton1Click()
{
    // A number still being typed counts as typed.
    takeTyped();
    emit startRequested();
    hide();
}

void Tgamestartform::showValues()
{
    m_playtoscore->setText(QString::number(m_playto.position()));
    m_timeperturn->setText(QString::number(m_time.position()));
    emit valuesChanged();
}

void Tgamestartform::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintTiledBackground(painter, rect(), kDialogBase, this);
}

void Tgamestartform::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit dismissed();
}

void Tgamestartform::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    loadRememberedFolder();
    m_team->setFocus();
}

bool Tgamestartform::eventFilter(QObject* watched, QEvent* event)
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
