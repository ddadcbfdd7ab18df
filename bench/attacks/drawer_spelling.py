#!/usr/bin/env python3
"""The drawer spells the answer ("elephant") to the guessers in 20 disguises, then says 10
ordinary lines. Prints how many of each reach a guesser's chat.

usage: drawer_spelling.py PORT SERVER [SERVER...]
"""
import sys, time
from peer import Peer, Server, start_drawing, text

DISGUISES = [
    "e l e p h a n t",                 # spaced letters
    "e-l-e-p-h-a-n-t",
    "E.L.E.P.H.A.N.T",
    "ele phant",                       # split in two
    "elep hant!",
    "\u0435l\u0435\u0440h\u0430nt",    # Cyrillic look-alikes
    "\u0395L\u0395\u03a1\u0397\u0391\u039d\u03a4",  # Greek capitals
    "eleph\u00e1nt",                   # an accent
    "ele\u0301phant",                  # a combining accent
    "el\u0308ephant",
    "3l3ph4nt",                        # digits for letters
    "31eph4n7",
    "tnahpele",                        # reversed
    "t n a h p e l e",
    "ELEPHANT",
    "elephant?",
    "ele\u200bphant",                  # an invisible blank
    "ele\u00adphant",                  # a soft hyphen
    "\uff45\uff4c\uff45\uff50\uff48\uff41\uff4e\uff54",  # full-width
    "tn4hp3l3",                        # reversed digits
]
ORDINARY = [
    "it's an animal", "big and grey", "a bit to the left", "no, the other one", "almost!",
    "elegant", "help", "think of the zoo", "a tiny ant", "you are close",
]


def run(binary, port):
    with Server(binary, port, "--chat-limit", "0", words=["elephant"]):
        ann = Peer(port).join("Ann")
        bob = Peer(port).join("Bob")
        drawer, phrase = start_drawing([ann, bob])
        assert phrase == b"ELEPHANT", phrase
        for line in DISGUISES + ORDINARY + ["end of test"]:
            drawer.chat(line)
        shown = []
        end = time.time() + 10
        while time.time() < end:
            for message in bob.read(0.2):
                if message.startswith(b"CMD_chat+%s chats: " % (b"Ann" if drawer is ann else b"Bob")):
                    shown.append(text(message.split(b": ", 1)[1].rsplit(b"|", 1)[0]))
            if shown and shown[-1] == "end of test":
                break
        through = [d for d in DISGUISES if d in shown]
        return through, [o for o in ORDINARY if o in shown]


def main():
    port = int(sys.argv[1])
    for binary in sys.argv[2:]:
        through, ordinary = run(binary, port)
        print(binary)
        print("  disguises of the answer that reached a guesser: %d of %d" % (len(through), len(DISGUISES)))
        for line in through:
            print("    " + ascii(line))
        print("  ordinary lines that reached a guesser: %d of %d" % (len(ordinary), len(ORDINARY)), flush=True)


if __name__ == "__main__":
    main()
