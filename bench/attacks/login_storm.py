#!/usr/bin/env python3
"""A log-in storm: connections from one address log in and leave again as fast as they can, and a
game window watches. Prints the log-ins a second the server accepted and the seat messages a
second the window was sent; with --window, also the CPU seconds the window spent after the storm.

usage: login_storm.py SERVER [SERVER ...] [--window PICTOVA ...] [--port P] [--seconds S]
With --window, give one pictova per server, in the same order; run under xvfb-run."""
import argparse
import os
import subprocess
import tempfile
import threading
import time

from pictova_wire import Client, start_server, stop


def storm(port, seconds, stop_at_flag):
    logins = 0
    end = time.monotonic() + seconds
    lock = threading.Lock()

    def worker():
        nonlocal logins
        while time.monotonic() < end:
            try:
                c = Client(port, "127.0.0.2", timeout=0.5)
            except OSError:
                continue
            if c.wait_seat(0.5):
                c.log_in("Storm")
                joined = False
                for _ in range(20):
                    for m in c.messages(0.01):
                        if m.startswith(f"CMD_newplayerinfo+{c.seat}+"):
                            joined = True
                    if joined or c.closed:
                        break
                if joined:
                    with lock:
                        logins += 1
            c.close()

    threads = [threading.Thread(target=worker) for _ in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    return logins / seconds


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def window(pictova, port):
    env = dict(os.environ, XDG_RUNTIME_DIR=tempfile.mkdtemp(), PICTOVA_DATA_DIR=tempfile.mkdtemp(),
               PICTOVA_PORT=str(port), PICTOVA_NO_SOUND="1")
    return subprocess.Popen([pictova, "Watcher", "127.0.0.1", "join"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("servers", nargs="+")
    ap.add_argument("--window", nargs="*", default=[])
    ap.add_argument("--port", type=int, default=17970)
    ap.add_argument("--seconds", type=float, default=30)
    args = ap.parse_args()
    for n, path in enumerate(args.servers):
        port = args.port + n
        proc = start_server(path, port)
        win = window(args.window[n], port) if n < len(args.window) else None
        watcher = Client(port, "127.0.0.3")
        watcher.wait_seat()
        watcher.log_in("Watcher")
        time.sleep(2)
        watcher.messages(0.1)
        count = [0]
        done = threading.Event()

        def watch():
            while not done.is_set():
                count[0] += sum(1 for m in watcher.messages(0.05)
                                if m.startswith(("CMD_newplayerinfo+", "CMD_playerdisconnected+")))

        t = threading.Thread(target=watch)
        t.start()
        rate = storm(port, args.seconds, done)
        done.set()
        t.join()
        line = (f"{path}: {rate:.0f} log-ins a second accepted, "
                f"{count[0] / args.seconds:.0f} seat messages a second sent to a player")
        if win:
            # The window's CPU time from the end of the storm until it goes quiet (or 240 s).
            start = cpu_seconds(win.pid)
            began = time.monotonic()
            last = start
            quiet = 0
            while time.monotonic() - began < 240 and quiet < 3:
                time.sleep(1)
                now = cpu_seconds(win.pid)
                quiet = quiet + 1 if now - last < 0.05 else 0
                last = now
            busy = time.monotonic() - began - quiet
            line += f"; the window used {last - start:.1f} s of CPU over {busy:.0f} s after the storm"
            win.terminate()
            win.wait()
        print(line, flush=True)
        watcher.close()
        stop(proc)


if __name__ == "__main__":
    main()
