#include "translations/livetexts.h"

#include <QEvent>

namespace pictova {

LiveTexts::LiveTexts(QObject* parent) : QObject(parent) {}

void LiveTexts::add(std::function<void()> apply)
{
    apply();
    m_appliers.push_back(std::move(apply));
}

void LiveTexts::retranslate()
{
    for (const auto& apply : m_appliers)
        apply();
}

bool LiveTexts::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::event(event);
}

} // namespace pictova
