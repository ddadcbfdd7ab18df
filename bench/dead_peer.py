#!/usr/bin/env python3
"""A peer that vanishes without closing: how long until the host frees its seat?

Needs root (a network namespace). The peer sits in its own namespace behind a veth pair;
once it has logged in, its interface goes down, as when a player's machine loses power or its
network. An honest client on the host's side waits for CMD_playerdisconnected.
With --traffic the honest client chats every two seconds, so the host always has data on its
way to the dead peer (as during a game).

usage: dead_peer.py PATH/TO/pictova-bot [--traffic] [--limit SECONDS]
"""
import argparse, os, re, socket, subprocess, sys, time

NS, HOST_IF, PEER_IF = "pvdead", "pvdead-h", "pvdead-p"
HOST_IP, PEER_IP = "10.213.77.1", "10.213.77.2"


def sh(*args, check=True):
    return subprocess.run(args, check=check, capture_output=True, text=True)


def setup():
    teardown()
    sh("ip", "netns", "add", NS)
    sh("ip", "link", "add", HOST_IF, "type", "veth", "peer", "name", PEER_IF)
    sh("ip", "link", "set", PEER_IF, "netns", NS)
    sh("ip", "addr", "add", HOST_IP + "/24", "dev", HOST_IF)
    sh("ip", "link", "set", HOST_IF, "up")
    sh("ip", "netns", "exec", NS, "ip", "addr", "add", PEER_IP + "/24", "dev", PEER_IF)
    sh("ip", "netns", "exec", NS, "ip", "link", "set", PEER_IF, "up")
    sh("ip", "netns", "exec", NS, "ip", "link", "set", "lo", "up")


def teardown():
    sh("ip", "link", "del", HOST_IF, check=False)
    sh("ip", "netns", "del", NS, check=False)


class Client:
    def __init__(self, sock):
        self.sock, self.buf = sock, b""

    def messages(self, timeout):
        self.sock.settimeout(timeout)
        try:
            data = self.sock.recv(65536)
        except socket.timeout:
            return []
        if not data:
            raise EOFError
        self.buf += data
        parts = self.buf.split(b"\xff")
        self.buf = parts[-1]
        return parts[:-1]

    def wait_for(self, prefix, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            for m in self.messages(0.2):
                if m.startswith(prefix):
                    return m
        raise TimeoutError(prefix)

    def join(self, name):
        seat = int(self.wait_for(b"CMD_sendlogininfo+").split(b"+")[1])
        self.sock.sendall(b"CMD_logininfo+%d+2.2.4+%s\xff\xff" % (seat, name))
        self.wait_for(b"CMD_newplayerinfo+%d+" % seat)
        return seat


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bot")
    parser.add_argument("--traffic", action="store_true")
    parser.add_argument("--limit", type=int, default=150)
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("dead_peer.py needs root for the network namespace")
    setup()
    host = subprocess.Popen([args.bot, "--serve", "--count", "0", "--quiet", "0.0.0.0", "0"],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    try:
        port = int(re.search(rb"(\d+)", host.stdout.readline()).group(1))
        honest = Client(socket.create_connection(("127.0.0.1", port)))
        honest.join(b"Honest")
        # The peer: a python process inside the namespace that logs in and then just stays.
        peer = subprocess.Popen(["ip", "netns", "exec", NS, sys.executable, "-c", f"""
import socket, time
s = socket.create_connection(("{HOST_IP}", {port}))
buf = b""
while b"CMD_sendlogininfo+" not in buf: buf += s.recv(4096)
seat = int(buf.split(b"CMD_sendlogininfo+")[1].split(b"\\xff")[0])
s.sendall(b"CMD_logininfo+%d+2.2.4+Ghost\\xff\\xff" % seat)
print(seat, flush=True)
time.sleep(100000)
"""], stdout=subprocess.PIPE)
        seat = int(peer.stdout.readline())
        honest.wait_for(b"CMD_newplayerinfo+%d+Ghost" % seat)
        time.sleep(1)
        # Its interface goes down: nothing it sends leaves, nothing sent to it arrives, and it
        # never gets the chance to say goodbye.
        sh("ip", "netns", "exec", NS, "ip", "link", "set", PEER_IF, "down")
        dropped = time.time()
        print(f"seat {seat} went silent; {'chat every 2 s' if args.traffic else 'no traffic'}", flush=True)
        gone = None
        next_chat = time.time()
        while time.time() - dropped < args.limit:
            if args.traffic and time.time() >= next_chat:
                honest.sock.sendall(b"CMD_chat+1+still here|clBlack\xff")
                next_chat += 2
            for m in honest.messages(0.2):
                if m.startswith(b"CMD_playerdisconnected+%d+" % seat):
                    gone = time.time() - dropped
            if gone is not None:
                break
        if gone is None:
            print(f"the seat was still held after {args.limit} s")
        else:
            print(f"the seat was freed {gone:.1f} s after the peer went silent")
        peer.kill()
    finally:
        host.stdin.close()
        host.wait(timeout=5)
        teardown()


if __name__ == "__main__":
    main()
