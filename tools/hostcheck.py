#!/usr/bin/env python3
"""Black-box check of the stand-alone host over TCP, byte for byte.

Scripted players connect, sign in, chat, start games of both types, answer,
vote and misbehave; every message the host sends is compared with what the
protocol prescribes (texts, order, receivers, phase times, scores, winner).

Usage (each scenario starts its own host on a free port):
    python3 tools/hostcheck.py build/<dir>/bin/lexiburst-host [--second-ms 50]
                               [--only NAME ...] [--verbose]
Exit status 0 when every check passed; failures are listed at the end, with
the spread of the measured phase times. The players acknowledge every read at
once (TCP_QUICKACK); --delayed-acks leaves the system's delayed
acknowledgements on, which shows whether the host's small messages wait for
them (Nagle). Standard library only.
"""
import argparse
import os
import select
import socket
import subprocess
import sys
import tempfile
import time

TERM = b"\xff"
# Commands a client of the first protocol knows; it ignores any other name, so
# the scripted players set aside what the host adds (lead, return) unread.
CLIENT_COMMANDS = {
    "CMD_sendlogininfo", "CMD_chat", "CMD_action", "CMD_playasound", "CMD_newplayerinfo",
    "CMD_havewrongversion", "CMD_wrongversion", "CMD_existingplayers", "CMD_playerdisconnected",
    "CMD_full", "CMD_justwatching", "CMD_startgame", "CMD_winner", "CMD_startround",
    "CMD_endround", "CMD_showcat", "CMD_postscores", "CMD_noanswers", "CMD_roundover",
    "CMD_gamestats", "CMD_oneanswer", "CMD_tiegame",
}
VERSION = "1.0.4"

ARGS = None
FAILURES = []
CHECKS = [0]
DEVIATIONS = []  # (measured - wanted, wanted) of every timed step, in game seconds


def game_seconds(real):
    return real * 1000.0 / ARGS.second_ms


def fail(what):
    FAILURES.append(what)
    print("FAIL:", what, flush=True)


def check(cond, what):
    CHECKS[0] += 1
    if not cond:
        fail(what)
    return cond


def check_eq(got, want, what):
    CHECKS[0] += 1
    if got != want:
        fail("%s\n   got:  %r\n   want: %r" % (what, got, want))
        return False
    if ARGS.verbose:
        print("ok:", what, repr(got)[:100])
    return True


class Net:
    """All scripted connections of one scenario, read together."""

    def __init__(self, port):
        self.port = port
        self.players = []

    def pump(self, timeout):
        socks = [p.sock for p in self.players if not p.closed]
        if not socks:
            time.sleep(timeout)
            return
        readable, _, _ = select.select(socks, [], [], max(timeout, 0))
        now = time.monotonic()
        for p in self.players:
            if p.sock in readable:
                p.on_readable(now)

    def pump_for(self, duration):
        end = time.monotonic() + duration
        while True:
            left = end - time.monotonic()
            if left <= 0:
                return
            self.pump(left)

    def connect(self, label):
        p = Player(self, label)
        self.players.append(p)
        return p


class Player:
    def __init__(self, net, label):
        self.net = net
        self.label = label
        self.sock = socket.create_connection(("127.0.0.1", net.port))
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.buf = b""
        self.ignored = []
        self.msgs = []  # (receive time, text without terminator)
        self.pos = 0
        self.closed = False
        self.seat = None
        self.name = None

    def on_readable(self, now):
        try:
            data = self.sock.recv(65536)
        except ConnectionError:
            data = b""
        if not data:
            self.closed = True
            return
        self.buf += data
        if hasattr(socket, "TCP_QUICKACK") and not ARGS.delayed_acks:
            # Acknowledge at once: a delayed acknowledgement holds the host's
            # next small message back (Nagle) and would blur the phase times.
            self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_QUICKACK, 1)
        while TERM in self.buf:
            cut = self.buf.index(TERM)
            text = self.buf[:cut].decode("latin-1")
            self.buf = self.buf[cut + 1:]
            if text.split("+", 1)[0] in CLIENT_COMMANDS:
                self.msgs.append((now, text))
            else:
                self.ignored.append(text)

    def send(self, text, raw=False):
        data = text if raw else text.encode("latin-1") + TERM
        try:
            self.sock.sendall(data)
        except OSError as e:
            fail("%s: send failed: %s" % (self.label, e))

    def take(self, timeout=2.0):
        """Next unread message as (time, text), or (None, None)."""
        end = time.monotonic() + timeout
        while self.pos >= len(self.msgs):
            left = end - time.monotonic()
            if left <= 0 or (self.closed and self.pos >= len(self.msgs)):
                return None, None
            self.net.pump(left)
        item = self.msgs[self.pos]
        self.pos += 1
        return item

    def expect(self, want, what="", timeout=2.0):
        t, got = self.take(timeout)
        check_eq(got, want, "%s receives %s" % (self.label, what or want[:40]))
        return t

    def expect_prefix(self, prefix, timeout=2.0):
        t, got = self.take(timeout)
        check(got is not None and got.startswith(prefix),
              "%s: expected %r..., got %r" % (self.label, prefix, got))
        return t, got

    def unread(self):
        return [m for _, m in self.msgs[self.pos:]]

    def expect_quiet(self, what):
        extra = self.unread()
        self.pos = len(self.msgs)
        check_eq(extra, [], "%s gets nothing more (%s)" % (self.label, what))

    def wait_closed(self, timeout=2.0):
        end = time.monotonic() + timeout
        while not self.closed and time.monotonic() < end:
            self.net.pump(end - time.monotonic())
        return self.closed

    def close(self):
        self.sock.close()
        self.closed = True


