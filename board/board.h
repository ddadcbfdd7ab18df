#pragma once

// Everything the game window uses of the drawing board.
#include "board/boardcanvas.h"
#include "board/boardcontext.h"
#include "board/boardcontroller.h"
#include "board/drawertoolbar.h"
#include "board/jpegcodec.h"
#include "board/snapshot.h"
#include "board/snapshotviewer.h"
