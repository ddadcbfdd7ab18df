<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>pictova::AboutBox</name>
    <message>
        <source>Pictova - About</source>
        <translation>Pictova - À propos</translation>
    </message>
    <message>
        <source>Game design and code:</source>
        <translation>Conception et code :</translation>
    </message>
    <message>
        <source>the Pictova team</source>
        <translation>l&apos;équipe Pictova</translation>
    </message>
    <message>
        <source>Pictures and sounds:</source>
        <translation>Images et sons :</translation>
    </message>
    <message>
        <source>made for Pictova</source>
        <translation>créés pour Pictova</translation>
    </message>
    <message>
        <source>Thanks to every tester!</source>
        <translation>Merci à tous les testeurs !</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>pictova::Album</name>
    <message>
        <source>%1 guessed it at %2</source>
        <translation>%1 a trouvé à %2</translation>
    </message>
    <message>
        <source>No one guessed (%1)</source>
        <translation>Personne n&apos;a trouvé (%1)</translation>
    </message>
    <message>
        <source>Passed at %1</source>
        <translation>Passé à %1</translation>
    </message>
    <message>
        <source>%1 drew · %2</source>
        <translation>%1 a dessiné · %2</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partie %1</translation>
    </message>
    <message>
        <source> · 1 turn</source>
        <translation> · 1 tour</translation>
    </message>
    <message>
        <source> · %1 turns</source>
        <translation> · %1 tours</translation>
    </message>
    <message>
        <source>Album: 1 turn</source>
        <translation>Album : 1 tour</translation>
    </message>
    <message>
        <source>Album: %1 turns</source>
        <translation>Album : %1 tours</translation>
    </message>
    <message>
        <source> in %1 games</source>
        <translation> dans %1 parties</translation>
    </message>
    <message>
        <source>, the last %1 kept</source>
        <translation>, les %1 derniers gardés</translation>
    </message>
    <message>
        <source>Game %1, </source>
        <translation>Partie %1, </translation>
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
        <translation>Revoir</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Enregistrer l&apos;album</translation>
    </message>
    <message>
        <source>Save Board as JPEG</source>
        <translation>Enregistrer le dessin en JPEG</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>%1. %2
%3 drew
%4</source>
        <translation>%1. %2
%3 a dessiné
%4</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré : %1</translation>
    </message>
</context>
<context>
    <name>pictova::AnswerPanel</name>
    <message>
        <source>Type Answers Here</source>
        <translation>Tape tes réponses ici</translation>
    </message>
</context>
<context>
    <name>pictova::BoardHeader</name>
    <message>
        <source>Welcome To</source>
        <translation>Bienvenue dans</translation>
    </message>
    <message>
        <source>Pictova By Quorix Software</source>
        <translation>Pictova par Quorix Software</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>Play to score: %1</source>
        <translation>Score à atteindre : %1</translation>
    </message>
    <message>
        <source>Time per turn: %1</source>
        <translation>Temps par tour : %1</translation>
    </message>
</context>
<context>
    <name>pictova::BoardNotice</name>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>pictova::CategoryChooser</name>
    <message>
        <source>is picking a category</source>
        <translation>choisit une catégorie</translation>
    </message>
    <message>
        <source>Your turn to</source>
        <translation>À toi de</translation>
    </message>
    <message>
        <source>choose a category</source>
        <translation>choisir une catégorie</translation>
    </message>
</context>
<context>
    <name>pictova::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Couleur des actions</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Écrivez ici pour discuter&gt;</translation>
    </message>
</context>
<context>
    <name>pictova::ChatLog</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Arrêter le défilement du chat</translation>
    </message>
</context>
<context>
    <name>pictova::ClientSession</name>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Pas de réponse de %1 en %2 secondes.</translation>
    </message>
    <message>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Aucun ordinateur nommé « %1 » n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>Impossible de joindre %1 (%2).</translation>
    </message>
    <message>
        <source>%1 closed the connection before the game let you in.</source>
        <translation>%1 a fermé la connexion avant que la partie te laisse entrer.</translation>
    </message>
    <message>
        <source>The connection to the game was closed.</source>
        <translation>La connexion à la partie a été fermée.</translation>
    </message>
    <message>
        <source>%1 closed the game.</source>
        <translation>%1 a fermé la partie.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be made again.</source>
        <translation>La connexion à la partie a été perdue et n&apos;a pas pu être rétablie.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>La connexion à la partie a été perdue.</translation>
    </message>
    <message>
        <source>%1 refused the connection: no game is hosted there.</source>
        <translation>%1 a refusé la connexion : aucune partie n&apos;y est hébergée.</translation>
    </message>
    <message>
        <source>No answer from %1.</source>
        <translation>Pas de réponse de %1.</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>La partie sur %1 est complète.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partie est complète</translation>
    </message>
    <message>
        <source>The game at %1 now runs a different version of Pictova than yours (%2).</source>
        <translation>La partie sur %1 tourne maintenant avec une autre version de Pictova que la tienne (%2).</translation>
    </message>
    <message>
        <source>The game at %1 runs a different version of Pictova than yours (%2).</source>
        <translation>La partie sur %1 tourne avec une autre version de Pictova que la tienne (%2).</translation>
    </message>
    <message>
        <source>You were removed from the game.</source>
        <translation>Tu as été retiré de la partie.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 n&apos;a pas de salons : il n&apos;y a qu&apos;une partie.</translation>
    </message>
