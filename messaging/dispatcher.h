#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace pictova {

// One role's command table: command name to handler. A handler receives the payload only.
// Names are compared exactly; an entry without "+", with an empty name or with an unknown name
// is dropped here and nowhere else.
class CommandTable
{
public:
    using Handler = std::function<void(const QString& payload)>;

    void add(const QString& name, Handler handler);

    // Returns true when a handler ran (whether or not it succeeded). A handler that throws has
    // its message dropped and the error logged: what a peer sends never opens an error box.
    bool dispatch(const QString& entry) const;

    bool knows(const QString& name) const;

private:
    std::vector<std::pair<QString, Handler>> m_entries;
};

// Splits an entry at its first "+". No "+" gives an empty name.
struct SplitEntry
{
    QString name;
    QString payload;
};
SplitEntry splitEntry(const QString& entry);

} // namespace pictova
