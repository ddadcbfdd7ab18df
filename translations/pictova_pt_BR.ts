<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>pictova::AboutBox</name>
    <message>
        <source>Pictova - About</source>
        <translation>Pictova - Sobre</translation>
    </message>
    <message>
        <source>Game design and code:</source>
        <translation>Criação e código:</translation>
    </message>
    <message>
        <source>the Pictova team</source>
        <translation>a equipe do Pictova</translation>
    </message>
    <message>
        <source>Pictures and sounds:</source>
        <translation>Imagens e sons:</translation>
    </message>
    <message>
        <source>made for Pictova</source>
        <translation>feitos para o Pictova</translation>
    </message>
    <message>
        <source>Thanks to every tester!</source>
        <translation>Obrigado a todos que testaram!</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>pictova::Album</name>
    <message>
        <source>%1 guessed it at %2</source>
        <translation>%1 adivinou em %2</translation>
    </message>
    <message>
        <source>No one guessed (%1)</source>
        <translation>Ninguém adivinhou (%1)</translation>
    </message>
    <message>
        <source>Passed at %1</source>
        <translation>Passou em %1</translation>
    </message>
    <message>
        <source>%1 drew · %2</source>
        <translation>%1 desenhou · %2</translation>
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
        <translation> em %1 partidas</translation>
    </message>
    <message>
        <source>, the last %1 kept</source>
        <translation>, os últimos %1 guardados</translation>
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
        <translation>Replay</translation>
    </message>
    <message>
        <source>Save Album</source>
        <translation>Salvar álbum</translation>
    </message>
    <message>
        <source>Save Board as JPEG</source>
        <translation>Salvar o desenho como JPEG</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>%1. %2
%3 drew
%4</source>
        <translation>%1. %2
%3 desenhou
%4</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvo: %1</translation>
    </message>
</context>
<context>
    <name>pictova::AnswerPanel</name>
    <message>
        <source>Type Answers Here</source>
        <translation>Digite suas respostas aqui</translation>
    </message>
</context>
<context>
    <name>pictova::BoardHeader</name>
    <message>
        <source>Welcome To</source>
        <translation>Bem-vindos ao</translation>
    </message>
    <message>
        <source>Pictova By Quorix Software</source>
        <translation>Pictova da Quorix Software</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passar</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Play to score: %1</source>
        <translation>Pontos para vencer: %1</translation>
    </message>
    <message>
        <source>Time per turn: %1</source>
        <translation>Tempo por turno: %1</translation>
    </message>
</context>
<context>
    <name>pictova::BoardNotice</name>
    <message>
        <source>Try Again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>pictova::CategoryChooser</name>
    <message>
        <source>is picking a category</source>
        <translation>está escolhendo uma categoria</translation>
    </message>
    <message>
        <source>Your turn to</source>
        <translation>Sua vez de</translation>
    </message>
    <message>
        <source>choose a category</source>
        <translation>escolher uma categoria</translation>
    </message>
</context>
<context>
    <name>pictova::ChatInput</name>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Cor das ações</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Digite aqui para conversar&gt;</translation>
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
        <translation>Limpar o chat</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Parar a rolagem do chat</translation>
    </message>
</context>
<context>
    <name>pictova::ClientSession</name>
    <message>
        <source>No answer from %1 within %2 seconds.</source>
        <translation>Nenhuma resposta de %1 em %2 segundos.</translation>
    </message>
    <message>
        <source>No computer called &quot;%1&quot; was found.</source>
        <translation>Nenhum computador chamado &quot;%1&quot; foi encontrado.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>Não foi possível alcançar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 closed the connection before the game let you in.</source>
        <translation>%1 fechou a conexão antes que a partida deixasse você entrar.</translation>
    </message>
    <message>
        <source>The connection to the game was closed.</source>
        <translation>A conexão com a partida foi fechada.</translation>
    </message>
    <message>
        <source>%1 closed the game.</source>
        <translation>%1 fechou a partida.</translation>
    </message>
    <message>
        <source>The connection to the game was lost and could not be made again.</source>
        <translation>A conexão com a partida caiu e não foi possível restabelecê-la.</translation>
    </message>
    <message>
        <source>The connection to the game was lost.</source>
        <translation>A conexão com a partida caiu.</translation>
    </message>
    <message>
        <source>%1 refused the connection: no game is hosted there.</source>
        <translation>%1 recusou a conexão: não há nenhuma partida lá.</translation>
    </message>
    <message>
        <source>No answer from %1.</source>
        <translation>Nenhuma resposta de %1.</translation>
    </message>
    <message>
        <source>The game at %1 is full.</source>
        <translation>A partida em %1 está cheia.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>A partida está cheia</translation>
    </message>
    <message>
        <source>The game at %1 now runs a different version of Pictova than yours (%2).</source>
        <translation>A partida em %1 agora usa uma versão do Pictova diferente da sua (%2).</translation>
    </message>
    <message>
        <source>The game at %1 runs a different version of Pictova than yours (%2).</source>
        <translation>A partida em %1 usa uma versão do Pictova diferente da sua (%2).</translation>
    </message>
    <message>
        <source>You were removed from the game.</source>
        <translation>Você foi removido da partida.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 não tem salas: só há uma partida.</translation>
    </message>
