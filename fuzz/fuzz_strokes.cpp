// The stroke payloads: the drawer's CMD_moveit, CMD_draw, CMD_clearmain and CMD_undone as the board
// receives them, parsed and drawn on a real board (view and backing bitmap, at a zoom now and then). The two
// points parsers must agree, a bad payload may only fail with the game's own error, and the board keeps its
// size. The ranges a server relays are read from the same payloads.

#include "board/boardcanvas.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "drawing/mark.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/strokepayload.h"
#include "messaging/catalogue.h"
#include "messaging/errors.h"
#include "messaging/strokeranges.h"
#include "messaging/wire.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace pictova;

namespace {

constexpr int kMySeat = 2;

struct Board
{
    BoardCanvas canvas;
    DrawerToolbar toolbar;
    BoardController controller;

    Board() : controller(&canvas, &toolbar, context()) {}

    static BoardContext context()
    {
        BoardContext board;
        board.myseat = [] { return kMySeat; };
        board.drawerseat = [] { return 1; };
        board.loggedin = [] { return true; };
        return board;
    }
};

Board* board = nullptr;

// Whatever the text, the throwing parser and the prefix parser see the same points and stop at
// the same item.
void checkPoints(const QString& points, qsizetype maxPoints)
{
    const parse::PointsPrefix prefix = parse::strokePointsPrefix(points, maxPoints);
    FUZZ_CHECK(prefix.points.size() <= maxPoints);
    try {
        const QList<parse::Point> all = parse::strokePoints(points, maxPoints);
        FUZZ_CHECK(!prefix.offending.has_value());
        FUZZ_CHECK(all.size() == prefix.points.size());
        for (qsizetype i = 0; i < all.size(); ++i)
            FUZZ_CHECK(all[i].x == prefix.points[i].x && all[i].y == prefix.points[i].y);
    } catch (const ConversionError& error) {
        FUZZ_CHECK(prefix.offending.has_value());
        FUZZ_CHECK(error.text() == ConversionError(*prefix.offending).text());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::startGuiApplication(argc, argv);
    board = new Board;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    board->controller.startTurn();
    // The board as a zoomed window shows it draws every stroke a second time at that scale.
    constexpr double kZooms[] = {1.0, 1.25, 2.0, 3.0};
    const double zoom = kZooms[input.ConsumeIntegralInRange<int>(0, 3)];
    board->canvas.setDisplayScale(zoom, 1.0);
    while (input.remaining_bytes() > 0) {
        const int kind = input.ConsumeIntegralInRange<int>(0, 4);
        const QString payload = fuzz::strokePayloadFrom(input, kMySeat);
        // What a server relays and what a client expects drawing to cost.
        for (const QString& name : {cmd::moveit, cmd::draw}) {
            // The server keeps what it relays as typed marks: a stroke in range always decodes whole.
            if (strokes::fit(name, payload) == strokes::Fit::InRange) {
                const drawing::DecodedMark decoded = drawing::decodeMark(name, payload);
                FUZZ_CHECK(!decoded.offending && decoded.mark.bytes == drawing::messageBytes(name, payload));
            }
            FUZZ_CHECK(strokes::drawingArea(name, payload) >= 0);
        }
        try {
            switch (kind) {
            case 0:
                board->controller.moveit(payload);
                break;
            case 1:
                board->controller.clearmain(payload);
                break;
            case 4: {
                // Taking back a stroke redraws the rest from the board's drawing.
                if (const std::optional<parse::Undone> undone = parse::undone(payload)) {
                    const std::optional<int> taken =
                        board->controller.undone(undone->seat, undone->stroke, undone->wipes);
                    FUZZ_CHECK(!taken || *taken == undone->stroke);
                }
                break;
            }
            default: {
                const qsizetype limit = input.ConsumeIntegralInRange<qsizetype>(0, 8);
                checkPoints(payload, 100000);
                checkPoints(payload, limit);
                const parse::StrokeBatch batch = parse::draw(payload);
                checkPoints(batch.points, 100000);
                checkPoints(batch.points, limit);
                board->controller.drawit(payload);
                break;
            }
            }
        } catch (const PictovaError&) {
            // A malformed payload ends its handler with the game's own error; nothing else may escape.
        }
        FUZZ_CHECK(board->canvas.backup().size() == QSize(BoardCanvas::kWidth, BoardCanvas::kHeight));
        FUZZ_CHECK(board->canvas.backup().format() == QImage::Format_RGB32);
        FUZZ_CHECK(board->canvas.displayed().width() >= board->canvas.width());
        FUZZ_CHECK(board->canvas.displayed().height() >= board->canvas.height());
    }
    return 0;
}
