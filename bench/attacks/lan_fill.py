#!/usr/bin/env python3
"""The LAN list filled before a real game appears: 40 source addresses (127.0.1.x) announce 5
ports each, under a real game's name, as often as a browser hears them; a real game starts
later. Run only inside a network namespace of its own, on lo:

  unshare -n bash -c 'ip link set lo up; ip route add 239.0.0.0/8 dev lo;
      PICTOVA_LAN_INTERFACE=lo bench/attacks/lan_fill.py SERVER LANPROBE [LANPROBE ...]'

Prints, per browser (a pictova-lanprobe build), when the real game was first listed and whether
it was listed at the end."""
import argparse
import os
import re
import socket
import subprocess
import threading
import time

GROUP = ("239.255.77.73", 7773)


def announcement(name, port):
    return (f"PICTOVA-LAN 1\nname={name}\nport={port}\nplayers=1\nfree=14\nrunning=0\n"
            f"version=2.2.4\n").encode()


def fakes(stop):
    socks = []
    for n in range(40):
        s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        s.bind((f"127.0.1.{n + 1}", 0))
        s.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF, socket.inet_aton(f"127.0.1.{n + 1}"))
        s.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_TTL, 1)
        socks.append(s)
    while not stop.is_set():
        for s in socks:
            for port in range(9001, 9006):
                s.sendto(announcement("Real", port), GROUP)
        time.sleep(1.0)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("server")
    ap.add_argument("probes", nargs="+")
    ap.add_argument("--port", type=int, default=17990)
    args = ap.parse_args()
    if os.environ.get("PICTOVA_LAN_INTERFACE") != "lo":
        raise SystemExit("run with PICTOVA_LAN_INTERFACE=lo inside unshare -n")
    browsers = [subprocess.Popen([p, "browse", "40"], stdout=subprocess.PIPE, text=True) for p in args.probes]
    lists = [[] for _ in browsers]

    def read(i, proc):
        for line in proc.stdout:
            if re.match(r"\d+ game\(s\)", line):
                lists[i].append((time.monotonic(), []))
            elif lists[i]:
                lists[i][-1][1].append(line.strip())

    readers = [threading.Thread(target=read, args=(i, p)) for i, p in enumerate(browsers)]
    for t in readers:
        t.start()
    stop = threading.Event()
    threading.Thread(target=fakes, args=(stop,), daemon=True).start()
    time.sleep(5)
    started = time.monotonic()
    server = subprocess.Popen([args.server, "--port", str(args.port), "--announce", "--name", "Real"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(25)
    stop.set()
    server.terminate()
    server.wait()
    for p in browsers:
        p.terminate()
    for t in readers:
        t.join()
    real = f":{args.port},"
    for probe, seen in zip(args.probes, lists):
        shown = [at - started for at, games in seen if any(real in g for g in games)]
        last = seen[-1][1] if seen else []
        most = max((len(games) for _, games in seen), default=0)
        first = f"first listed {shown[0]:.1f} s after it started" if shown else "never listed"
        print(f"{probe}: the real game was {first}, "
              f"{'listed' if any(real in g for g in last) else 'not listed'} at the end "
              f"(lists held up to {most} games)")

if __name__ == "__main__":
    main()
