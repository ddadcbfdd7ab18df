#!/usr/bin/env python3
"""Busy rooms on one pictova-server against one server process per room.

Each room has 8 players on the loopback: the drawer sends 60 pen moves a second, every guesser a
chat line a second. The stroke relay's delay (drawer's send to each other player's receipt) is
measured for a few seconds at each step, and the number of rooms doubles until its p99 passes
20 ms or --max-rooms is reached. The same steps then run against N processes of --compare-server
(one room, the default game, each). Figures only: nothing here passes or fails.

    python3 bench/bench_rooms.py build/pictova-server [--compare-server OLD/pictova-server]
        [--port 41540] [--seconds 4] [--max-rooms 64]
"""
import argparse
import asyncio
import os
import statistics
import subprocess
import time

T = b'\xff'
PLAYERS = 8


class Player:
    def __init__(self, name):
        self.name = name
        self.reader = self.writer = None
        self.seat = 0
        self.buffer = b''
        self.waiters = []
        self.delays = None  # list while measuring
        self.sent_at = None
        self.seen = []  # before the load starts: what a wait may look for

    async def connect(self, port, first=None):
        self.reader, self.writer = await asyncio.open_connection('127.0.0.1', port)
        if first:
            self.writer.write(first + T)
        asyncio.ensure_future(self.read())
        seat = await self.wait(b'CMD_sendlogininfo+')
        self.seat = int(seat.split(b'+')[1])
        self.writer.write(b'CMD_logininfo+%d+2.2.4+%s' % (self.seat, self.name) + T + T)

    async def read(self):
        while True:
            data = await self.reader.read(65536)
            if not data:
                return
            now = time.perf_counter()
            self.buffer += data
            *messages, self.buffer = self.buffer.split(T)
            for m in messages:
                if self.delays is not None and m.startswith(b'CMD_moveit+'):
                    fields = m.split(b'+')
                    code = int(fields[5]) * 500 + int(fields[4])
                    if code in self.sent_at:
                        self.delays.append((now - self.sent_at[code]) * 1000)
                if self.delays is None and len(self.seen) < 1000:
                    self.seen.append(m)
                for prefix, future in list(self.waiters):
                    if m.startswith(prefix) and not future.done():
                        future.set_result(m)
                        self.waiters.remove((prefix, future))

    async def wait(self, prefix, timeout=20):
        for m in self.seen:
            if m.startswith(prefix):
                self.seen.remove(m)
                return m
        future = asyncio.get_running_loop().create_future()
        self.waiters.append((prefix, future))
        return await asyncio.wait_for(future, timeout)


async def make_room(port, index, rooms):
    players = [Player(b'P%d_%d' % (index, i)) for i in range(PLAYERS)]
    listed = None
    if rooms:
        first = players[0]
        # Each room from an address of its own on the loopback: an address may make 3 rooms a minute.
        first.reader, first.writer = await asyncio.open_connection(
            '127.0.0.1', port, local_addr=('127.0.%d.%d' % (1 + index // 250, 2 + index % 250), 0))
        first.writer.write(b'CMD_room+create+private+bench' + T)
        asyncio.ensure_future(first.read())
        listed = (await first.wait(b'CMD_inroom+')).split(b'+')[1]
        seat = await first.wait(b'CMD_sendlogininfo+')
        first.seat = int(seat.split(b'+')[1])
        first.writer.write(b'CMD_logininfo+%d+2.2.4+%s' % (first.seat, first.name) + T + T)
    else:
        await players[0].connect(port)
    for p in players[1:]:
        await p.connect(port, b'CMD_room+join+' + listed if listed else None)
    await players[0].wait(b'CMD_newplayerinfo+%d+' % players[-1].seat)
    players[0].writer.write(b'CMD_startgame+%d+false+10000+3600' % players[0].seat + T)
    turn = await players[0].wait(b'CMD_nextplayer+')
    drawer_seat = int(turn.split(b'+')[1])
    drawer = next(p for p in players if p.seat == drawer_seat)
    drawer.writer.write(b'CMD_pickcatagory+%d+0' % drawer.seat + T)
    await drawer.wait(b'CMD_givedraweranswer+')
    for p in players:
        p.seen.clear()
    return players, drawer


async def load(rooms_of_players, seconds):
    sent_at = {}
    for players, drawer in rooms_of_players:
        for p in players:
            p.sent_at = sent_at
            p.delays = [] if p is not drawer else None
    seq = 0
    start = time.perf_counter()
    tick = 0
    while time.perf_counter() - start < seconds:
        tick += 1
        for players, drawer in rooms_of_players:
            seq += 1
            # Each move's number rides in its point, which stays on the board.
            code = seq % 180000
            sent_at[code] = time.perf_counter()
            drawer.writer.write(b'CMD_moveit+%d+clBlack+3+%d+%d' % (drawer.seat, code % 500, code // 500) + T)
            if tick % 60 == 0:
                for p in players:
                    if p is not drawer:
                        p.writer.write(b'CMD_chat+%d+hello|clBlack' % p.seat + T)
        await asyncio.sleep(max(0, start + tick / 60 - time.perf_counter()))
    await asyncio.sleep(0.3)
    delays = []
    for players, drawer in rooms_of_players:
        for p in players:
            if p.delays:
                delays += p.delays
            p.delays = None
    return delays


def percentile(values, fraction):
    values = sorted(values)
    return values[min(len(values) - 1, int(fraction * len(values)))] if values else float('nan')


async def run(server, port, rooms_mode, args):
    print(f'== {"one process, rooms" if rooms_mode else "one process per room"}: {server}')
    rooms = 1
    while rooms <= args.max_rooms:
        processes = []
        ports = [port] if rooms_mode else [port + i for i in range(rooms)]
        for p in ports:
            extra = ['--max-total-per-address', '0', '--web-port', '0'] if rooms_mode else []
            processes.append(subprocess.Popen([server, '--port', str(p), '--max-per-address', '0'] + extra,
                                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        await asyncio.sleep(1.0)
        try:
            built = [await make_room(ports[0] if rooms_mode else ports[i], i, rooms_mode) for i in range(rooms)]
            delays = await load(built, args.seconds)
            p50, p99 = percentile(delays, 0.5), percentile(delays, 0.99)
            cores = os.cpu_count() or 1
            print(f'{rooms:5d} busy rooms ({rooms / cores:.1f} per core of {cores}): stroke relay p50 {p50:6.2f} ms'
                  f'  p99 {p99:6.2f} ms  ({len(delays)} deliveries)', flush=True)
            for players, _ in built:
                for p in players:
                    p.writer.close()
        finally:
            for process in processes:
                process.terminate()
            for process in processes:
                process.wait()
        if p99 > 20:
            break
        rooms *= 2


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('server')
    parser.add_argument('--compare-server')
    parser.add_argument('--port', type=int, default=41540)
    parser.add_argument('--seconds', type=float, default=4)
    parser.add_argument('--max-rooms', type=int, default=64)
    args = parser.parse_args()
    asyncio.run(run(args.server, args.port, True, args))
    if args.compare_server:
        asyncio.run(run(args.compare_server, args.port, False, args))


if __name__ == '__main__':
    main()
