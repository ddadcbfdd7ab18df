<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>pictova::AboutBox</name>
    <message>
        <source>Pictova - About</source>
        <translation>Pictova - Über</translation>
    </message>
    <message>
        <source>Game design and code:</source>
        <translation>Spielidee und Programm:</translation>
    </message>
    <message>
        <source>the Pictova team</source>
        <translation>das Pictova-Team</translation>
    </message>
    <message>
        <source>Pictures and sounds:</source>
        <translation>Bilder und Klänge:</translation>
    </message>
    <message>
        <source>made for Pictova</source>
        <translation>für Pictova gemacht</translation>
    </message>
    <message>
        <source>Thanks to every tester!</source>
        <translation>Danke an alle Tester!</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>pictova::Album</name>
    <message>
        <source>%1 guessed it at %2</source>
        <translation>%1 hat es bei %2 erraten</translation>
    </message>
    <message>
        <source>No one guessed (%1)</source>
        <translation>Niemand hat es erraten (%1)</translation>
    </message>
    <message>
        <source>Passed at %1</source>
        <translation>Gepasst bei %1</translation>
    </message>
    <message>
        <source>%1 drew · %2</source>
        <translation>%1 hat gezeichnet · %2</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source> · 1 turn</source>
        <translation> · 1 Runde</translation>
    </message>
    <message>
        <source> · %1 turns</source>
        <translation> · %1 Runden</translation>
    </message>
    <message>
        <source>Album: 1 turn</source>
        <translation>Album: 1 Runde</translation>
    </message>
    <message>
        <source>Album: %1 turns</source>
        <translation>Album: %1 Runden</translation>
    </message>
    <message>
        <source> in %1 games</source>
        <translation> in %1 Spielen</translation>
    </message>
    <message>
        <source>, the last %1 kept</source>
        <translation>, die letzten %1 behalten</translation>
    </message>
    <message>
        <source>Game %1, </source>
        <translation>Spiel %1, </translation>
    </message>
    <message>
        <source>Pictova, %1 · %2</source>
        <translation>Pictova, %1 · %2</translation>
    </message>
</context>
<context>
    <name>pictova::AlbumDialog</name>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Album speichern</translation>
    </message>
    <message>
        <source>Save Board as JPEG</source>
        <translation>Tafel als JPEG speichern</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>%1. %2
%3 drew
%4</source>
        <translation>%1. %2
%3 hat gezeichnet
%4</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>pictova::AnswerPanel</name>
    <message>
        <source>Type Answers Here</source>
        <translation>Antworten hier eingeben</translation>
    </message>
</context>
<context>
    <name>pictova::BoardHeader</name>
    <message>
        <source>Welcome To</source>
        <translation>Willkommen bei</translation>
    </message>
    <message>
        <source>Pictova By Quorix Software</source>
        <translation>Pictova von Quorix Software</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Play to score: %1</source>
        <translation>Spielen bis: %1</translation>
    </message>
    <message>
        <source>Time per turn: %1</source>
        <translation>Zeit pro Zug: %1</translation>
    </message>
</context>
<context>
    <name>pictova::BoardNotice</name>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>pictova::CategoryChooser</name>
    <message>
        <source>is picking a category</source>
        <translation>wählt eine Kategorie</translation>
    </message>
    <message>
        <source>Your turn to</source>
        <translation>Du bist dran:</translation>
    </message>
    <message>
        <source>choose a category</source>
        <translation>Wähle eine Kategorie</translation>
    </message>
</context>
<context>
    <name>pictova::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Aktionsfarbe</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Chat hier eingeben&gt;</translation>
    </message>
</context>
<context>
    <name>pictova::ChatLog</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
</context>
<context>
    <name>pictova::ClientSession</name>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Keine Antwort von %1 innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Kein Computer namens „%1“ gefunden.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>%1 ist nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>%1 closed the connection before the game let you in.</source>
        <translation>%1 hat die Verbindung getrennt, bevor das Spiel dich hereinließ.</translation>
    </message>
    <message>
        <source>The connection to the game was closed.</source>
        <translation>Die Verbindung zum Spiel wurde geschlossen.</translation>
    </message>
    <message>
        <source>%1 closed the game.</source>
        <translation>%1 hat das Spiel beendet.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be made again.</source>
        <translation>Die Verbindung zum Spiel ist abgebrochen und konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>Die Verbindung zum Spiel ist abgebrochen.</translation>
    </message>
    <message>
        <source>%1 refused the connection: no game is hosted there.</source>
        <translation>%1 hat die Verbindung abgelehnt: Dort läuft kein Spiel.</translation>
    </message>
    <message>
        <source>No answer from %1.</source>
        <translation>Keine Antwort von %1.</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>Das Spiel bei %1 ist voll.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>The game at %1 now runs a different version of Pictova than yours (%2).</source>
        <translation>Das Spiel bei %1 läuft jetzt mit einer anderen Pictova-Version als deiner (%2).</translation>
    </message>
    <message>
        <source>The game at %1 runs a different version of Pictova than yours (%2).</source>
        <translation>Das Spiel bei %1 läuft mit einer anderen Pictova-Version als deiner (%2).</translation>
    </message>
    <message>
        <source>You were removed from the game.</source>
        <translation>Du wurdest aus dem Spiel entfernt.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 hat keine Räume: Dort läuft nur ein Spiel.</translation>
    </message>
