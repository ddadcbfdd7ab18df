// Builds the game window's widgets at their places and sizes. Wiring lives in tchat.cpp.
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "chat/phrasebuttons.h"
#include "client/gamechooser.h"
#include "client/soundcues.h"
#include "client/spylist.h"
#include "client/tchat.h"
#include "client/winnerpanel.h"
#include "resources/artwork.h"
#include "shell/about.h"
#include "shell/designscale.h"
#include "shell/help.h"
#include "shell/settings.h"
#include "shell/zoomsetting.h"

#include <QPainter>

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace pictova {

namespace {
QFrame* panel(const QString& name, QWidget* parent, const QRect& geometry,
              QFrame::Shape shape = QFrame::Panel)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFrameStyle(shape | QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    // Names, hints and guesses come from other players: never read them as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

void setColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBold(QWidget* widget, int pixelSize, bool bold = true)
{
    QFont font = widget->font();
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

// Its picture is drawn by drawPictures().
QToolButton* pictureButton(const QString& name, QWidget* parent, const QRect& geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIconSize(QSize(100, 15));
    button->setAutoRaise(true);
    return button;
}

const QColor kMaroon(0x80, 0, 0);
} // namespace

void Tchat::buildWindow()
{
    setObjectName(QStringLiteral("Tchat"));
    setWindowTitle(QStringLiteral("Pictova - Quorix Software"));
    setWindowIcon(artwork::appIcon());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientarea"));
    client->setFixedSize(784, 518);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    auto* board = new QWidget(client);
    board->setObjectName(QStringLiteral("panel_board"));
    board->setGeometry(0, 0, 537, 518);
    buildTopPanel(panel(QStringLiteral("Panel_top"), board, QRect(1, 1, 535, 68)));
    buildDrawingPanel(panel(QStringLiteral("panel_drawing"), board, QRect(1, 70, 535, 371)));
    buildBottomPanel(panel(QStringLiteral("FlatPanel2"), board, QRect(1, 441, 535, 77)));

    auto* chat = new QWidget(client);
    chat->setObjectName(QStringLiteral("panel_chat"));
    chat->setGeometry(537, 0, 247, 518);
    buildChatColumn(chat);

    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    drawPictures();
}

void Tchat::drawPictures()
{
    QWidget* client = centralWidget();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0xAC, 0xAA, 0x8A));
    const QPixmap tile = design::picture(client, artwork::backgroundTileAt);
    if (!tile.isNull())
        palette.setBrush(QPalette::Window, QBrush(QColor(0xAC, 0xAA, 0x8A), tile));
    client->setPalette(palette);

    m_view.button_start->setIcon(design::picture(m_view.button_start, artwork::startFaceAt));
    m_view.button_pass->setIcon(design::picture(m_view.button_pass, artwork::passFaceAt));
    for (int category = 0; category <= 6; ++category) {
        QToolButton* button = m_view.button_cat[category];
        button->setIcon(design::picture(
            button, [category](qreal scale) { return artwork::categoryBannerAt(category, scale); }));
    }
    if (!tile.isNull())
        m_pickPicture->setPixmap(design::picture(m_pickPicture, [](qreal scale) {
            QPixmap filled(qRound(206 * scale), qRound(225 * scale));
            QPainter painter(&filled);
            painter.fillRect(filled.rect(), QBrush(artwork::backgroundTileAt(scale)));
            return filled;
        }));
    m_view.image_arrow->setPixmap(design::picture(m_view.image_arrow, artwork::drawerArrowAt));
    for (int seat = 1; seat <= kPlayerSeats; ++seat)
        m_view.image_eyes[seat]->setPixmap(design::picture(m_view.image_eyes[seat], artwork::watchingEyesAt));
    static_cast<QToolButton*>(m_view.button_snapshot)
        ->setIcon(design::picture(m_view.button_snapshot, artwork::cameraAt));
    for (int n = 1; n <= PhraseButtons::kCount; ++n) {
        QToolButton* button = m_phrases->button(n);
        button->setIcon(
            design::picture(button, [n](qreal scale) { return artwork::phraseGlyphAt(n, scale); }));
    }
    if (m_zoom)
        m_view.panel_toolbar->drawGlyphs(m_zoom->zoom(), m_zoom->devicePixelRatio());
}

void Tchat::buildTopPanel(QWidget* top)
{
    m_view.label_fullanswer =
        label(QStringLiteral("label_fullanswer"), kGreetingLine, top, QRect(106, 2, 323, 22));
    m_view.label_fullanswer->setAlignment(Qt::AlignCenter);
    setBold(m_view.label_fullanswer, 16);
    setColour(m_view.label_fullanswer, kMaroon);

    m_view.label_answer = label(QStringLiteral("label_answer"), kTitleLine, top, QRect(4, 24, 527, 22));
    m_view.label_answer->setAlignment(Qt::AlignCenter);
    setBold(m_view.label_answer, 17);
    QFont mono = m_view.label_answer->font();
    mono.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    m_view.label_answer->setFont(mono);

    // The own side sits where the Start button does, which no running game shows.
    m_view.label_myteam = label(QStringLiteral("label_myteam"), QString(), top, QRect(2, 4, 102, 17));
    m_view.label_myteam->setAlignment(Qt::AlignCenter);
    setBold(m_view.label_myteam, 12);
    m_view.label_myteam->hide();
    m_view.button_start = pictureButton(QStringLiteral("button_start"), top, QRect(2, 4, 102, 17));
    m_view.button_start->setToolTip(QStringLiteral("Start Game"));
    m_view.button_start->hide();
    m_view.button_pass = pictureButton(QStringLiteral("button_pass"), top, QRect(431, 4, 102, 17));
    m_view.button_pass->setToolTip(QStringLiteral("Pass"));
    m_view.button_pass->hide();

    auto* strip = panel(QStringLiteral("FlatPanel1"), top, QRect(1, 46, 533, 21));
    m_view.image_cat = label(QStringLiteral("image_cat"), QString(), strip, QRect(3, 3, 100, 15));
    m_view.playtoscore = label(QStringLiteral("playtoscore"), kPlayToCaption.arg(StartChoices{}.playto),
                               strip, QRect(112, 2, 130, 17));
    m_view.timeperturn = label(QStringLiteral("timeperturn"), kTimeCaption.arg(StartChoices{}.seconds), strip,
                               QRect(246, 2, 130, 17));
    for (QLabel* l : {m_view.playtoscore, m_view.timeperturn}) {
        setBold(l, 11);
        setColour(l, kMaroon);
    }
    auto* timeCaption =
        label(QStringLiteral("label_timecaption"), QStringLiteral("Time:"), strip, QRect(388, 2, 36, 17));
    setBold(timeCaption, 11);
    auto* barBack = new QFrame(strip);
    barBack->setObjectName(QStringLiteral("timer_back"));
    barBack->setGeometry(428, 3, 100, 15);
    barBack->setStyleSheet(QStringLiteral("background: #6E6C52;"));
    auto* bar = new QLabel(barBack);
    bar->setObjectName(QStringLiteral("image_timer"));
    bar->setGeometry(0, 0, 100, 15);
    bar->setStyleSheet(QStringLiteral("background: #800000;"));
    auto* timerText =
        label(QStringLiteral("label_timer"), QStringLiteral("0"), barBack, QRect(0, 0, 100, 15));
    timerText->setAlignment(Qt::AlignCenter);
    setBold(timerText, 11);
    timerText->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    m_view.label_timer = timerText;
    m_view.image_timer = bar;
}

void Tchat::buildDrawingPanel(QWidget* drawing)
{
    m_drawingPanel = drawing;
    m_canvas = new BoardCanvas(drawing);
    m_canvas->move(1, 1);

    m_view.winner = new WinnerPanel(drawing);
    m_view.winner->move((535 - 192) / 2, (371 - 161) / 2);

    auto* pick = new QFrame(drawing);
    pick->setObjectName(QStringLiteral("panel_pickcatagory"));
    pick->setGeometry((535 - 206) / 2, (371 - 225) / 2, 206, 225);
    pick->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* picture = new QLabel(pick);
    picture->setObjectName(QStringLiteral("Image3"));
    picture->setGeometry(0, 0, 206, 225);
    m_pickPicture = picture;
    m_view.panel_pickcatagory = pick;
    m_view.label_pickcatagory =
        label(QStringLiteral("label_pickcatagory"), QString(), pick, QRect(3, 6, 200, 18));
    m_view.label_pickcatagory1 = label(QStringLiteral("label_pickcatagory1"),
                                       QStringLiteral("is picking a category"), pick, QRect(3, 24, 200, 18));
    for (QLabel* l : {m_view.label_pickcatagory, m_view.label_pickcatagory1}) {
        l->setAlignment(Qt::AlignCenter);
        setBold(l, 14);
        setColour(l, kMaroon);
    }
    auto* group = new QButtonGroup(pick);
    group->setExclusive(true);
    for (int row = 0; row < 7; ++row) {
        const int category = kCategoryButtonOrder[row];
        auto* button = pictureButton(QStringLiteral("button_cat%1").arg(category), pick,
                                     QRect(51, 50 + row * 24, 104, 19));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setProperty("category", category);
        connect(button, &QToolButton::clicked, this,
                [this, category] { guarded([this, category] { button_cat1Click(category); }); });
        m_view.button_cat[category] = button;
    }
    pick->hide();
}

void Tchat::buildBottomPanel(QWidget* bottom)
{
    auto* answer = new QWidget(bottom);
    answer->setObjectName(QStringLiteral("panel_answer"));
    answer->setGeometry(1, 1, 533, 75);
    m_view.panel_answer = answer;
    m_view.label_answerlabel = label(QStringLiteral("label_answerlabel"), QStringLiteral("Type Answers Here"),
                                     answer, QRect(6, 6, 160, 18));
    setBold(m_view.label_answerlabel, 13);
    setColour(m_view.label_answerlabel, kMaroon);
    m_view.edit_answer = new QLineEdit(answer);
    m_view.edit_answer->setObjectName(QStringLiteral("edit_answer"));
    m_view.edit_answer->setGeometry(6, 28, 168, 24);
    m_view.edit_answer->setMaxLength(200);
    m_view.edit_answer->installEventFilter(this);
    m_view.memo_myguessed = new QListWidget(answer);
    m_view.memo_myguessed->setObjectName(QStringLiteral("memo_myguessed"));
    m_view.memo_myguessed->setGeometry(180, 2, 351, 70);
    m_view.memo_myguessed->setFocusPolicy(Qt::NoFocus);
    m_view.memo_myguessed->setSelectionMode(QAbstractItemView::NoSelection);
    // Long guesses wrap, as they do in the drawer's list.
    m_view.memo_myguessed->setWordWrap(true);
    m_view.memo_myguessed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    answer->hide();

    m_view.panel_toolbar = new DrawerToolbar(bottom);
    m_view.panel_toolbar->move(0, 0);
    m_view.panel_toolbar->hide();
}

void Tchat::buildScorePanel(QWidget* score)
{
    m_view.image_arrow = new QLabel(score);
    m_view.image_arrow->setObjectName(QStringLiteral("image_arrow"));
    m_view.image_arrow->setGeometry(22, 8, 14, 13);
    for (int seat = 1; seat <= kPlayerSeats; ++seat) {
        const int top = 6 + (seat - 1) * 17;
        auto* eyes = new QLabel(score);
        eyes->setObjectName(QStringLiteral("image_eyes%1").arg(seat));
        eyes->setGeometry(4, top + 2, 16, 12);
        eyes->hide();
        m_view.image_eyes[seat] = eyes;
        auto* name = label(QStringLiteral("label_playername%1").arg(seat), QStringLiteral("<Waiting>"), score,
                           QRect(38, top, 150, 16));
        auto* points = label(QStringLiteral("label_score%1").arg(seat), QStringLiteral("0"), score,
                             QRect(190, top, 30, 16));
        points->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLabel* l : {name, points}) {
            setBold(l, 12);
            setColour(l, kMaroon);
        }
        if (seat > 1) {
            name->setProperty("seat", seat);
            name->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(name, &QLabel::customContextMenuRequested, this, [this, name, seat](const QPoint& pos) {
                label_playername1ContextPopup(seat);
                m_view.popup_Kick->popup(name->mapToGlobal(pos));
            });
        }
        m_view.label_playername[seat] = name;
        m_view.label_score[seat] = points;
    }
    m_view.label_adrawer =
        label(QStringLiteral("label_adrawer"), QStringLiteral("+1"), score, QRect(222, 6, 22, 16));
    m_view.label_aguesser =
        label(QStringLiteral("label_aguesser"), QStringLiteral("+2"), score, QRect(222, 6, 22, 16));
    for (QLabel* l : {m_view.label_adrawer, m_view.label_aguesser}) {
        setBold(l, 11);
        setColour(l, QColor(0, 0x80, 0));
        l->hide();
    }

    // Below the seats, where the snapshot button is offered between turns.
    m_view.label_teamtotals =
        label(QStringLiteral("label_teamtotals"), QString(), score, QRect(2, 182, 241, 18));
    m_view.label_teamtotals->setAlignment(Qt::AlignCenter);
    setBold(m_view.label_teamtotals, 12);
    setColour(m_view.label_teamtotals, kMaroon);
    m_view.label_teamtotals->hide();

    auto* snapshot = new QToolButton(score);
    snapshot->setObjectName(QStringLiteral("button_snapshot"));
    snapshot->setText(QStringLiteral("Take A Snap Shot"));
    snapshot->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    snapshot->setToolTip(QStringLiteral("Take a Snapshot"));
    snapshot->setAutoRaise(true);
    snapshot->setGeometry(52, 180, 140, 22);
    setBold(snapshot, 12);
    setColour(snapshot, kMaroon);
    QPalette buttonPalette = snapshot->palette();
    buttonPalette.setColor(QPalette::ButtonText, kMaroon);
    snapshot->setPalette(buttonPalette);
    snapshot->hide();
    connect(snapshot, &QToolButton::clicked, this, &Tchat::button_snapshotClick);
    m_view.button_snapshot = snapshot;

    m_view.label_turn = label(QStringLiteral("label_turn"), QString(), score, QRect(2, 206, 241, 18));
    m_view.label_turn->setAlignment(Qt::AlignCenter);
    setBold(m_view.label_turn, 13);
    setColour(m_view.label_turn, kMaroon);
}

