#!/usr/bin/env python3
"""What one drawer's undos cost the server's upload: bytes sent to the other seats per undo.

A drawer (seat 1, announcing undo) fills the turn's drawing log with about LOG_MIB MiB of strokes
in batches of 64 points, then asks for an undo every 210 ms for five seconds. Fourteen other seats
read everything; FIRST_VERSION of them never announce any feature (a first-version client), the
others announce undo as this program's client does. Loopback only.

usage: undo_replay.py BINDIR [BINDIR ...] [--log-mib N] [--first-version N] [--port P]
Each BINDIR holds a pictova-server; each is run in turn and its figures printed.
"""
import argparse, os, selectors, socket, subprocess, sys, time

T = b"\xff"


class Seat:
    def __init__(self, port, name, features):
        self.sock = socket.create_connection(("127.0.0.1", port))
        self.buf = b""
        self.got = 0
        self.name = name
        self.features = features
        self.seat = 0
        self.closed = False
        self.messages = []  # kept only while `keep`
        self.keep = True

    def pump(self, block=False):
        self.sock.setblocking(block)
        try:
            data = self.sock.recv(1 << 20)
        except BlockingIOError:
            return
        except ConnectionError:
            data = b""
        if not data:
            self.closed = True
            return
        self.got += len(data)
        if self.keep:
            self.buf += data
            *done, self.buf = self.buf.split(T)
            self.messages += [m.decode("latin-1") for m in done if m]

    def wait_for(self, prefix, timeout=15):
        end = time.time() + timeout
        while time.time() < end:
            for i, m in enumerate(self.messages):
                if m.startswith(prefix):
                    del self.messages[: i + 1]
                    return m
            self.sock.settimeout(max(0.01, end - time.time()))
            try:
                self.pump(block=True)
            except socket.timeout:
                pass
        raise RuntimeError(f"{self.name}: no {prefix} within {timeout} s")

    def send(self, text):
        self.sock.sendall(text.encode("latin-1") + T)

    def login(self):
        self.seat = int(self.wait_for("CMD_sendlogininfo+").split("+")[1])
        self.sock.sendall(f"CMD_logininfo+{self.seat}+2.2.4+{self.name}".encode() + T + T)
        if self.features is not None:
            self.wait_for("CMD_features")
            self.send(f"CMD_features+{self.seat}+{self.features}")


def batch(seat, n, x0):
    pts = "".join(f"+{(x0 + 7 * i) % 500 + 10},{(n * 3 + i * 5) % 340 + 10}" for i in range(64))
    return f"CMD_draw+{seat}+clRed+9+{pts}+"


def run(bindir, args):
    server = subprocess.Popen([os.path.join(bindir, "pictova-server"), "--port", str(args.port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    try:
        drawer = Seat(args.port, "Drawer", "rejoin,undo,reveal-letters")
        drawer.login()
        others = []
        for i in range(14):
            first = i < args.first_version
            s = Seat(args.port, f"{'Old' if first else 'New'}{i}", None if first else "rejoin,undo,reveal-letters")
            s.login()
            others.append(s)
        time.sleep(0.3)
        drawer.send("CMD_startgame+1+false+20+600")
        drawer.wait_for("CMD_pickcatagory+1")
        drawer.send("CMD_pickcatagory+1+0")
        drawer.wait_for("CMD_nextplayer+1", timeout=20)
        for s in others:
            s.keep = False
        # The drawing: strokes of 64-point batches, paced under the server's serving rate.
        target = int(args.log_mib * 1024 * 1024)
        sent, n, strokes = 0, 0, 0
        per_stroke = target // 40
        t0 = time.time()
        while sent < target:
            msg = f"CMD_moveit+1+clBlack+9+{n % 500}+{n % 300}"
            drawer.send(msg)
            sent += len(msg)
            strokes += 1
            in_stroke = 0
            while in_stroke < per_stroke and sent < target:
                msg = batch(1, n, strokes * 13)
                drawer.send(msg)
                sent += len(msg)
                in_stroke += len(msg)
                n += 1
                if n % 20 == 0:
                    time.sleep(0.19)
                    for s in others:
                        s.pump()
                    drawer.pump()
        # Let everything reach every seat.
        deadline = time.time() + 30
        while time.time() < deadline:
            before = sum(s.got for s in others)
            time.sleep(0.5)
            for s in others:
                while True:
                    g = s.got
                    s.pump()
                    if s.got == g:
                        break
            if sum(s.got for s in others) == before:
                break
        drawer.messages.clear()
        base = [s.got for s in others]
        # The undos: one every 210 ms for five seconds, every seat reading as fast as it can.
        undos = 0
        start = time.time()
        next_undo = start
        while time.time() - start < 5.0:
            if time.time() >= next_undo:
                drawer.send("CMD_undo+1")
                undos += 1
                next_undo += 0.21
            for s in others:
                s.pump()
            drawer.pump()
            time.sleep(0.001)
        settle = time.time() + 20
        quiet = 0
        while time.time() < settle and quiet < 3:
            total = sum(s.got for s in others)
            time.sleep(0.2)
            for s in others:
                for _ in range(50):
                    s.pump()
            quiet = quiet + 1 if sum(s.got for s in others) == total else 0
        drawer.sock.settimeout(0.5)
        try:
            drawer.pump(block=True)
        except socket.timeout:
            pass
        taken = sum(1 for m in drawer.messages if m.startswith("CMD_undone+"))
        refused = sum(1 for m in drawer.messages if "was not taken back" in m)
        spent = [s.got - b for s, b in zip(others, base)]
        old = spent[: args.first_version]
        new = spent[args.first_version:]
        cut = sum(1 for s in others if s.closed)
        mib = 1024 * 1024
        print(f"  log {sent / mib:.2f} MiB in {strokes} strokes (built in {time.time() - t0:.0f} s); "
              f"{undos} undo requests; drawer told of {taken} taken back, {refused} refused")
        print(f"  sent to the 14 other seats during the undos: {sum(spent) / mib:.2f} MiB, "
              f"{sum(spent) / max(undos, 1) / 1024:.1f} KiB per undo request")
        if old:
            print(f"  per first-version seat: {sum(old) / len(old) / mib:.2f} MiB "
                  f"({sum(old) / len(old) / max(undos, 1) / 1024:.1f} KiB per undo)")
        if new:
            print(f"  per seat that announced undo: {sum(new) / len(new) / 1024:.1f} KiB "
                  f"({sum(new) / len(new) / max(undos, 1):.0f} bytes per undo)")
        print(f"  seats cut off: {cut}")
    finally:
        server.terminate()
        server.wait()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("bindirs", nargs="+")
    p.add_argument("--log-mib", type=float, default=1.9)
    p.add_argument("--first-version", type=int, default=0)
    p.add_argument("--port", type=int, default=18010)
    args = p.parse_args()
    base = args.port
    for i, d in enumerate(args.bindirs):
        print(f"{d}: 14 seats, {args.first_version} of them first-version", flush=True)
        args.port = base + i
        run(d, args)


if __name__ == "__main__":
    main()