</context>
<context>
    <name>pictova::ColourButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Andere</translation>
    </message>
</context>
<context>
    <name>pictova::DownloadDialog</name>
    <message>
        <source>Download The Quorix Lobby</source>
        <translation>Die Quorix Lobby herunterladen</translation>
    </message>
    <message>
        <source>Download And Install The Quorix Lobby Now</source>
        <translation>Quorix Lobby jetzt laden und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download abbrechen</translation>
    </message>
    <message>
        <source>Download The Quorix Lobby Now to play this  and other exciting games online with other players!</source>
        <translation>Lade jetzt die Quorix Lobby, um dieses und andere spannende Spiele online mit anderen zu spielen!</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Allein spielen</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Mitspieler zum Spiel zu gehen, klicke auf den Knopf unten.</translation>
    </message>
    <message>
        <source>If you already have The Quorix Lobby and you wish to play with others then click the button below to close this game and open The Quorix Lobby.</source>
        <translation>Wenn du die Quorix Lobby schon hast und mit anderen spielen möchtest, klicke auf den Knopf unten, um dieses Spiel zu schließen und die Quorix Lobby zu öffnen.</translation>
    </message>
</context>
<context>
    <name>pictova::DrawerToolbar</name>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last stroke (Ctrl+Z)</source>
        <translation>Letzten Strich zurücknehmen (Strg+Z)</translation>
    </message>
    <message>
        <source>Brush color</source>
        <translation>Pinselfarbe</translation>
    </message>
    <message>
        <source>Brush width</source>
        <translation>Pinselbreite</translation>
    </message>
</context>
<context>
    <name>pictova::GameChooser</name>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Spiel beitreten…</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed: %1</source>
        <translation>Spiele im lokalen Netz können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>This computer cannot host a game on port %1 (%2): another program, or another copy of the game, may be using it.</source>
        <translation>Dieser Computer kann kein Spiel auf Port %1 eröffnen (%2): Ein anderes Programm oder eine andere Kopie des Spiels nutzt ihn vielleicht.</translation>
    </message>
    <message>
        <source>Hosting a game as %1 on port %2.</source>
        <translation>Spiel als %1 auf Port %2 eröffnet.</translation>
    </message>
    <message>
        <source>This game cannot be announced on the local network (%1).</source>
        <translation>Dieses Spiel kann im lokalen Netz nicht angekündigt werden (%1).</translation>
    </message>
    <message>
        <source>Joining %1…</source>
        <translation>Trete %1 bei…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>In room %1: others join with this code, or with %2</source>
        <translation>Im Raum %1: Andere kommen mit diesem Code dazu oder mit %2</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first.</source>
        <translation>Gib zuerst die Adresse des Servers ein.</translation>
    </message>
    <message>
        <source>Asking %1 for its rooms…</source>
        <translation>Frage %1 nach seinen Räumen …</translation>
    </message>
</context>
<context>
    <name>pictova::GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Spiel eröffnen…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Spiel beitreten…</translation>
    </message>
    <message>
        <source>Invite Players…</source>
        <translation>Mitspieler einladen…</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Klänge abspielen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Aktionsfarbe</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht mitrollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Schnappschüsse</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Phrase Lists</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pictova</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf Zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Zuschauen aufheben</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Vote to Remove</source>
        <translation>Für Entfernen stimmen</translation>
    </message>
</context>
<context>
    <name>pictova::GameModel</name>
    <message>
        <source>Black Team</source>
        <translation>Team Schwarz</translation>
    </message>
    <message>
        <source>Maroon Team</source>
        <translation>Team Rotbraun</translation>
    </message>
