<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>pictova::AboutBox</name>
    <message>
        <source>Pictova - About</source>
        <translation>Pictova - Acerca de</translation>
    </message>
    <message>
        <source>Game design and code:</source>
        <translation>Diseño y código:</translation>
    </message>
    <message>
        <source>the Pictova team</source>
        <translation>el equipo de Pictova</translation>
    </message>
    <message>
        <source>Pictures and sounds:</source>
        <translation>Imágenes y sonidos:</translation>
    </message>
    <message>
        <source>made for Pictova</source>
        <translation>hechos para Pictova</translation>
    </message>
    <message>
        <source>Thanks to every tester!</source>
        <translation>¡Gracias a todos los que lo probaron!</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>pictova::Album</name>
    <message>
        <source>%1 guessed it at %2</source>
        <translation>%1 lo adivinó en %2</translation>
    </message>
    <message>
        <source>No one guessed (%1)</source>
        <translation>Nadie lo adivinó (%1)</translation>
    </message>
    <message>
        <source>Passed at %1</source>
        <translation>Pasó en %1</translation>
    </message>
    <message>
        <source>%1 drew · %2</source>
        <translation>%1 dibujó · %2</translation>
    </message>
    <message>
        <source>Game %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source> · 1 turn</source>
        <translation> · 1 turno</translation>
    </message>
    <message>
        <source> · %1 turns</source>
        <translation> · %1 turnos</translation>
    </message>
    <message>
        <source>Album: 1 turn</source>
        <translation>Álbum: 1 turno</translation>
    </message>
    <message>
        <source>Album: %1 turns</source>
        <translation>Álbum: %1 turnos</translation>
    </message>
    <message>
        <source> in %1 games</source>
        <translation> en %1 partidas</translation>
    </message>
    <message>
        <source>, the last %1 kept</source>
        <translation>, se guardan los últimos %1</translation>
    </message>
    <message>
        <source>Game %1, </source>
        <translation>Partida %1, </translation>
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
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Guardar álbum</translation>
    </message>
    <message>
        <source>Save Board as JPEG</source>
        <translation>Guardar el dibujo como JPEG</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>%1. %2
%3 drew
%4</source>
        <translation>%1. %2
%3 dibujó
%4</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
<context>
    <name>pictova::AnswerPanel</name>
    <message>
        <source>Type Answers Here</source>
        <translation>Escribe tus respuestas aquí</translation>
    </message>
</context>
<context>
    <name>pictova::BoardHeader</name>
    <message>
        <source>Welcome To</source>
        <translation>Bienvenidos a</translation>
    </message>
    <message>
        <source>Pictova By Quorix Software</source>
        <translation>Pictova de Quorix Software</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Play to score: %1</source>
        <translation>Puntos para ganar: %1</translation>
    </message>
    <message>
        <source>Time per turn: %1</source>
        <translation>Tiempo por turno: %1</translation>
    </message>
</context>
<context>
    <name>pictova::BoardNotice</name>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>pictova::CategoryChooser</name>
    <message>
        <source>is picking a category</source>
        <translation>está eligiendo una categoría</translation>
    </message>
    <message>
        <source>Your turn to</source>
        <translation>Te toca</translation>
    </message>
    <message>
        <source>choose a category</source>
        <translation>elegir una categoría</translation>
    </message>
</context>
<context>
    <name>pictova::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Color de las acciones</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Escribe aquí para chatear&gt;</translation>
    </message>
</context>
<context>
    <name>pictova::ChatLog</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Detener el desplazamiento del chat</translation>
    </message>
</context>
<context>
    <name>pictova::ClientSession</name>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>%1 no ha respondido en %2 segundos.</translation>
    </message>
    <message>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>No se ha encontrado ningún ordenador llamado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>No se puede llegar a %1 (%2).</translation>
    </message>
    <message>
        <source>%1 closed the connection before the game let you in.</source>
        <translation>%1 cerró la conexión antes de que la partida te dejara entrar.</translation>
    </message>
    <message>
        <source>The connection to the game was closed.</source>
        <translation>La conexión con la partida se ha cerrado.</translation>
    </message>
    <message>
        <source>%1 closed the game.</source>
        <translation>%1 ha cerrado la partida.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be made again.</source>
        <translation>Se ha perdido la conexión con la partida y no se ha podido recuperar.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>Se ha perdido la conexión con la partida.</translation>
    </message>
    <message>
        <source>%1 refused the connection: no game is hosted there.</source>
        <translation>%1 ha rechazado la conexión: allí no hay ninguna partida.</translation>
    </message>
    <message>
        <source>No answer from %1.</source>
        <translation>%1 no responde.</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>La partida de %1 está llena.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>La partida está llena</translation>
    </message>
    <message>
        <source>The game at %1 now runs a different version of Pictova than yours (%2).</source>
        <translation>La partida de %1 ahora usa una versión de Pictova distinta de la tuya (%2).</translation>
    </message>
    <message>
        <source>The game at %1 runs a different version of Pictova than yours (%2).</source>
        <translation>La partida de %1 usa una versión de Pictova distinta de la tuya (%2).</translation>
    </message>
    <message>
        <source>You were removed from the game.</source>
        <translation>Te han quitado de la partida.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 no tiene salas: solo hay una partida.</translation>
    </message>
