#!/usr/bin/env python3
"""Seats held for ever: fifteen connections from one address, logged in and idle, or
reconnecting the moment they are closed; honest players from another address try to get in.

usage: seats_held.py SERVER [SERVER ...] [--port P] [--seconds S]
Prints, per server, how many honest attempts got a seat."""
import argparse
import threading
import time

from pictova_wire import Client, start_server, stop


def idle_holders(port):
    held = []
    for i in range(15):
        try:
            c = Client(port, "127.0.0.2")
        except OSError:
            continue
        if c.wait_seat():
            c.log_in(f"Squatter{i}")
        held.append(c)
    return held


def honest_attempts(port, attempts, pause):
    got = 0
    for i in range(attempts):
        try:
            c = Client(port, "127.0.0.3")
            if c.wait_seat(1.0):
                got += 1
            c.close()
        except OSError:
            pass
        time.sleep(pause)
    return got


def reconnecting_holders(port, stop_at):
    def hold():
        while time.monotonic() < stop_at:
            try:
                c = Client(port, "127.0.0.2")
                c.wait_seat(1.0)
                while not c.closed and time.monotonic() < stop_at:
                    c.messages(0.2)
                c.close()
            except OSError:
                time.sleep(0.01)
    threads = [threading.Thread(target=hold, daemon=True) for _ in range(15)]
    for t in threads:
        t.start()
    return threads


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("servers", nargs="+")
    ap.add_argument("--port", type=int, default=17950)
    ap.add_argument("--seconds", type=float, default=30)
    args = ap.parse_args()
    for n, path in enumerate(args.servers):
        port = args.port + n
        proc = start_server(path, port)
        held = idle_holders(port)
        time.sleep(0.5)
        got = honest_attempts(port, 20, 0.05)
        for c in held:
            c.close()
        print(f"{path}: logged in and idle: {got} of 20 honest attempts got in")
        time.sleep(1)
        # Silent holders reconnect as soon as they are closed at the log-in deadline.
        stop_at = time.monotonic() + args.seconds
        threads = reconnecting_holders(port, stop_at)
        time.sleep(1)
        attempts = 0
        got = 0
        while time.monotonic() < stop_at:
            attempts += 1
            got += honest_attempts(port, 1, 0)
            time.sleep(0.5)
        for t in threads:
            t.join()
        print(f"{path}: reconnecting: {got} of {attempts} honest attempts in {args.seconds:.0f} s got in")
        stop(proc)


if __name__ == "__main__":
    main()
