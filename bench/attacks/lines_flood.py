#!/usr/bin/env python3
"""Limits reset by reconnecting: one address connects, chats before and after logging in, and
reconnects for a fresh allowance, as fast as it can. A watcher that logged in first counts the
chat lines that reach it.

usage: lines_flood.py SERVER [SERVER ...] [--port P] [--seconds S] [--linger S]
Prints, per server, the lines a second the watcher was sent."""
import argparse
import time

from pictova_wire import Client, start_server, stop


def flood(port, seconds, linger):
    watcher = Client(port, "127.0.0.3")
    watcher.wait_seat()
    watcher.log_in("Watcher")
    watcher.messages(0.3)
    lines = 0
    end = time.monotonic() + seconds
    n = 0
    while time.monotonic() < end:
        try:
            c = Client(port, "127.0.0.2", timeout=0.5)
        except OSError:
            continue
        if c.wait_seat(0.5):
            for i in range(10):  # before the log-in, under no name
                c.send(f"CMD_chat+{c.seat}+early {n} {i}|clBlack")
            c.log_in(f"Flood{n}")
            for i in range(10):
                c.send(f"CMD_chat+{c.seat}+line {n} {i}|clBlack")
            time.sleep(linger)
            c.messages()
        c.close()
        n += 1
        lines += sum(1 for m in watcher.messages() if m.startswith("CMD_chat+") and " chats: " in m)
    time.sleep(0.5)
    lines += sum(1 for m in watcher.messages(0.2) if m.startswith("CMD_chat+") and " chats: " in m)
    watcher.close()
    return lines / seconds, n / seconds


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("servers", nargs="+")
    ap.add_argument("--port", type=int, default=17960)
    ap.add_argument("--seconds", type=float, default=10)
    ap.add_argument("--linger", type=float, default=0,
                    help="seconds each connection stays after its lines (0: reconnect at once)")
    args = ap.parse_args()
    for n, path in enumerate(args.servers):
        proc = start_server(path, args.port + n)
        rate, reconnects = flood(args.port + n, args.seconds, args.linger)
        print(f"{path}: {rate:.0f} flood lines a second reached another player "
              f"({reconnects:.0f} reconnects a second)")
        stop(proc)


if __name__ == "__main__":
    main()
