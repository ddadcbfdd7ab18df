#include "invite/view/invitedialog.h"

#include "invite/view/invitepanel.h"
#include "translations/livetexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictova {

InviteDialog::InviteDialog(QWidget* parent) : QDialog(parent), m_panel(new InvitePanel(this))
{
    setObjectName(QStringLiteral("inviteDialog"));
    auto* intro = m_intro = new QLabel(this);
    auto* texts = new LiveTexts(this);
    texts->add([this] {
        setWindowTitle(tr("Invite Players"));
        showIntro();
    });
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
    // Its size follows its text, which wraps differently in each language and at each zoom.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_room);
    layout->addWidget(intro);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
}

void InviteDialog::setLink(const QString& link)
{
    m_panel->setLink(link);
}

// A room's server may be anywhere on the internet; a game without rooms is found on the network.
void InviteDialog::showIntro()
{
    m_intro->setText(m_inRoom
                         ? tr("Anyone can join this room from a browser with this link, or by scanning "
                              "the code with a phone's camera:")
                         : tr("Players in the same network open this link in a browser, or scan the code "
                              "with a phone's camera:"));
}

void InviteDialog::setRoom(const QString& code, const QString& link)
{
    m_inRoom = !code.isEmpty();
    showIntro();
    m_room->setText(
        tr("Room %1\nOthers join it with the code in File > Join a Game…, or by opening %2").arg(code, link));
    m_room->setVisible(!code.isEmpty());
    const bool browsers = code.isEmpty() || !m_panel->link().isEmpty();
    m_intro->setVisible(browsers);
    m_panel->setVisible(browsers);
}

} // namespace pictova
