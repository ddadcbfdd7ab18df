#pragma once

#include <QDialog>

class QLabel;

namespace pictova {

class InvitePanel;

// Game > Invite Players…: whom to tell what to open to join this game from a browser.
class InviteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InviteDialog(QWidget* parent = nullptr);
    void setLink(const QString& link);
    // The room the game plays in and the link that opens it in the game; an empty code hides it.
    // Call after setLink: in a room whose server's web port is not known, the browser's part goes.
    void setRoom(const QString& code, const QString& link);
    InvitePanel* panel() const { return m_panel; }

private:
    void showIntro();

    InvitePanel* m_panel = nullptr;
    bool m_inRoom = false;
    QLabel* m_room = nullptr;
    QLabel* m_intro = nullptr;
};

} // namespace pictova