</context>
<context>
    <name>pictova::ColourButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Otro</translation>
    </message>
</context>
<context>
    <name>pictova::DownloadDialog</name>
    <message>
        <source>Download The Quorix Lobby</source>
        <translation>Descargar el Quorix Lobby</translation>
    </message>
    <message>
        <source>Download And Install The Quorix Lobby Now</source>
        <translation>Descargar e instalar el Quorix Lobby ahora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Detener la descarga</translation>
    </message>
    <message>
        <source>Download The Quorix Lobby Now to play this  and other exciting games online with other players!</source>
        <translation>¡Descarga ahora el Quorix Lobby para jugar a este y a otros juegos emocionantes en línea con otros jugadores!</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jugar en solitario</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jugar con otros</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir al juego sin poder jugar contra otros, haz clic en el botón de abajo.</translation>
    </message>
    <message>
        <source>If you already have The Quorix Lobby and you wish to play with others then click the button below to close this game and open The Quorix Lobby.</source>
        <translation>Si ya tienes el Quorix Lobby y quieres jugar con otros, haz clic en el botón de abajo para cerrar este juego y abrir el Quorix Lobby.</translation>
    </message>
</context>
<context>
    <name>pictova::DrawerToolbar</name>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Take back the last stroke (Ctrl+Z)</source>
        <translation>Deshacer el último trazo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Brush color</source>
        <translation>Color del pincel</translation>
    </message>
    <message>
        <source>Brush width</source>
        <translation>Grosor del pincel</translation>
    </message>
</context>
<context>
    <name>pictova::GameChooser</name>
    <message>
        <source>Host a Game…</source>
        <translation>Crear una partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unirse a una partida…</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed: %1</source>
        <translation>No se pueden mostrar las partidas de la red local: %1</translation>
    </message>
    <message>
        <source>This computer cannot host a game on port %1 (%2): another program, or another copy of the game, may be using it.</source>
        <translation>Este ordenador no puede crear una partida en el puerto %1 (%2): puede que otro programa, u otra copia del juego, lo esté usando.</translation>
    </message>
    <message>
        <source>Hosting a game as %1 on port %2.</source>
        <translation>Partida creada como %1 en el puerto %2.</translation>
    </message>
    <message>
        <source>This game cannot be announced on the local network (%1).</source>
        <translation>No se puede anunciar esta partida en la red local (%1).</translation>
    </message>
    <message>
        <source>Joining %1…</source>
        <translation>Uniéndote a %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>In room %1: others join with this code, or with %2</source>
        <translation>En la sala %1: los demás entran con este código o con %2</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first.</source>
        <translation>Escribe primero la dirección del servidor.</translation>
    </message>
    <message>
        <source>Asking %1 for its rooms…</source>
        <translation>Pidiendo las salas a %1…</translation>
    </message>
</context>
<context>
    <name>pictova::GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Crear una partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Unirse a una partida…</translation>
    </message>
    <message>
        <source>Invite Players…</source>
        <translation>Invitar jugadores…</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Activar sonidos</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Color de las acciones</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Detener el desplazamiento del chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Borrar el chat</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Solo mirar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantáneas</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espías</translation>
    </message>
    <message>
        <source>Phrase Lists</source>
        <translation>Listas de frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Pasar a solo mirar</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Vote to Remove</source>
        <translation>Votar para expulsar</translation>
    </message>
</context>
<context>
    <name>pictova::GameModel</name>
    <message>
        <source>Black Team</source>
        <translation>Equipo negro</translation>
    </message>
    <message>
        <source>Maroon Team</source>
        <translation>Equipo granate</translation>
    </message>