class Host:
    def __init__(self):
        s = socket.socket()
        s.bind(("127.0.0.1", 0))
        self.port = s.getsockname()[1]
        s.close()
        self.home = tempfile.mkdtemp(prefix="hostcheck")
        env = dict(os.environ, LEXIBURST_SECOND_MS=str(ARGS.second_ms), LEXIBURST_HOME=self.home)
        self.log = open(os.path.join(self.home, "host.log"), "w+")
        self.proc = subprocess.Popen([ARGS.binary, "--port", str(self.port)], env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 10
        while time.monotonic() < end:
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=0.2).close()
                break
            except OSError:
                time.sleep(0.05)
        # That probe took seat 1 and left again; a host restarts the seat search
        # from 1, so the first player still gets seat 1.
        self.net = Net(self.port)
        time.sleep(0.1)

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        check(self.alive(), "host still running at the end of the scenario")
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
        check_eq(self.proc.returncode, 0, "host exit status after SIGTERM")
        self.log.seek(0)
        text = self.log.read()
        if "ERROR: AddressSanitizer" in text or "ERROR: LeakSanitizer" in text or "runtime error" in text:
            fail("sanitizer report in host log:\n" + text[-3000:])
        if ARGS.verbose:
            print(text)


# ---------------------------------------------------------------- helpers

def others(players, but):
    return [p for p in players if p is not but]


def sign_in(net, seated, label, name, version=VERSION, expect_seat=None, game_running=False, shown=None):
    """Connects and signs in one player; checks the announcements to all.
    shown: the name the host gives the player when it differs from the one sent."""
    p = net.connect(label)
    t, got = p.take()
    check(got is not None and got.startswith("CMD_sendlogininfo+"), "%s: seat message, got %r" % (label, got))
    seat = int(got.split("+")[1]) if got else 0
    if expect_seat is not None:
        check_eq(seat, expect_seat, "%s seat number" % label)
    p.seat, p.name = seat, name if shown is None else shown
    p.send("CMD_logininfo+%d+%s+%s" % (seat, version, name), raw=False)
    p.send("", raw=False)  # the client's second terminator
    everyone = sorted(seated + [p], key=lambda q: q.seat)
    for q in everyone:
        q.expect("CMD_newplayerinfo+%d+%s" % (seat, p.name))
    for q in everyone:
        if q is not p:
            p.expect("CMD_existingplayers+%d+%s" % (q.seat, q.name or ""))
    if version != VERSION:
        s1 = [q for q in seated if q.seat == 1]
        if s1:
            s1[0].expect("CMD_havewrongversion+" + name)
        p.expect("CMD_wrongversion+")
    if not game_running:
        net.pump_for(0.1)
        for q in everyone:
            q.expect_quiet("after %s signed in" % name)
    return p


def seat_of(players, seat):
    return [p for p in players if p.seat == seat][0]


def all_expect(players, text, what=""):
    times = [p.expect(text, what) for p in sorted(players, key=lambda q: q.seat)]
    return times[0]


def all_quiet(net, players, what, wait=0.15):
    net.pump_for(wait)
    for p in players:
        p.expect_quiet(what)


# ---------------------------------------------------------------- scenarios

def scenario_seating():
    h = Host()
    net = h.net
    try:
        seated = []
        p1 = sign_in(net, seated, "P1", "Alice", expect_seat=1)
        seated.append(p1)
        p2 = sign_in(net, seated, "P2", "Bob", expect_seat=2)
        seated.append(p2)
        # A connection that never signs in is in use and gets broadcasts.
        p3 = net.connect("P3")
        p3.expect("CMD_sendlogininfo+3")
        p3.seat = 3
        seated.append(p3)
        p4 = sign_in(net, seated, "P4", "Dan+Plus", version="1.0.3", expect_seat=4)
        seated.append(p4)
        p3.name = "Carol"
        p3.send("CMD_logininfo+3+%s+Carol" % VERSION)
        for q in seated:
            q.expect("CMD_newplayerinfo+3+Carol")
        for q in seated:
            if q is not p3:
                p3.expect("CMD_existingplayers+%d+%s" % (q.seat, q.name))
        for i in range(5, 10):
            seated.append(sign_in(net, seated, "P%d" % i, "Pl%d" % i, expect_seat=i))
        # Tenth connection: refused.
        p10 = net.connect("P10")
        p10.expect("CMD_full+")
        check(p10.wait_closed(), "refused connection is closed")
        check_eq(p10.unread(), [], "refused connection gets nothing but CMD_full+")
        all_quiet(net, seated, "after a refused connection")

        # Relays with "+" and "|" inside the free text.
        p2.send("CMD_chat+2+hello+world|x|clBlue")
        all_expect(seated, "CMD_chat+2+Bob chats: hello+world|x|clBlue")
        p4.send("CMD_action+4+waves + smiles|clRed")
        all_expect(seated, "CMD_action+4+Dan+Plus waves + smiles|clRed")
        p9 = seat_of(seated, 9)
        p9.send("CMD_playasound+9+wave3+")
        all_expect(seated, "CMD_playasound+9+wave3+")
        p2.send("CMD_chat+2+")
        all_expect(seated, "CMD_chat+2+Bob chats: ")
        # Impostors and bad seats are dropped.
        p3.send("CMD_chat+2+I am Bob|clBlack")
        p3.send("CMD_chat+0+nobody|clBlack")
        p3.send("CMD_chat+12+nobody|clBlack")
        p3.send("CMD_chat+x+nobody|clBlack")
        p3.send("CMD_action+-3+x|clBlack")
        p3.send("CMD_playasound+99999999999999999999+wave1+")
        p3.send("cmd_chat+3+lower case name")
        p3.send("CMD_chat")
        p3.send("CMD_chat+3+fine|clBlack")
        all_expect(seated, "CMD_chat+3+Carol chats: fine|clBlack", "the honest chat after dropped ones")
        all_quiet(net, seated, "after dropped chats")

        # Just watching while no game runs.
        p5 = seat_of(seated, 5)
        p5.send("CMD_justwatch+5+1")
        all_quiet(net, seated, "watching ignored while no game runs", 0.2)
        p5.send("CMD_justwatch+5+2")
        all_expect(seated, "CMD_justwatching+5+2")
        p9.send("CMD_justwatch+9+2")
        all_quiet(net, seated, "justwatch from the spectator seat ignored", 0.2)

        # Seat 3 leaves: everyone else hears it, the next newcomer takes seat 3.
        p3.close()
        seated.remove(p3)
        all_expect(seated, "CMD_playerdisconnected+3+Carol")
        p3b = sign_in(net, seated, "P3b", "Carla", expect_seat=3)
        seated.append(p3b)

        # Removal: only seat 1 may remove.
        p2.send("CMD_kickhim+2+4+")
        p5.send("CMD_kickhim+1+4+")
        all_quiet(net, seated, "kick requests not from seat 1", 0.2)
        check(not p4.closed, "seat 4 still connected after refused kicks")
        p1.send("CMD_kickhim+1+0+")
        p1.send("CMD_kickhim+1+11+")
        p1.send("CMD_kickhim+1+-1+")
        p1.send("CMD_kickhim+1+10+")
        all_quiet(net, seated, "kicks of seats out of range", 0.2)
        p1.send("CMD_kickhim+1+4+")
        seated.remove(p4)
        all_expect(seated, "CMD_playerdisconnected+4+Dan+Plus")
        check(p4.wait_closed(), "removed player's connection is closed")
        check_eq(p4.unread(), [], "removed player gets no message about itself")
        all_quiet(net, seated, "after the removal")
        # Seat 1 leaves: the next newcomer gets seat 1 and its rights.
        p1.close()
        seated.remove(p1)
        all_expect(seated, "CMD_playerdisconnected+1+Alice")
        p1b = sign_in(net, seated, "P1b", "Ann", expect_seat=1)
        seated.append(p1b)
        p1b.send("CMD_kickhim+1+5+")
        seated.remove(p5)
        all_expect(seated, "CMD_playerdisconnected+5+Pl5")
    finally:
        h.stop()