</context>
<context>
    <name>pictova::GameStartForm</name>
    <message>
        <source>Only the copy that hosts the game can use its own words.</source>
        <translation>Nur die Kopie, die das Spiel eröffnet, kann eigene Wörter verwenden.</translation>
    </message>
    <message>
        <source>This game&apos;s server does not offer letter hints.</source>
        <translation>Der Server dieses Spiels bietet keine Buchstabenhinweise.</translation>
    </message>
    <message>
        <source>Guessers see one letter of the answer at half the turn&apos;s time and another at three quarters.</source>
        <translation>Die Ratenden sehen nach der Hälfte der Zugzeit einen Buchstaben der Antwort und nach drei Vierteln einen weiteren.</translation>
    </message>
    <message>
        <source>Pictova - Start Game</source>
        <translation>Pictova - Spiel starten</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Teamspiel</translation>
    </message>
    <message>
        <source>Reveal letters</source>
        <translation>Buchstaben zeigen</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>From folder…</source>
        <translation>Aus Ordner…</translation>
    </message>
    <message>
        <source>Play To Score</source>
        <translation>Spielen bis Punkte</translation>
    </message>
    <message>
        <source>Time Limit Per Turn</source>
        <translation>Zeit pro Zug</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Pictova - Word Folder</source>
        <translation>Pictova - Wortordner</translation>
    </message>
</context>
<context>
    <name>pictova::GameStarter</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Einzelspiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen … Bitte warten.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
</context>
<context>
    <name>pictova::GameWindow</name>
    <message>
        <source>Pictova - Quorix Software</source>
        <translation>Pictova - Quorix Software</translation>
    </message>
</context>
<context>
    <name>pictova::GuessingHandler</name>
    <message>
        <source>%1 guessed: %2</source>
        <translation>%1 hat geraten: %2</translation>
    </message>
    <message>
        <source>%1 answered: %2</source>
        <translation>%1 hat geantwortet: %2</translation>
    </message>
    <message>
        <source>No one guessed!</source>
        <translation>Niemand hat es erraten!</translation>
    </message>
    <message>
        <source>%1 has guessed the answer!</source>
        <translation>%1 hat die Antwort erraten!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
</context>
<context>
    <name>pictova::HelpWindow</name>
    <message>
        <source>Pictova - Help File</source>
        <translation>Pictova - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Pictova</translation>
    </message>
    <message>
        <source>Pictova
A drawing and guessing game
by the Pictova team</source>
        <translation>Pictova
Ein Mal- und Ratespiel
vom Pictova-Team</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
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
        <translation>