</context>
<context>
    <name>pictova::ColourButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Outra</translation>
    </message>
</context>
<context>
    <name>pictova::DownloadDialog</name>
    <message>
        <source>Download The Quorix Lobby</source>
        <translation>Baixar o Quorix Lobby</translation>
    </message>
    <message>
        <source>Download And Install The Quorix Lobby Now</source>
        <translation>Baixar e instalar o Quorix Lobby agora</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Parar o download</translation>
    </message>
    <message>
        <source>Download The Quorix Lobby Now to play this  and other exciting games online with other players!</source>
        <translation>Baixe agora o Quorix Lobby para jogar este e outros jogos incríveis online com outras pessoas!</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Jogar sozinho</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Jogar com outras pessoas</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Para ir ao jogo sem poder jogar contra outras pessoas, clique no botão abaixo.</translation>
    </message>
    <message>
        <source>If you already have The Quorix Lobby and you wish to play with others then click the button below to close this game and open The Quorix Lobby.</source>
        <translation>Se você já tem o Quorix Lobby e quer jogar com outras pessoas, clique no botão abaixo para fechar este jogo e abrir o Quorix Lobby.</translation>
    </message>
</context>
<context>
    <name>pictova::DrawerToolbar</name>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Take back the last stroke (Ctrl+Z)</source>
        <translation>Desfazer o último traço (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Brush color</source>
        <translation>Cor do pincel</translation>
    </message>
    <message>
        <source>Brush width</source>
        <translation>Espessura do pincel</translation>
    </message>
</context>
<context>
    <name>pictova::GameChooser</name>
    <message>
        <source>Host a Game…</source>
        <translation>Criar uma partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Entrar em uma partida…</translation>
    </message>
    <message>
        <source>Games on the local network cannot be listed: %1</source>
        <translation>Não é possível listar as partidas da rede local: %1</translation>
    </message>
    <message>
        <source>This computer cannot host a game on port %1 (%2): another program, or another copy of the game, may be using it.</source>
        <translation>Este computador não pode criar uma partida na porta %1 (%2): outro programa, ou outra cópia do jogo, pode estar usando essa porta.</translation>
    </message>
    <message>
        <source>Hosting a game as %1 on port %2.</source>
        <translation>Partida criada como %1 na porta %2.</translation>
    </message>
    <message>
        <source>This game cannot be announced on the local network (%1).</source>
        <translation>Não é possível anunciar esta partida na rede local (%1).</translation>
    </message>
    <message>
        <source>Joining %1…</source>
        <translation>Entrando em %1…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>In room %1: others join with this code, or with %2</source>
        <translation>Na sala %1: os outros entram com este código ou com %2</translation>
    </message>
    <message>
        <source>Type the server&apos;s address first.</source>
        <translation>Digite primeiro o endereço do servidor.</translation>
    </message>
    <message>
        <source>Asking %1 for its rooms…</source>
        <translation>Pedindo as salas a %1…</translation>
    </message>
</context>
<context>
    <name>pictova::GameMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Host a Game…</source>
        <translation>Criar uma partida…</translation>
    </message>
    <message>
        <source>Join a Game…</source>
        <translation>Entrar em uma partida…</translation>
    </message>
    <message>
        <source>Invite Players…</source>
        <translation>Convidar jogadores…</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Ativar sons</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Action Color</source>
        <translation>Cor das ações</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Parar a rolagem do chat</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Limpar o chat</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Só assistir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantâneos</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>Phrase Lists</source>
        <translation>Listas de frases</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Remover da partida</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Deixar só assistindo</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Voltar a jogar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Vote to Remove</source>
        <translation>Votar para remover</translation>
    </message>
</context>
<context>
    <name>pictova::GameModel</name>
    <message>
        <source>Black Team</source>
        <translation>Time preto</translation>
    </message>
    <message>
        <source>Maroon Team</source>
        <translation>Time vinho</translation>
    </message>
</context>
<context>
    <name>pictova::GameStartForm</name>
    <message>
        <source>Only the copy that hosts the game can use its own words.</source>
        <translation>Só o anfitrião da partida pode usar palavras próprias.</translation>
    </message>
    <message>
        <source>This game&apos;s server does not offer letter hints.</source>
        <translation>O servidor desta partida não oferece dicas de letras.</translation>
    </message>
    <message>
        <source>Guessers see one letter of the answer at half the turn&apos;s time and another at three quarters.</source>
        <translation>Quem adivinha vê uma letra da resposta na metade do turno e outra aos três quartos.</translation>
    </message>
    <message>
        <source>Pictova - Start Game</source>
        <translation>Pictova - Iniciar partida</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida em times</translation>
    </message>
    <message>
        <source>Reveal letters</source>
        <translation>Revelar letras</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>From folder…</source>
        <translation>De uma pasta…</translation>
    </message>
    <message>
        <source>Play To Score</source>
        <translation>Pontos para vencer</translation>
    </message>
    <message>
        <source>Time Limit Per Turn</source>
        <translation>Tempo limite por turno</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Pictova - Word Folder</source>
        <translation>Pictova - Pasta de palavras</translation>
    </message>
</context>
<context>
    <name>pictova::GameStarter</name>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Carregando partida solo… Aguarde um instante.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Carregando partida multijogador… Aguarde um instante.</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Você não está conectado</translation>
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
        <translation>%1 chutou: %2</translation>
    </message>
    <message>
        <source>%1 answered: %2</source>
        <translation>%1 respondeu: %2</translation>
    </message>
    <message>
        <source>No one guessed!</source>
        <translation>Ninguém adivinhou!</translation>
    </message>
    <message>
        <source>%1 has guessed the answer!</source>
        <translation>%1 adivinou a resposta!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 venceu a partida!</translation>
    </message>
</context>
<context>
    <name>pictova::HelpWindow</name>
    <message>
        <source>Pictova - Help File</source>
        <translation>Pictova - Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Pictova
A drawing and guessing game
by the Pictova team</source>
        <translation>Pictova
Um jogo de desenhar e adivinhar
da equipe do Pictova</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
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
&lt;p&gt;Pictova é um jogo de desenhar e adivinhar para até 10 jogadores, com lugar para mais 5 pessoas que
só assistem. Os jogadores se revezam desenhando: o desenhista recebe uma palavra ou frase secreta e
a desenha no quadro com o mouse, enquanto todos os outros tentam adivinhar o que está sendo
desenhado digitando palpites.&lt;/p&gt;
&lt;p&gt;Para jogar com outras pessoas, uma de vocês cria a partida com &lt;b&gt;Arquivo &amp;gt; Criar uma partida…&lt;/b&gt;
(Ctrl+H) e as outras entram nela com &lt;b&gt;Arquivo &amp;gt; Entrar em uma partida…&lt;/b&gt; (Ctrl+J), que lista as partidas
anunciadas na sua rede local e aceita o endereço do anfitrião para qualquer outra. Os mesmos dois botões
ficam no quadro enquanto não há partida em andamento, e &lt;b&gt;Jogar com outras pessoas&lt;/b&gt; na abertura abre Entrar em uma partida.
Ajuda &amp;gt; Conexão explica mais.&lt;/p&gt;
&lt;p&gt;Se você só quer praticar seus desenhos, abra o Pictova sozinho: ele abre uma partida solo
com um conjunto limitado de frases, que não precisa de rede nenhuma e não está aberta a mais ninguém.&lt;/p&gt;
&lt;p&gt;Ao lado do quadro ficam o chat, a pontuação de cada lugar e uma fileira de dez botões
de frases, cada um com uma carinha: um clique envia a frase dele, como &quot;Mandou bem!&quot;,
&quot;Boa tentativa!&quot; ou &quot;Boa partida, pessoal!&quot;, para todo mundo. Deixe o ponteiro sobre um botão para ler
a frase dele, e mude as frases em Exibir &amp;gt; Listas de frases.&lt;/p&gt;
&lt;p&gt;Numa tela grande, aumente a janela com Exibir &amp;gt; Zoom (ou Ctrl e +, Ctrl e -, e
Ctrl e 0 para o tamanho normal). O Pictova lembra o tamanho que você escolheu.&lt;/p&gt;
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
&lt;p&gt;&lt;b&gt;Partidas solo.&lt;/b&gt; Abra o Pictova sem nenhum argumento. Ele prepara uma partida no seu próprio
computador com o nome &quot;Você&quot;; aperte o botão &lt;b&gt;Iniciar partida&lt;/b&gt; para começar. Uma partida solo
pode ser jogada offline.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas com outras pessoas.&lt;/b&gt; Onde o Quorix Lobby estiver instalado, ele pode preparar partidas
multijogador e abrir o Pictova para cada jogador com as configurações certas (uma partida solo oferece
baixá-lo). Sem ele, crie e entre pela janela como explicado abaixo: &lt;b&gt;Jogar com outras pessoas&lt;/b&gt;
na abertura então abre Entrar em uma partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Partidas com amigos pela janela.&lt;/b&gt; &lt;b&gt;Arquivo &amp;gt; Criar uma partida…&lt;/b&gt; cria uma partida no
seu computador: informe seu nome e uma porta (7772, a menos que você escolha outra) e deixe marcada a caixa
para anunciar a partida na rede local, para que os jogadores por perto a encontrem.
&lt;b&gt;Arquivo &amp;gt; Entrar em uma partida…&lt;/b&gt; lista as partidas anunciadas na sua rede local: clique duas vezes em uma
para entrar, ou digite o nome ou o endereço do anfitrião, com &lt;tt&gt;:porta&lt;/tt&gt; depois quando a porta não for
7772. Os mesmos dois botões ficam no quadro enquanto não há partida em andamento. Se não der para entrar,
a janela diz o motivo e oferece tentar de novo; se uma partida em que você entrou perder a conexão, o Pictova tenta
colocar você de volta, com seus pontos, por dois minutos.&lt;/p&gt;
&lt;p&gt;Você também pode começar uma partida à mão pelo terminal, sempre com três palavras depois do
nome do programa: seu nome, o endereço do anfitrião, e &lt;tt&gt;true&lt;/tt&gt; para o jogador que cria a partida ou
&lt;tt&gt;join&lt;/tt&gt; para todos os outros. A anfitriã, Ana por exemplo, executa:&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nome 127.0.0.1 true&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;com o próprio nome no lugar de Nome, e os outros entram na partida dela, cada um com o próprio nome e o
endereço do computador da Ana no lugar de anfitrião (por exemplo 192.168.1.20):&lt;/p&gt;
&lt;p&gt;&lt;tt&gt;pictova Nome anfitrião join&lt;/tt&gt;&lt;/p&gt;
&lt;p&gt;Só com um nome, ou com um nome e um endereço, a janela abre mas não se conecta a ninguém. O
computador do anfitrião precisa aceitar conexões na porta TCP 7772. Só o mestre do jogo pode iniciar uma partida,
com o botão &lt;b&gt;Iniciar partida&lt;/b&gt; ou Arquivo &amp;gt; Iniciar partida: o anfitrião ou, num servidor sem
janela, o jogador do lugar 1 (ou, enquanto o lugar 1 estiver livre, o do menor lugar ocupado).&lt;/p&gt;
&lt;p&gt;Com &lt;b&gt;Revelar letras&lt;/b&gt; marcado na janela Iniciar partida, os espaços em branco de quem adivinha mostram uma
letra da resposta quando passa a metade do tempo do turno e outra aos três quartos (nunca
a última letra de uma palavra). &lt;b&gt;Palavras&lt;/b&gt; escolhe as listas de palavras da partida do anfitrião: as
embutidas, ou uma pasta de arquivos de texto chamados general.txt, actions.txt, phrases.txt, music.txt,
movies.txt, tvshows.txt e fooddrink.txt, com uma entrada por linha; uma categoria sem arquivo mantém
suas palavras embutidas. O que não puder ser usado é listado quando a pasta é escolhida.&lt;/p&gt;
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
&lt;p&gt;A frase a desenhar só aparece para o desenhista, bem no alto da tela de desenho. Os
outros jogadores veem um tracinho para cada palavra dela.&lt;/p&gt;
&lt;p&gt;No início de um turno, o desenhista escolhe uma categoria, que então aparece para todos numa
caixa vermelha. As categorias são Geral, Ações, Frases, Música, Filmes, Séries de TV, e Comida e
bebida.&lt;/p&gt;
&lt;p&gt;Se o desenhista não gostar da frase, pode apertar &lt;b&gt;PASSAR&lt;/b&gt; para receber outra, antes de começar
a desenhar. Cada vez que passa custa 1 ponto ao desenhista.&lt;/p&gt;
&lt;p&gt;As ferramentas do desenhista são a cor do pincel, a espessura do pincel e a lixeira, que apaga
o desenho inteiro.&lt;/p&gt;
&lt;p&gt;Num servidor de jogo desta versão, o desenhista também tem &lt;b&gt;Desfazer&lt;/b&gt; (Ctrl+Z), que
tira o último traço desenhado, até os últimos 30 traços desde o início do turno ou desde que o desenho foi
apagado.&lt;/p&gt;
&lt;p&gt;Todos os outros digitam palpites no campo de resposta, na parte de baixo da tela, e apertam
Enter. Cada palavra da frase que alguém adivinha aparece no alto para todo mundo ver.&lt;/p&gt;
&lt;p&gt;Um turno dura 2 minutos, a menos que o anfitrião tenha escolhido um tempo menor. Se ninguém adivinhar a resposta a
tempo, o turno acaba, ninguém pontua e o desenhista perde 1 ponto (mostrado como -1 ao lado da
pontuação do desenhista; uma pontuação nunca fica abaixo de 0).&lt;/p&gt;
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
&lt;p&gt;Quem completa a frase ganha 2 pontos, e o desenhista ganha 1 ponto por um desenho
que foi adivinhado.&lt;/p&gt;
&lt;p&gt;O desenhista perde 1 ponto a cada vez que passa, e 1 ponto quando o tempo acaba sem que ninguém
adivinhe a frase (uma pontuação nunca fica abaixo de 0).&lt;/p&gt;
&lt;p&gt;O anfitrião decide quantos pontos vencem a partida, de 20 a 100. O primeiro jogador a
chegar a essa pontuação, sem mais ninguém empatado, vence a partida.&lt;/p&gt;
&lt;p&gt;Numa partida em times, os lugares ímpares (1, 3, 5, 7, 9) jogam como Time preto contra os lugares pares
(2, 4, 6, 8, 10) como Time vinho, e os pontos vão para os times.&lt;/p&gt;
&lt;p&gt;Partidas de só duas pessoas não têm muita graça: os mesmos dois jogadores só se revezam desenhando
um para o outro. Com três ou mais é bem melhor.&lt;/p&gt;
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
&lt;p&gt;Depois de cada turno você tem 10 segundos para guardar o desenho: aperte o botão de instantâneo, o que
tem a camerazinha.&lt;/p&gt;
&lt;p&gt;A imagem é salva junto com a data, o nome do desenhista e a resposta, na pasta
&quot;snapshots&quot; ao lado das suas configurações.&lt;/p&gt;
&lt;p&gt;Escolha Exibir &amp;gt; Instantâneos para ver sua coleção. Navegue por ela com os botões de seta
ou escolha uma imagem na lista. As imagens que você não quiser mais podem ser excluídas ali.&lt;/p&gt;
&lt;p&gt;Cada turno também vai sozinho para o álbum, os últimos 200 desde que o Pictova foi aberto: Exibir
&amp;gt; Álbum mostra os desenhos de todas as partidas, os mais novos primeiro, cada partida sob um título com suas
pontuações (ou uma partida só, escolhida no alto). Clique duas vezes em um para vê-lo sendo desenhado de novo
(Reproduzir, Pausar, 1× ou 4×). Salvar álbum coloca uma imagem das partidas mostradas na pasta
&quot;snapshots&quot;, e Salvar o desenho como JPEG também guarda ali o desenho escolhido.&lt;/p&gt;
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
&lt;p&gt;O Pictova começou como um projeto de fim de tarde: alguns amigos queriam um jogo de desenho para jogar
pela rede do escritório na hora do almoço, e ele cresceu a partir daí. Muito obrigado a todos que
jogaram as primeiras versões, mandaram frases para as listas de palavras e nos contaram o que quebrava.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mudanças&lt;/b&gt;&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4.1&lt;/b&gt; - As configurações são salvas com segurança: um disco cheio não pode mais deixar um arquivo de
configurações corrompido. O download do lobby pode ser interrompido a qualquer momento.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.4&lt;/b&gt; - Jogadores com uma versão diferente são avisados ao entrar.
Os instantâneos lembram o nome do desenhista.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.3&lt;/b&gt; - Partidas em times: lugares ímpares contra lugares pares. O anfitrião pode colocar um jogador no
modo espectador ou removê-lo da partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.2.0&lt;/b&gt; - Espectadores: até mais cinco pessoas podem assistir. Nova janela Lista de espiões.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.2&lt;/b&gt; - Os botões de frases podem ser editados e ficam guardados nas configurações.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.1.0&lt;/b&gt; - Instantâneos dos desenhos terminados, e o visualizador de instantâneos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;2.0.0&lt;/b&gt; - Sons para os principais momentos de uma partida, e uma opção para desligá-los.
O tamanho e as cores do texto do chat são mantidos entre as partidas.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.5.0&lt;/b&gt; - A categoria Comida e bebida. Passar agora custa um ponto.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.2.0&lt;/b&gt; - Os palpites são julgados palavra por palavra, e as palavras encontradas aparecem para todos.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;1.0.0&lt;/b&gt; - Primeira versão pública: sete categorias, chat e pontuações.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.9 beta&lt;/b&gt; - Partidas solo de treino e a janela Iniciar partida.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;0.1 alfa&lt;/b&gt; - Primeira versão alfa: um quadro, uma lista de palavras, dois jogadores.&lt;/p&gt;
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
&lt;p&gt;O Pictova é de uso livre para qualquer pessoa que tenha uma cópia. Você pode jogá-lo, copiá-lo e dar cópias
aos amigos, desde que o repasse inteiro e sem alterações e não cobre por ele.&lt;/p&gt;
&lt;p&gt;Você não pode vender o Pictova, nem apresentar qualquer parte dele como trabalho seu.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sem garantia.&lt;/b&gt; O Pictova é fornecido &quot;no estado em que se encontra&quot;, sem garantia de qualquer tipo, expressa ou
implícita, incluindo, entre outras, as garantias de comercialização, adequação a uma
finalidade específica e não violação. Em nenhum caso os autores serão responsáveis por qualquer
reclamação, dano ou outra responsabilidade, seja em ação contratual, extracontratual ou de outra natureza,
decorrente do jogo ou de seu uso, ou relacionada a eles. Você o usa por sua própria
conta e risco.&lt;/p&gt;
&lt;p&gt;Ao usar o Pictova, você concorda com estes termos.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Snap Shots</source>
        <translation>Instantâneos</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>pictova::HostDialog</name>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Pictova - Host a Game</source>
        <translation>Pictova - Criar uma partida</translation>
    </message>
    <message>
        <source>Announce this game on the local network</source>
        <translation>Anunciar esta partida na rede local</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nome do jogador:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Friends on the internet reach this game at this computer&apos;s address and port; the router may need to forward the port.</source>
        <translation>Amigos pela internet chegam a esta partida pelo endereço e pela porta deste computador; talvez seja preciso redirecionar a porta no roteador.</translation>
    </message>
    <message>
        <source>Phones and browsers join at:</source>
        <translation>Celulares e navegadores entram em:</translation>
    </message>
</context>
<context>
    <name>pictova::HttpDownload</name>
    <message>
        <source>The file is too large</source>
        <translation>O arquivo é grande demais</translation>
    </message>
    <message>
        <source>Unsupported protocol</source>
        <translation>Protocolo não suportado</translation>
    </message>
    <message>
        <source>could not resolve the server&apos;s name</source>
        <translation>não foi possível resolver o nome do servidor</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexão recusada</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>tempo esgotado</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <translation>o certificado do servidor não é confiável</translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation>não foi possível estabelecer uma conexão segura</translation>
    </message>
    <message>
        <source>the server closed the connection early</source>
        <translation>o servidor fechou a conexão antes do fim</translation>
    </message>
    <message>
        <source>Number of redirects hit maximum amount</source>
        <translation>Número máximo de redirecionamentos atingido</translation>
    </message>
    <message>
        <source>could not reach the server</source>
        <translation>não foi possível alcançar o servidor</translation>
    </message>
    <message>
        <source>Too many header lines</source>
        <translation>Linhas de cabeçalho demais</translation>
    </message>
    <message>
        <source>Unable to write the file</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>aborted on request</source>
        <translation>cancelado a pedido</translation>
    </message>
</context>
<context>
    <name>pictova::InviteDialog</name>
    <message>
        <source>Invite Players</source>
        <translation>Convidar jogadores</translation>
    </message>
    <message>
        <source>Players in the same network open this link in a browser, or scan the code with a phone&apos;s camera:</source>
        <translation>Os jogadores da mesma rede abrem este link no navegador ou escaneiam o código com a câmera do celular:</translation>
    </message>
    <message>
        <source>Room %1
Others join it with the code in File &gt; Join a Game…, or by opening %2</source>
        <translation>Sala %1
Os outros entram com o código em Arquivo &gt; Entrar em uma partida… ou abrindo %2</translation>
    </message>
    <message>
        <source>Anyone can join this room from a browser with this link, or by scanning the code with a phone&apos;s camera:</source>
        <translation>Qualquer pessoa pode entrar nesta sala pelo navegador com este link ou escaneando o código com a câmera do celular:</translation>
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
        <translation>Esta partida não aceita jogadores pelo navegador.</translation>
    </message>
</context>
<context>
    <name>pictova::JoinDialog</name>
    <message>
        <source>Pictova - Join a Game</source>
        <translation>Pictova - Entrar em uma partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Free seats</source>
        <translation>Lugares livres</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>host name or address, optionally :port</source>
        <translation>nome ou endereço do anfitrião, opcionalmente :porta</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nome do jogador:</translation>
    </message>
    <message>
        <source>Games on the local network (double-click to join):</source>
        <translation>Partidas na rede local (clique duas vezes para entrar):</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versão %1</translation>
    </message>
    <message>
        <source>game running</source>
        <translation>partida em andamento</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>empty for the server&apos;s own game; K7QXD or pictova://host:port/K7QXD</source>
        <translation>vazio para a partida do servidor; K7QXD ou pictova://host:porta/K7QXD</translation>
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
        <translation>Listar salas</translation>
    </message>
    <message>
        <source>room name</source>
        <translation>nome da sala</translation>
    </message>
    <message>
        <source>Listed</source>
        <translation>Pública</translation>
    </message>
    <message>
        <source>Shown in the server&apos;s list of rooms; otherwise joined by its code only</source>
        <translation>Aparece na lista de salas do servidor; senão, só se entra com o código</translation>
    </message>
    <message>
        <source>Create a room on this server</source>
        <translation>Criar uma sala neste servidor</translation>
    </message>
    <message>
        <source>Rooms on this server:</source>
        <translation>Salas neste servidor:</translation>
    </message>
    <message>
        <source>Room code or link:</source>
        <translation>Código ou link da sala:</translation>
    </message>
    <message>
        <source>This server lists no rooms.</source>
        <translation>Este servidor não mostra salas.</translation>
    </message>
</context>
<context>
    <name>pictova::LobbyDownloader</name>
    <message>
        <source>Download Aborted</source>
        <translation>Download interrompido</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ocorreu um erro.</translation>
    </message>
    <message>
        <source>Please close the game and open the Quorix Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Feche o jogo e abra o Quorix Lobby pelo ícone na área de trabalho ou pelo menu iniciar.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>Downloading: %1</source>
        <translation>Baixando: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>O download foi interrompido.</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Recebidos: %1 bytes</translation>
    </message>
    <message>
        <source>Saved to %1. Check it before you run it.</source>
        <translation>Salvo em %1. Confira antes de executar.</translation>
    </message>
    <message>
        <source>Saved to %1 (fetched over plain http: anyone on the way could have changed it). Check it before you run it.</source>
        <translation>Salvo em %1 (baixado por http simples: qualquer um no caminho poderia tê-lo alterado). Confira antes de executar.</translation>
    </message>
    <message>
        <source>Download Aborted: the file could not be saved</source>
        <translation>Download cancelado: não foi possível salvar o arquivo</translation>
    </message>
    <message>
        <source>Download Aborted: %1</source>
        <translation>Download cancelado: %1</translation>
    </message>
</context>
<context>
    <name>pictova::PhraseEditor</name>
    <message>
        <source>Pictova - Phrase Buttons</source>
        <translation>Pictova - Botões de frases</translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Botão de frase %1:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Pronto</translation>
    </message>
</context>
<context>
    <name>pictova::ReconnectBanner</name>
    <message>
        <source>Give Up</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>Connection lost, reconnecting… (%1)</source>
        <translation>Conexão perdida, reconectando… (%1)</translation>
    </message>
</context>
<context>
    <name>pictova::ReplayPlayer</name>
    <message>
        <source>Replay</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Play at normal speed or four times as fast</source>
        <translation>Reproduzir na velocidade normal ou quatro vezes mais rápido</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source> (drawing too long: replayed in part)</source>
        <translation> (desenho longo demais: reproduzido em parte)</translation>
    </message>
    <message>
        <source> (no replay kept)</source>
        <translation> (nenhum replay guardado)</translation>
    </message>
    <message>
        <source>Replay: turn %1</source>
        <translation>Replay: turno %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
</context>
<context>
    <name>pictova::RoomLister</name>
    <message>
        <source>No answer from %1.</source>
        <translation>Sem resposta de %1.</translation>
    </message>
    <message>
        <source>%1 closed the connection before its list ended.</source>
        <translation>%1 fechou a conexão antes de terminar a lista.</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2).</source>
        <translation>Não foi possível alcançar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 sent something that is not a list of rooms.</source>
        <translation>%1 enviou algo que não é uma lista de salas.</translation>
    </message>
    <message>
        <source>%1 has no rooms: it plays one game only.</source>
        <translation>%1 não tem salas: só há uma partida.</translation>
    </message>