class Model:
    """What the host should do with a game, from the protocol's rules."""

    def __init__(self, all_scoring, dups_allowed):
        self.all_scoring = all_scoring
        self.dups_allowed = dups_allowed
        self.score = [0] * 12
        self.names = {}
        self.inuse = set()
        self.new_round()

    def new_round(self):
        self.answers = [[""] * 9 for _ in range(12)]
        self.votes_for = [[0] * 9 for _ in range(12)]

    def store(self, seat, pairs):
        if seat > 8:
            return
        for cat, text in pairs.items():
            self.answers[seat][cat] = text

    def show(self, cat, name):
        """The message that puts category number cat, named name, to the vote."""
        self.cat = cat
        self.voted_for = [0] * 12
        self.against = [0] * 12
        self.declined = set()
        self.dup = [0] * 12
        if not self.all_scoring and not self.dups_allowed:
            for a in range(1, 9):
                for b in range(1, 9):
                    if a != b and self.answers[a][cat] and \
                            self.answers[a][cat].lower() == self.answers[b][cat].lower():
                        self.dup[a] = 1
        groups = ["+%d+%s+%d" % (s, self.answers[s][cat], self.dup[s])
                  for s in range(1, 9) if self.answers[s][cat]]
        if not groups:
            return "CMD_noanswers+%s+" % name, 0
        return "CMD_showcat+%s+%d%s" % (name, len(groups), "".join(groups)), len(groups)

    def vote(self, voter, kind, target):
        c = self.cat
        if voter > 8 or not (1 <= target <= 8):
            return
        if kind == "against":
            if (voter, target) in self.declined:
                return
            self.declined.add((voter, target))
            self.against[target] += 1
            return
        if self.all_scoring or self.voted_for[voter] or voter == target:
            return
        ans = self.answers[target][c]
        if not ans or self.dup[target]:
            return
        self.votes_for[target][c] += 1
        for s in range(1, 9):
            if s != target and self.answers[s][c] and self.answers[s][c].lower() == ans.lower():
                self.votes_for[s][c] += 1
        self.voted_for[voter] = target

    def post(self):
        c = self.cat
        out = "CMD_postscores"
        n = len([s for s in self.inuse if s <= 8])
        if self.all_scoring:
            for s in range(1, 9):
                if s in self.inuse and self.answers[s][c]:
                    yes = n - self.against[s]
                    acc = 1 if self.against[s] <= n // 2 else 0
                    self.score[s] += acc
                    out += "+%d+%d+%d+%d" % (s, acc, yes, self.score[s])
            return out
        top = max([self.votes_for[s][c] for s in self.inuse if s <= 8] or [0])
        for s in range(1, 9):
            v = self.votes_for[s][c]
            if v == top:
                self.score[s] += v
                out += "+%d+%d+%d+%d" % (s, v, v, self.score[s])
            elif self.voted_for[s] and self.votes_for[self.voted_for[s]][c] == top:
                self.score[s] += 1
                out += "+%d+1+%d+%d" % (s, v, self.score[s])
            else:
                out += "+%d+0+%d+%d" % (s, v, self.score[s])
        return out

    def winner_test(self):
        leader = 1
        for s in range(2, 9):
            if s in self.inuse and self.score[s] > self.score[leader]:
                leader = s
        for s in range(1, 9):
            if s != leader and self.score[s] == self.score[leader]:
                return "CMD_tiegame+", leader
        return "CMD_winner+%s+" % (self.names.get(leader) or "Missing"), leader


