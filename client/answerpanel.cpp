#include "client/answerpanel.h"

#include "client/viewparts.h"
#include "translations/livetexts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace pictova {

using namespace viewparts;

AnswerPanel::AnswerPanel(QWidget* parent)
    : QWidget(parent), m_caption(label(QStringLiteral("label_answerlabel"), QString(), this)),
      m_field(new QLineEdit(this)), m_guesses(new QListWidget(this))
{
    setObjectName(QStringLiteral("panel_answer"));
    auto* texts = new LiveTexts(this);
    texts->add([this] { m_caption->setText(tr("Type Answers Here")); });
    setBold(m_caption, 13);
    setColour(m_caption, kMaroon);
    m_field->setObjectName(QStringLiteral("edit_answer"));
    m_field->setFixedWidth(168);
    m_field->setMaxLength(200);
    m_field->installEventFilter(this);
    m_guesses->setObjectName(QStringLiteral("memo_myguessed"));
    m_guesses->setFocusPolicy(Qt::NoFocus);
    m_guesses->setSelectionMode(QAbstractItemView::NoSelection);
    // Long guesses wrap, as they do in the drawer's list.
    m_guesses->setWordWrap(true);
    m_guesses->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* typing = new QVBoxLayout;
    typing->setContentsMargins(5, 5, 0, 0);
    typing->setSpacing(4);
    typing->addWidget(m_caption);
    typing->addWidget(m_field);
    typing->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(6);
    row->addLayout(typing);
    row->addWidget(m_guesses, 1);
    hide();
}

void AnswerPanel::addGuessLine(const QString& line)
{
    m_guesses->addItem(line);
    while (m_guesses->count() > kMaxGuessLines)
        delete m_guesses->takeItem(0);
    m_guesses->scrollToBottom();
}

void AnswerPanel::clearGuesses()
{
    m_guesses->clear();
}

void AnswerPanel::showForGuesser(bool player)
{
    show();
    m_field->setVisible(player);
    m_caption->setVisible(player);
    // Ready to type a guess, unless the player is in the middle of a chat line.
    auto* typing = qobject_cast<QLineEdit*>(window()->focusWidget());
    if (player && (!typing || typing->text().isEmpty()))
        m_field->setFocus();
}

bool AnswerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit guessEntered();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pictova
