<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::AboutBox</name>
    <message>
        <source>Pictova - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game design and code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Pictova team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures and sounds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>made for Pictova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks to every tester!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::Album</name>
    <message>
        <source>%1 guessed it at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one guessed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passed at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 drew · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · 1 turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · %1 turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album: 1 turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album: %1 turns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in %1 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, the last %1 kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game %1, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova, %1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::AlbumDialog</name>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Board as JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2
%3 drew
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::AnswerPanel</name>
    <message>
        <source>Type Answers Here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::BoardHeader</name>
    <message>
        <source>Welcome To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova By Quorix Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play to score: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time per turn: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::BoardNotice</name>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::CategoryChooser</name>
    <message>
        <source>is picking a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your turn to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose a category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ChatLog</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ClientSession</name>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the connection before the game let you in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the game was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closed the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be made again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the connection: no game is hosted there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 now runs a different version of Pictova than yours (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game at %1 runs a different version of Pictova than yours (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were removed from the game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ColourButton</name>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::DownloadDialog</name>
    <message>
        <source>Download The Quorix Lobby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download And Install The Quorix Lobby Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download The Quorix Lobby Now to play this  and other exciting games online with other players!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you already have The Quorix Lobby and you wish to play with others then click the button below to close this game and open The Quorix Lobby.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::DrawerToolbar</name>
    <message>
        <source>Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last stroke (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush width</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameChooser</name>
    <message>
        <source>Host a Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer cannot host a game on port %1 (%2): another program, or another copy of the game, may be using it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosting a game as %1 on port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game cannot be announced on the local network (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joining %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite Players…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameModel</name>
    <message>
        <source>Black Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon Team</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameStartForm</name>
    <message>
        <source>Only the copy that hosts the game can use its own words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game&apos;s server does not offer letter hints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guessers see one letter of the answer at half the turn&apos;s time and another at three quarters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova - Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play To Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Limit Per Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova - Word Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameStarter</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GameWindow</name>
    <message>
        <source>Pictova - Quorix Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::GuessingHandler</name>
    <message>
        <source>%1 guessed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No one guessed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has guessed the answer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::HelpWindow</name>
    <message>
        <source>Pictova - Help File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova
A drawing and guessing game
by the Pictova team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;Pictova is a drawing and guessing game for up to 10 players, with room for 5 more who just
look on. The players take turns at drawing: the drawer is given a secret word or phrase and
draws it on the board with the mouse, while everybody else tries to guess what is being
drawn by typing guesses.&lt;/p&gt;
&lt;p&gt;To play with other people, one of you hosts the game with &lt;b&gt;File &amp;gt; Host a Game…&lt;/b&gt;
(Ctrl+H) and the others join it with &lt;b&gt;File &amp;gt; Join a Game…&lt;/b&gt; (Ctrl+J), which lists the games
announced on your local network and takes the host&apos;s address for any other. The same two buttons
sit on the board while no game runs, and &lt;b&gt;Play with Others&lt;/b&gt; at start-up opens Join a Game. Help
&amp;gt; Connecting tells more.&lt;/p&gt;
&lt;p&gt;If you just want to practise your drawing, start Pictova on its own: it opens a solo game
with a limited set of phrases, which needs no network at all and is open to nobody else.&lt;/p&gt;
&lt;p&gt;Beside the board you will find the chat, the score of every seat, and a row of ten phrase
buttons, each with a little face on it: one click sends its line, such as &quot;Way To Go!&quot;,
&quot;Nice Try!&quot; or &quot;Good Game Everyone!&quot;, to everybody. Rest the pointer on a button to read its
line, and change the lines with View &amp;gt; Phrase Lists.&lt;/p&gt;
&lt;p&gt;On a large screen, make the window bigger with View &amp;gt; Zoom (or Ctrl and +, Ctrl and -, and
Ctrl and 0 for the usual size). Pictova remembers the size you chose.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Solo games.&lt;/b&gt; Start Pictova without any arguments. It sets up a game on your own
computer under the name &quot;You&quot;; press the &lt;b&gt;Start Game&lt;/b&gt; button to begin. A solo game
can be played offline.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Games with others.&lt;/b&gt; Where the Quorix Lobby is installed, it can set up multi-player
games and start Pictova for every player with the right settings (a solo game offers to fetch
it). Without it, host and join from the window as told below: &lt;b&gt;Play with Others&lt;/b&gt; at
start-up then opens Join a Game.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Games with friends from the window.&lt;/b&gt; &lt;b&gt;File &amp;gt; Host a Game…&lt;/b&gt; hosts a game on
your computer: give your name and a port (7772 unless you choose another) and leave the box to
announce the game on the local network ticked, so that players nearby find it.
&lt;b&gt;File &amp;gt; Join a Game…&lt;/b&gt; lists the games announced on your local network: double-click one
to join it, or type the host&apos;s name or address, with &lt;tt&gt;:port&lt;/tt&gt; after it when the port is not
7772. The same two buttons sit on the board while no game runs. If a join fails, the window says
why and offers to try again; if a joined game loses its connection, Pictova tries to get you back
in, with your points, for two minutes.&lt;/p&gt;
&lt;p&gt;You can also start a game by hand from a terminal, always with three words after the
program&apos;s name: your name, the host&apos;s address, and &lt;tt&gt;true&lt;/tt&gt; for the player who hosts or
&lt;tt&gt;join&lt;/tt&gt; for everyone else. The host, Ann for example, runs:&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Name 127.0.0.1 true&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;with her own name for Name, and the others join her, each with their own name and the
address of Ann&apos;s computer for host (such as 192.168.1.20):&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Name host join&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;With only a name, or a name and an address, the window opens but connects to nobody. The
host&apos;s computer must accept connections on TCP port 7772. Only the game master can start a game,
with the &lt;b&gt;Start Game&lt;/b&gt; button or File &amp;gt; Start Game: the host, or on a server without a
window the player in seat 1 (or, while seat 1 is free, in the lowest seat taken).&lt;/p&gt;
&lt;p&gt;With &lt;b&gt;Reveal letters&lt;/b&gt; ticked in the Start Game window, the guessers&apos; blanks show one
letter of the answer when half the turn&apos;s time has passed and another at three quarters (never
the last letter of a word). &lt;b&gt;Words&lt;/b&gt; picks the word lists of the host&apos;s game: the built-in
ones, or a folder of plain-text files named general.txt, actions.txt, phrases.txt, music.txt,
movies.txt, tvshows.txt and fooddrink.txt, one entry a line; a category without a file keeps
its built-in words. What cannot be used is listed when the folder is chosen.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;The phrase to draw is shown only to the drawer, at the very top of the drawing screen. The
other players see one blank line for each word of it.&lt;/p&gt;
&lt;p&gt;At the start of a turn the drawer picks a category, which is then shown to everybody in a
red box. The categories are General, Actions, Phrases, Music, Movies, TV Shows, and Food and
Drink.&lt;/p&gt;
&lt;p&gt;A drawer who does not like the phrase may press &lt;b&gt;PASS&lt;/b&gt; for a new one, before starting
to draw. Each pass costs the drawer 1 point.&lt;/p&gt;
&lt;p&gt;The drawer&apos;s tools are the pen colour, the pen width and the trash can, which clears the
whole picture.&lt;/p&gt;
&lt;p&gt;On a game server of this version the drawer also has &lt;b&gt;Undo&lt;/b&gt; (Ctrl+Z), which
takes back the last line drawn, up to the last 30 lines since the turn began or the picture was
cleared.&lt;/p&gt;
&lt;p&gt;Everybody else types guesses in the answer field at the bottom of the screen and presses
Enter. Every word of the phrase that somebody guesses is shown at the top for all to see.&lt;/p&gt;
&lt;p&gt;A turn lasts 2 minutes unless the host chose a shorter time. If nobody guesses the answer in
time, the turn ends, nobody scores, and the drawer loses 1 point (shown as -1 beside the
drawer&apos;s score; a score never goes below 0).&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;Whoever completes the phrase scores 2 points, and the drawer scores 1 point for a drawing
that was guessed.&lt;/p&gt;
&lt;p&gt;The drawer loses 1 point for every pass, and 1 point when the time runs out with nobody
guessing the phrase (a score never goes below 0).&lt;/p&gt;
&lt;p&gt;The host decides how many points win the game, from 20 up to 100. The first player to
reach that score, with nobody else level on points, wins the game.&lt;/p&gt;
&lt;p&gt;In a team game the odd seats (1, 3, 5, 7, 9) play as the Black Team against the even seats
(2, 4, 6, 8, 10) as the Maroon Team, and the points go to the teams.&lt;/p&gt;
&lt;p&gt;Games of only two people are not much fun: the same two players just take turns drawing for
each other. Three or more is better.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;After each turn you have 10 seconds to keep the drawing: press the snapshot button, the one
with the little camera on it.&lt;/p&gt;
&lt;p&gt;The picture is saved together with the date, the drawer&apos;s name and the answer, in the folder
&quot;snapshots&quot; next to your settings.&lt;/p&gt;
&lt;p&gt;Choose View &amp;gt; Snap Shots to look at your collection. Step through it with the arrow
buttons or pick a picture from the list. Pictures you no longer want can be deleted there.&lt;/p&gt;
&lt;p&gt;Every turn also goes into the album by itself, the last 200 since Pictova was started: View
&amp;gt; Album shows the drawings of every game, newest first, each game under a heading with its
scores (or one game alone, chosen at the top). Double-click one to watch it being drawn again
(Play, Pause, 1× or 4×). Save Album puts one picture of the games shown in the &quot;snapshots&quot;
folder, and Save Board as JPEG keeps the drawing you chose there too.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;Pictova started as an evening project: a few friends wanted a drawing game they could play
across the office network at lunch, and it grew from there. Many thanks to everybody who
played the early versions, sent in phrases for the word lists and told us what broke.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Changes&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4.1&lt;/b&gt; - Settings are saved safely: a full disk can no longer leave a broken
settings file. The lobby download can be stopped at any moment.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4&lt;/b&gt; - Players who run a different version are told so when they join.
Snapshots remember the drawer&apos;s name.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.3&lt;/b&gt; - Team games: odd seats against even seats. The host can put a player in
watching mode or remove a player from the game.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.0&lt;/b&gt; - Spectators: up to five more people can look on. New Spy List window.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.2&lt;/b&gt; - Phrase buttons can be edited and are kept in the settings.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.0&lt;/b&gt; - Snapshots of finished drawings, and the snapshot viewer.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.0.0&lt;/b&gt; - Sounds for the main events of a game, and a switch to turn them off.
Chat text size and colours are kept between games.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.5.0&lt;/b&gt; - The Food and Drink category. Passing now costs a point.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.2.0&lt;/b&gt; - Guesses are judged word by word, and found words are shown to everybody.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.0.0&lt;/b&gt; - First public release: seven categories, chat and scores.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.9 beta&lt;/b&gt; - Solo practice games and the Start Game window.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.1 alpha&lt;/b&gt; - First alpha release: one board, one word list, two players.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&lt;p&gt;Pictova is free to use for anyone who has a copy. You may play it, copy it and give copies
to friends, as long as you pass it on whole and unchanged and do not charge for it.&lt;/p&gt;
&lt;p&gt;You may not sell Pictova, or pass off any part of it as your own work.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;No warranty.&lt;/b&gt; Pictova is provided &quot;as is&quot;, without warranty of any kind, express or
implied, including but not limited to the warranties of merchantability, fitness for a
particular purpose and non-infringement. In no event shall the authors be liable for any
claim, damages or other liability, whether in an action of contract, tort or otherwise,
arising from, out of or in connection with the game or its use. You use it at your own
risk.&lt;/p&gt;
&lt;p&gt;By using Pictova you agree to these terms.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::HostDialog</name>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictova - Host a Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce this game on the local network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friends on the internet reach this game at this computer&apos;s address and port; the router may need to forward the port.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::HttpDownload</name>
    <message>
        <source>The file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not resolve the server&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of redirects hit maximum amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not reach the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many header lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::InviteDialog</name>
    <message>
        <source>Invite Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players in the same network open this link in a browser, or scan the code with a phone&apos;s camera:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::InvitePanel</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game takes no players from a browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::JoinDialog</name>
    <message>
        <source>Pictova - Join a Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host name or address, optionally :port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games on the local network (double-click to join):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::LobbyDownloader</name>
    <message>
        <source>Download Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close the game and open the Quorix Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1. Check it before you run it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1 (fetched over plain http: anyone on the way could have changed it). Check it before you run it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Aborted: the file could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Aborted: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::PhraseEditor</name>
    <message>
        <source>Pictova - Phrase Buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ReconnectBanner</name>
    <message>
        <source>Give Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost, reconnecting… (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::ReplayPlayer</name>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play at normal speed or four times as fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (drawing too long: replayed in part)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (no replay kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay: turn %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::RoundsHandler</name>
    <message>
        <source>%1 started a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has started a TEAM game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other phrase is left to deal in this category: keep drawing this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has bought a different phrase for one point.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::SeatPanelView</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take A Snap Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::SeatsHandler</name>
    <message>
        <source>You are Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was removed from the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a different version of the game then the host.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::SnapshotViewer</name>
    <message>
        <source>Pictova - Snap Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the snapshot %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::SpectatorList</name>
    <message>
        <source>Pictova - Spys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::TurnView</name>
    <message>
        <source>%1 won the game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your turn to choose a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is choosing a category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your turn to draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn to draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::UiScale</name>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::WatchersHandler</name>
    <message>
        <source>%1 is just watching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now playing again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::WinnerPanel</name>
    <message>
        <source>The Winner!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::artwork</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Winner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::errors</name>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::lan::Announcer</name>
    <message>
        <source>No network interface can multicast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::lan::GameBrowser</name>
    <message>
        <source>No network interface can receive games on the local network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not join the local-network group: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pictova::prompts</name>
    <message>
        <source>A game is running. Start a new one? Every score goes back to 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 player is in this game. Leaving ends it for everyone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 players are in this game. Leaving ends it for everyone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