class GameRun:
    def __init__(self, net, players, model, turn_time, rounds):
        self.net = net
        self.players = players
        self.m = model
        self.turn_time = turn_time
        self.rounds = rounds
        self.last = None  # seat-1 receive time of the previous game message
        self.round_no = 0
        self.cats = []
        self.letter = None
        self.extra_votes = {}
        self.phase, self.left = 0, 0

    def active(self):
        return sorted([p for p in self.players if not p.closed], key=lambda q: q.seat)

    def sync_model(self):
        self.m.inuse = set(p.seat for p in self.active())
        self.m.names = dict((p.seat, p.name) for p in self.active())

    def bcast(self, text, what, after=None):
        t = all_expect(self.active(), text, what)
        self.timed(t, after, what)
        return t

    def timed(self, t, after, what):
        if t is not None and after is not None and self.last is not None:
            got = game_seconds(t - self.last)
            DEVIATIONS.append((got - after, after))
            if not check(abs(got - after) <= ARGS.tolerance,
                         "%s after %.2f game s, want %d" % (what, got, after)) and ARGS.verbose:
                p = self.active()[0]
                for tm, m in p.msgs[max(0, p.pos - 8):p.pos]:
                    print("   %8.3f %s" % (game_seconds(tm - self.last), m[:60]))
        if t is not None:
            self.last = t

    def start_round(self, after):
        self.round_no += 1
        got = None
        for p in self.active():
            t, text = p.expect_prefix("CMD_startround+")
            if p.seat == self.active()[0].seat:
                self.timed(t, after, "startround %d" % self.round_no)
                got = text
            elif text is not None and got is not None:
                check_eq(text, got, "%s gets the same round start" % p.label)
        if got is None:
            return False
        f = got.split("+")
        check_eq(f[1], str(self.round_no), "round number")
        self.letter = int(f[2])
        check(0 <= self.letter <= 19, "letter index %d in 0..19" % self.letter)
        check_eq(len(f), 19, "startround field count")
        check_eq([f[3 + 2 * i] for i in range(8)], [str(i) for i in range(1, 9)], "category numbers")
        self.cats = [f[4 + 2 * i] for i in range(8)]
        check(all(self.cats), "eight non-empty categories")
        # The master list holds only these texts twice; otherwise a round's eight differ.
        twice = {"Footwear", "Tv Show", "Desserts "}
        repeated = set(c for c in self.cats if self.cats.count(c) > 1)
        check(repeated <= twice, "categories of one round differ: %r" % self.cats)
        check(all("+" not in c and "\xff" not in c for c in self.cats), "no separator inside a category")
        self.m.new_round()
        return True

    def send_answers(self, p, pairs):
        text = "CMD_myanswers+%d" % p.seat + "".join("+%d+%s" % (c, a) for c, a in sorted(pairs.items()))
        p.send(text)
        self.m.store(p.seat, pairs)

    def play_round(self, answers, votes, after_start, late=None, hooks=None):
        """answers: {seat: {cat: text}} sent at round start; late: the same, sent
        after the end of answer time; votes: {cat: [(voter, 'for'|'against', target)]};
        hooks: {cat: fn(run)} run after category cat is shown."""
        hooks = hooks or {}
        if not self.start_round(after_start):
            return
        for p in self.active():
            if p.seat in answers:
                self.send_answers(p, answers[p.seat])
        self.bcast("CMD_endround+", "end of answer time", self.turn_time + 4)
        self.phase, self.left = 2, 3
        for p in self.active():
            if late and p.seat in late:
                self.send_answers(p, late[p.seat])
        wait = 3
        for cat in range(1, 9):
            if cat in hooks:
                hooks[cat](self, "before")
            self.sync_model()
            text, count = self.m.show(cat, self.cats[cat - 1])
            self.bcast(text, "category %d shown" % cat, wait)
            self.phase, self.left = (5, 2) if count == 0 else (4, 10 if count <= 3 else 13 if count <= 6 else 16)
            if cat in hooks:
                hooks[cat](self, "after")
            if count == 0:
                wait = 2
                continue
            for voter, kind, target in votes.get(cat, []) + self.extra_votes.pop(cat, []):
                p = [q for q in self.active() if q.seat == voter]
                if p:
                    p[0].send("CMD_vote%s+%d+%d+" % (kind, voter, target))
                    self.m.vote(voter, kind, target)
            self.sync_model()
            self.bcast(self.m.post(), "scores of category %d" % cat,
                       10 if count <= 3 else 13 if count <= 6 else 16)
            self.phase, self.left = 2, 5
            wait = 5
        self.bcast("CMD_roundover+", "round over", wait)

    def next_round_or_end(self, *a, **kw):
        """After a round: the winner test when due, then maybe another round."""
        if self.round_no + 1 > self.rounds:
            self.sync_model()
            text, _ = self.m.winner_test()
            self.bcast(text, "winner test", 10)
            if text.startswith("CMD_winner"):
                all_quiet(self.net, self.active(), "after the winner", game_seconds_to_real(14))
                return text
            self.play_round(*a, after_start=0, **kw)
            return text
        self.play_round(*a, after_start=10, **kw)
        return None


def game_seconds_to_real(s):
    return s * ARGS.second_ms / 1000.0


def force_tie_answers(run):
    """Late answers for category 8 that leave at least two seats level on top."""
    m = run.m
    seats = sorted(s for s in m.inuse if s <= 8)
    top = max(m.score[s] for s in seats)
    if len([s for s in seats if m.score[s] == top]) >= 2:
        return []
    give = [s for s in seats if m.score[s] == top - 1][:1]
    if not give:
        print("note: the script could not set up a tie:", m.score[1:9])
    if ARGS.verbose:
        print("tie setup: scores", m.score[1:9], "answers from", give)
    return give


def sign_in_players(net, names):
    seated = []
    for i, name in enumerate(names, start=1):
        seated.append(sign_in(net, seated, "P%d" % i, name, expect_seat=i))
    return seated