&lt;p&gt;Pictova ist ein Mal- und Ratespiel für bis zu 10 Spieler, dazu haben 5 weitere Platz, die nur
zuschauen. Die Spieler zeichnen abwechselnd: Der Zeichner bekommt ein geheimes Wort oder eine
Redewendung und zeichnet es mit der Maus auf die Tafel, während alle anderen durch Eintippen
von Vorschlägen zu erraten versuchen, was gezeichnet wird.&lt;/p&gt;
&lt;p&gt;Um mit anderen zu spielen, eröffnet einer von euch das Spiel mit &lt;b&gt;Datei &amp;gt; Spiel eröffnen…&lt;/b&gt;
(Strg+H), und die anderen treten mit &lt;b&gt;Datei &amp;gt; Spiel beitreten…&lt;/b&gt; (Strg+J) bei; dort stehen die
im lokalen Netz angekündigten Spiele, und für jedes andere gibt man die Adresse des Gastgebers ein.
Dieselben zwei Knöpfe liegen auf der Tafel, solange kein Spiel läuft, und &lt;b&gt;Mit anderen spielen&lt;/b&gt;
beim Start öffnet Spiel beitreten. Hilfe &amp;gt; Verbinden erklärt mehr.&lt;/p&gt;
&lt;p&gt;Wer nur das Zeichnen üben will, startet Pictova für sich allein: Es öffnet ein Einzelspiel
mit einer begrenzten Auswahl an Begriffen, das kein Netzwerk braucht und für niemanden sonst offen ist.&lt;/p&gt;
&lt;p&gt;Neben der Tafel findest du den Chat, die Punkte jedes Platzes und eine Reihe von zehn
Spruchknöpfen, jeder mit einem kleinen Gesicht: Ein Klick schickt seinen Spruch, etwa &quot;Way To Go!&quot;,
&quot;Nice Try!&quot; oder &quot;Good Game Everyone!&quot;, an alle. Lass den Zeiger auf einem Knopf ruhen, um seinen
Spruch zu lesen, und ändere die Sprüche mit Ansicht &amp;gt; Sprüche.&lt;/p&gt;
&lt;p&gt;Auf einem großen Bildschirm vergrößerst du das Fenster mit Ansicht &amp;gt; Zoom (oder Strg und +,
Strg und - und Strg und 0 für die normale Größe). Pictova merkt sich die gewählte Größe.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;&lt;b&gt;Einzelspiele.&lt;/b&gt; Starte Pictova ohne Argumente. Es richtet auf deinem eigenen Computer ein
Spiel unter dem Namen &quot;You&quot; ein; drücke den Knopf &lt;b&gt;Spiel starten&lt;/b&gt;, um zu beginnen. Ein
Einzelspiel lässt sich ohne Netz spielen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spiele mit anderen.&lt;/b&gt; Wo die Quorix Lobby installiert ist, kann sie Mehrspielerspiele
einrichten und Pictova für jeden Spieler mit den richtigen Einstellungen starten (ein Einzelspiel
bietet an, sie zu holen). Ohne sie eröffnet man Spiele und tritt ihnen aus dem Fenster bei, wie
unten beschrieben: &lt;b&gt;Mit anderen spielen&lt;/b&gt; beim Start öffnet dann Spiel beitreten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spiele mit Freunden aus dem Fenster.&lt;/b&gt; &lt;b&gt;Datei &amp;gt; Spiel eröffnen…&lt;/b&gt; eröffnet ein Spiel
auf deinem Computer: Gib deinen Namen und einen Port an (7772, wenn du keinen anderen wählst) und
lass das Häkchen zum Ankündigen im lokalen Netz gesetzt, damit Spieler in der Nähe das Spiel finden.
&lt;b&gt;Datei &amp;gt; Spiel beitreten…&lt;/b&gt; listet die im lokalen Netz angekündigten Spiele: Doppelklicke
eines, um beizutreten, oder tippe den Namen oder die Adresse des Gastgebers ein, mit &lt;tt&gt;:port&lt;/tt&gt;
dahinter, wenn der Port nicht 7772 ist. Dieselben zwei Knöpfe liegen auf der Tafel, solange kein
Spiel läuft. Schlägt ein Beitritt fehl, sagt das Fenster warum und bietet einen neuen Versuch an;
verliert ein Spiel, dem du beigetreten bist, die Verbindung, versucht Pictova zwei Minuten lang,
dich mit deinen Punkten wieder hineinzubringen.&lt;/p&gt;
&lt;p&gt;Du kannst ein Spiel auch von Hand in einem Terminal starten, immer mit drei Wörtern nach dem
Programmnamen: deinem Namen, der Adresse des Gastgebers und &lt;tt&gt;true&lt;/tt&gt; für den Spieler, der
das Spiel eröffnet, oder &lt;tt&gt;join&lt;/tt&gt; für alle anderen. Die Gastgeberin, zum Beispiel Ann, gibt ein:&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Name 127.0.0.1 true&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;mit ihrem eigenen Namen für Name, und die anderen treten bei, jeder mit seinem eigenen Namen
und der Adresse von Anns Computer für host (etwa 192.168.1.20):&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Name host join&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;Mit nur einem Namen oder einem Namen und einer Adresse öffnet sich das Fenster, verbindet sich
aber mit niemandem. Der Computer des Gastgebers muss Verbindungen auf TCP-Port 7772 annehmen. Nur
der Spielleiter kann ein Spiel starten, mit dem Knopf &lt;b&gt;Spiel starten&lt;/b&gt; oder Datei &amp;gt; Spiel
starten: der Gastgeber oder, auf einem Server ohne Fenster, der Spieler auf Platz 1 (oder, solange
Platz 1 frei ist, auf dem niedrigsten besetzten Platz).&lt;/p&gt;
&lt;p&gt;Ist im Fenster Spiel starten &lt;b&gt;Buchstaben zeigen&lt;/b&gt; angekreuzt, zeigen die Lücken der Ratenden
einen Buchstaben der Antwort, wenn die Hälfte der Zugzeit vorbei ist, und einen weiteren nach drei
Vierteln (nie den letzten Buchstaben eines Wortes). &lt;b&gt;Wörter&lt;/b&gt; wählt die Wortlisten des Spiels
des Gastgebers: die eingebauten oder einen Ordner mit Textdateien namens general.txt, actions.txt,
phrases.txt, music.txt, movies.txt, tvshows.txt und fooddrink.txt, ein Eintrag pro Zeile; eine
Kategorie ohne Datei behält ihre eingebauten Wörter. Was nicht verwendet werden kann, wird beim
Wählen des Ordners aufgelistet.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Der zu zeichnende Begriff wird nur dem Zeichner angezeigt, ganz oben auf der Zeichenfläche.
Die anderen Spieler sehen für jedes seiner Wörter eine leere Linie.&lt;/p&gt;
&lt;p&gt;Zu Beginn eines Zuges wählt der Zeichner eine Kategorie, die dann allen in einem roten Kasten
gezeigt wird. Die Kategorien sind Allgemein, Tätigkeiten, Redewendungen, Musik, Filme, Fernsehen
sowie Essen und Trinken.&lt;/p&gt;
&lt;p&gt;Ein Zeichner, dem der Begriff nicht gefällt, kann vor dem Zeichnen &lt;b&gt;PASSEN&lt;/b&gt; drücken und
bekommt einen neuen. Jedes Passen kostet den Zeichner 1 Punkt.&lt;/p&gt;
&lt;p&gt;Die Werkzeuge des Zeichners sind die Stiftfarbe, die Stiftbreite und der Papierkorb, der das
ganze Bild löscht.&lt;/p&gt;
&lt;p&gt;Auf einem Spielserver dieser Version hat der Zeichner außerdem &lt;b&gt;Rückgängig&lt;/b&gt; (Strg+Z), das
den zuletzt gezeichneten Strich zurücknimmt, bis zu den letzten 30 Strichen seit Beginn des Zuges
oder seit das Bild gelöscht wurde.&lt;/p&gt;
&lt;p&gt;Alle anderen tippen ihre Vorschläge in das Antwortfeld unten auf dem Bildschirm und drücken
die Eingabetaste. Jedes Wort des Begriffs, das jemand errät, wird oben für alle sichtbar angezeigt.&lt;/p&gt;
&lt;p&gt;Ein Zug dauert 2 Minuten, wenn der Gastgeber keine kürzere Zeit gewählt hat. Errät niemand die
Antwort rechtzeitig, endet der Zug, niemand punktet, und der Zeichner verliert 1 Punkt (als -1
neben seinem Punktestand angezeigt; ein Punktestand fällt nie unter 0).&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Wer den Begriff vervollständigt, bekommt 2 Punkte, und der Zeichner bekommt 1 Punkt für eine
Zeichnung, die erraten wurde.&lt;/p&gt;
&lt;p&gt;Der Zeichner verliert 1 Punkt für jedes Passen und 1 Punkt, wenn die Zeit abläuft, ohne dass
jemand den Begriff errät (ein Punktestand fällt nie unter 0).&lt;/p&gt;
&lt;p&gt;Der Gastgeber legt fest, wie viele Punkte das Spiel gewinnen, von 20 bis 100. Der erste
Spieler, der diesen Stand erreicht, ohne dass ein anderer gleichauf liegt, gewinnt das Spiel.&lt;/p&gt;
&lt;p&gt;In einem Teamspiel spielen die ungeraden Plätze (1, 3, 5, 7, 9) als Team Schwarz gegen die
geraden Plätze (2, 4, 6, 8, 10) als Team Rotbraun, und die Punkte gehen an die Teams.&lt;/p&gt;
&lt;p&gt;Spiele mit nur zwei Leuten machen wenig Spaß: Dieselben zwei zeichnen nur abwechselnd
füreinander. Drei oder mehr sind besser.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Nach jedem Zug hast du 10 Sekunden, um die Zeichnung zu behalten: Drücke den
Schnappschuss-Knopf, den mit der kleinen Kamera.&lt;/p&gt;
&lt;p&gt;Das Bild wird zusammen mit dem Datum, dem Namen des Zeichners und der Antwort im Ordner
&quot;snapshots&quot; neben deinen Einstellungen gespeichert.&lt;/p&gt;
&lt;p&gt;Wähle Ansicht &amp;gt; Schnappschüsse, um deine Sammlung anzusehen. Blättere mit den Pfeilknöpfen
oder wähle ein Bild aus der Liste. Bilder, die du nicht mehr willst, kannst du dort löschen.&lt;/p&gt;
&lt;p&gt;Jeder Zug kommt außerdem von selbst ins Album, die letzten 200 seit dem Start von Pictova:
Ansicht &amp;gt; Album zeigt die Zeichnungen jedes Spiels, die neuesten zuerst, jedes Spiel unter einer
Überschrift mit seinen Punkten (oder ein einzelnes Spiel, oben gewählt). Doppelklicke eine, um
zuzusehen, wie sie noch einmal gezeichnet wird (Abspielen, Pause, 1× oder 4×). Album speichern
legt ein Bild der gezeigten Spiele in den Ordner &quot;snapshots&quot;, und Tafel als JPEG speichern
behält die gewählte Zeichnung ebenfalls dort.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Pictova begann als Feierabendprojekt: Ein paar Freunde wollten ein Zeichenspiel, das sie in
der Mittagspause über das Büronetz spielen konnten, und von da an wuchs es. Vielen Dank an alle,
die die frühen Versionen gespielt, Begriffe für die Wortlisten eingeschickt und uns gesagt haben,
was kaputt war.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Änderungen&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4.1&lt;/b&gt; - Einstellungen werden sicher gespeichert: Eine volle Festplatte kann keine
kaputte Einstellungsdatei mehr hinterlassen. Der Lobby-Download lässt sich jederzeit anhalten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4&lt;/b&gt; - Spieler mit einer anderen Version erfahren das beim Beitreten.
Schnappschüsse merken sich den Namen des Zeichners.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.3&lt;/b&gt; - Teamspiele: ungerade gegen gerade Plätze. Der Gastgeber kann einen Spieler
aufs Zuschauen setzen oder aus dem Spiel entfernen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.0&lt;/b&gt; - Zuschauer: Bis zu fünf weitere Leute können zusehen. Neues Fenster Zuschauerliste.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.2&lt;/b&gt; - Die Spruchknöpfe lassen sich bearbeiten und werden in den Einstellungen behalten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.0&lt;/b&gt; - Schnappschüsse fertiger Zeichnungen und der Schnappschuss-Betrachter.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.0.0&lt;/b&gt; - Klänge für die wichtigsten Ereignisse eines Spiels und ein Schalter, um sie
abzuschalten. Textgröße und Farben des Chats bleiben zwischen Spielen erhalten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.5.0&lt;/b&gt; - Die Kategorie Essen und Trinken. Passen kostet jetzt einen Punkt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.2.0&lt;/b&gt; - Vorschläge werden Wort für Wort bewertet, und gefundene Wörter sehen alle.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.0.0&lt;/b&gt; - Erste öffentliche Version: sieben Kategorien, Chat und Punkte.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.9 beta&lt;/b&gt; - Einzelspiele zum Üben und das Fenster Spiel starten.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.1 alpha&lt;/b&gt; - Erste Alpha-Version: eine Tafel, eine Wortliste, zwei Spieler.&lt;/p&gt;
</translation>
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
        <translation>