</context>
<context>
    <name>pictova::GameStartForm</name>
    <message>
        <source>Only the copy that hosts the game can use its own words.</source>
        <translation>Solo el anfitrión de la partida puede usar sus propias palabras.</translation>
    </message>
    <message>
        <source>This game&apos;s server does not offer letter hints.</source>
        <translation>El servidor de esta partida no ofrece pistas de letras.</translation>
    </message>
    <message>
        <source>Guessers see one letter of the answer at half the turn&apos;s time and another at three quarters.</source>
        <translation>Quienes adivinan ven una letra de la respuesta a mitad del turno y otra a los tres cuartos.</translation>
    </message>
    <message>
        <source>Pictova - Start Game</source>
        <translation>Pictova - Empezar partida</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
    <message>
        <source>Reveal letters</source>
        <translation>Revelar letras</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>From folder…</source>
        <translation>Desde una carpeta…</translation>
    </message>
    <message>
        <source>Play To Score</source>
        <translation>Puntos para ganar</translation>
    </message>
    <message>
        <source>Time Limit Per Turn</source>
        <translation>Tiempo límite por turno</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Pictova - Word Folder</source>
        <translation>Pictova - Carpeta de palabras</translation>
    </message>
</context>
<context>
    <name>pictova::GameStarter</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Cargando partida en solitario… Espera un momento.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Cargando partida multijugador… Espera un momento.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>No estás conectado</translation>
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
        <translation>%1 ha dicho: %2</translation>
    </message>
    <message>
        <source>%1 answered: %2</source>
        <translation>%1 ha respondido: %2</translation>
    </message>
    <message>
        <source>No one guessed!</source>
        <translation>¡Nadie lo ha adivinado!</translation>
    </message>
    <message>
        <source>%1 has guessed the answer!</source>
        <translation>¡%1 ha adivinado la respuesta!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
</context>
<context>
    <name>pictova::HelpWindow</name>
    <message>
        <source>Pictova - Help File</source>
        <translation>Pictova - Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Pictova
A drawing and guessing game
by the Pictova team</source>
        <translation>Pictova