def scenario_all_scoring():
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob", "Carol", "Dan", "Eve", "Fay", "Gus", "Hal"])
        p1, p2 = players[0], players[1]
        # Only seat 1 starts a game, and only as itself.
        p2.send("CMD_startgame+Bob+1+1+1+1+")
        p2.send("CMD_startgame+Alice+1+1+1+1+")
        all_quiet(net, players, "start requests not from seat 1", 0.2)
        p1.send("CMD_startgame+Alice+2+1+1+1+")
        all_expect(players, "CMD_startgame+Alice+2+1+1+1+")
        run = GameRun(net, players, Model(True, True), turn_time=1, rounds=2)
        run.sync_model()
        words = ["apple", "Apple", "ant", "", "axe", "arm", "APPLE", "ale"]
        answers = {}
        for s in range(1, 9):
            answers[s] = {1: words[s - 1] if s <= 3 else "",   # 3 answers
                          2: "",                                 # nobody
                          3: "",                                 # late answers only
                          4: words[s - 1],                       # 7 answers
                          5: "x" if s <= 5 else "",              # 5 answers
                          6: "", 7: "same" if s == 2 else "",
                          8: ""}
        late = {4: {3: "late4"}, 5: {3: "late5"}}
        votes = {1: [(1, "against", 2), (3, "against", 2), (1, "against", 3), (2, "against", 3),
                     (4, "against", 3), (5, "against", 3), (6, "against", 3),
                     (1, "against", 3)],      # a second refusal by seat 1 counts once
                 4: [(s, "against", 5) for s in (1, 2, 3, 4)] + [(s, "against", 6) for s in (1, 2, 3, 4, 7)],
                 5: [(2, "for", 1)]}          # votes for do not count in this game type

        def spectator_and_watch(run, when):
            if when != "after":
                return
            # A spectator joins during voting and gets the snapshot.
            joined = sign_in(net, run.active(), "P9", "Spy", expect_seat=9, game_running=True)
            t, snap = joined.expect_prefix("CMD_gamestats+")
            check_snapshot(run, snap, 9)
            run.players.append(joined)
            joined.send("CMD_voteagainst+9+1+")
            joined.send("CMD_myanswers+9+6+spy")
            p3 = seat_of(run.players, 3)
            p3.send("CMD_justwatch+3+1")
            all_expect(run.active(), "CMD_justwatching+3+1")
            p10 = net.connect("P10")
            p10.expect("CMD_full+")
            check(p10.wait_closed(), "tenth connection closed during a game")
            net.players.remove(p10)

        run.play_round(answers, votes, after_start=None, late=late, hooks={5: spectator_and_watch})

        # Round 2: Hal (seat 8) leaves after answering; seat 8 is kept for him,
        # but with every other seat taken it is given up to a newcomer, who
        # plays with a score and answers of its own; late answers for category
        # 8 force a tie.
        answers2 = {s: {c: ("w%d" % s if c in (1, 2, 3) else "") for c in range(1, 9)} for s in range(1, 9)}

        def leave(run, when):
            if when != "before":
                return
            hal = seat_of(run.players, 8)
            hal.close()
            run.players.remove(hal)
            all_expect(run.active(), "CMD_playerdisconnected+8+Hal")

        def rejoin(run, when):
            if when != "after":
                return
            run.m.score[8] = 0
            run.m.answers[8] = [""] * 9
            joined = sign_in(net, run.active(), "P8b", "Ivy", expect_seat=8, game_running=True)
            t, snap = joined.expect_prefix("CMD_gamestats+")
            check_snapshot(run, snap, 8)
            run.players.append(joined)

        def tie(run, when):
            if when != "before":
                return
            run.sync_model()
            for s in force_tie_answers(run):
                run.send_answers(seat_of(run.active(), s), {8: "tie%d" % s})
            net.pump_for(0.05)

        votes2 = {1: [(1, "against", 2)], 2: [(2, "against", 1), (3, "against", 1)]}
        # The hooks run on the category shown next; answers for 8 go in during category 7.
        run.next_round_or_end(answers2, votes2, hooks={2: leave, 3: rejoin, 8: tie})
        run.sync_model()
        check_eq(run.m.winner_test()[0], "CMD_tiegame+", "(the script set up a tie)")

        def single(run, when):
            if when != "before":
                return
            run.sync_model()
            _, leader = run.m.winner_test()
            run.send_answers(seat_of(run.active(), leader), {8: "win"})
            net.pump_for(0.05)

        results = finish_game(run, single)
        check_eq(results[0], "CMD_tiegame+", "tie declared at the end of the regular rounds")
        # No game runs now: watching is refused and a newcomer gets no snapshot.
        seat_of(run.players, 2).send("CMD_justwatch+2+1")
        all_quiet(net, run.active(), "watching after the game ended", 0.2)
    finally:
        h.stop()


def check_snapshot(run, snap, seat):
    if snap is None:
        return
    phase, left = run.phase, run.left
    f = snap.split("+")
    head = f[1:9]
    want = [str(seat), str(phase), str(run.rounds), str(run.round_no), str(run.turn_time), None,
            str(run.letter), "1" if run.m.all_scoring else "0"]
    for i, (g, w) in enumerate(zip(head, want)):
        if w is not None:
            check_eq(g, w, "snapshot field %d" % (i + 1))
    secs = int(head[5]) if head[5].lstrip("-").isdigit() else -99
    elapsed = game_seconds(time.monotonic() - run.last)
    check(abs(secs - (left - elapsed)) <= 1.5, "snapshot seconds left %d, about %.1f expected" % (secs, left - elapsed))
    rest = "+".join(f[9:])
    want_rest = "+".join("s+%d+%d" % (s, run.m.score[s]) for s in range(1, 9)) + "+" + \
        "+".join("c+%d+%s" % (i + 1, c) for i, c in enumerate(run.cats))
    check_eq(rest, want_rest, "snapshot scores and categories")


