#include "invite/view/invitepanel.h"

#include "invite/qrimage.h"
#include "translations/livetexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictova {

InvitePanel::InvitePanel(QWidget* parent, Arrangement arrangement)
    : QWidget(parent), m_caption(new QLabel(this)), m_text(new QLabel(this)), m_code(new QLabel(this)),
      m_copy(new QPushButton(this))
{
    m_caption->setWordWrap(true);
    m_caption->hide();
    m_text->setObjectName(QStringLiteral("inviteLink"));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setTextFormat(Qt::PlainText);
    m_copy->setObjectName(QStringLiteral("copyInviteLink"));
    auto* texts = new LiveTexts(this);
    texts->add([this] { m_copy->setText(tr("Copy")); });
    // A game that takes no browser players says so in the new language.
    texts->add([this] { setLink(m_link); });
    m_code->setObjectName(QStringLiteral("inviteCode"));
    m_code->setAlignment(Qt::AlignCenter);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_text, 1);
    linkRow->addWidget(m_copy);
    auto* linkColumn = new QVBoxLayout;
    linkColumn->addWidget(m_caption);
    linkColumn->addLayout(linkRow);
    if (arrangement == Arrangement::CodeBeside) {
        linkColumn->addStretch();
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_code, 0, Qt::AlignTop);
        layout->addLayout(linkColumn, 1);
    } else {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addLayout(linkColumn);
        layout->addWidget(m_code, 0, Qt::AlignHCenter);
    }
    connect(m_copy, &QPushButton::clicked, this, &InvitePanel::copyLink);
    setLink({});
}

void InvitePanel::setLink(const QString& link)
{
    m_link = link;
    m_copy->setEnabled(!link.isEmpty());
    if (link.isEmpty()) {
        m_text->setText(tr("This game takes no players from a browser."));
        m_code->clear();
        m_code->hide();
        return;
    }
    m_text->setText(link);
    // Large enough for a phone to read off a laptop's screen at arm's length.
    m_code->setPixmap(QPixmap::fromImage(qrImage(link, m_moduleSize)));
    m_code->show();
}

void InvitePanel::setModuleSize(int pixels)
{
    m_moduleSize = pixels;
    setLink(m_link);
}

void InvitePanel::setCaption(const QString& caption)
{
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
}

void InvitePanel::copyLink()
{
    if (!m_link.isEmpty())
        QApplication::clipboard()->setText(m_link);
}

} // namespace pictova
