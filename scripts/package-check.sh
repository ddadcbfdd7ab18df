#!/usr/bin/env bash
# Builds the Debian packages (cpack -G DEB) in ${PICTOVA_BUILD_DIR:-build} and checks them: the
# desktop entry and the AppStream metadata pass their validators, each package holds what it
# should, the server package needs no GUI library, and the server from the unpacked package
# answers --help and seats a player on a loopback port; the game from the unpacked package
# starts from its desktop entry's Exec line under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${PICTOVA_BUILD_DIR:-build}"
scripts/build.sh >/dev/null
app_id=net.pictova.Pictova

fail() {
    echo "package-check: $*" >&2
    exit 1
}

rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
game_deb=$(ls "$dir"/pictova_*.deb)
server_deb=$(ls "$dir"/pictova-server_*.deb)

work="$(mktemp -d)"
server_pid=""
game_pid=""
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    [ -n "$game_pid" ] && kill -- "-$game_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Contents.
dpkg-deb -c "$game_deb" | awk '{print $6}' >"$work/game.list"
dpkg-deb -c "$server_deb" | awk '{print $6}' >"$work/server.list"
for path in ./usr/bin/pictova ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/man/man6/pictova.6.gz; do
    grep -qx "$path" "$work/game.list" || fail "$game_deb lacks $path"
done
for size in 16 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$work/game.list" ||
        fail "$game_deb lacks the ${size}x${size} icon"
done
for path in ./usr/bin/pictova-server ./usr/share/man/man6/pictova-server.6.gz \
    ./usr/lib/systemd/system/pictova-server.service ./usr/lib/systemd/system/pictova-server@.service; do
    grep -qx "$path" "$work/server.list" || fail "$server_deb lacks $path"
done
grep -q "pictova-server" "$work/game.list" && fail "$game_deb holds server files"
grep -q "/usr/bin/pictova$" "$work/server.list" && fail "$server_deb holds the game"

# Dependencies: read from the binaries; the server's must name no GUI library.
server_depends=$(dpkg-deb -f "$server_deb" Depends)
echo "pictova-server depends on: $server_depends"
echo "$server_depends" | grep -q libqt6core6 || fail "server dependencies were not computed: $server_depends"
echo "$server_depends" | grep -Eqi 'qt6(gui|widgets|multimedia)|libx11|libgl' &&
    fail "the server package depends on GUI libraries: $server_depends"
dpkg-deb -f "$game_deb" Depends | grep -q libqt6widgets6 || fail "game dependencies were not computed"

# Validators, on the files as packaged.
root="$work/root"
dpkg-deb -x "$game_deb" "$root"
dpkg-deb -x "$server_deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
grep -q "^ExecStart=/usr/bin/pictova-server " "$root/usr/lib/systemd/system/pictova-server.service" ||
    fail "the unit does not start /usr/bin/pictova-server"
if command -v systemd-analyze >/dev/null; then
    # Verified against the unpacked copy: the unit's own path is not installed on this machine.
    sed "s|/usr/bin/pictova-server|$root/usr/bin/pictova-server|" \
        "$root/usr/lib/systemd/system/pictova-server.service" >"$work/pictova-server.service"
    # The man page is looked up on this machine, where the package is not installed.
    faults=$( (systemd-analyze verify "$work/pictova-server.service" 2>&1 || true) | grep -v "Command 'man " || true)
    [ -z "$faults" ] || fail "systemd-analyze verify: $faults"
fi

# The unpacked server: no display, no library path, a player on a loopback port.
server="$root/usr/bin/pictova-server"
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$server" --help) || fail "pictova-server --help failed"
[[ "$help" == "Usage: pictova-server "* ]] || fail "pictova-server --help printed: $help"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$server" --port 0 >"$work/server.log" 2>"$work/server.err" &
server_pid=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/^listening on port \([0-9]*\)$/\1/p' "$work/server.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || fail "the unpacked server did not listen: $(cat "$work/server.err")"
"$dir/pictova-bot" --name Tester --quiet --duration 1 127.0.0.1 "$port" >/dev/null
kill -TERM "$server_pid"
status=0
wait "$server_pid" || status=$?
server_pid=""
[ "$status" -eq 0 ] || fail "the server ended with $status on SIGTERM"
grep -qx 'login seat 1 "Tester" from 127.0.0.1' "$work/server.log" || fail "no log-in in the server's log"
grep -qx 'stopped' "$work/server.log" || fail "the server's log does not end with its stop"

# The unpacked game, started as the desktop starts it: the entry's Exec line on the PATH.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
mkdir -p "$work/runtime" "$work/data"
chmod 700 "$work/runtime"
PATH="$root/usr/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" PICTOVA_DATA_DIR="$work/data" PICTOVA_NO_SOUND=1 \
    PICTOVA_PORT=$((20000 + RANDOM % 10000)) setsid xvfb-run -a -s '-screen 0 1280x800x24' $exec_line \
    >"$work/game.log" 2>&1 &
game_pid=$!
sleep 5
kill -0 "$game_pid" 2>/dev/null || fail "the game from the package did not keep running: $(cat "$work/game.log")"
# xvfb-run leaves its display and the game behind when it is stopped alone: stop the group.
kill -- "-$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""

echo "package-check: ok ($(du -k "$game_deb" | cut -f1) KiB $(basename "$game_deb"), $(du -k "$server_deb" | cut -f1) KiB $(basename "$server_deb"))"
