#include "client/model/gamemodel.h"

#include "messaging/peertext.h"

namespace pictova {

namespace {
const PlayerSeat kNoSeat;
}

GameModel::GameModel(QObject* parent) : QObject(parent)
{
    connect(this, &GameModel::seatChanged, this, &GameModel::updateGameMaster);
    connect(this, &GameModel::mySeatChanged, this, &GameModel::updateGameMaster);
    connect(this, &GameModel::loggedInChanged, this, &GameModel::updateGameMaster);
}

bool GameModel::isGameMaster() const
{
    return m_gameMaster;
}

void GameModel::holdGameMaster(bool hold)
{
    m_holdGameMaster = hold;
    updateGameMaster();
}

void GameModel::updateGameMaster()
{
    if (m_holdGameMaster)
        return;
    bool master = m_loggedIn && isPlayerSeat(m_mySeat);
    for (int seat = 1; master && seat < m_mySeat; ++seat)
        master = !m_seats[seat].taken;
    if (master == m_gameMaster)
        return;
    m_gameMaster = master;
    emit gameMasterChanged();
}

void GameModel::reset()
{
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        m_seats[seat] = PlayerSeat{};
        emit seatChanged(seat);
    }
    m_spectators.clear();
    emit spectatorsChanged();
    m_solo = false;
    setMySeat(0);
    setLoggedIn(false);
    setHosting(false);
    setDrawer(0);
    setTurnSeat(0);
    setCategory(-1);
    setHint({});
    setFullAnswer({});
    announceSettings(SettingsAnnouncement::None, 20, 120, false);
    setWinner({});
    setAward({});
    setPassOffered(false);
    setStartOffered(false);
    setStartMenuEnabled(false);
    setTurnCaption({});
    setPhase(GamePhase::NoGame);
}

const PlayerSeat& GameModel::seat(int seat) const
{
    return isPlayerSeat(seat) ? m_seats[seat] : kNoSeat;
}

QString GameModel::seatName(int seat) const
{
    return isPlayerSeat(seat) ? peertext::isolated(m_seats[seat].name) : QString();
}

QStringList GameModel::names() const
{
    QStringList all = m_spectators.values();
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        if (m_seats[seat].taken)
            all << m_seats[seat].name;
    return all;
}

Team GameModel::teamOf(int seat)
{
    if (!isPlayerSeat(seat))
        return Team::None;
    return seat % 2 == 1 ? Team::Black : Team::Maroon;
}

QString GameModel::teamName(Team team)
{
    switch (team) {
    case Team::Black:
        return tr("Black Team");
    case Team::Maroon:
        return tr("Maroon Team");
    case Team::None:
        break;
    }
    return {};
}

TeamStanding GameModel::teamStanding(Team team) const
{
    TeamStanding standing;
    if (team == Team::None)
        return standing;
    standing.team = team;
    standing.name = teamName(team);
    const int first = team == Team::Black ? 1 : 2;
    standing.points = m_seats[first].points;
    for (int seat = first; seat <= kPlayerSeats; seat += 2)
        if (m_seats[seat].taken)
            standing.members << m_seats[seat].name;
    return standing;
}

void GameModel::takeSeat(int seat, const QString& name)
{
    if (!isPlayerSeat(seat))
        return;
    if (!m_seats[seat].taken) {
        // In a team game a newcomer joins a side that already has points: the seat shows them.
        const int teamPoints = m_team ? teamStanding(teamOf(seat)).points : 0;
        m_seats[seat] = PlayerSeat{};
        m_seats[seat].points = teamPoints;
    }
    m_seats[seat].taken = true;
    m_seats[seat].name = name;
    emit seatChanged(seat);
}

void GameModel::renameSeat(int seat, const QString& name)
{
    if (!isPlayerSeat(seat))
        return;
    // A name the server refreshes is a seat someone holds.
    m_seats[seat].taken = true;
    m_seats[seat].name = name;
    emit seatChanged(seat);
}

void GameModel::freeSeat(int seat)
{
    if (!isPlayerSeat(seat))
        return;
    m_seats[seat].taken = false;
    m_seats[seat].watching = false;
    emit seatChanged(seat);
}

void GameModel::setPoints(int seat, int points)
{
    if (!isPlayerSeat(seat))
        return;
    m_seats[seat].points = points;
    emit seatChanged(seat);
}

void GameModel::setWatching(int seat, bool watching)
{
    if (!isPlayerSeat(seat))
        return;
    m_seats[seat].watching = watching;
    emit seatChanged(seat);
}

void GameModel::addSpectator(int seat, const QString& name)
{
    // No seat lies above 15: a list fed every number a server names would grow for ever.
    if (seat <= kPlayerSeats || seat > kHighestSeat)
        return;
    m_spectators.insert(seat, name);
    emit spectatorsChanged();
}

bool GameModel::removeSpectator(int seat, const QString& name)
{
    const auto found = m_spectators.constFind(seat);
    if (found == m_spectators.constEnd() || *found != name)
        return false;
    m_spectators.remove(seat);
    emit spectatorsChanged();
    return true;
}

void GameModel::setMySeat(int seat)
{
    m_mySeat = seat;
    emit mySeatChanged();
}

void GameModel::setLoggedIn(bool loggedIn)
{
    m_loggedIn = loggedIn;
    emit loggedInChanged();
}

void GameModel::setHosting(bool hosting)
{
    m_hosting = hosting;
    emit hostingChanged();
}

void GameModel::setPhase(GamePhase phase)
{
    m_phase = phase;
    emit phaseChanged();
}

void GameModel::setDrawer(int seat)
{
    m_drawer = seat;
    emit drawerChanged();
}

void GameModel::setTurnSeat(int seat)
{
    m_turnSeat = seat;
    emit turnSeatChanged();
}

void GameModel::setCategory(int category)
{
    m_category = category;
    emit categoryChanged();
}

void GameModel::setHint(const QString& hint)
{
    m_hint = hint;
    emit hintChanged();
}

void GameModel::setFullAnswer(const QString& answer)
{
    m_fullAnswer = answer;
    emit fullAnswerChanged();
}

void GameModel::announceSettings(SettingsAnnouncement by, int playTo, int secondsPerTurn, bool team)
{
    m_announcement = by;
    m_playTo = playTo;
    m_secondsPerTurn = secondsPerTurn;
    m_team = team;
    emit settingsChanged();
}

void GameModel::setWinner(const QString& name)
{
    m_winner = name;
    emit winnerChanged();
}

void GameModel::setAward(const TurnAward& award)
{
    m_award = award;
    emit awardChanged();
}

void GameModel::setPassOffered(bool offered)
{
    m_passOffered = offered;
    emit passOfferedChanged();
}

void GameModel::setStartOffered(bool offered)
{
    m_startOffered = offered;
    emit startOfferedChanged();
}

void GameModel::setStartMenuEnabled(bool enabled)
{
    m_startMenuEnabled = enabled;
    emit startOfferedChanged();
}

void GameModel::setTurnCaption(const QString& caption)
{
    m_turnCaption = caption;
    emit turnCaptionChanged();
}

} // namespace pictova
