#pragma once

#include "chat/chatcontext.h"
#include "chat/cooldown.h"
#include "messaging/colourtext.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QToolButton;

namespace pictova {

// The row of ten phrase buttons "b_phrase1".."b_phrase10": one click sends a ready-made line as
// an action in the player's action colour. Each button's phrase is its tooltip.
class PhraseButtons : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCount = 10;
    static const QStringList& builtInTexts();

    explicit PhraseButtons(QWidget* parent = nullptr);

    void setContext(ChatContext context) { m_context = std::move(context); }
    // Where the action colour is read at each click (the chat field holds it).
    void setActionColourSource(std::function<ColourValue()> source) { m_actionColour = std::move(source); }

    // n is 1..10; other numbers are ignored (or give an empty text).
    void setPhraseText(int n, const QString& text);
    QString phraseText(int n) const;
    QStringList phraseTexts() const;

    // Shared click handler: sends button n's phrase unless the cool-down still runs. A failed
    // send is reported and does not start the cool-down.
    void onPhraseButton(int n);
    bool phraseready() const { return m_cooldown.ready(); }
    // The cool-down's clock in milliseconds; a steady clock unless a test drives its own.
    void setCooldownClock(PhraseCooldown::Clock clock) { m_cooldown.setClock(std::move(clock)); }

    QToolButton* button(int n) const;

private:
    ChatContext m_context;
    std::function<ColourValue()> m_actionColour;
    PhraseCooldown m_cooldown;
    std::array<QToolButton*, kCount> m_buttons{};
};

} // namespace pictova
