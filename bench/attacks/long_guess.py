#!/usr/bin/env python3
"""Guesses of 60,000 letters: how much of one reaches every seat, and how long an honest player
on a slow line (reading 128 KiB a second) stays connected while eight guessers send them as
fast as the guess limit lets them (10 in 3 s).

usage: long_guess.py PORT SERVER [SERVER...]
"""
import sys, time
from peer import Peer, Server, start_drawing

LETTERS = 60000
READ_RATE = 128 * 1024  # bytes a second the honest player takes
LIMIT_S = 30


def run(binary, port):
    with Server(binary, port, words=["elephant"]) as server:
        master = Peer(port).join("Ann")
        guessers = [Peer(port).join("G%d" % i) for i in range(8)]
        honest = Peer(port, receive_buffer=64 * 1024).join("Hal")
        drawer, _ = start_drawing([master] + guessers + [honest])
        guessers = [g for g in guessers if g is not drawer]
        for peer in [master] + guessers + [honest]:
            while peer.read(0.05):
                pass

        guessers[0].guess("x" * LETTERS)
        echo = honest.wait_for(b"CMD_myguessed+")
        echoed = len(echo.split(b"+", 2)[2])

        started = time.time()
        next_round = started
        cut_off = None
        while time.time() - started < LIMIT_S:
            now = time.time()
            if now >= next_round:
                for guesser in guessers:
                    if not guesser.closed:
                        try:
                            guesser.guess("y" * LETTERS)
                        except OSError:
                            guesser.closed = True
                next_round = now + 0.3
            # The slow line: at most this slice's share, then the rest of the slice waits.
            slice_end = now + 0.05
            honest.read(0, int(READ_RATE * 0.05))
            for peer in [master] + guessers:
                while not peer.closed and peer.read(0, 1 << 22):
                    pass
            if server.logged("Hal\": cut off"):
                cut_off = time.time() - started
                break
            time.sleep(max(0, slice_end - time.time()))
        if cut_off is not None:
            outcome = "honest player cut off after %.1f s" % cut_off
        else:
            outcome = "honest player still connected after %d s" % LIMIT_S
        return echoed, outcome


def main():
    port = int(sys.argv[1])
    for binary in sys.argv[2:]:
        echoed, outcome = run(binary, port)
        print(binary)
        print("  a %d-letter guess is echoed with %d characters" % (LETTERS, echoed))
        print("  eight guessers: " + outcome, flush=True)


if __name__ == "__main__":
    main()
