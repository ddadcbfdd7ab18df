#pragma once

// The game's windows other than the game window, each made afresh, for the tests that open every
// one of them (at each zoom, in each language).
#include "album/album.h"
#include "album/view/albumdialog.h"
#include "album/view/replayplayer.h"
#include "board/snapshotviewer.h"
#include "chat/phrasebuttons.h"
#include "chat/phraseeditor.h"
#include "shell/about.h"
#include "shell/downloaddialog.h"
#include "shell/gamestartform.h"
#include "shell/help.h"
#include "shell/playtogetherdialogs.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

namespace pictova::test {

struct NamedWindow
{
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

// The start form first, then About, Help and the download window, as tests pick them by place.
inline QList<NamedWindow> secondaryWindows()
{
    static Album album;
    static PhraseButtons phrases;
    return {
        {"start form", [] { return std::make_unique<GameStartForm>(); }},
        {"about", [] { return std::make_unique<AboutBox>(); }},
        {"help", [] { return std::make_unique<HelpWindow>(); }},
        {"download", [] { return std::make_unique<DownloadDialog>(); }},
        {"host",
         [] {
             auto host = std::make_unique<HostDialog>(nullptr);
             host->showBrowserInvitation(
                 [](quint16 port) { return QStringLiteral("http://192.168.100.200:%1/").arg(port + 8); });
             return host;
         }},
        {"join", [] { return std::make_unique<JoinDialog>(nullptr); }},
        {"phrases", [] { return std::make_unique<PhraseEditor>(phrases); }},
        {"snapshots", [] { return std::make_unique<SnapshotViewer>(); }},
        {"album", [] { return std::make_unique<AlbumDialog>(album); }},
        {"replay", [] { return std::make_unique<ReplayPlayer>(); }},
    };
}

} // namespace pictova::test
