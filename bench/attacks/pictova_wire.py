"""Shared bits of the attack scripts: a loopback-only scripted client and a server to aim at."""
import socket
import subprocess
import tempfile
import time

TERM = b"\xff"


def loopback(host):
    if not host.startswith("127."):
        raise SystemExit("attack scripts talk to the loopback only")
    return host


class Client:
    """One connection from `source` (a 127.x address) to the server on 127.0.0.1:`port`."""

    def __init__(self, port, source="127.0.0.1", timeout=2.0):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.sock.bind((loopback(source), 0))
        self.sock.settimeout(timeout)
        self.sock.connect(("127.0.0.1", port))
        self.buf = b""
        self.closed = False
        self.seat = 0

    def send(self, text):
        try:
            self.sock.sendall(text.encode("latin-1") + TERM)
        except OSError:
            self.closed = True

    def messages(self, wait=0.0):
        """Every whole message that has arrived, waiting up to `wait` seconds for the first."""
        self.sock.settimeout(wait if wait > 0 else 0.0001)
        try:
            while True:
                data = self.sock.recv(65536)
                if not data:
                    self.closed = True
                    break
                self.buf += data
                self.sock.settimeout(0.0001)
        except (socket.timeout, BlockingIOError):
            pass
        except OSError:
            self.closed = True
        parts = self.buf.split(TERM)
        self.buf = parts.pop()
        return [p.decode("latin-1") for p in parts]

    def wait_seat(self, wait=2.0):
        """The seat given, 0 when told the game is full or closed first."""
        end = time.monotonic() + wait
        while time.monotonic() < end and not self.closed:
            for m in self.messages(0.05):
                if m.startswith("CMD_sendlogininfo+"):
                    self.seat = int(m.split("+")[1])
                    return self.seat
                if m.startswith("CMD_full+"):
                    return 0
        return 0

    def log_in(self, name, features=None):
        self.send(f"CMD_logininfo+{self.seat}+2.2.4+{name}")
        if features:
            self.send(f"CMD_features+{self.seat}+{' '.join(features)}")

    def close(self):
        try:
            self.sock.close()
        except OSError:
            pass


def start_server(path, port, extra=()):
    """The server, its log in a file nobody has to read (a full pipe would stall it)."""
    log = tempfile.NamedTemporaryFile(prefix="pictova-attack-", suffix=".log", delete=False)
    proc = subprocess.Popen([path, "--port", str(port), *extra], stdout=log, stderr=subprocess.STDOUT)
    proc.log_path = log.name
    end = time.monotonic() + 5
    while time.monotonic() < end:
        with open(log.name) as f:
            if "listening" in f.read():
                return proc
        time.sleep(0.05)
    raise SystemExit(f"{path} did not start")


def stop(proc):
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