</context>
<context>
    <name>pictova::RoundsHandler</name>
    <message>
        <source>%1 started a new game.</source>
        <translation>%1 começou uma nova partida.</translation>
    </message>
    <message>
        <source>%1 has started a TEAM game.</source>
        <translation>%1 começou uma partida EM TIMES.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 começou uma partida.</translation>
    </message>
    <message>
        <source>No other phrase is left to deal in this category: keep drawing this one.</source>
        <translation>Não sobrou nenhuma outra frase nesta categoria: continue desenhando esta.</translation>
    </message>
    <message>
        <source>%1 has bought a different phrase for one point.</source>
        <translation>%1 comprou outra frase por um ponto.</translation>
    </message>
</context>
<context>
    <name>pictova::SeatPanelView</name>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Aguardando&gt;</translation>
    </message>
    <message>
        <source>Take A Snap Shot</source>
        <translation>Tirar um instantâneo</translation>
    </message>
    <message>
        <source>Take a Snapshot</source>
        <translation>Tirar um instantâneo</translation>
    </message>
</context>
<context>
    <name>pictova::SeatsHandler</name>
    <message>
        <source>You are Connected.</source>
        <translation>Você está conectado.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 se conectou.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Você está espiando.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 está espiando.</translation>
    </message>
    <message>
        <source>%1 was removed from the game.</source>
        <translation>%1 foi removido da partida.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 se desconectou.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 saiu.</translation>
    </message>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 tem uma versão do jogo diferente da sua.</translation>
    </message>
    <message>
        <source>You have a different version of the game then the host.</source>
        <translation>Você tem uma versão do jogo diferente da do anfitrião.</translation>
    </message>
