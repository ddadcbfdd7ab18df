#include "shell/playtogetherdialogs.h"

#include "invite/view/invitepanel.h"

#include "messaging/version.h"
#include "rooms/roomcode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictova {

namespace {
constexpr int kLongestName = 32;

QLineEdit* nameField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("playerName"));
    field->setMaxLength(kLongestName);
    field->setPlaceholderText(QCoreApplication::translate("pictova::HostDialog", "Your name"));
    return field;
}
} // namespace

HostDialog::HostDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HostDialog"));
    setWindowTitle(tr("Pictova - Host a Game"));
    m_name = nameField(this);
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setRange(1, 65535);
    m_port->setValue(7772);
    m_announce = new QCheckBox(tr("Announce this game on the local network"), this);
    m_announce->setObjectName(QStringLiteral("announce"));
    m_announce->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Player name:"), m_name);
    form->addRow(tr("Port:"), m_port);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_host = buttons->addButton(tr("Host"), QDialogButtonBox::AcceptRole);
    m_host->setObjectName(QStringLiteral("hostButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &HostDialog::updateButton);

    auto* layout = new QVBoxLayout(this);
    // Its size follows its text, which wraps differently in each language and at each zoom.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_layout = layout;
    layout->addLayout(form);
    layout->addWidget(m_announce);
    auto* internet = new QLabel(tr("Friends on the internet reach this game at this computer's "
                                   "address and port; the router may need to forward the port."),
                                this);
    internet->setWordWrap(true);
    layout->addWidget(internet);
    layout->addWidget(buttons);
    updateButton();
}

void HostDialog::showBrowserInvitation(std::function<QString(quint16 gamePort)> linkFor)
{
    if (!m_invitation) {
        m_invitation = new InvitePanel(this, InvitePanel::Arrangement::CodeBeside);
        // Small enough that the dialog still fits a small screen at the largest UI scale; a
        // phone reads it from close by, and File > Invite Players… shows it larger.
        m_invitation->setModuleSize(3);
        m_invitation->setCaption(tr("Phones and browsers join at:"));
        m_layout->insertWidget(m_layout->count() - 1, m_invitation);
    }
    const auto showLink = [this, linkFor](int port) { m_invitation->setLink(linkFor(quint16(port))); };
    showLink(m_port->value());
    disconnect(m_port, &QSpinBox::valueChanged, this, nullptr);
    connect(m_port, &QSpinBox::valueChanged, this, showLink);
}

void HostDialog::setChoices(const QString& name, quint16 port, bool announce)
{
    m_name->setText(name);
    m_port->setValue(port);
    m_announce->setChecked(announce);
}

QString HostDialog::playerName() const
{
    return m_name->text().trimmed();
}
quint16 HostDialog::port() const
{
    return static_cast<quint16>(m_port->value());
}
bool HostDialog::announce() const
{
    return m_announce->isChecked();
}

void HostDialog::updateButton()
{
    m_host->setEnabled(!playerName().isEmpty());
}

JoinDialog::JoinDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("JoinDialog"));
    setWindowTitle(tr("Pictova - Join a Game"));
    m_name = nameField(this);

    m_games = new QTreeWidget(this);
    m_games->setObjectName(QStringLiteral("foundGames"));
    m_games->setRootIsDecorated(false);
    m_games->setHeaderLabels({tr("Game"), tr("Players"), tr("Free seats"), tr("State"), tr("Address")});
    m_games->header()->setStretchLastSection(false);
    m_games->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_games->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_games, &QTreeWidget::itemSelectionChanged, this, &JoinDialog::pickListed);
    connect(m_games, &QTreeWidget::itemDoubleClicked, this, [this] {
        pickListed();
        if (m_join->isEnabled())
            m_join->click();
    });

    m_address = new QComboBox(this);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->lineEdit()->setPlaceholderText(tr("host name or address, optionally :port"));
    connect(m_address, &QComboBox::editTextChanged, this, &JoinDialog::updateButton);
    connect(m_name, &QLineEdit::textChanged, this, &JoinDialog::updateButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_join = buttons->addButton(tr("Join"), QDialogButtonBox::AcceptRole);
    m_join->setObjectName(QStringLiteral("joinButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_create = false;
        accept();
        emit joinRequested();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // A server's rooms: joined by code or link, picked from its list, or made anew.
    m_room = new QLineEdit(this);
    m_room->setObjectName(QStringLiteral("roomCode"));
    m_room->setMaxLength(200);
    m_room->setPlaceholderText(tr("empty for the server's own game; K7QXD or pictova://host:port/K7QXD"));
    connect(m_room, &QLineEdit::textChanged, this, &JoinDialog::updateButton);
    m_rooms = new QTreeWidget(this);
    m_rooms->setObjectName(QStringLiteral("serverRooms"));
    m_rooms->setRootIsDecorated(false);
    m_rooms->setHeaderLabels({tr("Room"), tr("Players"), tr("State"), tr("Code")});
    m_rooms->header()->setStretchLastSection(false);
    m_rooms->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rooms->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_rooms, &QTreeWidget::itemSelectionChanged, this, &JoinDialog::pickRoom);
    connect(m_rooms, &QTreeWidget::itemDoubleClicked, this, [this] {
        pickRoom();
        if (m_join->isEnabled())
            m_join->click();
    });
    m_listRooms = new QPushButton(tr("List Rooms"), this);
    m_listRooms->setObjectName(QStringLiteral("listRoomsButton"));
    connect(m_listRooms, &QPushButton::clicked, this, &JoinDialog::roomsRequested);
    m_roomsNote = new QLabel(this);
    m_roomsNote->setObjectName(QStringLiteral("roomsNote"));
    m_roomsNote->setWordWrap(true);
    m_roomsNote->setTextFormat(Qt::PlainText);
    m_roomsNote->hide();
    m_newRoomName = new QLineEdit(this);
    m_newRoomName->setObjectName(QStringLiteral("newRoomName"));
    m_newRoomName->setMaxLength(32);
    m_newRoomName->setPlaceholderText(tr("room name"));
    m_newRoomListed = new QCheckBox(tr("Listed"), this);
    m_newRoomListed->setObjectName(QStringLiteral("newRoomListed"));
    m_newRoomListed->setToolTip(tr("Shown in the server's list of rooms; otherwise joined by its code only"));
    m_createRoom = new QPushButton(tr("Create a room on this server"), this);
    m_createRoom->setObjectName(QStringLiteral("createRoomButton"));
    connect(m_createRoom, &QPushButton::clicked, this, [this] {
        m_create = true;
        accept();
        emit joinRequested();
    });

    auto* layout = new QVBoxLayout(this);
    auto* nameRow = new QFormLayout;
    nameRow->addRow(tr("Player name:"), m_name);
    layout->addLayout(nameRow);
    layout->addWidget(new QLabel(tr("Games on the local network (double-click to join):"), this));
    layout->addWidget(m_games, 1);
    m_listNote = new QLabel(this);
    m_listNote->setObjectName(QStringLiteral("listNote"));
    m_listNote->setWordWrap(true);
    m_listNote->setTextFormat(Qt::PlainText);
    m_listNote->hide();
    layout->addWidget(m_listNote);
    auto* addressRow = new QFormLayout;
    addressRow->addRow(tr("Address:"), m_address);
    layout->addLayout(addressRow);
    auto* roomsHead = new QHBoxLayout;
    roomsHead->addWidget(new QLabel(tr("Rooms on this server:"), this), 1);
    roomsHead->addWidget(m_listRooms);
    layout->addLayout(roomsHead);
    layout->addWidget(m_rooms, 1);
    layout->addWidget(m_roomsNote);
    auto* roomRow = new QFormLayout;
    roomRow->addRow(tr("Room code or link:"), m_room);
    layout->addLayout(roomRow);
    auto* createRow = new QHBoxLayout;
    createRow->addWidget(m_newRoomName, 1);
    createRow->addWidget(m_newRoomListed);
    createRow->addWidget(m_createRoom);
    layout->addLayout(createRow);
    layout->addWidget(buttons);
    updateButton();
}

void JoinDialog::showRooms(const QList<Room>& rooms)
{
    m_rooms->clear();
    for (const Room& room : rooms)
        new QTreeWidgetItem(m_rooms,
                            {room.name.isEmpty() ? room.code : room.name, QString::number(room.players),
                             room.running ? tr("game running") : tr("waiting"), room.code});
    setRoomsNote(rooms.isEmpty() ? tr("This server lists no rooms.") : QString());
}

void JoinDialog::setRoomsNote(const QString& note)
{
    m_roomsNote->setText(note);
    m_roomsNote->setVisible(!note.isEmpty());
}

void JoinDialog::pickRoom()
{
    if (QTreeWidgetItem* current = m_rooms->currentItem())
        m_room->setText(current->text(3));
}

QString JoinDialog::roomText() const
{
    return m_room->text().trimmed();
}

QString JoinDialog::newRoomName() const
{
    return m_newRoomName->text().trimmed();
}

bool JoinDialog::newRoomListed() const
{
    return m_newRoomListed->isChecked();
}

bool JoinDialog::linkNamesHost() const
{
    const std::optional<rooms::RoomLink> link = rooms::parseLink(roomText());
    return link && !link->host.isEmpty();
}

// Room for a list of several games at any text size; the user may make it larger.
QSize JoinDialog::sizeHint() const
{
    return QDialog::sizeHint().expandedTo(
        QSize(fontMetrics().averageCharWidth() * 80, fontMetrics().lineSpacing() * 22));
}

void JoinDialog::setChoices(const QString& name, const QStringList& recentAddresses)
{
    m_name->setText(name);
    m_address->clear();
    m_address->addItems(recentAddresses);
    m_address->setCurrentIndex(recentAddresses.isEmpty() ? -1 : 0);
    updateButton();
}

void JoinDialog::showGames(const QList<lan::FoundGame>& games)
{
    QString selected;
    if (QTreeWidgetItem* current = m_games->currentItem())
        selected = current->text(4);
    m_games->clear();
    for (const lan::FoundGame& game : games) {
        const QString where = QStringLiteral("%1:%2").arg(game.address.toString()).arg(game.port);
        const bool sameVersion = game.version == QString::fromLatin1(kVersion);
        const QString state = !sameVersion   ? tr("version %1").arg(game.version)
                              : game.running ? tr("game running")
                                             : tr("waiting");
        // Anyone may announce any name: the address tells two games of one name apart.
        const QString shown = game.hostName.isEmpty()
                                  ? where
                                  : QStringLiteral("%1 (%2)").arg(game.hostName, game.address.toString());
        auto* item = new QTreeWidgetItem(
            m_games, {shown, QString::number(game.players), QString::number(game.freeSeats), state, where});
        item->setToolTip(0, tr("Version %1").arg(game.version));
        if (where == selected)
            m_games->setCurrentItem(item);
    }
}

void JoinDialog::pickListed()
{
    QTreeWidgetItem* current = m_games->currentItem();
    if (!current)
        return;
    m_address->setEditText(current->text(4));
}

void JoinDialog::setListNote(const QString& note)
{
    m_listNote->setText(note);
    m_listNote->setVisible(!note.isEmpty());
}

QString JoinDialog::playerName() const
{
    return m_name->text().trimmed();
}
QString JoinDialog::address() const
{
    return m_address->currentText().trimmed();
}

void JoinDialog::updateButton()
{
    const bool somewhere = !address().isEmpty() || (m_room && linkNamesHost());
    m_join->setEnabled(!playerName().isEmpty() && somewhere);
    if (m_listRooms) {
        m_listRooms->setEnabled(!address().isEmpty());
        m_createRoom->setEnabled(!playerName().isEmpty() && !address().isEmpty());
    }
}

} // namespace pictova