Un juego de dibujar y adivinar
del equipo de Pictova</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
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
&lt;p&gt;Pictova es un juego de dibujar y adivinar para hasta 10 jugadores, con sitio para 5 personas más que
solo miran. Los jugadores dibujan por turnos: el dibujante recibe una palabra o frase secreta y
la dibuja en la pizarra con el ratón, mientras todos los demás intentan adivinar qué se está
dibujando escribiendo sus intentos.&lt;/p&gt;
&lt;p&gt;Para jugar con otras personas, una de ellas crea la partida con &lt;b&gt;Archivo &amp;gt; Crear una partida…&lt;/b&gt;
(Ctrl+H) y las demás se unen con &lt;b&gt;Archivo &amp;gt; Unirse a una partida…&lt;/b&gt; (Ctrl+J), que muestra las partidas
anunciadas en tu red local y acepta la dirección del anfitrión para cualquier otra. Los mismos dos botones
están en la pizarra mientras no hay ninguna partida en curso, y &lt;b&gt;Jugar con otros&lt;/b&gt; al inicio abre Unirse a una partida.
Ayuda &amp;gt; Conexión cuenta más.&lt;/p&gt;
&lt;p&gt;Si solo quieres practicar tus dibujos, abre Pictova por sí solo: se abre una partida en solitario
con un conjunto limitado de frases, que no necesita ninguna red y no está abierta a nadie más.&lt;/p&gt;
&lt;p&gt;Junto a la pizarra encontrarás el chat, la puntuación de cada puesto y una fila de diez botones
de frases, cada uno con una carita: un clic envía su frase, como &quot;¡Así se hace!&quot;,
&quot;¡Buen intento!&quot; o &quot;¡Buena partida a todos!&quot;, a todo el mundo. Deja el puntero sobre un botón para leer
su frase, y cambia las frases con Ver &amp;gt; Listas de frases.&lt;/p&gt;
&lt;p&gt;En una pantalla grande, agranda la ventana con Ver &amp;gt; Zoom (o Ctrl y +, Ctrl y -, y
Ctrl y 0 para el tamaño normal). Pictova recuerda el tamaño que elegiste.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Partidas en solitario.&lt;/b&gt; Abre Pictova sin ningún argumento. Prepara una partida en tu propio
ordenador con el nombre &quot;Tú&quot;; pulsa el botón &lt;b&gt;Empezar partida&lt;/b&gt; para comenzar. Una partida en solitario
se puede jugar sin conexión.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas con otros.&lt;/b&gt; Donde esté instalado el Quorix Lobby, este puede preparar partidas
multijugador y abrir Pictova para cada jugador con los ajustes correctos (una partida en solitario ofrece
descargarlo). Sin él, crea y únete desde la ventana como se explica abajo: &lt;b&gt;Jugar con otros&lt;/b&gt;
al inicio abre entonces Unirse a una partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas con amigos desde la ventana.&lt;/b&gt; &lt;b&gt;Archivo &amp;gt; Crear una partida…&lt;/b&gt; crea una partida en
tu ordenador: escribe tu nombre y un puerto (7772 salvo que elijas otro) y deja marcada la casilla
de anunciar la partida en la red local, para que los jugadores cercanos la encuentren.
&lt;b&gt;Archivo &amp;gt; Unirse a una partida…&lt;/b&gt; muestra las partidas anunciadas en tu red local: haz doble clic en una
para unirte, o escribe el nombre o la dirección del anfitrión, con &lt;tt&gt;:puerto&lt;/tt&gt; detrás si el puerto no es
7772. Los mismos dos botones están en la pizarra mientras no hay ninguna partida en curso. Si no consigues unirte,
la ventana dice por qué y ofrece reintentarlo; si una partida a la que te uniste pierde la conexión, Pictova intenta
volver a meterte, con tus puntos, durante dos minutos.&lt;/p&gt;
&lt;p&gt;También puedes empezar una partida a mano desde una terminal, siempre con tres palabras después del
nombre del programa: tu nombre, la dirección del anfitrión, y &lt;tt&gt;true&lt;/tt&gt; para el jugador que crea la partida o
&lt;tt&gt;join&lt;/tt&gt; para todos los demás. La anfitriona, Ana por ejemplo, ejecuta:&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nombre 127.0.0.1 true&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;con su propio nombre en lugar de Nombre, y los demás se unen a ella, cada uno con su propio nombre y la
dirección del ordenador de Ana en lugar de anfitrión (por ejemplo 192.168.1.20):&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nombre anfitrión join&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;Con solo un nombre, o un nombre y una dirección, la ventana se abre pero no se conecta a nadie. El
ordenador del anfitrión debe aceptar conexiones en el puerto TCP 7772. Solo el director del juego puede empezar una partida,
con el botón &lt;b&gt;Empezar partida&lt;/b&gt; o Archivo &amp;gt; Empezar partida: el anfitrión o, en un servidor sin
ventana, el jugador del puesto 1 (o, mientras el puesto 1 esté libre, el del puesto ocupado más bajo).&lt;/p&gt;
&lt;p&gt;Con &lt;b&gt;Revelar letras&lt;/b&gt; marcado en la ventana Empezar partida, los huecos de quienes adivinan muestran una
letra de la respuesta cuando ha pasado la mitad del tiempo del turno y otra a los tres cuartos (nunca
la última letra de una palabra). &lt;b&gt;Palabras&lt;/b&gt; elige las listas de palabras de la partida del anfitrión: las
incluidas, o una carpeta de archivos de texto llamados general.txt, actions.txt, phrases.txt, music.txt,
movies.txt, tvshows.txt y fooddrink.txt, con una entrada por línea; una categoría sin archivo conserva
sus palabras incluidas. Lo que no se puede usar se indica al elegir la carpeta.&lt;/p&gt;
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
&lt;p&gt;La frase que hay que dibujar solo la ve el dibujante, arriba del todo en la pantalla de dibujo. Los
demás jugadores ven una raya por cada una de sus palabras.&lt;/p&gt;
&lt;p&gt;Al empezar un turno, el dibujante elige una categoría, que luego se muestra a todos en un
recuadro rojo. Las categorías son General, Acciones, Frases, Música, Películas, Series de TV, y Comida y
bebida.&lt;/p&gt;
&lt;p&gt;Si al dibujante no le gusta la frase, puede pulsar &lt;b&gt;PASAR&lt;/b&gt; para recibir otra, antes de empezar
a dibujar. Cada vez que pasa le cuesta 1 punto.&lt;/p&gt;
&lt;p&gt;Las herramientas del dibujante son el color del pincel, el grosor del pincel y la papelera, que borra
todo el dibujo.&lt;/p&gt;
&lt;p&gt;En un servidor de juego de esta versión, el dibujante también tiene &lt;b&gt;Deshacer&lt;/b&gt; (Ctrl+Z), que
quita el último trazo dibujado, hasta los últimos 30 trazos desde que empezó el turno o desde que se borró
el dibujo.&lt;/p&gt;
&lt;p&gt;Todos los demás escriben sus intentos en el campo de respuesta de la parte de abajo de la pantalla y pulsan
Intro. Cada palabra de la frase que alguien adivina se muestra arriba para que la vean todos.&lt;/p&gt;
&lt;p&gt;Un turno dura 2 minutos, salvo que el anfitrión haya elegido un tiempo más corto. Si nadie adivina la respuesta a
tiempo, el turno termina, nadie puntúa y el dibujante pierde 1 punto (se muestra -1 junto a la
puntuación del dibujante; una puntuación nunca baja de 0).&lt;/p&gt;
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
&lt;p&gt;Quien completa la frase gana 2 puntos, y el dibujante gana 1 punto por un dibujo
que se ha adivinado.&lt;/p&gt;
&lt;p&gt;El dibujante pierde 1 punto cada vez que pasa, y 1 punto cuando se acaba el tiempo sin que nadie
adivine la frase (una puntuación nunca baja de 0).&lt;/p&gt;
&lt;p&gt;El anfitrión decide cuántos puntos hacen falta para ganar la partida, de 20 a 100. El primer jugador que
llega a esa puntuación, sin nadie más empatado a puntos, gana la partida.&lt;/p&gt;
&lt;p&gt;En una partida por equipos, los puestos impares (1, 3, 5, 7, 9) juegan como Equipo negro contra los puestos pares
(2, 4, 6, 8, 10) como Equipo granate, y los puntos van a los equipos.&lt;/p&gt;
&lt;p&gt;Las partidas de solo dos personas no son muy divertidas: los mismos dos jugadores se turnan para dibujar
el uno para el otro. Con tres o más, mucho mejor.&lt;/p&gt;
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
&lt;p&gt;Después de cada turno tienes 10 segundos para guardar el dibujo: pulsa el botón de instantánea, el que
tiene la camarita.&lt;/p&gt;
&lt;p&gt;La imagen se guarda junto con la fecha, el nombre del dibujante y la respuesta, en la carpeta
&quot;snapshots&quot; junto a tus ajustes.&lt;/p&gt;
&lt;p&gt;Elige Ver &amp;gt; Instantáneas para ver tu colección. Recórrela con los botones de flecha
o elige una imagen de la lista. Las imágenes que ya no quieras se pueden eliminar allí.&lt;/p&gt;
&lt;p&gt;Cada turno también va solo al álbum, los últimos 200 desde que se abrió Pictova: Ver
&amp;gt; Álbum muestra los dibujos de todas las partidas, los más nuevos primero, cada partida bajo un título con sus
puntuaciones (o una sola partida, elegida arriba). Haz doble clic en uno para ver cómo se vuelve a dibujar
(Reproducir, Pausa, 1× o 4×). Guardar álbum pone una imagen de las partidas mostradas en la carpeta
&quot;snapshots&quot;, y Guardar el dibujo como JPEG guarda allí también el dibujo elegido.&lt;/p&gt;
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
&lt;p&gt;Pictova empezó como un proyecto de tardes libres: unos amigos querían un juego de dibujo para jugar
por la red de la oficina a la hora de comer, y creció a partir de ahí. Muchas gracias a todos los que
jugaron a las primeras versiones, enviaron frases para las listas de palabras y nos contaron qué fallaba.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Cambios&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4.1&lt;/b&gt; - Los ajustes se guardan de forma segura: un disco lleno ya no puede dejar un archivo de ajustes
estropeado. La descarga del lobby se puede detener en cualquier momento.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4&lt;/b&gt; - Los jugadores con otra versión reciben un aviso al unirse.
Las instantáneas recuerdan el nombre del dibujante.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.3&lt;/b&gt; - Partidas por equipos: puestos impares contra puestos pares. El anfitrión puede poner a un jugador en
modo espectador o quitarlo de la partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.0&lt;/b&gt; - Espectadores: hasta cinco personas más pueden mirar. Nueva ventana Lista de espías.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.2&lt;/b&gt; - Los botones de frases se pueden editar y se guardan en los ajustes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.0&lt;/b&gt; - Instantáneas de los dibujos terminados, y el visor de instantáneas.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.0.0&lt;/b&gt; - Sonidos para los momentos principales de una partida, y un interruptor para quitarlos.
El tamaño y los colores del texto del chat se conservan de una partida a otra.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.5.0&lt;/b&gt; - La categoría Comida y bebida. Pasar ahora cuesta un punto.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.2.0&lt;/b&gt; - Los intentos se juzgan palabra por palabra, y las palabras acertadas se muestran a todos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.0.0&lt;/b&gt; - Primera versión pública: siete categorías, chat y puntuaciones.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.9 beta&lt;/b&gt; - Partidas de práctica en solitario y la ventana Empezar partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.1 alfa&lt;/b&gt; - Primera versión alfa: una pizarra, una lista de palabras, dos jugadores.&lt;/p&gt;
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
&lt;p&gt;Pictova se puede usar libremente por cualquiera que tenga una copia. Puedes jugarlo, copiarlo y dar copias
a tus amigos, siempre que lo pases completo y sin cambios y no cobres por ello.&lt;/p&gt;
&lt;p&gt;No puedes vender Pictova, ni hacer pasar ninguna parte de él por trabajo tuyo.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sin garantía.&lt;/b&gt; Pictova se ofrece &quot;tal cual&quot;, sin garantía de ningún tipo, expresa o
implícita, incluidas, entre otras, las garantías de comerciabilidad, idoneidad para un
fin determinado y no infracción. En ningún caso los autores serán responsables de ninguna
reclamación, daño u otra responsabilidad, ya sea en una acción contractual, extracontractual o de otro tipo,
que surja del juego o de su uso, o esté relacionada con ellos. Lo usas bajo tu propia
responsabilidad.&lt;/p&gt;
&lt;p&gt;Al usar Pictova aceptas estas condiciones.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantáneas</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>pictova::HostDialog</name>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Pictova - Host a Game</source>
        <translation>Pictova - Crear una partida</translation>
    </message>
    <message>
        <source>Announce this game on the local network</source>
        <translation>Anunciar esta partida en la red local</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nombre del jugador:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Friends on the internet reach this game at this computer&apos;s address and port; the router may need to forward the port.</source>
        <translation>Los amigos que estén en internet llegan a esta partida con la dirección y el puerto de este ordenador; puede que el router tenga que redirigir el puerto.</translation>
    </message>
    <message>
        <source>Phones and browsers join at:</source>
        <translation>Móviles y navegadores se unen en:</translation>
    </message>