&lt;p&gt;Pictova darf jeder, der eine Kopie hat, kostenlos benutzen. Du darfst es spielen, kopieren
und Kopien an Freunde weitergeben, solange du es vollständig und unverändert weitergibst und
kein Geld dafür verlangst.&lt;/p&gt;
&lt;p&gt;Du darfst Pictova nicht verkaufen und keinen Teil davon als deine eigene Arbeit ausgeben.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Keine Gewährleistung.&lt;/b&gt; Pictova wird &quot;wie besehen&quot; bereitgestellt, ohne ausdrückliche
oder stillschweigende Gewährleistung jeglicher Art, einschließlich, aber nicht beschränkt auf
die Gewährleistung der Marktgängigkeit, der Eignung für einen bestimmten Zweck und der
Nichtverletzung von Rechten. In keinem Fall haften die Autoren für Ansprüche, Schäden oder
sonstige Haftung, ob aus Vertrag, unerlaubter Handlung oder anderweitig, die aus dem Spiel oder
seiner Nutzung oder im Zusammenhang damit entstehen. Du benutzt es auf eigene Gefahr.&lt;/p&gt;
&lt;p&gt;Mit der Nutzung von Pictova stimmst du diesen Bedingungen zu.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Schnappschüsse</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>pictova::HostDialog</name>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Pictova - Host a Game</source>
        <translation>Pictova - Spiel eröffnen</translation>
    </message>
    <message>
        <source>Announce this game on the local network</source>
        <translation>Dieses Spiel im lokalen Netz ankündigen</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Spielername:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Eröffnen</translation>
    </message>
    <message>
        <source>Friends on the internet reach this game at this computer&apos;s address and port; the router may need to forward the port.</source>
        <translation>Freunde im Internet erreichen dieses Spiel über die Adresse und den Port dieses Computers; der Router muss den Port eventuell weiterleiten.</translation>
    </message>
    <message>
        <source>Phones and browsers join at:</source>
        <translation>Handys und Browser treten bei unter:</translation>
    </message>
