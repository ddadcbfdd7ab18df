#pragma once

#include "chat/chatcontext.h"
#include "messaging/colourtext.h"

#include <QLineEdit>

class QMenu;

namespace pictova {

// The chat entry field "mychat": Enter sends the line as a chat line, or as an action when it
// starts with "/me"; it also holds the player's two chat colours.
class ChatInput : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr ColourValue kDefaultTextColour = rgbColour(0x80, 0, 0); // maroon
    static constexpr ColourValue kDefaultActionColour = rgbColour(0, 0, 0);  // black
    // The longest line a server passes on whole.
    static constexpr int kMaxLineCharacters = 400;

    explicit ChatInput(QWidget* parent = nullptr);

    void setContext(ChatContext context) { m_context = std::move(context); }

    // Sends the field's text (nothing at all before the log-in), then clears the field. An error
    // of the send (ESockException) passes to the caller and leaves the text in the field; Enter
    // reports it itself.
    void sendit();
    // Replaces the whole field with the clipboard's text, when it holds any.
    void pasteReplacing();

    ColourValue textColour() const { return m_textColour; }
    void setTextColour(ColourValue colour);
    ColourValue actionColour() const { return m_actionColour; }
    void setActionColour(ColourValue colour) { m_actionColour = colour; }

    // The colour dialogs; each returns whether the player confirmed a colour. The window decides
    // what to save afterwards.
    bool chooseTextColour();
    bool chooseActionColour();

    QMenu* contextMenu() const { return m_menu; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::optional<ColourValue> pickColour(ColourValue current, const QString& title);

    ChatContext m_context;
    ColourValue m_textColour = kDefaultTextColour;
    ColourValue m_actionColour = kDefaultActionColour;
    QMenu* m_menu = nullptr;
    QString m_shownPrompt;
};

} // namespace pictova