</context>
<context>
    <name>pictova::HttpDownload</name>
    <message>
        <source>The file is too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>Unsupported protocol</source>
        <translation>Protocolo no admitido</translation>
    </message>
    <message>
        <source>could not resolve the server&apos;s name</source>
        <translation>no se ha podido resolver el nombre del servidor</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tiempo de espera agotado</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>el certificado del servidor no es de confianza</translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation>no se ha podido establecer una conexión segura</translation>
    </message>
    <message>
        <source>the server closed the connection early</source>
        <translation>el servidor ha cerrado la conexión antes de tiempo</translation>
    </message>
    <message>
        <source>Number of redirects hit maximum amount</source>
        <translation>Se ha alcanzado el número máximo de redirecciones</translation>
    </message>
    <message>
        <source>could not reach the server</source>
        <translation>no se ha podido llegar al servidor</translation>
    </message>
    <message>
        <source>Too many header lines</source>
        <translation>Demasiadas líneas de cabecera</translation>
    </message>
    <message>
        <source>Unable to write the file</source>
        <translation>No se puede escribir el archivo</translation>
    </message>
    <message>
        <source>aborted on request</source>
        <translation>cancelado a petición</translation>
    </message>
</context>
<context>
    <name>pictova::InviteDialog</name>
    <message>
        <source>Invite Players</source>
        <translation>Invitar jugadores</translation>
    </message>
    <message>
        <source>Players in the same network open this link in a browser, or scan the code with a phone&apos;s camera:</source>
        <translation>Los jugadores de la misma red abren este enlace en un navegador, o escanean el código con la cámara del móvil:</translation>
    </message>
    <message>
        <source>Room %1
