"""What the attack scripts share: a pictova-server on a loopback port, and raw peers that speak
the protocol as a first-version client does. Loopback only."""
import os, select, socket, subprocess, tempfile, time

TERMINATOR = b"\xff"


def text(data):
    """Text as a server sends it: UTF-8 when it is valid UTF-8, 8-bit text otherwise."""
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("latin-1")


class Server:
    """A pictova-server started on `port` of 127.0.0.1's machine, stopped on leaving."""

    def __init__(self, binary, port, *arguments, words=None):
        self.binary, self.port, self.arguments, self.words = binary, port, list(arguments), words
        self.folder = None

    def __enter__(self):
        arguments = [self.binary, "--port", str(self.port)] + self.arguments
        if self.words is not None:
            self.folder = tempfile.TemporaryDirectory()
            with open(os.path.join(self.folder.name, "general.txt"), "w", encoding="utf-8") as f:
                f.write("\n".join(self.words) + "\n")
            arguments += ["--words", self.folder.name]
        # Files, not pipes: a full pipe would stall the server.
        self.out = tempfile.TemporaryFile()
        self.err = tempfile.TemporaryFile()
        self.process = subprocess.Popen(arguments, stdout=self.out, stderr=self.err)
        end = time.time() + 10
        while time.time() < end:
            self.out.seek(0)
            if b"listening on port" in self.out.read():
                return self
            time.sleep(0.05)
        raise RuntimeError("the server did not start")

    def logged(self, text):
        """Whether the server's standard output holds `text`."""
        self.out.seek(0)
        return text.encode() in self.out.read()

    def __exit__(self, *exc):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
        if self.folder:
            self.folder.cleanup()
        self.err.seek(0)
        self.stderr = self.err.read()


class Peer:
    def __init__(self, port, receive_buffer=None):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        if receive_buffer:
            self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, receive_buffer)
        self.sock.connect(("127.0.0.1", port))
        self.buf = b""
        self.closed = False
        self.seat = 0

    def send(self, data):
        self.sock.sendall(data)

    def read(self, timeout, limit=1 << 20):
        """Messages that arrive within `timeout` seconds (at most `limit` bytes read)."""
        ready, _, _ = select.select([self.sock], [], [], timeout)
        if not ready:
            return []
        try:
            data = self.sock.recv(limit)
        except (ConnectionResetError, BrokenPipeError):
            data = b""
        if not data:
            self.closed = True
            return []
        self.buf += data
        parts = self.buf.split(TERMINATOR)
        self.buf = parts[-1]
        return parts[:-1]

    def wait_for(self, prefix, timeout=10):
        end = time.time() + timeout
        while time.time() < end and not self.closed:
            for message in self.read(0.1):
                if message.startswith(prefix):
                    return message
        raise TimeoutError(prefix)

    def join(self, name):
        self.seat = int(self.wait_for(b"CMD_sendlogininfo+").split(b"+")[1])
        self.send(b"CMD_logininfo+%d+2.2.4+%s\xff\xff" % (self.seat, name.encode()))
        self.wait_for(b"CMD_newplayerinfo+%d+" % self.seat)
        return self

    def chat(self, text):
        self.send(b"CMD_chat+%d+%s|clBlack\xff" % (self.seat, text.encode()))

    def guess(self, text):
        self.send(b"CMD_answer+%d+%s\xff" % (self.seat, text.encode()))


def start_drawing(peers, seconds=300):
    """The first peer (seat 1, the game master) starts a game; whoever draws picks category 0
    (General). Returns the drawing peer and the phrase it was given."""
    master = peers[0]
    master.send(b"CMD_startgame+%d+false+20+%d\xff" % (master.seat, seconds))
    drawer_seat = int(master.wait_for(b"CMD_pickcatagory+").split(b"+")[1])
    drawer = next(p for p in peers if p.seat == drawer_seat)
    drawer.send(b"CMD_pickcatagory+%d+0\xff" % drawer.seat)
    phrase = drawer.wait_for(b"CMD_givedraweranswer+").split(b"+", 1)[1]
    return drawer, phrase
