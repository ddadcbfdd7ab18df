#!/usr/bin/env python3
"""Two limits of a server at work, on the loopback, against any build's pictova-server.

passes PATH/TO/pictova-server
    Two players start a game; the drawer, at 0 points, sends 400 passes at once. Prints how
    many the server honoured in the turn.
stop-backlog PATH/TO/pictova-server [--megabytes N] [--read-kib-per-10ms K]
    A player of this version stops reading while the drawer's strokes pile up behind it; the
    server is then sent SIGTERM and the player reads on, slowly, until the close. Prints
    whether CMD_gameclosed arrived before the close, how many chat lines came first, and how
    long the server took to exit.

usage: hardening_check.py passes|stop-backlog SERVER [--port N] [options]
"""
import argparse, signal, socket, subprocess, sys, threading, time


def start_server(path, extra, port):
    proc = subprocess.Popen([path, "--port", str(port)] + extra, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True)
    for _ in range(1000):
        try:
            socket.create_connection(("127.0.0.1", port), 0.1).close()
            time.sleep(0.3)  # the probe's seat is free again
            return proc, port
        except OSError:
            time.sleep(0.02)
    sys.exit("the server did not come up")


class Peer:
    def __init__(self, port, name, features=None, read=True):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.buf = b""
        self.messages = []
        self.seat = int(self.wait("CMD_sendlogininfo+").split("+")[1])
        self.send(f"CMD_logininfo+{self.seat}+2.2.4+{name}\xff")
        if features:
            self.send(f"CMD_features+{self.seat}+{features}")
        self.wait(f"CMD_newplayerinfo+{self.seat}+")

    def send(self, text):
        self.sock.sendall((text + "\xff").encode("latin-1"))

    def pump(self, timeout=0.05, limit=65536):
        self.sock.settimeout(timeout)
        try:
            data = self.sock.recv(limit)
        except socket.timeout:
            return True
        if not data:
            return False
        self.buf += data
        while b"\xff" in self.buf:
            message, self.buf = self.buf.split(b"\xff", 1)
            self.messages.append(message.decode("latin-1"))
        return True

    def wait(self, prefix, seconds=5):
        end = time.time() + seconds
        seen = 0
        while time.time() < end:
            for message in self.messages[seen:]:
                if message.startswith(prefix):
                    return message
            seen = len(self.messages)
            if not self.pump():
                break
        sys.exit(f"no {prefix} within {seconds} s")


def passes(args):
    proc, port = start_server(args.server, [], args.port)
    try:
        ann, bob = Peer(port, "Ann"), Peer(port, "Bob")
        master = ann if ann.seat == 1 else bob
        master.send("CMD_startgame+1+false+20+60")
        drawer_seat = int(ann.wait("CMD_pickcatagory+", 15).split("+")[1])
        drawer = ann if drawer_seat == ann.seat else bob
        other = bob if drawer is ann else ann
        drawer.wait("CMD_givedraweranswer+", 15)
        burst = "".join(f"CMD_pass+{drawer.seat}\xff" for _ in range(400))
        drawer.sock.sendall(burst.encode("latin-1"))
        end = time.time() + 3
        while time.time() < end:
            other.pump()
            drawer.pump()
        honoured = sum(1 for m in other.messages if m.startswith("CMD_passed+"))
        print(f"passes sent at once: 400, honoured in the turn: {honoured}")
    finally:
        proc.kill()


def stop_backlog(args):
    proc, port = start_server(args.server, [], args.port)
    drawer = Peer(port, "Dra")
    reader = Peer(port, "Rea", features="rejoin")
    # The drawer's strokes pile up behind the reader, which stops reading now.
    drawer.send(f"CMD_startgame+{drawer.seat}+false+20+60")
    drawer.wait(f"CMD_pickcatagory+{drawer.seat}", 15)
    drawer.send(f"CMD_pickcatagory+{drawer.seat}+0")
    drawer.wait("CMD_givedraweranswer+", 15)
    stroke = f"CMD_draw+{drawer.seat}+clBlack+3+" + "+10,10" * 10000 + "+"
    count = args.megabytes * 1024 * 1024 // len(stroke)
    for sent in range(0, count, 8):
        drawer.sock.sendall("".join(stroke + "\xff" for _ in range(min(8, count - sent))).encode("latin-1"))
        time.sleep(0.1)  # within what the server serves a connection, so it is not cut off
    time.sleep(1)
    stopped = time.time()
    exited = []
    threading.Thread(target=lambda: (proc.wait(), exited.append(time.time() - stopped)), daemon=True).start()
    proc.send_signal(signal.SIGTERM)
    chunk = args.read_kib_per_10ms * 1024
    while reader.pump(timeout=15, limit=chunk):
        time.sleep(0.01)
    proc.wait(15)
    time.sleep(0.1)
    if args.verbose:
        print(proc.stdout.read(), reader.messages[-3:] if reader.messages else None)
    strokes = sum(1 for m in reader.messages if m.startswith("CMD_draw+"))
    # The notice counts when it came, and came after the last stroke that did.
    names = [m.split("+", 1)[0] for m in reader.messages]
    closed = "CMD_gameclosed" in names and (
        "CMD_draw" not in names or names.index("CMD_gameclosed") > len(names) - 1 - names[::-1].index("CMD_draw"))
    print(f"strokes queued for the reader: {count} ({count * len(stroke) / 1048576:.1f} MiB); "
          f"read before the close: {strokes}; CMD_gameclosed before the close: "
          f"{'yes' if closed else 'no'}; server exited {exited[0]:.2f} s after SIGTERM")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("check", choices=["passes", "stop-backlog"])
    parser.add_argument("server")
    parser.add_argument("--port", type=int, default=17877)
    parser.add_argument("--megabytes", type=int, default=10)
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--read-kib-per-10ms", type=int, default=64)
    args = parser.parse_args()
    passes(args) if args.check == "passes" else stop_backlog(args)


if __name__ == "__main__":
    main()