Others join it with the code in File &gt; Join a Game…, or by opening %2</source>
        <translation>Sala %1
Los demás entran con el código en Archivo &gt; Unirse a una partida… o abriendo %2</translation>
    </message>
    <message>
        <source>Anyone can join this room from a browser with this link, or by scanning the code with a phone&apos;s camera:</source>
        <translation>Cualquiera puede unirse a esta sala desde un navegador con este enlace, o escaneando el código con la cámara del móvil:</translation>
    </message>
</context>
<context>
    <name>pictova::InvitePanel</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>This game takes no players from a browser.</source>
        <translation>Esta partida no acepta jugadores desde un navegador.</translation>
    </message>
</context>
<context>
    <name>pictova::JoinDialog</name>
    <message>
        <source>Pictova - Join a Game</source>
        <translation>Pictova - Unirse a una partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Plazas libres</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>host name or address, optionally :port</source>
        <translation>nombre o dirección del anfitrión, opcionalmente :puerto</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unirse</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nombre del jugador:</translation>
    </message>
    <message>
        <source>Games on the local network (double-click to join):</source>
        <translation>Partidas en la red local (doble clic para unirse):</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partida en curso</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>esperando</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>empty for the server&apos;s own game; K7QXD or pictova://host:port/K7QXD</source>
        <translation>vacío para la partida del servidor; K7QXD o pictova://host:puerto/K7QXD</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>List Rooms</source>
        <translation>Ver salas</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>nombre de la sala</translation>
    </message>
    <message>
        <source>Listed</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Shown in the server&apos;s list of rooms; otherwise joined by its code only</source>
        <translation>Aparece en la lista de salas del servidor; si no, solo se entra con su código</translation>
    </message>
    <message>
        <source>Create a room on this server</source>
        <translation>Crear una sala en este servidor</translation>
    </message>
    <message>
        <source>Rooms on this server:</source>
        <translation>Salas en este servidor:</translation>
    </message>
    <message>
        <source>Room code or link:</source>
        <translation>Código o enlace de la sala:</translation>
    </message>
    <message>
        <source>This server lists no rooms.</source>
        <translation>Este servidor no muestra salas.</translation>
    </message>