def one_winner_tie_hook(run, when):
    """Before category 8: a single leader gets company through votes for a runner-up."""
    if when != "before":
        return
    m = run.m
    run.sync_model()
    seats = sorted(s for s in m.inuse if s <= 8)
    top = max(m.score[s] for s in seats)
    leaders = [s for s in seats if m.score[s] == top]
    if len(leaders) >= 2:
        return
    a = leaders[0]
    second = max(m.score[s] for s in seats if s != a)
    b = [s for s in seats if s != a and m.score[s] == second][0]
    voters = [s for s in seats if s not in (a, b)]
    need = top - second
    if need > len(voters):
        print("note: the script could not set up a tie")
        return
    run.send_answers(seat_of(run.active(), b), {8: "bb"})
    run.extra_votes[8] = [(v, "for", b) for v in voters[:need]]
    run.net.pump_for(0.05)


def one_winner_single_hook(run, when):
    """Before category 8: the first leader gets one vote from the last of the field."""
    if when != "before":
        return
    m = run.m
    run.sync_model()
    _, a = m.winner_test()
    seats = sorted(s for s in m.inuse if s <= 8 and s != a)
    v = min(seats, key=lambda s: m.score[s])
    run.send_answers(seat_of(run.active(), a), {8: "win"})
    run.extra_votes[8] = [(v, "for", a)]
    run.net.pump_for(0.05)


def finish_game(run, hook):
    results = []
    for _ in range(4):
        r = run.next_round_or_end({}, {}, hooks={8: hook})
        results.append(r)
        if r is None or r.startswith("CMD_winner"):
            break
    check(results and results[-1] is not None and results[-1].startswith("CMD_winner+"),
          "game ends with a winner, got %r" % results)
    return results


def scenario_one_winner(dups_allowed):
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob", "Carol", "Dan", "Eve"])
        p1 = players[0]
        dup = "1" if dups_allowed else "0"
        # Fields that are no numbers take their defaults; a zero turn time too.
        p1.send("CMD_startgame+Alice+abc++0+%s+" % dup)
        all_expect(players, "CMD_startgame+Alice+5+60+0+%s+" % dup)
        for p in players:
            p.expect_prefix("CMD_startround+1+")
        p1.send("CMD_startgame+Alice+1+0+0+1+")
        all_expect(players, "CMD_startgame+Alice+1+60+0+1+")
        for p in players:
            p.expect_prefix("CMD_startround+1+")
        # Restart with the game under test; the earlier clocks must not fire.
        p1.send("CMD_startgame+Alice+1+1+0+%s+" % dup)
        all_expect(players, "CMD_startgame+Alice+1+1+0+%s+" % dup)
        run = GameRun(net, players, Model(False, dups_allowed), turn_time=1, rounds=1)
        run.sync_model()
        answers = {1: {1: "Apple", 2: "bee", 3: "", 4: "one", 5: "x", 6: "", 7: "", 8: ""},
                   2: {1: "apple", 2: "bee", 3: "", 4: "two", 5: "", 6: "", 7: "", 8: ""},
                   3: {1: "ant", 2: "BEE", 3: "", 4: "three", 5: "", 6: "", 7: "", 8: ""},
                   4: {1: "", 2: "", 3: "", 4: "four", 5: "", 6: "", 7: "", 8: ""},
                   5: {1: "axe", 2: "", 3: "", 4: "five", 5: "", 6: "", 7: "", 8: ""}}
        votes = {1: [(3, "for", 1), (4, "for", 3), (1, "for", 3), (1, "for", 2), (2, "for", 2),
                     (5, "for", 4), (5, "for", 6), (5, "for", 0), (5, "for", 9), (2, "against", 5)],
                 2: [(4, "for", 1), (5, "for", 3)],
                 4: [(1, "for", 2), (2, "for", 3), (3, "for", 2), (4, "for", 3), (5, "for", 1)]}
        late = {3: {3: "late"}}
        run.play_round(answers, votes, after_start=None, late=late, hooks={8: one_winner_tie_hook})
        finish_game(run, one_winner_single_hook)
    finally:
        h.stop()


def scenario_hostile():
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob"])
        p1, p2 = players
        bad = net.connect("Bad")
        bad.expect("CMD_sendlogininfo+3")
        bad.seat = 3
        # Impostor sign-in and messages for other seats.
        bad.send("CMD_logininfo+2+%s+Mallory" % VERSION)
        bad.send("CMD_logininfo+1+%s+Mallory" % VERSION)
        bad.send("CMD_logininfo+0+%s+Mallory" % VERSION)
        bad.send("CMD_logininfo+99+%s+Mallory" % VERSION)
        bad.send("CMD_startgame+Alice+1+1+1+1+")
        bad.send("CMD_kickhim+1+2+")
        bad.send("CMD_justwatch+2+2")
        bad.send("CMD_myanswers+3+0+x+9+y+-1+z+99999999999+w")
        bad.send("CMD_votefor+3+0+")
        bad.send("CMD_voteagainst+3+12+")
        bad.send("CMD_votefor+3+x+")
        bad.send("CMD_chat+3+\r\nCMD_chat+1+crlf|clRed")
        bad.send(bytes(range(256)) * 3, raw=True)
        bad.send(b"\xff\xff\xff+++@@@\xff", raw=True)
        all_p = [p1, p2]
        net.pump_for(0.5)
        for p in all_p:
            for m in p.unread():
                check(not m.startswith("CMD_newplayerinfo") and not m.startswith("CMD_startgame")
                      and not m.startswith("CMD_playerdisconnected"),
                      "%s: hostile input caused %r" % (p.label, m))
            p.pos = len(p.msgs)
        check(not p2.closed, "seat 2 not removed by an impostor")
        # A huge unterminated message.
        try:
            bad.sock.sendall(b"CMD_chat+3+" + b"A" * 100000)
        except OSError:
            pass
        net.pump_for(0.5)
        check(h.alive(), "host alive after 100 KB without terminator")
        # Dropping the flooding connection is fine; then it is announced.
        for p in all_p:
            for m in p.unread():
                check_eq(m, "CMD_playerdisconnected+3+", "%s: only the flooder's departure" % p.label)
            p.pos = len(p.msgs)
        p2.send("CMD_chat+2+still here|clBlack")
        all_expect(all_p, "CMD_chat+2+Bob chats: still here|clBlack", "honest chat after the flood")
        if bad.closed:
            print("note: the host dropped the connection that sent 100 KB without terminator")
        # A new honest player still gets the right seat and a game runs.
        if not bad.closed:
            bad.close()
            net.pump_for(0.2)
            for p in all_p:
                for m in p.unread():
                    check(m.startswith("CMD_playerdisconnected+3+"), "%s: %r" % (p.label, m))
                p.pos = len(p.msgs)
        p3 = sign_in(net, all_p, "P3", "Carol", expect_seat=3)
        all_p.append(p3)
        p1.send("CMD_startgame+Alice+1+1+1+1+")
        all_expect(all_p, "CMD_startgame+Alice+1+1+1+1+")
        run = GameRun(net, all_p, Model(True, True), turn_time=1, rounds=1)
        run.sync_model()
        def cut_short(run, when):
            # A last pair without its answer: the list's end mark is no answer.
            if when == "before":
                p1.send("CMD_myanswers+1+2+b+3")
                run.m.store(1, {2: "b", 3: ""})
                net.pump_for(0.05)

        run.play_round({1: {1: "a"}, 2: {1: "b"}, 3: {1: "c"}}, {1: [(1, "against", 2)]}, after_start=None,
                       hooks={1: cut_short})
    finally:
        h.stop()


