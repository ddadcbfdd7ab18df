#pragma once

#include <QDialog>

namespace pictova {

class InvitePanel;

// Game > Invite Players…: whom to tell what to open to join this game from a browser.
class InviteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InviteDialog(QWidget* parent = nullptr);
    void setLink(const QString& link);
    InvitePanel* panel() const { return m_panel; }

private:
    InvitePanel* m_panel = nullptr;
};

} // namespace pictova
