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
    auto* intro = new QLabel(tr("Players in the same network open this link in a browser, or scan the code "
                                "with a phone's camera:"),
                             this);
    intro->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
}

void InviteDialog::setLink(const QString& link)
{
    m_panel->setLink(link);
}

} // namespace pictova