</context>
<context>
    <name>pictova::SnapshotViewer</name>
    <message>
        <source>Pictova - Snap Shots</source>
        <translation>Pictova - Instantâneos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete the snapshot %1?</source>
        <translation>Excluir o instantâneo %1?</translation>
    </message>
</context>
<context>
    <name>pictova::SpectatorList</name>
    <message>
        <source>Pictova - Spys</source>
        <translation>Pictova - Espiões</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Lista de espiões</translation>
    </message>
    <message>
        <source>Remove From Game</source>
        <translation>Remover da partida</translation>
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
        <translation>%1 venceu a partida!</translation>
    </message>
    <message>
        <source>Your turn to choose a category</source>
        <translation>Sua vez de escolher uma categoria</translation>
    </message>
    <message>
        <source>%1 is choosing a category</source>
        <translation>%1 está escolhendo uma categoria</translation>
    </message>
    <message>
        <source>Your turn to draw</source>
        <translation>Sua vez de desenhar</translation>
    </message>
    <message>
        <source>%1&apos;s turn to draw.</source>
        <translation>É a vez de %1 desenhar.</translation>
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
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamanho real</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Tela cheia</translation>
    </message>
</context>
<context>
    <name>pictova::WatchersHandler</name>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 só está assistindo</translation>
    </message>
    <message>
        <source>%1 now playing again</source>
        <translation>%1 voltou a jogar</translation>
    </message>
