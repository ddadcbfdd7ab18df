#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace pictova {

// Texts a long-lived window shows from its start: each is set at once and set again whenever
// the player picks another language, so the window follows the choice without being rebuilt.
// Give it a widget as parent: widgets hand the language change on to their children.
class LiveTexts : public QObject
{
    Q_OBJECT
public:
    explicit LiveTexts(QObject* parent);

    // Runs `apply` now and after every change of language.
    void add(std::function<void()> apply);
    void retranslate();

protected:
    bool event(QEvent* event) override;

private:
    std::vector<std::function<void()>> m_appliers;
};

} // namespace pictova