</context>
<context>
    <name>pictova::HttpDownload</name>
    <message>
        <source>The file is too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Unsupported protocol</source>
        <translation>Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>could not resolve the server&apos;s name</source>
        <translation>der Name des Servers konnte nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation>keine sichere Verbindung möglich</translation>
    </message>
    <message>
        <source>the server closed the connection early</source>
        <translation>der Server hat die Verbindung zu früh geschlossen</translation>
    </message>
    <message>
        <source>Number of redirects hit maximum amount</source>
        <translation>Zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>could not reach the server</source>
        <translation>der Server war nicht erreichbar</translation>
    </message>
    <message>
        <source>Too many header lines</source>
        <translation>Zu viele Kopfzeilen</translation>
    </message>
    <message>
        <source>Unable to write the file</source>
        <translation>Die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>aborted on request</source>
        <translation>auf Wunsch abgebrochen</translation>
    </message>
</context>
<context>
    <name>pictova::InviteDialog</name>
    <message>
        <source>Invite Players</source>
        <translation>Mitspieler einladen</translation>
    </message>
    <message>
        <source>Players in the same network open this link in a browser, or scan the code with a phone&apos;s camera:</source>
        <translation>Mitspieler im selben Netz öffnen diesen Link im Browser oder scannen den Code mit der Handykamera:</translation>
    </message>
    <message>
        <source>Room %1
Others join it with the code in File &gt; Join a Game…, or by opening %2</source>
        <translation>Raum %1
Andere kommen mit dem Code über Datei &gt; Einem Spiel beitreten … dazu oder indem sie %2 öffnen</translation>
    </message>
    <message>
        <source>Anyone can join this room from a browser with this link, or by scanning the code with a phone&apos;s camera:</source>
        <translation>Mit diesem Link kann jeder im Browser diesem Raum beitreten, oder indem er den Code mit der Handykamera scannt:</translation>
    </message>
