#include "invite/view/invitedialog.h"

#include "invite/view/invitepanel.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictova {

InviteDialog::InviteDialog(QWidget* parent) : QDialog(parent), m_panel(new InvitePanel(this))
{
    setObjectName(QStringLiteral("inviteDialog"));
    setWindowTitle(tr("Invite Players"));
    auto* intro = m_intro =
        new QLabel(tr("Players in the same network open this link in a browser, or scan the code "
                      "with a phone's camera:"),
                   this);
    intro->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_room = new QLabel(this);
    m_room->setObjectName(QStringLiteral("inviteRoom"));
    m_room->setTextFormat(Qt::PlainText);
    m_room->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_room->setWordWrap(true);
    m_room->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_room);
    layout->addWidget(intro);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
}

void InviteDialog::setLink(const QString& link)
{
    m_panel->setLink(link);
}

} // namespace pictova

namespace pictova {

void InviteDialog::setRoom(const QString& code, const QString& link)
{
    m_room->setText(
        QStringLiteral("Room %1\nOthers join it with the code in File > Join a Game…, or by opening %2")
            .arg(code, link));
    m_room->setVisible(!code.isEmpty());
    const bool browsers = code.isEmpty() || !m_panel->link().isEmpty();
    m_intro->setVisible(browsers);
    m_panel->setVisible(browsers);
}

} // namespace pictova