</context>
<context>
    <name>pictova::LobbyDownloader</name>
    <message>
        <source>Download Aborted</source>
        <translation>Descarga interrumpida</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Se ha producido un error.</translation>
    </message>
    <message>
        <source>Please close the game and open the Quorix Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Cierra el juego y abre el Quorix Lobby con el icono del escritorio o desde el menú de inicio.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Descargando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Se ha interrumpido la descarga.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Recibidos: %1 bytes</translation>
    </message>
    <message>
        <source>Saved to %1. Check it before you run it.</source>
        <translation>Guardado en %1. Revísalo antes de ejecutarlo.</translation>
    </message>
    <message>
        <source>Saved to %1 (fetched over plain http: anyone on the way could have changed it). Check it before you run it.</source>
        <translation>Guardado en %1 (descargado por http sin cifrar: cualquiera en el camino podría haberlo cambiado). Revísalo antes de ejecutarlo.</translation>
    </message>
    <message>
        <source>Download Aborted: the file could not be saved</source>
        <translation>Descarga cancelada: no se pudo guardar el archivo</translation>
    </message>
    <message>
        <source>Download Aborted: %1</source>
        <translation>Descarga cancelada: %1</translation>
    </message>
</context>
<context>
    <name>pictova::PhraseEditor</name>
    <message>
        <source>Pictova - Phrase Buttons</source>
        <translation>Pictova - Botones de frases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botón de frase %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>pictova::ReconnectBanner</name>
    <message>
        <source>Give Up</source>
        <translation>Rendirse</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting… (%1)</source>
        <translation>Conexión perdida, reconectando… (%1)</translation>
    </message>
</context>
<context>
    <name>pictova::ReplayPlayer</name>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Play at normal speed or four times as fast</source>
        <translation>Reproducir a velocidad normal o cuatro veces más rápido</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source> (drawing too long: replayed in part)</source>
        <translation> (dibujo demasiado largo: se repite en parte)</translation>
    </message>
    <message>
        <source> (no replay kept)</source>
        <translation> (no se guardó la repetición)</translation>
    </message>
    <message>
        <source>Replay: turn %1</source>
        <translation>Repetición: turno %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
</context>
<context>
    <name>pictova::RoomLister</name>
    <message>
        <source>No answer from %1.</source>
        <translation>Sin respuesta de %1.</translation>
    </message>
    <message>
        <source>%1 closed the connection before its list ended.</source>
        <translation>%1 cerró la conexión antes de terminar la lista.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>No se puede llegar a %1 (%2).</translation>
    </message>
    <message>
        <source>%1 sent something that is not a list of rooms.</source>
        <translation>%1 envió algo que no es una lista de salas.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 no tiene salas: solo hay una partida.</translation>
    </message>
</context>
<context>
    <name>pictova::RoundsHandler</name>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 ha empezado una partida nueva.</translation>
    </message>
    <message>
        <source>%1 has started a TEAM game.</source>
        <translation>%1 ha empezado una partida POR EQUIPOS.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 ha empezado una partida.</translation>
    </message>
    <message>
        <source>No other phrase is left to deal in this category: keep drawing this one.</source>
        <translation>No quedan más frases en esta categoría: sigue dibujando esta.</translation>
    </message>
    <message>
        <source>%1 has bought a different phrase for one point.</source>
        <translation>%1 ha comprado otra frase por un punto.</translation>
    </message>
</context>
<context>
    <name>pictova::SeatPanelView</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Esperando&gt;</translation>
    </message>
    <message>
        <source>Take A Snap Shot</source>
        <translation>Hacer una instantánea</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Hacer una instantánea</translation>
    </message>
</context>
<context>
    <name>pictova::SeatsHandler</name>
    <message>
        <source>You are Connected.</source>
        <translation>Estás conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se ha conectado.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Estás espiando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espiando.</translation>
    </message>
    <message>
        <source>%1 was removed from the game.</source>
        <translation>%1 ha sido retirado de la partida.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se ha desconectado.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 se ha ido.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tiene una versión del juego distinta de la tuya.</translation>
    </message>
    <message>
        <source>You have a different version of the game then the host.</source>
        <translation>Tienes una versión del juego distinta de la del anfitrión.</translation>
    </message>