</context>
<context>
    <name>pictova::InvitePanel</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>This game takes no players from a browser.</source>
        <translation>Dieses Spiel nimmt keine Mitspieler aus dem Browser auf.</translation>
    </message>
</context>
<context>
    <name>pictova::JoinDialog</name>
    <message>
        <source>Pictova - Join a Game</source>
        <translation>Pictova - Spiel beitreten</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Freie Plätze</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>host name or address, optionally :port</source>
        <translation>Rechnername oder Adresse, wahlweise :Port</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Spielername:</translation>
    </message>
    <message>
        <source>Games on the local network (double-click to join):</source>
        <translation>Spiele im lokalen Netz (Doppelklick zum Beitreten):</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>empty for the server&apos;s own game; K7QXD or pictova://host:port/K7QXD</source>
        <translation>leer für das eigene Spiel des Servers; K7QXD oder pictova://host:port/K7QXD</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>List Rooms</source>
        <translation>Räume anzeigen</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>Name des Raums</translation>
    </message>
    <message>
        <source>Listed</source>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Shown in the server&apos;s list of rooms; otherwise joined by its code only</source>
        <translation>In der Raumliste des Servers zu sehen; sonst nur mit seinem Code erreichbar</translation>
    </message>
    <message>
        <source>Create a room on this server</source>
        <translation>Einen Raum auf diesem Server eröffnen</translation>
    </message>
    <message>
        <source>Rooms on this server:</source>
        <translation>Räume auf diesem Server:</translation>
    </message>
    <message>
        <source>Room code or link:</source>
        <translation>Raumcode oder Link:</translation>
    </message>
    <message>
        <source>This server lists no rooms.</source>
        <translation>Dieser Server zeigt keine Räume.</translation>
    </message>
</context>
<context>
    <name>pictova::LobbyDownloader</name>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Please close the game and open the Quorix Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Quorix Lobby über das Symbol auf deinem Desktop oder über das Startmenü.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Lade herunter: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Saved to %1. Check it before you run it.</source>
        <translation>Gespeichert unter %1. Prüfe die Datei, bevor du sie ausführst.</translation>
    </message>
    <message>
        <source>Saved to %1 (fetched over plain http: anyone on the way could have changed it). Check it before you run it.</source>
        <translation>Gespeichert unter %1 (über einfaches http geladen: Jeder auf dem Weg hätte sie ändern können). Prüfe die Datei, bevor du sie ausführst.</translation>
    </message>
    <message>
        <source>Download Aborted: the file could not be saved</source>
        <translation>Download abgebrochen: Die Datei konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Download Aborted: %1</source>
        <translation>Download abgebrochen: %1</translation>
    </message>
</context>
<context>
    <name>pictova::PhraseEditor</name>
    <message>
        <source>Pictova - Phrase Buttons</source>
        <translation>Pictova - Spruchknöpfe</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>pictova::ReconnectBanner</name>
    <message>
        <source>Give Up</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting… (%1)</source>
        <translation>Verbindung verloren, neuer Versuch … (%1)</translation>
    </message>
</context>
<context>
    <name>pictova::ReplayPlayer</name>
    <message>
        <source>Replay</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Play at normal speed or four times as fast</source>
        <translation>In normaler oder vierfacher Geschwindigkeit abspielen</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source> (drawing too long: replayed in part)</source>
        <translation> (Zeichnung zu lang: teilweise wiederholt)</translation>
    </message>
    <message>
        <source> (no replay kept)</source>
        <translation> (keine Wiederholung gespeichert)</translation>
    </message>
    <message>
        <source>Replay: turn %1</source>
        <translation>Wiederholung: Runde %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>pictova::RoomLister</name>
    <message>
        <source>No answer from %1.</source>
        <translation>Keine Antwort von %1.</translation>
    </message>
    <message>
        <source>%1 closed the connection before its list ended.</source>
        <translation>%1 hat die Verbindung vor dem Ende der Liste geschlossen.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>%1 ist nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>%1 sent something that is not a list of rooms.</source>
        <translation>%1 hat etwas geschickt, das keine Raumliste ist.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 hat keine Räume: Dort läuft nur ein Spiel.</translation>
    </message>
</context>
<context>
    <name>pictova::RoundsHandler</name>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 hat ein neues Spiel gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a TEAM game.</source>
        <translation>%1 hat ein TEAMSPIEL gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>No other phrase is left to deal in this category: keep drawing this one.</source>
        <translation>In dieser Kategorie ist kein anderer Begriff mehr übrig: Zeichne diesen weiter.</translation>
    </message>
    <message>
        <source>%1 has bought a different phrase for one point.</source>
        <translation>%1 hat für einen Punkt einen anderen Begriff gekauft.</translation>
    </message>