</context>
<context>
    <name>pictova::WinnerPanel</name>
    <message>
        <source>The Winner!</source>
        <translation>O vencedor!</translation>
    </message>
</context>
<context>
    <name>pictova::WordFolder</name>
    <message>
        <source>%1 line %2: %3</source>
        <translation>%1 linha %2: %3</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>more than %1 entries: this line and the rest are not used</source>
        <translation>mais de %1 entradas: esta linha e as seguintes não são usadas</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>mais de %1 caracteres</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>contém um caractere de controle</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a word comes again later in it, so it is never dealt</source>
        <translation>&quot;%1&quot;: uma palavra se repete mais adiante, então nunca é sorteada</translation>
    </message>
    <message>
        <source>not a file, not used</source>
        <translation>não é um arquivo, não usado</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>larger than %1 KiB, not used</source>
        <translation>maior que %1 KiB, não usado</translation>
    </message>
    <message>
        <source>no entry to use, the built-in words stay</source>
        <translation>nenhuma entrada utilizável, as palavras embutidas continuam</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not found.</source>
        <translation>A pasta &quot;%1&quot; não foi encontrada.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; has no words to use: it needs at least one of %2 with one entry a line.</source>
        <translation>A pasta &quot;%1&quot; não tem palavras utilizáveis: precisa de pelo menos um de %2, com uma entrada por linha.</translation>
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
        <translation>As outras categorias mantêm as palavras embutidas.</translation>
    </message>
    <message>
        <source>Not used:</source>
        <translation>Não usado:</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>… e mais %1.</translation>
    </message>
