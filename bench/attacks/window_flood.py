#!/usr/bin/env python3
"""A hostile server floods a joined game window: its memory, and how long it stays busy after.

For each kind of flood a fresh window (`pictova Me 127.0.0.1 join`, offscreen) joins this script,
which plays a server on a loopback port: it seats the window, then sends one kind of message
as fast as the window reads, up to RATE MiB/s, for SECONDS, and then nothing. Figures per flood:
the window's resident memory before and at its peak, whether it cut the server off (and when),
and its busy time after the flood: from the last byte sent until its CPU use stays under 10 %.

  chat     64 KB chat lines
  guess    64 KB guess lines (shown to the drawer; the window is dealt the turn)
  points   7,000-point width-100 strokes
  strokes  64-point width-100 strokes across the whole board (as wide and as many as the
           ranges allow)

usage: window_flood.py BINDIR [BINDIR ...] [--seconds S] [--rate MIB] [--floods chat,guess,...]
"""
import argparse, os, socket, subprocess, sys, tempfile, time

T = b"\xff"
HZ = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / HZ


def rss_mib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
    except FileNotFoundError:
        pass
    return 0.0


def message(kind, n):
    if kind == "chat":
        return f"CMD_chat+Host chats: {'x' * 65000} {n}|clBlack"
    if kind == "guess":
        return f"CMD_guessed+1+{'Y' * 65000} {n}"
    if kind == "points":
        pts = "".join(f"+{(i * 37) % 533},{(i * 53) % 369}" for i in range(7000))
        return f"CMD_draw+1+clRed+100+{pts}+"
    if kind == "strokes":
        corners = [(-5, -5), (538, 374), (538, -5), (-5, 374)]
        pts = "".join(f"+{corners[(i + n) % 4][0]},{corners[(i + n) % 4][1]}" for i in range(64))
        return f"CMD_draw+1+clRed+100+{pts}+"
    raise ValueError(kind)


def run(bindir, kind, args, port):
    lst = socket.socket()
    lst.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    lst.bind(("127.0.0.1", port))
    lst.listen(1)
    tmp = tempfile.mkdtemp(prefix="pv-flood-")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PICTOVA_PORT=str(port), PICTOVA_NO_SOUND="1",
               XDG_RUNTIME_DIR=tmp, PICTOVA_DATA_DIR=tmp)
    window = subprocess.Popen([os.path.join(bindir, "pictova"), "Me", "127.0.0.1", "join"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        lst.settimeout(20)
        conn, _ = lst.accept()
        conn.sendall(b"CMD_sendlogininfo+2" + T)
        buf = b""
        while b"CMD_logininfo" not in buf:
            buf += conn.recv(4096)
        hello = [b"CMD_existingplayers+1+Host", b"CMD_newplayerinfo+2+Me"]
        if kind == "guess":
            hello += [b"CMD_startgame+1+false+20+600", b"CMD_pickcatagory+2", b"CMD_nextplayer+2+0+___ ",
                      b"CMD_givedraweranswer+FAN"]
        conn.sendall(T.join(hello) + T)
        time.sleep(1.5)
        rss0 = rss_mib(window.pid)
        peak = rss0
        one = message(kind, 0).encode("latin-1") + T
        budget = args.rate * 1024 * 1024
        conn.setblocking(False)
        start = time.time()
        sent = 0
        cut_at = None
        n = 0
        pending = b""
        while time.time() - start < args.seconds:
            elapsed = time.time() - start
            if sent > budget * elapsed:
                time.sleep(0.002)
            else:
                if not pending:
                    pending = message(kind, n).encode("latin-1") + T if kind == "strokes" else one
                    n += 1
                try:
                    k = conn.send(pending)
                    pending = pending[k:]
                    sent += k
                except BlockingIOError:
                    time.sleep(0.001)
                except (ConnectionError, OSError):
                    cut_at = time.time() - start
                    break
            if n % 50 == 0:
                peak = max(peak, rss_mib(window.pid))
        flood_end = time.time()
        # Busy until the CPU use over 250 ms stays under 10 % for a whole second.
        last_cpu, last_t = cpu_seconds(window.pid), time.time()
        quiet_since = None
        busy = None
        while time.time() - flood_end < args.wait:
            time.sleep(0.25)
            if window.poll() is not None:
                busy = time.time() - flood_end
                break
            c, t = cpu_seconds(window.pid), time.time()
            peak = max(peak, rss_mib(window.pid))
            use = (c - last_cpu) / (t - last_t)
            last_cpu, last_t = c, t
            if use < 0.10:
                quiet_since = quiet_since or (t - 0.25)
                if t - quiet_since >= 1.0:
                    busy = quiet_since - flood_end
                    break
            else:
                quiet_since = None
        busy_text = f"{max(busy, 0):.1f} s" if busy is not None else f"more than {args.wait} s"
        cut_text = f"cut the server off after {cut_at:.1f} s" if cut_at is not None else "kept the connection"
        print(f"  {kind:8s} sent {sent / 1048576:7.1f} MiB; window {rss0:6.0f} -> peak {peak:6.0f} MiB "
              f"(+{peak - rss0:.0f}); busy {busy_text} after the flood; {cut_text}", flush=True)
        try:
            conn.close()
        except OSError:
            pass
    finally:
        window.kill()
        window.wait()
        lst.close()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("bindirs", nargs="+")
    p.add_argument("--seconds", type=float, default=10)
    p.add_argument("--rate", type=float, default=20, help="MiB/s at most")
    p.add_argument("--wait", type=float, default=120, help="longest wait for the window to settle")
    p.add_argument("--floods", default="chat,guess,points,strokes")
    p.add_argument("--port", type=int, default=18020)
    args = p.parse_args()
    for d in args.bindirs:
        print(f"{d}: {args.seconds:.0f} s floods at up to {args.rate:.0f} MiB/s", flush=True)
        for i, kind in enumerate(args.floods.split(",")):
            run(d, kind, args, args.port + i)


if __name__ == "__main__":
    main()
