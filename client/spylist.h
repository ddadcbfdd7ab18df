#pragma once

#include <QMap>
#include <QWidget>
#include <functional>

class QListWidget;
class QMenu;
class QAction;

namespace pictova {

// The spectators' list: one line per seat above 10, "seat: name".
class Tspylist : public QWidget
{
    Q_OBJECT
public:
    explicit Tspylist(QWidget* parent = nullptr);

    // Lists the spectators, one line "seat: name" each.
    void showSpectators(const QMap<int, QString>& spectators);
    QStringList entries() const;

    // Hosting enables removal from the list.
    void setRemovalEnabled(bool enabled);
    // Called with the seat to remove when "Remove From Game" is chosen.
    void setKicker(std::function<void(int)> kicking) { m_kicking = std::move(kicking); }

    // The line last under the pointer, or -1.
    int hoveredIndex() const { return m_hovered; }
    void listbox_spysMouseMove(const QPoint& pos);
    void popup_kickhimClick();

    QListWidget* listbox_spys() const { return m_list; }
    QAction* popup_kickhim() const { return m_kickAction; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToText();
    QListWidget* m_list = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_kickAction = nullptr;
    int m_hovered = -1;
    std::function<void(int)> m_kicking;
};

} // namespace pictova
