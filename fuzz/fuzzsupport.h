#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <sanitizer/common_interface_defs.h>

namespace pictova::fuzz {

// Creates the one application object of the process, offscreen. Call from LLVMFuzzerInitialize.
// Qt's warnings are dropped: printed for every input they would slow the fuzzer to a crawl.
void startCoreApplication(int* argc, char*** argv);
void startGuiApplication(int* argc, char*** argv);

// A QTemporaryDir template in memory when the system has a RAM disk: every input writes a file,
// and saving one syncs it to disk.
QString scratchTemplate();

// What reportError() and reportPeerError() were given since the last call; the game's own
// reporter is replaced so nothing reaches a terminal.
QStringList takeReportedErrors();
void captureReportedErrors();

// A broken invariant is a crash for libFuzzer: it saves the input that led here. The text goes
// where sanitizer reports go, so it is seen also when the run discards the program's stderr.
[[noreturn]] inline void fail(const char* file, int line, const char* what)
{
    char summary[512];
    std::snprintf(summary, sizeof summary, "invariant broken at %s:%d: %s", file, line, what);
    __sanitizer_report_error_summary(summary);
    std::abort();
}

} // namespace pictova::fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::pictova::fuzz::fail(__FILE__, __LINE__, #condition);                                           \
    } while (false)
