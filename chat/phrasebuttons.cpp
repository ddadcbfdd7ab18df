#include "chat/phrasebuttons.h"

#include "chat/outgoing.h"
#include "messaging/errors.h"
#include "resources/artwork.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace pictova {

namespace {
constexpr QSize kButtonSize(25, 19);
constexpr QSize kGlyphSize(21, 15);
} // namespace

const QStringList& PhraseButtons::builtInTexts()
{
    static const QStringList texts = {
        QStringLiteral("Way To Go!"), QStringLiteral("Good One!"),  QStringLiteral("Nice Try!"),
        QStringLiteral("Excellent!"), QStringLiteral("Brilliant!"), QStringLiteral("Wow, WTG!"),
        QStringLiteral("Thanks!"),    QStringLiteral("Nice Roll!"), QStringLiteral("Good Game Everyone!"),
        QStringLiteral("See ya!")};
    return texts;
}

PhraseButtons::PhraseButtons(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int n = 1; n <= kCount; ++n) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("b_phrase%1").arg(n));
        button->setFixedSize(kButtonSize);
        button->setIcon(QIcon(artwork::phraseGlyph(n)));
        button->setIconSize(kGlyphSize);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(builtInTexts().at(n - 1));
        connect(button, &QToolButton::clicked, this, [this, n] { onPhraseButton(n); });
        row->addWidget(button);
        m_buttons[n - 1] = button;
    }
    row->addStretch(1);
}

QToolButton* PhraseButtons::button(int n) const
{
    return n >= 1 && n <= kCount ? m_buttons[n - 1] : nullptr;
}

void PhraseButtons::setPhraseText(int n, const QString& text)
{
    if (QToolButton* target = button(n))
        target->setToolTip(text);
}

QString PhraseButtons::phraseText(int n) const
{
    const QToolButton* target = button(n);
    return target ? target->toolTip() : QString();
}

QStringList PhraseButtons::phraseTexts() const
{
    QStringList texts;
    for (int n = 1; n <= kCount; ++n)
        texts << phraseText(n);
    return texts;
}

void PhraseButtons::onPhraseButton(int n)
{
    if (!button(n) || !m_cooldown.ready())
        return;
    const int seat = m_context.myseat ? m_context.myseat() : 0;
    const ColourValue colour = m_actionColour ? m_actionColour() : ColourValue(0);
    const std::optional<QByteArray> message = phraseMessage(phraseText(n), seat, colour);
    if (!message)
        return;
    try {
        if (!m_context.send)
            throw ESockException(QStringLiteral("Send - Socket Not Connected"));
        m_context.send(*message);
    } catch (const PictovaError& error) {
        reportError(error.text());
        return;
    }
    m_cooldown.start();
}

} // namespace pictova
