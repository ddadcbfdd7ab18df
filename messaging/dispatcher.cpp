#include "messaging/dispatcher.h"

#include "messaging/errors.h"

#include <exception>

namespace pictova {

SplitEntry splitEntry(const QString& entry)
{
    const qsizetype plus = entry.indexOf(QLatin1Char('+'));
    if (plus < 0)
        return {};
    return {entry.left(plus), entry.mid(plus + 1)};
}

void CommandTable::add(const QString& name, Handler handler)
{
    m_entries.emplace_back(name, std::move(handler));
}

bool CommandTable::knows(const QString& name) const
{
    for (const auto& [known, handler] : m_entries)
        if (known == name)
            return true;
    return false;
}

bool CommandTable::dispatch(const QString& entry) const
{
    const SplitEntry split = splitEntry(entry);
    if (split.name.isEmpty())
        return false;
    for (const auto& [known, handler] : m_entries) {
        if (known != split.name)
            continue;
        try {
            handler(split.payload);
        } catch (const PictovaError& error) {
            reportPeerError(split.name, error.text());
        } catch (const std::exception& error) {
            reportPeerError(split.name, QString::fromLocal8Bit(error.what()));
        }
        return true;
    }
    return false;
}

} // namespace pictova
