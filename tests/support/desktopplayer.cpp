// A desktop copy of the game for tests that drive it from another process (the browser tests):
// the real game window, offscreen, joined as the Join dialog joins, told what to do one line at
// a time on standard input and answering each line with one line of JSON on standard output.
//
//   join NAME PORT              joins 127.0.0.1:PORT; answers once seated and logged in
//   state                       {seat, loggedIn, drawer, phase, hint, answer (the drawer's)}
//   pick N                      picks category N as the category chooser's button does
//   draw STROKE                 draws with the mouse on the window's board, as its drawer
//   undo                        the drawer's Undo button
//   board [FILE]                the window's board bitmap: RGBA bytes in base64 (and a PNG)
//   reference FILE STROKES      the same for STROKES drawn by the drawer of a fresh board ("-":
//                               no PNG)
//   guess TEXT / chat TEXT      types into the answer field / the chat field and presses Enter
//   chatlog                     the chat log's lines
//
// A STROKE is "COLOUR WIDTH x,y x,y ...", with a colour text of the protocol and the points in
// board units; STROKES are strokes separated by ";".
#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "chat/chatinput.h"
#include "chat/chatlog.h"
#include "client/answerpanel.h"
#include "client/gamechooser.h"
#include "client/gameviews.h"
#include "client/gamewindow.h"
#include "client/spectatorlist.h"
#include "client/windowactions.h"
#include "messaging/colourtext.h"
#include "shell/apppaths.h"
#include "shell/gamestartform.h"

#include <QApplication>
#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace pictova;

