#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

namespace pictova {

inline constexpr int kPlayerSeats = 10;
inline constexpr int kHighestSeat = 15;

inline bool isPlayerSeat(int seat)
{
    return seat >= 1 && seat <= kPlayerSeats;
}

// Line colours of the chat log.
inline constexpr quint32 kStatusColour = 0x8AAAAC; // #ACAA8A
inline constexpr quint32 kWatchColour = 0x78989C;  // #9C9878
inline constexpr quint32 kAlertColour = 0xFF0000;  // pure blue

struct PlayerSeat
{
    bool taken = false;
    QString name;
    // The number the server last gave this seat: its score, or its team's points in a team game.
    int points = 0;
    bool watching = false;
};

enum class GamePhase { NoGame, Break, Picking, Drawing, Won };

// The two sides of a team game: the odd seats and the even seats.
enum class Team { None, Black, Maroon };

// A team as its players see it: the points the server keeps for it and who plays on it.
struct TeamStanding
{
    Team team = Team::None;
    QString name;
    int points = 0;
    QStringList members; // names of the seats taken, in seat order
};

// Which message last announced the score to play to and the time per turn; each words its
// caption its own way.
enum class SettingsAnnouncement { None, GameStart, CatchUp };

// The points a finished turn gave, shown beside the seats.
struct TurnAward
{
    int drawerSeat = 0;
    int guesserSeat = 0;
    // What the turn changed the two scores by, "+2" and the like.
    QString drawerText;
    QString guesserText;
    bool shown = false;
};

// What the client knows about the game, as plain data. The session changes it as server messages
// arrive; widgets only observe it.
class GameModel : public QObject
{
    Q_OBJECT
public:
    explicit GameModel(QObject* parent = nullptr);

    // Forgets the game and this copy's place in it, as before a first connection.
    void reset();

    // ---- seats ----
    const PlayerSeat& seat(int seat) const;
    // The seat's name as shown among other words (peertext::isolated), empty for a seat that is
    // not a player seat.
    QString seatName(int seat) const;
    // The names of every player and spectator, as they were sent.
    QStringList names() const;
    // A player arriving on a free seat starts from nothing, whoever sat there before.
    void takeSeat(int seat, const QString& name);
    void renameSeat(int seat, const QString& name);
    void freeSeat(int seat);
    void setPoints(int seat, int points);
    void setWatching(int seat, bool watching);
    // The team a player seat belongs to in a team game; spectators' seats belong to none.
    static Team teamOf(int seat);
    static QString teamName(Team team);
    // The team's points live in its first seat (1 or 2), where the server scores and judges
    // them; the other seats hold copies that a pass or a time-out may leave behind.
    TeamStanding teamStanding(Team team) const;
    // Seats above the players: seat number to name.
    const QMap<int, QString>& spectators() const { return m_spectators; }
    void addSpectator(int seat, const QString& name);
    bool removeSpectator(int seat, const QString& name);

    // ---- this copy ----
    int mySeat() const { return m_mySeat; }
    void setMySeat(int seat);
    bool loggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn);
    bool hosting() const { return m_hosting; }
    void setHosting(bool hosting);
    bool solo() const { return m_solo; }
    void setSolo(bool solo) { m_solo = solo; }
    bool isDrawing() const { return m_drawer != 0 && m_drawer == m_mySeat; }
    // The game master starts games and removes players: seat 1, or while seat 1 is free the
    // lowest seat a player holds.
    bool isGameMaster() const;
    // While messages wait to be handled, who is game master is left as it was: a newcomer learns
    // of the seats below its own only after its own arrival.
    void holdGameMaster(bool hold);

    // ---- the game ----
    GamePhase phase() const { return m_phase; }
    // A game is on: started and not yet won.
    bool gameRunning() const { return m_phase != GamePhase::NoGame && m_phase != GamePhase::Won; }
    void setPhase(GamePhase phase);
    // The seat that may draw now; 0 between turns.
    int drawer() const { return m_drawer; }
    void setDrawer(int seat);
    // The seat whose turn it is or last was: the row marker stays there between turns.
    int turnSeat() const { return m_turnSeat; }
    void setTurnSeat(int seat);
    int category() const { return m_category; }
    void setCategory(int category);
    QString hint() const { return m_hint; }
    void setHint(const QString& hint);
    QString fullAnswer() const { return m_fullAnswer; }
    void setFullAnswer(const QString& answer);
    bool teamGame() const { return m_team; }
    int playTo() const { return m_playTo; }
    int secondsPerTurn() const { return m_secondsPerTurn; }
    SettingsAnnouncement settingsAnnouncement() const { return m_announcement; }
    void announceSettings(SettingsAnnouncement by, int playTo, int secondsPerTurn, bool team);
    QString winner() const { return m_winner; }
    void setWinner(const QString& name);
    const TurnAward& award() const { return m_award; }
    void setAward(const TurnAward& award);
    // Whether the drawer may still buy another phrase this turn.
    bool passOffered() const { return m_passOffered; }
    void setPassOffered(bool offered);
    // Whether this copy offers to start a game (the Start button).
    bool startOffered() const { return m_startOffered; }
    void setStartOffered(bool offered);
    bool startMenuEnabled() const { return m_startMenuEnabled; }
    void setStartMenuEnabled(bool enabled);
    // The caption a snapshot of the finished turn gets; empty while a turn runs.
    QString turnCaption() const { return m_turnCaption; }
    void setTurnCaption(const QString& caption);

signals:
    void seatChanged(int seat);
    void spectatorsChanged();
    void mySeatChanged();
    void loggedInChanged();
    void hostingChanged();
    void phaseChanged();
    void drawerChanged();
    void turnSeatChanged();
    void categoryChanged();
    void hintChanged();
    void fullAnswerChanged();
    void settingsChanged();
    void winnerChanged();
    void awardChanged();
    void passOfferedChanged();
    void startOfferedChanged();
    void turnCaptionChanged();
    void gameMasterChanged();

private:
    std::array<PlayerSeat, kPlayerSeats + 1> m_seats{};
    QMap<int, QString> m_spectators;
    int m_mySeat = 0;
    bool m_loggedIn = false;
    bool m_hosting = false;
    bool m_solo = false;
    GamePhase m_phase = GamePhase::NoGame;
    int m_drawer = 0;
    int m_turnSeat = 0;
    int m_category = -1;
    QString m_hint;
    QString m_fullAnswer;
    bool m_team = false;
    int m_playTo = 20;
    // Until a game is announced, a turn lasts what the start form offers first.
    int m_secondsPerTurn = 120;
    SettingsAnnouncement m_announcement = SettingsAnnouncement::None;
    QString m_winner;
    TurnAward m_award;
    bool m_passOffered = false;
    bool m_startOffered = false;
    bool m_startMenuEnabled = false;
    QString m_turnCaption;
    bool m_gameMaster = false;
    bool m_holdGameMaster = false;

    void updateGameMaster();
};

} // namespace pictova
