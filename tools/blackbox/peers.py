"""Scripted players and a scripted host that talk to a copy of the game, and their wire texts."""

import contextlib
import functools
import os
import pwd
import select
import socket
import time

from .program import Program
from .report import ARGS, check_eq, fail
from .wire import TERM, VERSION, Connection, free_port

class Peer(Connection):
    """A scripted player or host at the game; keeps the raw bytes it read too."""

    def __init__(self, sock, label):
        super().__init__(sock, label)
        self.raw = b""
        self.msgs = []
        self.pos = 0

    def pump(self, timeout):
        if self.closed:
            time.sleep(max(timeout, 0))
            return
        r, _, _ = select.select([self.sock], [], [], max(timeout, 0))
        if r:
            self.msgs.extend(self.receive())

    def received(self, data):
        self.raw += data

    def expect(self, predicate, timeout, what):
        """Next message (from the read position on) that satisfies predicate."""
        end = time.monotonic() + timeout
        while True:
            while self.pos < len(self.msgs):
                m = self.msgs[self.pos]
                self.pos += 1
                if predicate(m):
                    return m
            left = end - time.monotonic()
            if left <= 0 or (self.closed and self.pos >= len(self.msgs)):
                fail("%s: no message for %s (got %r)" % (self.label, what, self.msgs[-5:]))
                return None
            self.pump(min(left, 0.2))

    def expect_prefix(self, prefix, timeout, what=None):
        return self.expect(lambda m: m.startswith(prefix), timeout, what or prefix)

    def drain(self, duration):
        end = time.monotonic() + duration
        while time.monotonic() < end:
            self.pump(end - time.monotonic())

    def new_since(self, mark):
        return self.msgs[mark:]


def connect_player(port, timeout=30):
    end = time.monotonic() + timeout
    while True:
        try:
            return socket.create_connection(("127.0.0.1", port), timeout=2)
        except OSError:
            if time.monotonic() > end:
                raise
            time.sleep(0.1)


def sign_in(port, name, label):
    p = Peer(connect_player(port), label)
    m = p.expect_prefix("CMD_sendlogininfo+", 10)
    p.seat = int(m.split("+")[1]) if m else 0
    p.send("CMD_logininfo+%d+%s+%s" % (p.seat, VERSION, name))
    p.name = name
    return p


def solo_name():
    """The name the start window offers on a first start: the account's real name, else its login."""
    entry = pwd.getpwuid(os.getuid())
    real = " ".join(entry.pw_gecos.split(",")[0].split())
    return real if real and all(ord(c) <= 0xFF for c in real) else entry.pw_name


def in_seat1(m):
    return m in ("CMD_existingplayers+1+" + solo_name(), "CMD_newplayerinfo+1+" + solo_name())


def category1(startround):
    """Text of category 1 of a CMD_startround; the host names a category on show by its text."""
    return startround.split("+")[4] if startround else "?"


def game_wait(seconds):
    return seconds * ARGS.second_ms / 1000.0


def empty_answers(seat):
    return "CMD_myanswers+%d" % seat + "".join("+%d+" % n for n in range(1, 9))


class ScriptedHost:
    """A listening socket that plays the host for one joining copy."""

    def __init__(self):
        self.port = free_port()
        self.listener = socket.socket()
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", self.port))
        self.listener.listen(4)

    def accept(self, timeout=30):
        r, _, _ = select.select([self.listener], [], [], timeout)
        if not r:
            fail("scripted host: the joining copy never connected")
            return None
        conn, _ = self.listener.accept()
        return Peer(conn, "client")

    def close(self):
        self.listener.close()


@contextlib.contextmanager
def copy_at_scripted_host(args, label):
    """A copy started with args whose port is a scripted host's; yields (host, prog)."""
    host = ScriptedHost()
    prog = Program(args, host.port, label)
    try:
        yield host, prog
    finally:
        prog.stop()
        host.close()


def joining_copy(name, label):
    """Runs a scenario with a copy that joins a scripted host as name, given (prog, client);
    when the copy never connects, the accept has failed and the scenario is not run."""

    def wrap(scenario):
        @functools.wraps(scenario)
        def run():
            with copy_at_scripted_host([name, "127.0.0.1", "false"], label) as (host, prog):
                client = host.accept()
                if not client:
                    return
                try:
                    scenario(prog, client)
                finally:
                    client.sock.close()

        return run

    return wrap


# What the game says it is and understands right before it signs in.
PEERINFO = "CMD_peerinfo+%d+person+lead back removed kept drafts done removal takeover away welcome notice resume"


def login(client, seat, name, what):
    client.send("CMD_sendlogininfo+%d" % seat)
    want = ((PEERINFO % seat).encode("latin-1") + TERM
            + ("CMD_logininfo+%d+%s+%s" % (seat, VERSION, name)).encode("latin-1") + TERM + TERM)
    end = time.monotonic() + 10
    while len(client.raw) < len(want) and time.monotonic() < end and not client.closed:
        client.pump(0.2)
    check_eq(client.raw[:len(want) + 8], want, what)
    client.pos = len(client.msgs)


def seat_copy(prog, client, seat, name, what):
    """Signs the joining copy in to seat and tells it so, once its display is up."""
    login(client, seat, name, what)
    client.send("CMD_newplayerinfo+%d+%s" % (seat, name))
    prog.wait_display()


def nothing_sent(client, mark, duration, what):
    client.drain(duration)
    check_eq(client.new_since(mark), [], what)


CATS = ["FRUIT", "CAR PART", "A BIRD", "A COLOUR", "A CITY", "A TOOL", "A NAME", "A DRINK"]


def startround_text(number, letter):
    return "CMD_startround+%d+%d" % (number, letter) + "".join(
        "+%d+%s" % (n, c) for n, c in enumerate(CATS, 1))


def post_groups(post):
    fields = post.split("+")[1:] if post else []
    return {int(fields[i]): [int(v) for v in fields[i + 1:i + 4]] for i in range(0, len(fields) - 3, 4)}