void Tchat::buildChatColumn(QWidget* column)
{
    buildScorePanel(panel(QStringLiteral("panel_score"), column, QRect(1, 1, 245, 228)));
    m_phrases = new PhraseButtons(column);
    m_phrases->setGeometry(1, 231, 245, 19);
    m_view.mainchat = new ChatLog(column);
    m_view.mainchat->setGeometry(1, 251, 245, 244);
    m_mychat = new ChatInput(column);
    m_mychat->setGeometry(1, 496, 244, 22);
}

void Tchat::buildZoomMenu(QMenu* view)
{
    QMenu* zoom = view->addMenu(QStringLiteral("Zoom"));
    zoom->setObjectName(QStringLiteral("Zoom1"));
    auto* steps = new QActionGroup(zoom);
    for (int percent : kZoomSteps) {
        QAction* action = zoom->addAction(QStringLiteral("%1 %").arg(percent));
        action->setObjectName(QStringLiteral("Zoom%1").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        steps->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] { chooseZoom(percent); });
        m_zoomItems << action;
    }
    zoom->addSeparator();
    const auto step = [this, zoom](const QString& name, const QString& text, QList<QKeySequence> keys,
                                   std::function<int()> target) {
        QAction* action = zoom->addAction(text);
        action->setObjectName(name);
        action->setShortcuts(keys);
        // The keys work wherever the focus is in the window, the answer and chat fields included.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, target] { chooseZoom(target()); });
    };
    // Ctrl and the + key, shifted or not (on many keyboards + shares its key with =).
    step(QStringLiteral("ZoomIn1"), QStringLiteral("Zoom In"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { return offeredZoomStep(+1); });
    step(QStringLiteral("ZoomOut1"), QStringLiteral("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         [this] { return offeredZoomStep(-1); });
    step(QStringLiteral("ZoomReset1"), QStringLiteral("Actual Size"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [] { return kZoomSteps.front(); });
}

void Tchat::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const QString& name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, slot] { guarded([this, slot] { slot(); }); });
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* host = item(file, QStringLiteral("HostAGame1"), QStringLiteral("Host a Game…"),
                         [this] { m_chooser->openHostDialog(); });
    host->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    QAction* join = item(file, QStringLiteral("JoinAGame1"), QStringLiteral("Join a Game…"),
                         [this] { m_chooser->openJoinDialog(); });
    join->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    file->addSeparator();
    m_view.StartGame1 = item(file, QStringLiteral("StartGame1"), QStringLiteral("Start Game"),
                             [this] { button_startClick(); });
    m_view.StartGame1->setEnabled(false);
    file->addSeparator();
    item(file, QStringLiteral("Exit1"), QStringLiteral("Exit"), [this] { close(); });

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    m_PlaySounds1 = options->addAction(QStringLiteral("Play Sounds"));
    m_PlaySounds1->setObjectName(QStringLiteral("PlaySounds1"));
    m_PlaySounds1->setCheckable(true);
    m_PlaySounds1->setChecked(true);
    connect(m_PlaySounds1, &QAction::triggered, this, [this] { PlaySounds1Click(); });
    options->addSeparator();
    item(options, QStringLiteral("TextColor1"), QStringLiteral("Text Color"), [this] { TextColor1Click(); });
    QMenu* sizes = options->addMenu(QStringLiteral("Text Size"));
    for (int size : {8, 10, 12, 14}) {
        QAction* action = sizes->addAction(QString::number(size));
        action->setObjectName(QStringLiteral("N%1").arg(size));
        action->setCheckable(true);
        // Choosing a size does not tick it; only loading the settings does.
        connect(action, &QAction::triggered, this, [this, action, size](bool checked) {
            action->setChecked(!checked);
            guarded([this, size] { N14Click(size); });
        });
        m_textSizeItems << action;
    }
    item(options, QStringLiteral("ActionColor1"), QStringLiteral("Action Color"),
         [this] { ActionColor1Click(); });
    m_ScrollChatOff1 = options->addAction(QStringLiteral("Scroll Chat Off"));
    m_ScrollChatOff1->setObjectName(QStringLiteral("ScrollChatOff1"));
    m_ScrollChatOff1->setCheckable(true);
    m_ScrollChatOff1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_ScrollChatOff1, &QAction::toggled, this,
            [this](bool on) { m_view.mainchat->setScrollLocked(on); });
    connect(m_view.mainchat, &ChatLog::scrollLockChanged, m_ScrollChatOff1, &QAction::setChecked);
    item(options, QStringLiteral("ClearMainChat1"), QStringLiteral("Clear Main Chat"),
         [this] { m_view.mainchat->clearLog(); });
    options->addSeparator();
    m_view.JustWatch1 = options->addAction(QStringLiteral("Just Watch"));
    m_view.JustWatch1->setObjectName(QStringLiteral("JustWatch1"));
    m_view.JustWatch1->setCheckable(true);
    connect(m_view.JustWatch1, &QAction::triggered, this, [this](bool checked) {
        // The tick follows the server's confirmation, not the click.
        m_view.JustWatch1->setChecked(!checked);
        guarded([this] { m_session.toggleJustWatch(); });
    });

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    item(view, QStringLiteral("SnapShots1"), QStringLiteral("Snap Shots"), [this] { SnapShots1Click(); });
    item(view, QStringLiteral("Album1"), QStringLiteral("Album"), [this] { Album1Click(); });
    item(view, QStringLiteral("SpyList1"), QStringLiteral("Spy List"),
         [this] { presentWindow(m_view.spylist); });
    item(view, QStringLiteral("PhraseLists1"), QStringLiteral("Phrase Lists"),
         [this] { PhraseLists1Click(); });
    buildZoomMenu(view);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* contents = item(help, QStringLiteral("Help2"), QStringLiteral("Contents"),
                             [this] { presentWindow(m_windows.help); });
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    item(help, QStringLiteral("About1"), QStringLiteral("About"), [this] { presentWindow(m_windows.about); });

    m_view.popup_Kick = new QMenu(this);
    m_view.popup_Kick->setObjectName(QStringLiteral("popup_Kick"));
    m_view.removefromgame1 = m_view.popup_Kick->addAction(QStringLiteral("Remove From Game"));
    m_view.removefromgame1->setObjectName(QStringLiteral("removefromgame1"));
    connect(m_view.removefromgame1, &QAction::triggered, this,
            [this] { guarded([this] { m_session.watchers().RemoveFromGame1Click(); }); });
    m_view.popup_Kick->addSeparator();
    m_view.SettoJustWatch1 = m_view.popup_Kick->addAction(QStringLiteral("Set to Just Watch"));
    m_view.SettoJustWatch1->setObjectName(QStringLiteral("SettoJustWatch1"));
    connect(m_view.SettoJustWatch1, &QAction::triggered, this,
            [this] { guarded([this] { m_session.watchers().SettoJustWatch1Click(); }); });
    m_view.UnsetJustWatch1 = m_view.popup_Kick->addAction(QStringLiteral("Unset Just Watch"));
    m_view.UnsetJustWatch1->setObjectName(QStringLiteral("UnsetJustWatch1"));
    connect(m_view.UnsetJustWatch1, &QAction::triggered, this,
            [this] { guarded([this] { m_session.watchers().UnsetJustWatch1Click(); }); });
}

} // namespace pictova
