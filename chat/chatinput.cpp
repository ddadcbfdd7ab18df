#include "chat/chatinput.h"

#include "chat/outgoing.h"
#include "messaging/errors.h"
#include "resources/syscolours.h"
#include "translations/livetexts.h"

#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace pictova {

ChatInput::ChatInput(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("mychat"));
    // Every server cuts a line past this; the field stops there so nothing is lost unseen.
    setMaxLength(kMaxLineCharacters);
    m_shownPrompt = chatPrompt();
    setText(m_shownPrompt);
    setTextColour(kDefaultTextColour);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu2"));
    QAction* paste = m_menu->addAction(QString());
    auto* texts = new LiveTexts(this);
    texts->add([paste] { paste->setText(tr("Paste")); });
    // The prompt, while it shows, reads in the new language.
    texts->add([this] {
        if (text() == m_shownPrompt) {
            m_shownPrompt = chatPrompt();
            setText(m_shownPrompt);
        }
    });
    paste->setObjectName(QStringLiteral("Paste1"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    connect(paste, &QAction::triggered, this, &ChatInput::pasteReplacing);
}

void ChatInput::setTextColour(ColourValue colour)
{
    m_textColour = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, toQColor(colour));
    setPalette(colours);
}

void ChatInput::sendit()
{
    if (!m_context.loggedin || !m_context.loggedin())
        return;
    const int seat = m_context.myseat ? m_context.myseat() : 0;
    if (const std::optional<QByteArray> message =
            typedLineMessage(text(), seat, m_textColour, m_actionColour)) {
        if (m_context.send)
            m_context.send(*message);
    }
    clear();
}

void ChatInput::pasteReplacing()
{
    const QString clip = QGuiApplication::clipboard()->text();
    if (!clip.isEmpty())
        setText(clip);
}

void ChatInput::keyPressEvent(QKeyEvent* event)
{
    if (text() == chatPrompt())
        clear();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        try {
            sendit();
        } catch (const PictovaError& error) {
            // A failed send leaves the line in the field to try again.
            reportError(error.text());
        }
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteReplacing();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChatInput::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->exec(event->globalPos());
    event->accept();
}

std::optional<ColourValue> ChatInput::pickColour(ColourValue current, const QString& title)
{
    QColorDialog dialog(toQColor(current), this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

bool ChatInput::chooseTextColour()
{
    const std::optional<ColourValue> chosen = pickColour(m_textColour, tr("Text Color"));
    if (chosen)
        setTextColour(*chosen);
    return chosen.has_value();
}

bool ChatInput::chooseActionColour()
{
    const std::optional<ColourValue> chosen = pickColour(m_actionColour, tr("Action Color"));
    if (chosen)
        m_actionColour = *chosen;
    return chosen.has_value();
}

} // namespace pictova