</context>
<context>
    <name>pictova::SnapshotViewer</name>
    <message>
        <source>Pictova - Snap Shots</source>
        <translation>Pictova - Instantáneas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the snapshot %1?</source>
        <translation>¿Eliminar la instantánea %1?</translation>
    </message>
</context>
<context>
    <name>pictova::SpectatorList</name>
    <message>
        <source>Pictova - Spys</source>
        <translation>Pictova - Espías</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espías</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Quitar de la partida</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>pictova::TurnView</name>
    <message>
        <source>%1 won the game!</source>
        <translation>¡%1 ha ganado la partida!</translation>
    </message>
    <message>
        <source>Your turn to choose a category</source>
        <translation>Te toca elegir una categoría</translation>
    </message>
    <message>
        <source>%1 is choosing a category</source>
        <translation>%1 está eligiendo una categoría</translation>
    </message>
    <message>
        <source>Your turn to draw</source>
        <translation>Te toca dibujar</translation>
    </message>
    <message>
        <source>%1&apos;s turn to draw.</source>
        <translation>Le toca dibujar a %1.</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
<context>
    <name>pictova::WatchersHandler</name>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 solo está mirando</translation>
    </message>
    <message>
        <source>%1 now playing again</source>
        <translation>%1 vuelve a jugar</translation>
    </message>
</context>
<context>
    <name>pictova::WinnerPanel</name>
    <message>
        <source>The Winner!</source>
        <translation>¡El ganador!</translation>
    </message>
</context>
<context>
    <name>pictova::WordFolder</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 línea %2: %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>more than %1 entries: this line and the rest are not used</source>
        <translation>más de %1 entradas: esta línea y las siguientes no se usan</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más de %1 caracteres</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contiene un carácter de control</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a word comes again later in it, so it is never dealt</source>
        <translation>«%1»: una palabra se repite más adelante, así que nunca se reparte</translation>
    </message>
    <message>
        <source>not a file, not used</source>
        <translation>no es un archivo, no se usa</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>larger than %1 KiB, not used</source>
        <translation>más de %1 KiB, no se usa</translation>
    </message>
    <message>
        <source>no entry to use, the built-in words stay</source>
        <translation>ninguna entrada utilizable, se quedan las palabras incluidas</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not found.</source>
        <translation>No se encontró la carpeta «%1».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; has no words to use: it needs at least one of %2 with one entry a line.</source>
        <translation>La carpeta «%1» no tiene palabras utilizables: necesita al menos uno de %2, con una entrada por línea.</translation>
    </message>
    <message>
        <source>1 entry from %1.</source>
        <translation>1 entrada de %1.</translation>
    </message>
    <message>
        <source>%1 entries from %2.</source>
        <translation>%1 entradas de %2.</translation>
    </message>
    <message>
        <source>The other categories keep the built-in words.</source>
        <translation>Las demás categorías mantienen las palabras incluidas.</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>No usado:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… y %1 más.</translation>
    </message>
</context>
<context>
    <name>pictova::artwork</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Phrase</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Series de TV</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Comida &amp; bebida</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>The Winner</source>
        <translation>El ganador</translation>
    </message>
</context>
<context>
    <name>pictova::errors</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>pictova::lan::Announcer</name>
    <message>
        <source>No network interface can multicast.</source>
        <translation>Ninguna interfaz de red admite multidifusión.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Ninguna interfaz de red coincide con %1=%2.</translation>
    </message>
</context>
<context>
    <name>pictova::lan::GameBrowser</name>
    <message>
        <source>No network interface can receive games on the local network.</source>
        <translation>Ninguna interfaz de red puede recibir partidas de la red local.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Ninguna interfaz de red coincide con %1=%2.</translation>
    </message>
    <message>
        <source>Could not join the local-network group: %1</source>
        <translation>No se ha podido entrar en el grupo de la red local: %1</translation>
    </message>
</context>
<context>
    <name>pictova::prompts</name>
    <message>
        <source>A game is running. Start a new one? Every score goes back to 0.</source>
        <translation>Hay una partida en curso. ¿Empezar una nueva? Todas las puntuaciones vuelven a 0.</translation>
    </message>
    <message>
        <source>1 player is in this game. Leaving ends it for everyone.</source>
        <translation>Hay 1 jugador en esta partida. Si sales, se termina para todos.</translation>
    </message>
    <message>
        <source>%1 players are in this game. Leaving ends it for everyone.</source>
        <translation>Hay %1 jugadores en esta partida. Si sales, se termina para todos.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
</context>
</TS>
