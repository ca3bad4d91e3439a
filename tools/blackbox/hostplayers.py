"""Scripted players at the stand-alone host: connections, sign-in and what all of them hear."""

import functools
import select
import socket
import time

from .report import ARGS, check, check_eq, check_no_sanitizer_report, fail
from .wire import VERSION, Connection, HostProcess

# Commands a client of the first protocol knows; it ignores any other name, so
# the scripted players set aside what the host adds (lead, return) unread.
CLIENT_COMMANDS = {
    "CMD_sendlogininfo", "CMD_chat", "CMD_action", "CMD_playasound", "CMD_newplayerinfo",
    "CMD_havewrongversion", "CMD_wrongversion", "CMD_existingplayers", "CMD_playerdisconnected",
    "CMD_full", "CMD_justwatching", "CMD_startgame", "CMD_winner", "CMD_startround",
    "CMD_endround", "CMD_showcat", "CMD_postscores", "CMD_noanswers", "CMD_roundover",
    "CMD_gamestats", "CMD_oneanswer", "CMD_tiegame",
}


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


class Player(Connection):
    """A scripted player at the host; what it reads is kept with the time it arrived."""

    def __init__(self, net, label):
        super().__init__(socket.create_connection(("127.0.0.1", net.port)), label)
        self.net = net
        self.ignored = []
        self.msgs = []  # (receive time, text without terminator)
        self.pos = 0
        self.seat = None
        self.name = None

    def pump(self, timeout):
        self.net.pump(timeout)

    def on_readable(self, now):
        for text in self.receive():
            if text.split("+", 1)[0] in CLIENT_COMMANDS:
                self.msgs.append((now, text))
            else:
                self.ignored.append(text)

    def received(self, data):
        if hasattr(socket, "TCP_QUICKACK") and not ARGS.delayed_acks:
            # Acknowledge at once: a delayed acknowledgement holds the host's
            # next small message back (Nagle) and would blur the phase times.
            self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_QUICKACK, 1)

    def send(self, data):
        try:
            super().send(data)
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

    def close(self):
        self.sock.close()
        self.closed = True


class Host:
    """The host under test with the scripted players of one scenario."""

    def __init__(self):
        self.process = HostProcess(ARGS.binary, ARGS.second_ms, "hostcheck")
        self.process.wait_listening()
        # That probe took seat 1 and left again; a host restarts the seat search
        # from 1, so the first player still gets seat 1.
        self.net = Net(self.process.port)
        time.sleep(0.1)

    def alive(self):
        return self.process.alive()

    def stop(self):
        check(self.alive(), "host still running at the end of the scenario")
        text = self.process.stop()
        check_eq(self.process.proc.returncode, 0, "host exit status after SIGTERM")
        check_no_sanitizer_report(text, "host log")
        if ARGS.verbose:
            print(text)


def with_host(scenario):
    """Runs a scenario against a host of its own, stopped and checked at the end."""

    @functools.wraps(scenario)
    def run(*args):
        h = Host()
        try:
            scenario(h, h.net, *args)
        finally:
            h.stop()

    return run


# ---------------------------------------------------------------- helpers

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
    p.send("CMD_logininfo+%d+%s+%s" % (seat, version, name))
    p.send("")  # the client's second terminator
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


def sign_in_players(net, names):
    seated = []
    for i, name in enumerate(names, start=1):
        seated.append(sign_in(net, seated, "P%d" % i, name, expect_seat=i))
    return seated