def scenario_missing_and_departed():
    """Seat 1 signs in with a blank name and plays as its stand-in; a departed
    seat's score ties. (A seat that never signs in is closed after 60 game seconds.)"""
    h = Host()
    net = h.net
    try:
        p1 = sign_in(net, [], "P1", " ", expect_seat=1, shown="Player 1")
        players = [p1]
        players.append(sign_in(net, players, "P2", "Bea", expect_seat=2))
        players.append(sign_in(net, players, "P3", "Cid", expect_seat=3))
        p1.send("CMD_startgame+Host+1+1+1+1+")
        all_expect(players, "CMD_startgame+Host+1+1+1+1+")
        run = GameRun(net, players, Model(True, True), turn_time=1, rounds=1)
        run.sync_model()

        def leave(run, when):
            if when == "before":
                p3 = seat_of(run.players, 3)
                p3.close()
                run.players.remove(p3)
                all_expect(run.active(), "CMD_playerdisconnected+3+Cid")

        run.play_round({1: {1: "one"}, 3: {1: "three"}}, {}, after_start=None, hooks={2: leave})
        run.sync_model()
        check_eq(run.m.winner_test()[0], "CMD_tiegame+", "(the script set up a tie with a departed seat)")

        def lead(run, when):
            if when == "before":
                run.send_answers(p1, {8: "more"})
                net.pump_for(0.05)

        results = finish_game(run, lead)
        check_eq(results, ["CMD_tiegame+", "CMD_winner+Player 1+"], "tie with a departed seat, then the stand-in wins")
    finally:
        h.stop()


def scenario_extras():
    """Renaming, 8-bit text, watching set by seat 1, odd start fields, snapshots
    in other phases, answers that are only blanks or sent twice."""
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob", "Z\xf6\xeb"])
        p1, p2, p3 = players
        p3.send("CMD_chat+3+\xe9t\xe9 \xa3|clBlack")
        all_expect(players, "CMD_chat+3+Z\xf6\xeb chats: \xe9t\xe9 \xa3|clBlack")
        # A second sign-in from the same seat renames it.
        p2.send("CMD_logininfo+2+%s+Bobby" % VERSION)
        all_expect(players, "CMD_newplayerinfo+2+Bobby")
        p2.expect("CMD_existingplayers+1+Alice")
        p2.expect("CMD_existingplayers+3+Z\xf6\xeb")
        p2.name = "Bobby"
        all_quiet(net, players, "after the rename")
        # Rounds 0: the winner test runs at once; all on 0 is a tie and round 1 is played.
        p1.send("CMD_startgame+Alice+0+1+x+y+")
        all_expect(players, "CMD_startgame+Alice+0+1+x+y+")
        all_expect(players, "CMD_tiegame+")
        run = GameRun(net, players, Model(True, False), turn_time=1, rounds=0)
        run.sync_model()
        run.round_no = 0
        # Watching: seat 1 may set another seat; malformed states are ignored.
        p1.send("CMD_justwatch+2+1")
        p2.send("CMD_justwatch+2+1x")
        p2.send("CMD_justwatch+2+3")
        p3.send("CMD_justwatch+2+1")

        def join_now(run, label, name, seat):
            joined = sign_in(net, run.active(), label, name, expect_seat=seat, game_running=True)
            t, snap = joined.expect_prefix("CMD_gamestats+")
            check_snapshot(run, snap, seat)
            run.players.append(joined)
            return joined

        def during_answers(run, when):
            if when == "before":
                all_expect(run.active(), "CMD_justwatching+2+1")
                run.phase, run.left = 1, run.turn_time + 4

        answers = {1: {1: " ", 2: "a", 3: "x"}, 2: {1: "  ", 2: "b"}, 3: {1: "Apple ", 2: "c"}}
        if not run.start_round(None):
            return
        run.phase, run.left = 1, 5
        all_expect(run.active(), "CMD_justwatching+2+1")
        net.pump_for(game_seconds_to_real(1))
        join_now(run, "P4", "Dee", 4)
        for p in run.active():
            if p.seat in answers:
                run.send_answers(p, answers[p.seat])
        p3.send("CMD_myanswers+3+2+second")
        run.m.store(3, {2: "second"})
        run.bcast("CMD_endround+", "end of answer time", run.turn_time + 4)
        wait = 3
        for cat in range(1, 9):
            text, count = run.m.show(cat, run.cats[cat - 1])
            run.bcast(text, "category %d shown" % cat, wait)
            if count:
                run.sync_model()
                run.bcast(run.m.post(), "scores of category %d" % cat,
                          10 if count <= 3 else 13 if count <= 6 else 16)
                wait = 5
            else:
                wait = 2
        run.bcast("CMD_roundover+", "round over", wait)
        run.phase, run.left = 3, 10
        net.pump_for(game_seconds_to_real(2))
        join_now(run, "P5", "Eli", 5)
        run.sync_model()
        text, _ = run.m.winner_test()
        run.bcast(text, "winner test", 10)
        if text.startswith("CMD_winner"):
            p6 = sign_in(net, run.active(), "P6", "Fin", expect_seat=6)
            check_eq(p6.unread(), [], "no snapshot after the game ended")
    finally:
        h.stop()


