#!/usr/bin/env python3
"""A dropped player's kept score pushed out: a player who sat for six seconds drops; then one
address makes fifteen quick log-in/drop cycles; the player comes back with its token.

usage: kept_score.py SERVER [SERVER ...] [--port P]
Prints, per server, whether the player was welcomed back."""
import argparse
import socket
import struct
import time

from pictova_wire import Client, start_server, stop


def token_of(client, wait=2.0):
    end = time.monotonic() + wait
    while time.monotonic() < end:
        for m in client.messages(0.05):
            if m.startswith("CMD_rejointoken+"):
                return m.split("+", 1)[1]
    return None


def reset(client):
    """Closes with a reset, as a network failure would: dropped, not removed."""
    client.sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    client.close()


def run(port):
    host = Client(port, "127.0.0.3")
    host.wait_seat()
    host.log_in("Host")
    bob = Client(port, "127.0.0.4")
    bob.wait_seat()
    bob.log_in("Bob", ["rejoin"])
    token = token_of(bob)
    time.sleep(6)
    reset(bob)
    time.sleep(0.5)
    cycles = 0
    tries = 0
    while cycles < 15 and tries < 200:
        tries += 1
        c = Client(port, "127.0.0.2")
        if c.wait_seat(0.5):
            c.log_in(f"Quick{cycles}", ["rejoin"])
            if token_of(c, 0.5):
                cycles += 1
        reset(c)
        time.sleep(0.05)
    back = Client(port, "127.0.0.4")
    back.wait_seat()
    back.log_in("Bob", ["rejoin"])
    token_of(back)
    back.send(f"CMD_rejoin+{back.seat}+{token}")
    welcomed = False
    end = time.monotonic() + 2
    while time.monotonic() < end and not welcomed:
        welcomed = any("Bob is back." in m for m in host.messages(0.1))
    return cycles, welcomed


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("servers", nargs="+")
    ap.add_argument("--port", type=int, default=17980)
    args = ap.parse_args()
    for n, path in enumerate(args.servers):
        proc = start_server(path, args.port + n)
        cycles, welcomed = run(args.port + n)
        print(f"{path}: after {cycles} quick log-in/drop cycles the dropped player was "
              f"{'welcomed back' if welcomed else 'NOT welcomed back (its score was pushed out)'}")
        stop(proc)


if __name__ == "__main__":
    main()
