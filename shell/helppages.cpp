#include "shell/helppages.h"

#include <QCoreApplication>

namespace pictova {

namespace {

// The pages are translated where they are read, so the help window follows the player's language.
QString translated(const char* text)
{
    return QCoreApplication::translate("pictova::HelpWindow", text);
}

HelpPage page(int tag, const char* title, const char* body)
{
    return {tag, translated(title), QStringLiteral("<h3>%1</h3>").arg(translated(title)) + translated(body)};
}

const char* kOverview = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>Pictova is a drawing and guessing game for up to 10 players, with room for 5 more who just
look on. The players take turns at drawing: the drawer is given a secret word or phrase and
draws it on the board with the mouse, while everybody else tries to guess what is being
drawn by typing guesses.</p>
<p>To play with other people, one of you hosts the game with <b>File &gt; Host a Game…</b>
(Ctrl+H) and the others join it with <b>File &gt; Join a Game…</b> (Ctrl+J), which lists the games
announced on your local network and takes the host's address for any other. The same two buttons
sit on the board while no game runs, and <b>Play with Others</b> at start-up opens Join a Game. Help
&gt; Connecting tells more.</p>
<p>If you just want to practise your drawing, start Pictova on its own: it opens a solo game
with a limited set of phrases, which needs no network at all and is open to nobody else.</p>
<p>Beside the board you will find the chat, the score of every seat, and a row of ten phrase
buttons, each with a little face on it: one click sends its line, such as "Way To Go!",
"Nice Try!" or "Good Game Everyone!", to everybody. Rest the pointer on a button to read its
line, and change the lines with View &gt; Phrase Lists.</p>
<p>On a large screen, make the window bigger with View &gt; Zoom (or Ctrl and +, Ctrl and -, and
Ctrl and 0 for the usual size). Pictova remembers the size you chose.</p>
)");

const char* kConnecting = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p><b>Solo games.</b> Start Pictova without any arguments. It sets up a game on your own
computer under the name "You"; press the <b>Start Game</b> button to begin. A solo game
can be played offline.</p>
<p><b>Games with others.</b> Where the Quorix Lobby is installed, it can set up multi-player
games and start Pictova for every player with the right settings (a solo game offers to fetch
it). Without it, host and join from the window as told below: <b>Play with Others</b> at
start-up then opens Join a Game.</p>
<p><b>Games with friends from the window.</b> <b>File &gt; Host a Game…</b> hosts a game on
your computer: give your name and a port (7772 unless you choose another) and leave the box to
announce the game on the local network ticked, so that players nearby find it.
<b>File &gt; Join a Game…</b> lists the games announced on your local network: double-click one
to join it, or type the host's name or address, with <tt>:port</tt> after it when the port is not
7772. The same two buttons sit on the board while no game runs. If a join fails, the window says
why and offers to try again; if a joined game loses its connection, Pictova tries to get you back
in, with your points, for two minutes.</p>
<p>You can also start a game by hand from a terminal, always with three words after the
program's name: your name, the host's address, and <tt>true</tt> for the player who hosts or
<tt>join</tt> for everyone else. The host, Ann for example, runs:</p>
<p><tt>pictova Name 127.0.0.1 true</tt></p>
<p>with her own name for Name, and the others join her, each with their own name and the
address of Ann's computer for host (such as 192.168.1.20):</p>
<p><tt>pictova Name host join</tt></p>
<p>With only a name, or a name and an address, the window opens but connects to nobody. The
host's computer must accept connections on TCP port 7772. Only the game master can start a game,
with the <b>Start Game</b> button or File &gt; Start Game: the host, or on a server without a
window the player in seat 1 (or, while seat 1 is free, in the lowest seat taken).</p>
<p>With <b>Reveal letters</b> ticked in the Start Game window, the guessers' blanks show one
letter of the answer when half the turn's time has passed and another at three quarters (never
the last letter of a word). <b>Words</b> picks the word lists of the host's game: the built-in
ones, or a folder of plain-text files named general.txt, actions.txt, phrases.txt, music.txt,
movies.txt, tvshows.txt and fooddrink.txt, one entry a line; a category without a file keeps
its built-in words. What cannot be used is listed when the folder is chosen.</p>
)");

const char* kGamePlay = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>The phrase to draw is shown only to the drawer, at the very top of the drawing screen. The
other players see one blank line for each word of it.</p>
<p>At the start of a turn the drawer picks a category, which is then shown to everybody in a
red box. The categories are General, Actions, Phrases, Music, Movies, TV Shows, and Food and
Drink.</p>
<p>A drawer who does not like the phrase may press <b>PASS</b> for a new one, before starting
to draw. Each pass costs the drawer 1 point.</p>
<p>The drawer's tools are the pen colour, the pen width and the trash can, which clears the
whole picture.</p>
<p>On a game server of this version the drawer also has <b>Undo</b> (Ctrl+Z), which
takes back the last line drawn, up to the last 30 lines since the turn began or the picture was
cleared.</p>
<p>Everybody else types guesses in the answer field at the bottom of the screen and presses
Enter. Every word of the phrase that somebody guesses is shown at the top for all to see.</p>
<p>A turn lasts 2 minutes unless the host chose a shorter time. If nobody guesses the answer in
time, the turn ends, nobody scores, and the drawer loses 1 point (shown as -1 beside the
drawer's score; a score never goes below 0).</p>
)");