</context>
<context>
    <name>pictova::SeatPanelView</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Wartet&gt;</translation>
    </message>
    <message>
        <source>Take A Snap Shot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Einen Schnappschuss machen</translation>
    </message>
</context>
<context>
    <name>pictova::SeatsHandler</name>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 was removed from the game.</source>
        <translation>%1 wurde aus dem Spiel entfernt.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a different version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
</context>
<context>
    <name>pictova::SnapshotViewer</name>
    <message>
        <source>Pictova - Snap Shots</source>
        <translation>Pictova - Schnappschüsse</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the snapshot %1?</source>
        <translation>Den Schnappschuss %1 löschen?</translation>
    </message>
</context>
<context>
    <name>pictova::SpectatorList</name>
    <message>
        <source>Pictova - Spys</source>
        <translation>Pictova - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pictova::TurnView</name>
    <message>
        <source>%1 won the game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Your turn to choose a category</source>
        <translation>Du wählst eine Kategorie</translation>
    </message>
    <message>
        <source>%1 is choosing a category</source>
        <translation>%1 wählt eine Kategorie</translation>
    </message>
    <message>
        <source>Your turn to draw</source>
        <translation>Du zeichnest</translation>
    </message>
    <message>
        <source>%1&apos;s turn to draw.</source>
        <translation>%1 zeichnet.</translation>
    </message>
</context>
<context>
    <name>pictova::UiScale</name>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>pictova::WatchersHandler</name>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
</context>
<context>
    <name>pictova::WinnerPanel</name>
    <message>
        <source>The Winner!</source>
        <translation>Der Gewinner!</translation>
    </message>
</context>
<context>
    <name>pictova::WordFolder</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 Zeile %2: %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>more than %1 entries: this line and the rest are not used</source>
        <translation>mehr als %1 Einträge: Diese Zeile und der Rest werden nicht verwendet</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a word comes again later in it, so it is never dealt</source>
        <translation>„%1“: Ein Wort kommt darin später noch einmal vor, daher wird es nie ausgeteilt</translation>
    </message>
    <message>
        <source>not a file, not used</source>
        <translation>keine Datei, nicht verwendet</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>larger than %1 KiB, not used</source>
        <translation>größer als %1 KiB, nicht verwendet</translation>
    </message>
    <message>
        <source>no entry to use, the built-in words stay</source>
        <translation>kein verwendbarer Eintrag, die eingebauten Wörter bleiben</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not found.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; has no words to use: it needs at least one of %2 with one entry a line.</source>
        <translation>Der Ordner „%1“ hat keine verwendbaren Wörter: Er braucht mindestens eine der Dateien %2 mit einem Eintrag pro Zeile.</translation>
    </message>
    <message>
        <source>1 entry from %1.</source>
        <translation>1 Eintrag aus %1.</translation>
    </message>
    <message>
        <source>%1 entries from %2.</source>
        <translation>%1 Einträge aus %2.</translation>
    </message>
    <message>
        <source>The other categories keep the built-in words.</source>
        <translation>Die anderen Kategorien behalten die eingebauten Wörter.</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Nicht verwendet:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… und %1 weitere.</translation>
    </message>
</context>
<context>
    <name>pictova::artwork</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Redewendung</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Fernsehen</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Essen &amp; Trinken</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>The Winner</source>
        <translation>Gewinner</translation>
    </message>
</context>
<context>
    <name>pictova::errors</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>pictova::lan::Announcer</name>
    <message>
        <source>No network interface can multicast.</source>
        <translation>Keine Netzwerkschnittstelle kann Multicast senden.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Keine Netzwerkschnittstelle passt zu %1=%2.</translation>
    </message>
</context>
<context>
    <name>pictova::lan::GameBrowser</name>
    <message>
        <source>No network interface can receive games on the local network.</source>
        <translation>Keine Netzwerkschnittstelle kann Spiele im lokalen Netz empfangen.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Keine Netzwerkschnittstelle passt zu %1=%2.</translation>
    </message>
    <message>
        <source>Could not join the local-network group: %1</source>
        <translation>Beitritt zur Gruppe im lokalen Netz nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>pictova::prompts</name>
    <message>
        <source>A game is running. Start a new one? Every score goes back to 0.</source>
        <translation>Ein Spiel läuft. Ein neues starten? Alle Punktestände gehen auf 0 zurück.</translation>
    </message>
    <message>
        <source>1 player is in this game. Leaving ends it for everyone.</source>
        <translation>1 Spieler ist in diesem Spiel. Wenn du gehst, endet es für alle.</translation>
    </message>
    <message>
        <source>%1 players are in this game. Leaving ends it for everyone.</source>
        <translation>%1 Spieler sind in diesem Spiel. Wenn du gehst, endet es für alle.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
</context>
</TS>