namespace {

struct Stroke
{
    QString colour;
    QString width;
    QList<QPoint> points;
};

std::optional<Stroke> parseStroke(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return std::nullopt;
    Stroke stroke{parts.at(0), parts.at(1), {}};
    for (const QString& point : parts.mid(2)) {
        const QStringList xy = point.split(QLatin1Char(','));
        if (xy.size() != 2)
            return std::nullopt;
        stroke.points << QPoint(xy.at(0).toInt(), xy.at(1).toInt());
    }
    return stroke;
}

// The stroke as a player draws it: the brush set on the toolbar, then press, moves, release.
void drawStroke(BoardCanvas& canvas, DrawerToolbar& toolbar, const Stroke& stroke)
{
    toolbar.setBrushColour(colourtext::read(stroke.colour));
    toolbar.setWidthText(stroke.width);
    // A quarter into the board pixel, so that no rounding of the zoom moves it to the next one.
    const auto at = [&canvas](QPoint board) {
        return QPointF((board.x() + 0.25) * canvas.zoom(), (board.y() + 0.25) * canvas.zoom());
    };
    const auto send = [&canvas](QEvent::Type type, QPointF point, Qt::MouseButton button,
                                Qt::MouseButtons held) {
        QMouseEvent event(type, point, canvas.mapToGlobal(point), button, held, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &event);
    };
    send(QEvent::MouseButtonPress, at(stroke.points.first()), Qt::LeftButton, Qt::LeftButton);
    for (const QPoint& point : stroke.points.mid(1))
        send(QEvent::MouseMove, at(point), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at(stroke.points.last()), Qt::LeftButton, Qt::NoButton);
}

QJsonObject pixels(const QImage& board, const QString& file)
{
    const QImage rgba = board.convertToFormat(QImage::Format_RGBA8888);
    if (!file.isEmpty())
        rgba.save(file, "PNG");
    QByteArray bytes;
    for (int y = 0; y < rgba.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    return {{QStringLiteral("width"), rgba.width()},
            {QStringLiteral("height"), rgba.height()},
            {QStringLiteral("rgba"), QString::fromLatin1(bytes.toBase64())}};
}

// The same strokes on a board of their own whose player is the drawer: what the desktop board
// draws for them.
QImage reference(const QList<Stroke>& strokes)
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller(&canvas, &toolbar,
                               BoardContext{[] { return 1; }, [] { return 1; }, [] { return true; },
                                            [](const QByteArray&) {}, [] {}, [] { return false; },
                                            [] { return false; }});
    controller.startTurn();
    for (const Stroke& stroke : strokes)
        drawStroke(canvas, toolbar, stroke);
    return canvas.backup().copy();
}

class Player : public QObject
{
public:
    Player()
    {
        window.setProperty("noParams", true);
        SecondaryWindows windows;
        windows.spectators = &spectators;
        windows.gamestartform = &startForm;
        window.attachWindows(windows);
        window.show();
        connect(&input, &QSocketNotifier::activated, this, &Player::readInput);
    }

private:
    void readInput()
    {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            QApplication::quit();
            return;
        }
        pending.append(chunk, got);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            command(line);
        }
    }

    void reply(QJsonObject answer)
    {
        answer.insert(QStringLiteral("ok"), answer.value(QStringLiteral("ok")).toBool(true));
        const QByteArray text = QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n';
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        std::fflush(stdout);
    }
    void fail(const QString& why) { reply({{QStringLiteral("ok"), false}, {QStringLiteral("error"), why}}); }

    void command(const QString& line)
    {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("join")) {
            window.gameChooser()->joinGame(
                rest.section(QLatin1Char(' '), 0, 0),
                QStringLiteral("127.0.0.1:%1").arg(rest.section(QLatin1Char(' '), 1)));
            reply({});
        } else if (verb == QLatin1String("state")) {
            const GameModel& model = window.model();
            reply({{QStringLiteral("seat"), model.mySeat()},
                   {QStringLiteral("loggedIn"), model.loggedIn()},
                   {QStringLiteral("drawer"), model.drawer()},
                   {QStringLiteral("phase"), static_cast<int>(model.phase())},
                   {QStringLiteral("hint"), model.hint()},
                   {QStringLiteral("answer"), model.fullAnswer()}});
        } else if (verb == QLatin1String("pick")) {
            window.actions().chooseCategory(rest.toInt());
            reply({});
        } else if (verb == QLatin1String("draw")) {
            const std::optional<Stroke> stroke = parseStroke(rest);
            if (!stroke)
                return fail(QStringLiteral("not a stroke"));
            drawStroke(*window.canvas(), window.views().toolbar(), *stroke);
            reply({});
        } else if (verb == QLatin1String("undo")) {
            window.board().undo();
            reply({});
        } else if (verb == QLatin1String("board")) {
            reply(pixels(window.canvas()->backup(), rest));
        } else if (verb == QLatin1String("reference")) {
            QList<Stroke> strokes;
            for (const QString& text : rest.section(QLatin1Char(' '), 1).split(QLatin1Char(';'))) {
                const std::optional<Stroke> stroke = parseStroke(text);
                if (!stroke)
                    return fail(QStringLiteral("not a stroke"));
                strokes << *stroke;
            }
            const QString file = rest.section(QLatin1Char(' '), 0, 0);
            reply(pixels(reference(strokes), file == QLatin1String("-") ? QString() : file));
        } else if (verb == QLatin1String("guess") || verb == QLatin1String("chat")) {
            QLineEdit* field = verb == QLatin1String("guess") ? window.views().answerPanel().field()
                                                              : &window.views().chatInput();
            field->clear();
            QTest::keyClicks(field, rest);
            QTest::keyClick(field, Qt::Key_Return);
            reply({});
        } else if (verb == QLatin1String("chatlog")) {
            window.views().chatLog().flush();
            reply({{QStringLiteral("lines"),
                    QJsonArray::fromStringList(
                        window.views().chatLog().toPlainText().split(QLatin1Char('\n')))}});
        } else {
            fail(QStringLiteral("unknown command"));
        }
    }

    GameWindow window;
    SpectatorList spectators;
    GameStartForm startForm;
    QSocketNotifier input{STDIN_FILENO, QSocketNotifier::Read};
    QByteArray pending;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PICTOVA_NO_SOUND", "1");
    QApplication app(argc, argv);
    QTemporaryDir data;
    overrideDataFolder(data.path());
    Player player;
    return app.exec();
}