</context>
<context>
    <name>pictova::ColourButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Autre</translation>
    </message>
</context>
<context>
    <name>pictova::DownloadDialog</name>
    <message>
        <source>Download The Quorix Lobby</source>
        <translation>Télécharger le Quorix Lobby</translation>
    </message>
    <message>
        <source>Download And Install The Quorix Lobby Now</source>
        <translation>Télécharger et installer le Quorix Lobby</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Arrêter le téléchargement</translation>
    </message>
    <message>
        <source>Download The Quorix Lobby Now to play this  and other exciting games online with other players!</source>
        <translation>Télécharge le Quorix Lobby pour jouer à ce jeu et à bien d&apos;autres en ligne avec d&apos;autres joueurs !</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jouer en solo</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jouer avec d&apos;autres</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Pour aller au jeu sans pouvoir jouer contre d&apos;autres, clique sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>If you already have The Quorix Lobby and you wish to play with others then click the button below to close this game and open The Quorix Lobby.</source>
        <translation>Si tu as déjà le Quorix Lobby et veux jouer avec d&apos;autres, clique sur le bouton ci-dessous pour fermer ce jeu et ouvrir le Quorix Lobby.</translation>
    </message>
</context>
<context>
    <name>pictova::DrawerToolbar</name>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Take back the last stroke (Ctrl+Z)</source>
        <translation>Annuler le dernier trait (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Brush color</source>
        <translation>Couleur du pinceau</translation>
    </message>
    <message>
        <source>Brush width</source>
        <translation>Épaisseur du pinceau</translation>
    </message>
</context>
<context>
    <name>pictova::GameChooser</name>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Rejoindre une partie…</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed: %1</source>
        <translation>Impossible d&apos;afficher les parties du réseau local : %1</translation>
    </message>
    <message>
        <source>This computer cannot host a game on port %1 (%2): another program, or another copy of the game, may be using it.</source>
        <translation>Cet ordinateur ne peut pas héberger de partie sur le port %1 (%2) : un autre programme, ou une autre copie du jeu, l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <source>Hosting a game as %1 on port %2.</source>
        <translation>Partie hébergée sous le nom %1 sur le port %2.</translation>
    </message>
    <message>
        <source>This game cannot be announced on the local network (%1).</source>
        <translation>Impossible d&apos;annoncer cette partie sur le réseau local (%1).</translation>
    </message>
    <message>
        <source>Joining %1…</source>
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>In room %1: others join with this code, or with %2</source>
        <translation>Dans le salon %1 : les autres rejoignent avec ce code, ou avec %2</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first.</source>
        <translation>Saisis d&apos;abord l&apos;adresse du serveur.</translation>
    </message>
    <message>
        <source>Asking %1 for its rooms…</source>
        <translation>Demande des salons à %1…</translation>
    </message>
</context>
<context>
    <name>pictova::GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Héberger une partie…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Rejoindre une partie…</translation>
    </message>
    <message>
        <source>Invite Players…</source>
        <translation>Inviter des joueurs…</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Couleur des actions</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Arrêter le défilement du chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Effacer le chat</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Juste regarder</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantanés</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des espions</translation>
    </message>
    <message>
        <source>Phrase Lists</source>
        <translation>Listes de phrases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Mettre en simple spectateur</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Remettre dans le jeu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Vote to Remove</source>
        <translation>Voter pour exclure</translation>
    </message>
</context>
<context>
    <name>pictova::GameModel</name>
    <message>
        <source>Black Team</source>
        <translation>Équipe noire</translation>
    </message>
    <message>
        <source>Maroon Team</source>
        <translation>Équipe bordeaux</translation>
    </message>
</context>
<context>
    <name>pictova::GameStartForm</name>
    <message>
        <source>Only the copy that hosts the game can use its own words.</source>
        <translation>Seul l&apos;hôte de la partie peut utiliser ses propres mots.</translation>
    </message>
    <message>
        <source>This game&apos;s server does not offer letter hints.</source>
        <translation>Le serveur de cette partie ne propose pas d&apos;indices de lettres.</translation>
    </message>
    <message>
        <source>Guessers see one letter of the answer at half the turn&apos;s time and another at three quarters.</source>
        <translation>Ceux qui devinent voient une lettre de la réponse à la moitié du tour, puis une autre aux trois quarts.</translation>
    </message>
    <message>
        <source>Pictova - Start Game</source>
        <translation>Pictova - Lancer la partie</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partie en équipes</translation>
    </message>
    <message>
        <source>Reveal letters</source>
        <translation>Révéler des lettres</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>From folder…</source>
        <translation>Depuis un dossier…</translation>
    </message>
    <message>
        <source>Play To Score</source>
        <translation>Score à atteindre</translation>
    </message>
    <message>
        <source>Time Limit Per Turn</source>
        <translation>Temps limite par tour</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Pictova - Word Folder</source>
        <translation>Pictova - Dossier de mots</translation>
    </message>
</context>
<context>
    <name>pictova::GameStarter</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Chargement de la partie solo… Patiente un instant.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Chargement de la partie multijoueur… Patiente un instant.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Tu n&apos;es pas connecté</translation>
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
        <translation>%1 a proposé : %2</translation>
    </message>
    <message>
        <source>%1 answered: %2</source>
        <translation>%1 a répondu : %2</translation>
    </message>
    <message>
        <source>No one guessed!</source>
        <translation>Personne n&apos;a trouvé !</translation>
    </message>
    <message>
        <source>%1 has guessed the answer!</source>
        <translation>%1 a trouvé la réponse !</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 a gagné la partie !</translation>
    </message>
</context>
<context>
    <name>pictova::HelpWindow</name>
    <message>
        <source>Pictova - Help File</source>
        <translation>Pictova - Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Pictova
A drawing and guessing game
by the Pictova team</source>
        <translation>Pictova
Un jeu de dessin et de devinettes
par l&apos;équipe Pictova</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
&lt;p&gt;Pictova est un jeu de dessin et de devinettes pour 10 joueurs au plus, avec de la place pour
5 personnes de plus qui regardent simplement. Les joueurs dessinent à tour de rôle : le
dessinateur reçoit un mot ou une expression secrète et le dessine sur le tableau avec la souris,
pendant que tous les autres tapent leurs propositions pour deviner ce qui est dessiné.&lt;/p&gt;
&lt;p&gt;Pour jouer avec d&apos;autres personnes, l&apos;un de vous héberge la partie avec &lt;b&gt;Fichier &amp;gt; Héberger une partie…&lt;/b&gt;
(Ctrl+H) et les autres la rejoignent avec &lt;b&gt;Fichier &amp;gt; Rejoindre une partie…&lt;/b&gt; (Ctrl+J), qui affiche les parties
annoncées sur ton réseau local et accepte l&apos;adresse de l&apos;hôte pour toutes les autres. Les deux mêmes boutons
se trouvent sur le tableau tant qu&apos;aucune partie n&apos;est en cours, et &lt;b&gt;Jouer avec d&apos;autres&lt;/b&gt; au démarrage ouvre Rejoindre une partie.
Aide &amp;gt; Connexion en dit plus.&lt;/p&gt;
&lt;p&gt;Si tu veux juste t&apos;entraîner à dessiner, lance Pictova tout seul : il ouvre une partie solo
avec un choix limité d&apos;expressions, qui n&apos;a besoin d&apos;aucun réseau et n&apos;est ouverte à personne d&apos;autre.&lt;/p&gt;
&lt;p&gt;À côté du tableau se trouvent le chat, le score de chaque place et une rangée de dix boutons
de phrases, chacun avec une petite tête dessus : un clic envoie sa phrase, comme « Bien joué ! »,
« Bien essayé ! » ou « Bonne partie, tout le monde ! », à tout le monde. Laisse le pointeur sur un bouton pour lire
sa phrase, et change les phrases avec Affichage &amp;gt; Listes de phrases.&lt;/p&gt;
&lt;p&gt;Sur un grand écran, agrandis la fenêtre avec Affichage &amp;gt; Zoom (ou Ctrl et +, Ctrl et -, et
Ctrl et 0 pour la taille habituelle). Pictova se souvient de la taille choisie.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Parties solo.&lt;/b&gt; Lance Pictova sans aucun argument. Il prépare une partie sur ton propre
ordinateur sous le nom « Toi » ; appuie sur le bouton &lt;b&gt;Lancer la partie&lt;/b&gt; pour commencer. Une partie solo
se joue aussi hors ligne.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Parties avec d&apos;autres.&lt;/b&gt; Là où le Quorix Lobby est installé, il peut préparer des parties
multijoueurs et lancer Pictova pour chaque joueur avec les bons réglages (une partie solo propose de le
télécharger). Sans lui, héberge et rejoins depuis la fenêtre comme expliqué ci-dessous : &lt;b&gt;Jouer avec d&apos;autres&lt;/b&gt;
au démarrage ouvre alors Rejoindre une partie.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Parties entre amis depuis la fenêtre.&lt;/b&gt; &lt;b&gt;Fichier &amp;gt; Héberger une partie…&lt;/b&gt; héberge une partie sur
ton ordinateur : indique ton nom et un port (7772 sauf si tu en choisis un autre) et laisse cochée la case
pour annoncer la partie sur le réseau local, afin que les joueurs proches la trouvent.
&lt;b&gt;Fichier &amp;gt; Rejoindre une partie…&lt;/b&gt; affiche les parties annoncées sur ton réseau local : double-clique sur l&apos;une
d&apos;elles pour la rejoindre, ou tape le nom ou l&apos;adresse de l&apos;hôte, suivi de &lt;tt&gt;:port&lt;/tt&gt; si le port n&apos;est pas
7772. Les deux mêmes boutons se trouvent sur le tableau tant qu&apos;aucune partie n&apos;est en cours. Si la connexion échoue,
la fenêtre dit pourquoi et propose de réessayer ; si une partie rejointe perd sa connexion, Pictova essaie de te
faire revenir, avec tes points, pendant deux minutes.&lt;/p&gt;
&lt;p&gt;Tu peux aussi lancer une partie à la main depuis un terminal, toujours avec trois mots après le
nom du programme : ton nom, l&apos;adresse de l&apos;hôte, et &lt;tt&gt;true&lt;/tt&gt; pour le joueur qui héberge ou
&lt;tt&gt;join&lt;/tt&gt; pour tous les autres. L&apos;hôte, Anne par exemple, lance :&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nom 127.0.0.1 true&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;avec son propre nom à la place de Nom, et les autres la rejoignent, chacun avec son propre nom et
l&apos;adresse de l&apos;ordinateur d&apos;Anne à la place de hôte (par exemple 192.168.1.20) :&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nom hôte join&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;Avec seulement un nom, ou un nom et une adresse, la fenêtre s&apos;ouvre mais ne se connecte à personne.
L&apos;ordinateur de l&apos;hôte doit accepter les connexions sur le port TCP 7772. Seul le maître du jeu peut lancer une partie,
avec le bouton &lt;b&gt;Lancer la partie&lt;/b&gt; ou Fichier &amp;gt; Lancer la partie : l&apos;hôte, ou, sur un serveur sans
fenêtre, le joueur de la place 1 (ou, tant que la place 1 est libre, celui de la plus petite place occupée).&lt;/p&gt;
&lt;p&gt;Quand &lt;b&gt;Révéler des lettres&lt;/b&gt; est coché dans la fenêtre Lancer la partie, les tirets de ceux qui devinent montrent
une lettre de la réponse quand la moitié du temps du tour est passée, puis une autre aux trois quarts (jamais
la dernière lettre d&apos;un mot). &lt;b&gt;Mots&lt;/b&gt; choisit les listes de mots de la partie de l&apos;hôte : les listes
intégrées, ou un dossier de fichiers texte nommés general.txt, actions.txt, phrases.txt, music.txt,
movies.txt, tvshows.txt et fooddrink.txt, avec une entrée par ligne ; une catégorie sans fichier garde
ses mots intégrés. Ce qui ne peut pas être utilisé est signalé quand le dossier est choisi.&lt;/p&gt;
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
&lt;p&gt;L&apos;expression à dessiner n&apos;est montrée qu&apos;au dessinateur, tout en haut de l&apos;écran de dessin. Les
autres joueurs voient un tiret pour chacun de ses mots.&lt;/p&gt;
&lt;p&gt;Au début d&apos;un tour, le dessinateur choisit une catégorie, qui est ensuite montrée à tous dans un
cadre rouge. Les catégories sont Général, Actions, Expressions, Musique, Films, Séries TV, et Boire &amp;amp;
manger.&lt;/p&gt;
&lt;p&gt;Un dessinateur à qui l&apos;expression ne plaît pas peut appuyer sur &lt;b&gt;PASSER&lt;/b&gt; pour en avoir une autre, avant de
commencer à dessiner. Chaque passe coûte 1 point au dessinateur.&lt;/p&gt;
&lt;p&gt;Les outils du dessinateur sont la couleur du pinceau, l&apos;épaisseur du pinceau et la corbeille, qui efface
tout le dessin.&lt;/p&gt;
&lt;p&gt;Sur un serveur de jeu de cette version, le dessinateur a aussi &lt;b&gt;Annuler&lt;/b&gt; (Ctrl+Z), qui
retire le dernier trait dessiné, jusqu&apos;aux 30 derniers traits depuis le début du tour ou depuis que le dessin
a été effacé.&lt;/p&gt;
&lt;p&gt;Tous les autres tapent leurs propositions dans le champ de réponse en bas de l&apos;écran et appuient sur
Entrée. Chaque mot de l&apos;expression que quelqu&apos;un devine est affiché en haut pour que tout le monde le voie.&lt;/p&gt;
&lt;p&gt;Un tour dure 2 minutes, sauf si l&apos;hôte a choisi un temps plus court. Si personne ne trouve la réponse à
temps, le tour se termine, personne ne marque, et le dessinateur perd 1 point (affiché -1 à côté du
score du dessinateur ; un score ne descend jamais sous 0).&lt;/p&gt;
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
&lt;p&gt;Celui qui complète l&apos;expression marque 2 points, et le dessinateur marque 1 point pour un dessin
qui a été deviné.&lt;/p&gt;
&lt;p&gt;Le dessinateur perd 1 point à chaque passe, et 1 point quand le temps est écoulé sans que personne
n&apos;ait trouvé l&apos;expression (un score ne descend jamais sous 0).&lt;/p&gt;
&lt;p&gt;L&apos;hôte décide combien de points il faut pour gagner la partie, de 20 à 100. Le premier joueur qui
atteint ce score, sans personne d&apos;autre à égalité, gagne la partie.&lt;/p&gt;
&lt;p&gt;Dans une partie en équipes, les places impaires (1, 3, 5, 7, 9) jouent dans l&apos;Équipe noire contre les places paires
(2, 4, 6, 8, 10) de l&apos;Équipe bordeaux, et les points vont aux équipes.&lt;/p&gt;
&lt;p&gt;Les parties à deux seulement ne sont pas très drôles : les deux mêmes joueurs dessinent chacun leur tour
l&apos;un pour l&apos;autre. À trois ou plus, c&apos;est bien mieux.&lt;/p&gt;
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
&lt;p&gt;Après chaque tour, tu as 10 secondes pour garder le dessin : appuie sur le bouton d&apos;instantané, celui
avec le petit appareil photo.&lt;/p&gt;
&lt;p&gt;L&apos;image est enregistrée avec la date, le nom du dessinateur et la réponse, dans le dossier
« snapshots » à côté de tes réglages.&lt;/p&gt;
&lt;p&gt;Choisis Affichage &amp;gt; Instantanés pour regarder ta collection. Parcours-la avec les boutons fléchés
ou choisis une image dans la liste. Les images dont tu ne veux plus peuvent y être supprimées.&lt;/p&gt;
&lt;p&gt;Chaque tour va aussi tout seul dans l&apos;album, les 200 derniers depuis le lancement de Pictova : Affichage
&amp;gt; Album montre les dessins de chaque partie, les plus récents d&apos;abord, chaque partie sous un titre avec ses
scores (ou une seule partie, choisie en haut). Double-clique sur un dessin pour le regarder se redessiner
(Lecture, Pause, 1× ou 4×). Enregistrer l&apos;album place une image des parties affichées dans le dossier
« snapshots », et Enregistrer le dessin en JPEG y garde aussi le dessin choisi.&lt;/p&gt;
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
&lt;p&gt;Pictova est né comme un projet du soir : quelques amis voulaient un jeu de dessin auquel jouer
sur le réseau du bureau à midi, et il a grandi à partir de là. Un grand merci à tous ceux qui ont
joué aux premières versions, envoyé des expressions pour les listes de mots et nous ont dit ce qui cassait.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Changements&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4.1&lt;/b&gt; - Les réglages sont enregistrés en toute sécurité : un disque plein ne peut plus laisser un fichier
de réglages abîmé. Le téléchargement du lobby peut être arrêté à tout moment.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4&lt;/b&gt; - Les joueurs qui ont une autre version en sont avertis quand ils rejoignent la partie.
Les instantanés retiennent le nom du dessinateur.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.3&lt;/b&gt; - Parties en équipes : places impaires contre places paires. L&apos;hôte peut mettre un joueur en
mode spectateur ou le retirer de la partie.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.0&lt;/b&gt; - Spectateurs : jusqu&apos;à cinq personnes de plus peuvent regarder. Nouvelle fenêtre Liste des espions.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.2&lt;/b&gt; - Les boutons de phrases peuvent être modifiés et sont gardés dans les réglages.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.0&lt;/b&gt; - Instantanés des dessins terminés, et la visionneuse d&apos;instantanés.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.0.0&lt;/b&gt; - Des sons pour les grands moments d&apos;une partie, et un interrupteur pour les couper.
La taille et les couleurs du texte du chat sont gardées d&apos;une partie à l&apos;autre.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.5.0&lt;/b&gt; - La catégorie Boire &amp;amp; manger. Passer coûte désormais un point.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.2.0&lt;/b&gt; - Les propositions sont jugées mot par mot, et les mots trouvés sont montrés à tous.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.0.0&lt;/b&gt; - Première version publique : sept catégories, le chat et les scores.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.9 bêta&lt;/b&gt; - Parties d&apos;entraînement en solo et la fenêtre Lancer la partie.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.1 alpha&lt;/b&gt; - Première version alpha : un tableau, une liste de mots, deux joueurs.&lt;/p&gt;
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
&lt;p&gt;Pictova est libre d&apos;utilisation pour quiconque en possède une copie. Tu peux y jouer, le copier et en donner des copies
à tes amis, à condition de le transmettre complet et sans modification, et sans le faire payer.&lt;/p&gt;
&lt;p&gt;Tu ne peux pas vendre Pictova, ni faire passer une partie de celui-ci pour ton propre travail.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Aucune garantie.&lt;/b&gt; Pictova est fourni « tel quel », sans garantie d&apos;aucune sorte, expresse ou
implicite, y compris, sans s&apos;y limiter, les garanties de qualité marchande, d&apos;adéquation à un
usage particulier et d&apos;absence de contrefaçon. En aucun cas les auteurs ne pourront être tenus responsables
de toute réclamation, de tout dommage ou de toute autre responsabilité, que ce soit dans le cadre d&apos;un contrat, d&apos;un délit ou autrement,
découlant du jeu ou de son utilisation, ou en lien avec ceux-ci. Tu l&apos;utilises à tes propres
risques.&lt;/p&gt;
&lt;p&gt;En utilisant Pictova, tu acceptes ces conditions.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantanés</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>pictova::HostDialog</name>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Pictova - Host a Game</source>
        <translation>Pictova - Héberger une partie</translation>
    </message>
    <message>
        <source>Announce this game on the local network</source>
        <translation>Annoncer cette partie sur le réseau local</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nom du joueur :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Héberger</translation>
    </message>
    <message>
        <source>Friends on the internet reach this game at this computer&apos;s address and port; the router may need to forward the port.</source>
        <translation>Des amis sur Internet rejoignent cette partie à l&apos;adresse et au port de cet ordinateur ; il faudra peut-être rediriger le port sur le routeur.</translation>
    </message>
    <message>
        <source>Phones and browsers join at:</source>
        <translation>Les téléphones et navigateurs rejoignent ici :</translation>
    </message>
</context>
<context>
    <name>pictova::HttpDownload</name>
    <message>
        <source>The file is too large</source>
        <translation>Le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>Unsupported protocol</source>
        <translation>Protocole non pris en charge</translation>
    </message>
    <message>
        <source>could not resolve the server&apos;s name</source>
        <translation>impossible de résoudre le nom du serveur</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>le certificat du serveur n&apos;est pas fiable</translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation>aucune connexion sécurisée n&apos;a pu être établie</translation>
    </message>
    <message>
        <source>the server closed the connection early</source>
        <translation>le serveur a fermé la connexion trop tôt</translation>
    </message>
    <message>
        <source>Number of redirects hit maximum amount</source>
        <translation>Nombre maximal de redirections atteint</translation>
    </message>
    <message>
        <source>could not reach the server</source>
        <translation>impossible de joindre le serveur</translation>
    </message>
    <message>
        <source>Too many header lines</source>
        <translation>Trop de lignes d&apos;en-tête</translation>
    </message>
    <message>
        <source>Unable to write the file</source>
        <translation>Impossible d&apos;écrire le fichier</translation>
    </message>
    <message>
        <source>aborted on request</source>
        <translation>interrompu à la demande</translation>
    </message>
</context>
<context>
    <name>pictova::InviteDialog</name>
    <message>
        <source>Invite Players</source>
        <translation>Inviter des joueurs</translation>
    </message>
    <message>
        <source>Players in the same network open this link in a browser, or scan the code with a phone&apos;s camera:</source>
        <translation>Les joueurs du même réseau ouvrent ce lien dans un navigateur, ou scannent le code avec l&apos;appareil photo d&apos;un téléphone :</translation>
    </message>
    <message>
        <source>Room %1
Others join it with the code in File &gt; Join a Game…, or by opening %2</source>
        <translation>Salon %1
Les autres le rejoignent avec le code dans Fichier &gt; Rejoindre une partie…, ou en ouvrant %2</translation>
    </message>
    <message>
        <source>Anyone can join this room from a browser with this link, or by scanning the code with a phone&apos;s camera:</source>
        <translation>Tout le monde peut rejoindre ce salon depuis un navigateur avec ce lien, ou en scannant le code avec l&apos;appareil photo d&apos;un téléphone :</translation>
    </message>
</context>
<context>
    <name>pictova::InvitePanel</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>This game takes no players from a browser.</source>
        <translation>Cette partie n&apos;accepte pas de joueurs depuis un navigateur.</translation>
    </message>
</context>
<context>
    <name>pictova::JoinDialog</name>
    <message>
        <source>Pictova - Join a Game</source>
        <translation>Pictova - Rejoindre une partie</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Places libres</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>host name or address, optionally :port</source>
        <translation>nom ou adresse de l&apos;hôte, éventuellement :port</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nom du joueur :</translation>
    </message>
    <message>
        <source>Games on the local network (double-click to join):</source>
        <translation>Parties sur le réseau local (double-clic pour rejoindre) :</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partie en cours</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>empty for the server&apos;s own game; K7QXD or pictova://host:port/K7QXD</source>
        <translation>vide pour la partie du serveur ; K7QXD ou pictova://hôte:port/K7QXD</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Salon</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>List Rooms</source>
        <translation>Lister les salons</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>nom du salon</translation>
    </message>
    <message>
        <source>Listed</source>
        <translation>Public</translation>
    </message>
    <message>
        <source>Shown in the server&apos;s list of rooms; otherwise joined by its code only</source>
        <translation>Visible dans la liste des salons du serveur ; sinon accessible seulement avec son code</translation>
    </message>
    <message>
        <source>Create a room on this server</source>
        <translation>Créer un salon sur ce serveur</translation>
    </message>
    <message>
        <source>Rooms on this server:</source>
        <translation>Salons sur ce serveur :</translation>
    </message>
    <message>
        <source>Room code or link:</source>
        <translation>Code ou lien du salon :</translation>
    </message>
    <message>
        <source>This server lists no rooms.</source>
        <translation>Ce serveur n&apos;affiche aucun salon.</translation>
    </message>
</context>
<context>
    <name>pictova::LobbyDownloader</name>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Une erreur s&apos;est produite.</translation>
    </message>
    <message>
        <source>Please close the game and open the Quorix Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Ferme le jeu et ouvre le Quorix Lobby avec l&apos;icône de ton bureau ou depuis le menu de démarrage.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Téléchargement : %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Le téléchargement a été interrompu.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Reçu : %1 octets</translation>
    </message>
    <message>
        <source>Saved to %1. Check it before you run it.</source>
        <translation>Enregistré dans %1. Vérifiez-le avant de l&apos;exécuter.</translation>
    </message>
    <message>
        <source>Saved to %1 (fetched over plain http: anyone on the way could have changed it). Check it before you run it.</source>
        <translation>Enregistré dans %1 (récupéré en http simple : n&apos;importe qui en chemin aurait pu le modifier). Vérifiez-le avant de l&apos;exécuter.</translation>
    </message>
    <message>
        <source>Download Aborted: the file could not be saved</source>
        <translation>Téléchargement interrompu : le fichier n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>Download Aborted: %1</source>
        <translation>Téléchargement interrompu : %1</translation>
    </message>
</context>
<context>
    <name>pictova::PhraseEditor</name>
    <message>
        <source>Pictova - Phrase Buttons</source>
        <translation>Pictova - Boutons de phrases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Bouton de phrase %1 :</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>pictova::ReconnectBanner</name>
    <message>
        <source>Give Up</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting… (%1)</source>
        <translation>Connexion perdue, reconnexion… (%1)</translation>
    </message>
</context>
<context>
    <name>pictova::ReplayPlayer</name>
    <message>
        <source>Replay</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>Play at normal speed or four times as fast</source>
        <translation>Lire à vitesse normale ou quatre fois plus vite</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source> (drawing too long: replayed in part)</source>
        <translation> (dessin trop long : rejoué en partie)</translation>
    </message>
    <message>
        <source> (no replay kept)</source>
        <translation> (aucune rediffusion gardée)</translation>
    </message>
    <message>
        <source>Replay: turn %1</source>
        <translation>Revoir : tour %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
</context>
<context>
    <name>pictova::RoomLister</name>
    <message>
        <source>No answer from %1.</source>
        <translation>Pas de réponse de %1.</translation>
    </message>
    <message>
        <source>%1 closed the connection before its list ended.</source>
        <translation>%1 a fermé la connexion avant la fin de sa liste.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>%1 est injoignable (%2).</translation>
    </message>
    <message>
        <source>%1 sent something that is not a list of rooms.</source>
        <translation>%1 a envoyé autre chose qu&apos;une liste de salons.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 n&apos;a pas de salons : il n&apos;y a qu&apos;une partie.</translation>
    </message>
</context>
<context>
    <name>pictova::RoundsHandler</name>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 a lancé une nouvelle partie.</translation>
    </message>
    <message>
        <source>%1 has started a TEAM game.</source>
        <translation>%1 a lancé une partie EN ÉQUIPES.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 a lancé une partie.</translation>
    </message>
    <message>
        <source>No other phrase is left to deal in this category: keep drawing this one.</source>
        <translation>Il ne reste plus d&apos;autre expression dans cette catégorie : continue à dessiner celle-ci.</translation>
    </message>
    <message>
        <source>%1 has bought a different phrase for one point.</source>
        <translation>%1 a acheté une autre expression pour un point.</translation>
    </message>
</context>
<context>
    <name>pictova::SeatPanelView</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;En attente&gt;</translation>
    </message>
    <message>
        <source>Take A Snap Shot</source>
        <translation>Prendre un instantané</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Prendre un instantané</translation>
    </message>
</context>
<context>
    <name>pictova::SeatsHandler</name>
    <message>
        <source>You are Connected.</source>
        <translation>Tu es connecté.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 est connecté.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Tu espionnes.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 espionne.</translation>
    </message>
    <message>
        <source>%1 was removed from the game.</source>
        <translation>%1 a été retiré de la partie.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 s&apos;est déconnecté.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 est parti.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 a une autre version du jeu que toi.</translation>
    </message>
    <message>
        <source>You have a different version of the game then the host.</source>
        <translation>Tu as une autre version du jeu que l&apos;hôte.</translation>
    </message>
</context>
<context>
    <name>pictova::SnapshotViewer</name>
    <message>
        <source>Pictova - Snap Shots</source>
        <translation>Pictova - Instantanés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the snapshot %1?</source>
        <translation>Supprimer l&apos;instantané %1 ?</translation>
    </message>
</context>
<context>
    <name>pictova::SpectatorList</name>
    <message>
        <source>Pictova - Spys</source>
        <translation>Pictova - Espions</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Liste des espions</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Retirer de la partie</translation>
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
        <translation>%1 a gagné la partie !</translation>
    </message>
    <message>
        <source>Your turn to choose a category</source>
        <translation>À toi de choisir une catégorie</translation>
    </message>
    <message>
        <source>%1 is choosing a category</source>
        <translation>%1 choisit une catégorie</translation>
    </message>
    <message>
        <source>Your turn to draw</source>
        <translation>À toi de dessiner</translation>
    </message>
    <message>
        <source>%1&apos;s turn to draw.</source>
        <translation>Au tour de %1 de dessiner.</translation>
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
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>pictova::WatchersHandler</name>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 regarde seulement</translation>
    </message>
    <message>
        <source>%1 now playing again</source>
        <translation>%1 rejoue maintenant</translation>
    </message>
</context>
<context>
    <name>pictova::WinnerPanel</name>
    <message>
        <source>The Winner!</source>
        <translation>Le gagnant !</translation>
    </message>
</context>
<context>
    <name>pictova::WordFolder</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 ligne %2 : %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>texte non UTF-8</translation>
    </message>
    <message>
        <source>more than %1 entries: this line and the rest are not used</source>
        <translation>plus de %1 entrées : cette ligne et les suivantes ne sont pas utilisées</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a word comes again later in it, so it is never dealt</source>
        <translation>« %1 » : un mot y revient plus loin, il n&apos;est donc jamais distribué</translation>
    </message>
    <message>
        <source>not a file, not used</source>
        <translation>pas un fichier, non utilisé</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>larger than %1 KiB, not used</source>
        <translation>plus de %1 Kio, non utilisé</translation>
    </message>
    <message>
        <source>no entry to use, the built-in words stay</source>
        <translation>aucune entrée utilisable, les mots intégrés restent</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not found.</source>
        <translation>Le dossier « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; has no words to use: it needs at least one of %2 with one entry a line.</source>
        <translation>Le dossier « %1 » n&apos;a aucun mot utilisable : il lui faut au moins l&apos;un des fichiers %2, avec une entrée par ligne.</translation>
    </message>
    <message>
        <source>1 entry from %1.</source>
        <translation>1 entrée de %1.</translation>
    </message>
    <message>
        <source>%1 entries from %2.</source>
        <translation>%1 entrées de %2.</translation>
    </message>
    <message>
        <source>The other categories keep the built-in words.</source>
        <translation>Les autres catégories gardent les mots intégrés.</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Non utilisé :</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… et %1 de plus.</translation>
    </message>
</context>
<context>
    <name>pictova::artwork</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries TV</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Boire &amp; manger</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>The Winner</source>
        <translation>Le gagnant</translation>
    </message>
</context>
<context>
    <name>pictova::errors</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 »</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
</context>
<context>
    <name>pictova::lan::Announcer</name>
    <message>
        <source>No network interface can multicast.</source>
        <translation>Aucune interface réseau ne permet le multicast.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Aucune interface réseau ne correspond à %1=%2.</translation>
    </message>
</context>
<context>
    <name>pictova::lan::GameBrowser</name>
    <message>
        <source>No network interface can receive games on the local network.</source>
        <translation>Aucune interface réseau ne peut recevoir les parties du réseau local.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Aucune interface réseau ne correspond à %1=%2.</translation>
    </message>
    <message>
        <source>Could not join the local-network group: %1</source>
        <translation>Impossible de rejoindre le groupe du réseau local : %1</translation>
    </message>
</context>
<context>
    <name>pictova::prompts</name>
    <message>
        <source>A game is running. Start a new one? Every score goes back to 0.</source>
        <translation>Une partie est en cours. En lancer une nouvelle ? Tous les scores repartent à 0.</translation>
    </message>
    <message>
        <source>1 player is in this game. Leaving ends it for everyone.</source>
        <translation>1 joueur est dans cette partie. En partant, tu y mets fin pour tout le monde.</translation>
    </message>
    <message>
        <source>%1 players are in this game. Leaving ends it for everyone.</source>
        <translation>%1 joueurs sont dans cette partie. En partant, tu y mets fin pour tout le monde.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Partir</translation>
    </message>
</context>
</TS>
