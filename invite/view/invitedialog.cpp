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
    auto* intro = new QLabel(this);
    auto* texts = new LiveTexts(this);
    texts->add([this, intro] {
        setWindowTitle(tr("Invite Players"));
        intro->setText(tr("Players in the same network open this link in a browser, or scan the code "
                          "with a phone's camera:"));
    });
    intro->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    // Its size follows its text, which wraps differently in each language and at each zoom.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(intro);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
}

void InviteDialog::setLink(const QString& link)
{
    m_panel->setLink(link);
}

} // namespace pictova