</context>
<context>
    <name>pictova::artwork</name>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
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
        <translation>Filmes</translation>
    </message>
    <message>
        <source>TV Shows</source>
        <translation>Séries de TV</translation>
    </message>
    <message>
        <source>Food &amp; Drink</source>
        <translation>Comida &amp; bebida</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passar</translation>
    </message>
    <message>
        <source>The Winner</source>
        <translation>O vencedor</translation>
    </message>
</context>
<context>
    <name>pictova::errors</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Não foi possível abrir o arquivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Não é possível gravar em %1</translation>
    </message>
</context>
<context>
    <name>pictova::lan::Announcer</name>
    <message>
        <source>No network interface can multicast.</source>
        <translation>Nenhuma interface de rede permite multicast.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Nenhuma interface de rede corresponde a %1=%2.</translation>
    </message>
</context>
<context>
    <name>pictova::lan::GameBrowser</name>
    <message>
        <source>No network interface can receive games on the local network.</source>
        <translation>Nenhuma interface de rede pode receber partidas da rede local.</translation>
    </message>
    <message>
        <source>No network interface matches %1=%2.</source>
        <translation>Nenhuma interface de rede corresponde a %1=%2.</translation>
    </message>
    <message>
        <source>Could not join the local-network group: %1</source>
        <translation>Não foi possível entrar no grupo da rede local: %1</translation>
    </message>
</context>
<context>
    <name>pictova::prompts</name>
    <message>
        <source>A game is running. Start a new one? Every score goes back to 0.</source>
        <translation>Há uma partida em andamento. Começar uma nova? Todas as pontuações voltam a 0.</translation>
    </message>
    <message>
        <source>1 player is in this game. Leaving ends it for everyone.</source>
        <translation>Há 1 jogador nesta partida. Se você sair, ela termina para todos.</translation>
    </message>
    <message>
        <source>%1 players are in this game. Leaving ends it for everyone.</source>
        <translation>Há %1 jogadores nesta partida. Se você sair, ela termina para todos.</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Sair</translation>
    </message>
</context>
</TS>
