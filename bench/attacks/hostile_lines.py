#!/usr/bin/env python3
"""A hostile server floods a joined game window with arrivals, departures and chat lines as fast
as the window reads them, then falls silent. Prints, per window, how long the flood took to send,
the window's CPU seconds after the last byte went out, and how long after it the window was still
busy (a tenth of a second with more than a fiftieth of CPU counts as busy).

usage: hostile_lines.py PICTOVA [PICTOVA ...] [--port P] [--lines N]
Run under xvfb-run; each window gets its own runtime and data folders."""
import argparse
import socket
import time

from login_storm import cpu_seconds, window

TERM = b"\xff"


def flood_bytes(lines):
    messages = []
    for i in range(lines):
        kind = i % 3
        guest = f"Guest{i // 3}"
        if kind == 0:
            messages.append(f"CMD_newplayerinfo+3+{guest}")
        elif kind == 1:
            messages.append(f"CMD_chat+{guest} chats: line {i} of the flood|clRed")
        else:
            messages.append(f"CMD_playerdisconnected+3+{guest}")
    return TERM.join(m.encode("latin-1") for m in messages) + TERM


def read_until(conn, prefix, wait):
    conn.settimeout(wait)
    buf = b""
    end = time.monotonic() + wait
    while time.monotonic() < end:
        try:
            data = conn.recv(65536)
        except socket.timeout:
            break
        if not data:
            break
        buf += data
        if prefix in buf:
            return True
    return False


def busy_after(pid, quiet_needed=3.0, limit=240.0):
    """CPU seconds and seconds of business from now until the window stays quiet."""
    start = last = cpu_seconds(pid)
    began = time.monotonic()
    last_busy = began
    while time.monotonic() - began < limit and time.monotonic() - last_busy < quiet_needed:
        time.sleep(0.1)
        now = cpu_seconds(pid)
        if now - last > 0.02:
            last_busy = time.monotonic()
        last = now
    return last - start, last_busy - began


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("windows", nargs="+")
    ap.add_argument("--port", type=int, default=18110)
    ap.add_argument("--lines", type=int, default=100_000)
    args = ap.parse_args()
    payload = flood_bytes(args.lines)
    for n, path in enumerate(args.windows):
        port = args.port + n
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", port))
        listener.listen(1)
        listener.settimeout(20)
        win = window(path, port)
        conn, _ = listener.accept()
        conn.sendall(b"CMD_sendlogininfo+2" + TERM)
        if not read_until(conn, b"CMD_logininfo+2+", 10):
            raise SystemExit(f"{path} did not log in")
        conn.sendall(b"CMD_newplayerinfo+2+Watcher" + TERM)
        time.sleep(2)
        cpu_seconds(win.pid)
        began = time.monotonic()
        conn.sendall(payload)
        sent = time.monotonic() - began
        cpu, busy = busy_after(win.pid)
        print(f"{path}: {args.lines} lines sent in {sent:.1f} s; afterwards the window used "
              f"{cpu:.1f} s of CPU and stayed busy {busy:.1f} s", flush=True)
        win.terminate()
        win.wait()
        conn.close()
        listener.close()


if __name__ == "__main__":
    main()