def scenario_framing():
    """Messages cut into pieces, many in one write, long and empty entries."""
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob"])
        p1, p2 = players
        for piece in [b"CMD_ch", b"at+2+hel", b"lo|clBl", b"ack\xff"]:
            p2.send(piece, raw=True)
            net.pump_for(0.03)
        all_expect(players, "CMD_chat+2+Bob chats: hello|clBlack", "a message sent in four pieces")
        burst = b"".join(b"CMD_chat+2+n%d|clBlack\xff\xff" % i for i in range(40))
        p2.send(burst, raw=True)
        for i in range(40):
            all_expect(players, "CMD_chat+2+Bob chats: n%d|clBlack" % i, "burst message %d" % i)
        long_text = "L" * 5000
        p1.send("CMD_chat+1+%s|clBlack" % long_text)
        t, got = p2.take()
        check(got in ("CMD_chat+1+Alice chats: %s|clBlack" % long_text,
                      ("CMD_chat+1+Alice chats: " + ("CMD_chat+1+%s|clBlack" % long_text)[11:4096])),
              "a 5000-character chat is relayed whole or cut at 4096 (got %d chars)" % len(got or ""))
        p1.pos = len(p1.msgs)
        all_quiet(net, players, "after the long chat")
    finally:
        h.stop()


def scenario_churn():
    """Connections that come and go, resets, seat 1 leaving during a game."""
    h = Host()
    net = h.net
    try:
        players = sign_in_players(net, ["Alice", "Bob"])
        p1, p2 = players
        for i in range(30):
            c = net.connect("C%d" % i)
            if i % 3 == 0:
                c.take()
                c.send("CMD_logininfo+3+%s+Tmp%d" % (VERSION, i))
            if i % 2:
                c.sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")
            c.close()
            net.players.remove(c)
        net.pump_for(0.5)
        for p in players:
            p.pos = len(p.msgs)
        check(h.alive(), "host alive after 30 short connections")
        p3 = sign_in(net, players, "P3", "Carol", expect_seat=3)
        players.append(p3)
        p1.send("CMD_startgame+Alice+1+1+1+1+")
        all_expect(players, "CMD_startgame+Alice+1+1+1+1+")
        run = GameRun(net, players, Model(True, True), turn_time=1, rounds=1)
        run.sync_model()

        def seat1_leaves_and_returns(run, when):
            if when != "after":
                return
            old = seat_of(run.players, 1)
            old.close()
            run.players.remove(old)
            all_expect(run.active(), "CMD_playerdisconnected+1+Alice")
            # Seat 1 is kept for Alice: a newcomer with another name sits
            # elsewhere, and the lead has passed to Bob on seat 2.
            back = sign_in(net, run.active(), "P1b", "Alice2", game_running=True)
            check(back.seat not in (0, 1), "a newcomer does not take the seat kept for Alice")
            t, snap = back.expect_prefix("CMD_gamestats+")
            check_snapshot(run, snap, back.seat)
            run.players.append(back)
            back.send("CMD_kickhim+%d+3+" % back.seat)
            seat_of(run.players, 2).send("CMD_kickhim+2+3+")
            run.players.remove(seat_of(run.players, 3))
            all_expect(run.active(), "CMD_playerdisconnected+3+Carol")

        run.play_round({1: {1: "a", 2: "b"}, 2: {1: "c", 2: "d"}, 3: {1: "e"}}, {}, after_start=None,
                       hooks={1: seat1_leaves_and_returns})
        run.sync_model()
        text, _ = run.m.winner_test()
        run.bcast(text, "winner test", 10)
    finally:
        h.stop()


SCENARIOS = {
    "seating": scenario_seating,
    "allscoring": scenario_all_scoring,
    "onewinner_dups": lambda: scenario_one_winner(True),
    "onewinner_nodups": lambda: scenario_one_winner(False),
    "missing": scenario_missing_and_departed,
    "extras": scenario_extras,
    "framing": scenario_framing,
    "churn": scenario_churn,
    "hostile": scenario_hostile,
}


def main():
    global ARGS
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("binary")
    ap.add_argument("--second-ms", type=int, default=50)
    ap.add_argument("--tolerance", type=float, default=0.75, help="game seconds")
    ap.add_argument("--only", nargs="*")
    ap.add_argument("--verbose", action="store_true")
    ap.add_argument("--delayed-acks", action="store_true",
                    help="leave the system's delayed acknowledgements on, as most clients do")
    ARGS = ap.parse_args()
    for name, fn in SCENARIOS.items():
        if ARGS.only and name not in ARGS.only:
            continue
        print("==", name, flush=True)
        before = len(FAILURES)
        try:
            fn()
        except Exception as e:  # report and go on with the next scenario
            import traceback
            traceback.print_exc()
            fail("%s: exception %r" % (name, e))
        print("== %s: %s" % (name, "ok" if len(FAILURES) == before else "%d failures" % (len(FAILURES) - before)))
    if DEVIATIONS:
        devs = [d for d, _ in DEVIATIONS]
        print("%d timed steps: deviation %.2f to %.2f game s, mean %.2f"
              % (len(devs), min(devs), max(devs), sum(devs) / len(devs)))
    print("%d checks, %d failures" % (CHECKS[0], len(FAILURES)))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