const char* kScoring = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>Whoever completes the phrase scores 2 points, and the drawer scores 1 point for a drawing
that was guessed.</p>
<p>The drawer loses 1 point for every pass, and 1 point when the time runs out with nobody
guessing the phrase (a score never goes below 0).</p>
<p>The host decides how many points win the game, from 20 up to 100. The first player to
reach that score, with nobody else level on points, wins the game.</p>
<p>In a team game the odd seats (1, 3, 5, 7, 9) play as the Black Team against the even seats
(2, 4, 6, 8, 10) as the Maroon Team, and the points go to the teams.</p>
<p>Games of only two people are not much fun: the same two players just take turns drawing for
each other. Three or more is better.</p>
)");

const char* kSnapShots = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>After each turn you have 10 seconds to keep the drawing: press the snapshot button, the one
with the little camera on it.</p>
<p>The picture is saved together with the date, the drawer's name and the answer, in the folder
"snapshots" next to your settings.</p>
<p>Choose View &gt; Snap Shots to look at your collection. Step through it with the arrow
buttons or pick a picture from the list. Pictures you no longer want can be deleted there.</p>
<p>Every turn also goes into the album by itself, the last 200 since Pictova was started: View
&gt; Album shows the drawings of every game, newest first, each game under a heading with its
scores (or one game alone, chosen at the top). Double-click one to watch it being drawn again
(Play, Pause, 1× or 4×). Save Album puts one picture of the games shown in the "snapshots"
folder, and Save Board as JPEG keeps the drawing you chose there too.</p>
)");

const char* kDocumentation = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>Pictova started as an evening project: a few friends wanted a drawing game they could play
across the office network at lunch, and it grew from there. Many thanks to everybody who
played the early versions, sent in phrases for the word lists and told us what broke.</p>
<p><b>Changes</b></p>
<p><b>2.2.4.1</b> - Settings are saved safely: a full disk can no longer leave a broken
settings file. The lobby download can be stopped at any moment.</p>
<p><b>2.2.4</b> - Players who run a different version are told so when they join.
Snapshots remember the drawer's name.</p>
<p><b>2.2.3</b> - Team games: odd seats against even seats. The host can put a player in
watching mode or remove a player from the game.</p>
<p><b>2.2.0</b> - Spectators: up to five more people can look on. New Spy List window.</p>
<p><b>2.1.2</b> - Phrase buttons can be edited and are kept in the settings.</p>
<p><b>2.1.0</b> - Snapshots of finished drawings, and the snapshot viewer.</p>
<p><b>2.0.0</b> - Sounds for the main events of a game, and a switch to turn them off.
Chat text size and colours are kept between games.</p>
<p><b>1.5.0</b> - The Food and Drink category. Passing now costs a point.</p>
<p><b>1.2.0</b> - Guesses are judged word by word, and found words are shown to everybody.</p>
<p><b>1.0.0</b> - First public release: seven categories, chat and scores.</p>
<p><b>0.9 beta</b> - Solo practice games and the Start Game window.</p>
<p><b>0.1 alpha</b> - First alpha release: one board, one word list, two players.</p>
)");

const char* kLicense = QT_TRANSLATE_NOOP("pictova::HelpWindow", R"(
<p>Pictova is free to use for anyone who has a copy. You may play it, copy it and give copies
to friends, as long as you pass it on whole and unchanged and do not charge for it.</p>
<p>You may not sell Pictova, or pass off any part of it as your own work.</p>
<p><b>No warranty.</b> Pictova is provided "as is", without warranty of any kind, express or
implied, including but not limited to the warranties of merchantability, fitness for a
particular purpose and non-infringement. In no event shall the authors be liable for any
claim, damages or other liability, whether in an action of contract, tort or otherwise,
arising from, out of or in connection with the game or its use. You use it at your own
risk.</p>
<p>By using Pictova you agree to these terms.</p>
)");

} // namespace

QList<HelpPage> helpPages()
{
    return {
        page(1, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Overview"), kOverview),
        page(2, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Connecting"), kConnecting),
        page(3, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Game Play"), kGamePlay),
        page(4, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Scoring"), kScoring),
        page(9, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Snap Shots"), kSnapShots),
        page(6, QT_TRANSLATE_NOOP("pictova::HelpWindow", "Documentation"), kDocumentation),
        page(5, QT_TRANSLATE_NOOP("pictova::HelpWindow", "License"), kLicense),
    };
}

} // namespace pictova
