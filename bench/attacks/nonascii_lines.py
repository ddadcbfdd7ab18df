#!/usr/bin/env python3
"""An honest player writing in another script: is it cut off for "sending faster than it is
served" although every line is served at once?

Two runs per server: lines of 20,000 CJK characters (up to 100 lines), and lines of 100 CJK
characters (up to 6,000 lines), each batch waited for before the next. Prints how many lines
went before the cut-off, or that none came. Chat limits are off so that every line comes back.

usage: nonascii_lines.py PORT SERVER [SERVER...]
"""
import sys, time
from peer import Peer, Server

CJK = "\u6f22"  # three UTF-8 bytes, one character


def run(binary, port, characters, lines, batch):
    with Server(binary, port, "--chat-limit", "0"):
        writer = Peer(port).join("Ann")
        line = CJK * characters
        sent = echoed = 0
        started = time.time()
        while sent < lines and not writer.closed:
            for _ in range(batch):
                writer.chat(line)
                sent += 1
            end = time.time() + 10
            while echoed < sent and not writer.closed and time.time() < end:
                echoed += sum(1 for m in writer.read(0.2, 1 << 22) if m.startswith(b"CMD_chat+Ann chats:"))
            if echoed < sent and not writer.closed:
                return "stalled after %d lines" % echoed
        seconds = time.time() - started
        if writer.closed:
            return "cut off after %d lines served (%.1f s)" % (echoed, seconds)
        return "still connected after %d lines (%.1f s)" % (echoed, seconds)


def main():
    port = int(sys.argv[1])
    for binary in sys.argv[2:]:
        print(binary)
        print("  20,000 characters a line:", run(binary, port, 20000, 100, 1), flush=True)
        print("  100 characters a line:   ", run(binary, port, 100, 6000, 50), flush=True)


if __name__ == "__main__":
    main()
