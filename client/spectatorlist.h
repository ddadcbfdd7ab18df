#pragma once

#include <QMap>
#include <QWidget>
#include <functional>

class QListWidget;
class QMenu;
class QAction;

namespace pictova {

// The watchers' list: one line per seat above 10, "seat: name". Each line keeps its seat as
// item data, so removing a spectator never depends on how the line reads.
class SpectatorList : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSeatRole = Qt::UserRole;

    explicit SpectatorList(QWidget* parent = nullptr);

    void showSpectators(const QMap<int, QString>& spectators);
    QStringList entries() const;

    // Hosting enables removal from the list.
    void setRemovalEnabled(bool enabled);
    // Called with the seat to remove when "Remove From Game" is chosen.
    void setRemover(std::function<void(int)> remove) { m_remove = std::move(remove); }

    // The line last under the pointer, or -1.
    int hoveredIndex() const { return m_hovered; }
    void hoverAt(const QPoint& pos);
    // "Remove From Game" on the line last under the pointer.
    void removeHovered();

    QListWidget* list() const { return m_list; }
    QAction* removeAction() const { return m_removeAction; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void drawBackground();
    void fitToText();

    QListWidget* m_list = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_removeAction = nullptr;
    int m_hovered = -1;
    std::function<void(int)> m_remove;
};

} // namespace pictova
