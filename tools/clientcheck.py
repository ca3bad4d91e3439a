#!/usr/bin/env python3
"""Black-box check of the game program (client window with its embedded host).

The program runs under a virtual display (xvfb-run) and is driven over TCP:
scripted players join the host of a hosting or solo copy, and a scripted host
receives a joining copy and feeds it every host message, hostile ones too.
Where the window must be operated (typing answers, clicking vote pictures)
xdotool acts on the virtual display. Any sanitizer report in the program's
error output is a failure.

Usage:
    python3 tools/clientcheck.py build/<dir>/bin/lexiburst [--second-ms 100]
                                 [--only NAME ...] [--keep] [--verbose]
    python3 tools/clientcheck.py build/<dir>/bin/lexiburst --measure-idle 30
        (CPU seconds and resident memory of an idle solo game; use a release build)
Scenarios: hosting, solo, joining, latejoin, hostile, full, hostclose, beside,
    spectator, portbusy, second, params.
"beside" runs lexiburst-host from the same folder as the program. Exit status 0
when every check passed. Needs xvfb-run and xdotool; standard library only.
"""
import argparse
import os
import pwd
import re
import select
import shutil
import socket
import subprocess
import sys
import tempfile
import time

TERM = b"\xff"
VERSION = "1.0.4"
ARGS = None
MENU_BAR_HEIGHT = 19  # of the main window under the virtual display's default style
FAILURES = []
CHECKS = [0]


def fail(what):
    FAILURES.append(what)
    print("FAIL:", what, flush=True)


def check(cond, what):
    CHECKS[0] += 1
    if not cond:
        fail(what)
    elif ARGS.verbose:
        print("ok:", what)
    return cond


def check_eq(got, want, what):
    CHECKS[0] += 1
    if got != want:
        fail("%s\n   got:  %r\n   want: %r" % (what, got, want))
        return False
    if ARGS.verbose:
        print("ok:", what, repr(got)[:120])
    return True


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def msg(text):
    return text.encode("latin-1") + TERM


# ------------------------------------------------------------------ program

class Program:
    """One copy of the game under its own virtual display and folders."""

    def __init__(self, args, port, label, runtime=None):
        self.label = label
        self.port = port
        self.tmp = tempfile.mkdtemp(prefix="clientcheck-")
        if runtime is None:
            runtime = os.path.join(self.tmp, "runtime")
            os.mkdir(runtime, 0o700)
        self.runtime = runtime
        home = os.path.join(self.tmp, "home")
        os.mkdir(home)
        env = dict(os.environ)
        env.update({
            "XDG_RUNTIME_DIR": runtime,
            "LEXIBURST_HOME": home,
            "LEXIBURST_SECOND_MS": str(ARGS.second_ms),
            "LEXIBURST_PORT": str(port),
            "ASAN_OPTIONS": "detect_leaks=0",
        })
        env.pop("QT_QPA_PLATFORM", None)
        self.stderr_path = os.path.join(self.tmp, "stderr.txt")
        self.stderr = open(self.stderr_path, "wb")
        # The display number is written out so that xdotool can reach it.
        self.display_file = os.path.join(self.tmp, "display")
        wrapper = 'echo "$DISPLAY $XAUTHORITY" > %s; exec "$@"' % self.display_file
        self.proc = subprocess.Popen(
            ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "sh", "-c", wrapper, "sh",
             ARGS.program] + args,
            env=env, stdout=subprocess.DEVNULL, stderr=self.stderr, start_new_session=True)
        self.display = None
        self.xauthority = ""

    def wait_display(self, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if os.path.exists(self.display_file):
                text = open(self.display_file).read().split()
                if text:
                    self.display = text[0]
                    self.xauthority = text[1] if len(text) > 1 else ""
                    return True
            time.sleep(0.05)
        return False

    def alive(self):
        return self.proc.poll() is None

    def game_pid(self):
        """Pid of the game itself (the child of xvfb-run's shell)."""
        out = subprocess.run(["pgrep", "-s", str(self.proc.pid), "-f", ARGS.program],
                             capture_output=True, text=True).stdout.split()
        for pid in out:
            try:
                exe = os.readlink("/proc/%s/exe" % pid)
            except OSError:
                continue
            if os.path.basename(exe).startswith("lexiburst"):
                return int(pid)
        return None

    def xdo(self, *cmd):
        if not self.display:
            self.wait_display()
        env = dict(os.environ, DISPLAY=self.display or "", XAUTHORITY=self.xauthority)
        return subprocess.run(["xdotool"] + list(cmd), env=env, capture_output=True, text=True)

    def window(self, name):
        out = self.xdo("search", "--onlyvisible", "--name", name).stdout.split()
        return out[0] if out else None

    def geometry(self, win):
        out = self.xdo("getwindowgeometry", "--shell", win).stdout
        vals = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(vals["X"]), int(vals["Y"]), int(vals["WIDTH"]), int(vals["HEIGHT"])

    def board_origin(self):
        """Screen position of the board's top left corner in the main window."""
        win = self.window("^Lexiburst$")
        if not win:
            return None
        x, y, _, _ = self.geometry(win)
        # The board lies 2 pixels into the client area, below the menu bar; the
        # window grows to its stored size once the settings are read.
        return x + 2, y + MENU_BAR_HEIGHT + 2

    def start_game_in_window(self):
        """The hosting player's start button on the board, then the one of the game start window."""
        origin = self.board_origin()
        if not origin:
            return False
        bx, by = origin
        self.click(bx + 633 + 15, by + 11 + 10)
        end = time.monotonic() + 10
        win = None
        while time.monotonic() < end and not win:
            win = self.window("^Lexiburst - Game Start$")
            time.sleep(0.1)
        if not win:
            return False
        x, y, w, _ = self.geometry(win)
        self.click(x + w // 2, y + 218 + 15)
        return True

    def choose_solo(self, timeout=60):
        """A copy started without parameters shows the start window: click "Play Solo"."""
        end = time.monotonic() + timeout
        win = None
        while time.monotonic() < end and not win:
            win = self.window("^Lexiburst - Start$")
            time.sleep(0.1)
        if not win:
            return False
        x, y, _, _ = self.geometry(win)
        # The button's middle: its box at (8, 74), the button at (24, 202), 188 by 42.
        self.click(x + 8 + 24 + 94, y + 74 + 202 + 21)
        return True

    def click(self, x, y):
        self.xdo("mousemove", "--sync", str(x), str(y))
        self.xdo("click", "1")

    def wait_exit(self, timeout):
        try:
            self.proc.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        if self.alive():
            try:
                os.killpg(self.proc.pid, 15)
            except ProcessLookupError:
                pass
            if not self.wait_exit(10):
                os.killpg(self.proc.pid, 9)
                self.proc.wait()
        self.stderr.close()
        text = open(self.stderr_path, "rb").read().decode("latin-1")
        for pattern in ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"):
            if pattern in text:
                start = text.index(pattern)
                fail("%s: sanitizer report in stderr:\n%s" % (self.label, text[max(0, start - 200):start + 1500]))
        if ARGS.verbose and text.strip():
            print("--- %s stderr ---\n%s" % (self.label, text[-2000:]))
        if not ARGS.keep:
            shutil.rmtree(self.tmp, ignore_errors=True)


# ------------------------------------------------------------------ peers

class Peer:
    """One TCP connection cut into messages at 0xFF; keeps the raw bytes too."""

    def __init__(self, sock, label):
        self.sock = sock
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.label = label
        self.raw = b""
        self.buf = b""
        self.msgs = []
        self.pos = 0
        self.closed = False

    def pump(self, timeout):
        if self.closed:
            time.sleep(max(timeout, 0))
            return
        r, _, _ = select.select([self.sock], [], [], max(timeout, 0))
        if not r:
            return
        try:
            data = self.sock.recv(65536)
        except ConnectionError:
            data = b""
        if not data:
            self.closed = True
            return
        self.raw += data
        self.buf += data
        while TERM in self.buf:
            cut = self.buf.index(TERM)
            self.msgs.append(self.buf[:cut].decode("latin-1"))
            self.buf = self.buf[cut + 1:]

    def send(self, data):
        self.sock.sendall(data if isinstance(data, bytes) else msg(data))

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

    def wait_closed(self, timeout):
        end = time.monotonic() + timeout
        while not self.closed and time.monotonic() < end:
            self.pump(end - time.monotonic())
        return self.closed


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


def category1(startround):
    """Text of category 1 of a CMD_startround; the host names a category on show by its text."""
    return startround.split("+")[4] if startround else "?"


def game_wait(seconds):
    return seconds * ARGS.second_ms / 1000.0


def empty_answers(seat):
    return "CMD_myanswers+%d" % seat + "".join("+%d+" % n for n in range(1, 9))


# ------------------------------------------------------------------ scenarios

def scenario_hosting():
    """A copy started with "true" hosts: its client sits in seat 1 as the name given."""
    port = free_port()
    lobby = None
    try:
        lobby = socket.socket()
        lobby.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        lobby.bind(("127.0.0.1", 9001))
        lobby.listen(4)
    except OSError:
        print("note: port 9001 busy, the lobby connection is not checked")
        lobby = None
    prog = Program(["Alice", "10.255.255.1", "true"], port, "hosting")
    try:
        bob = sign_in(port, "Bob", "hosting/Bob")
        check_eq(bob.seat, 2, "hosting: the first scripted player gets seat 2")
        # The own client may sign in after Bob's connection was accepted: then the
        # host names seat 1 in CMD_newplayerinfo after Bob's sign-in.
        check(bob.expect(lambda m: m in ("CMD_existingplayers+1+Alice", "CMD_newplayerinfo+1+Alice"), 10,
                         "Alice in seat 1") is not None,
              "hosting: the own client is seated as Alice in seat 1 over 127.0.0.1 (not the given address)")
        if lobby:
            r, _, _ = select.select([lobby], [], [], 5)
            check(bool(r), "hosting: the program opens the lobby connection to 127.0.0.1:9001")
        prog.wait_display()

        # Only the hosting player starts: a start sent by another seat is not played.
        mark = len(bob.msgs)
        bob.send("CMD_startgame+Bob+1+120+1+1+")
        bob.drain(1.0)
        # Seating news may still arrive when the own client signs in late.
        seating = ("CMD_newplayerinfo+", "CMD_existingplayers+")
        check_eq([m for m in bob.new_since(mark) if not m.startswith(seating)], [],
                 "hosting: the host ignores a game start from seat 2")
        bob.pos = len(bob.msgs)
        # The hosting player starts a game in the window (default options).
        check(prog.start_game_in_window(), "hosting: the start button opens the game start window")
        sg = bob.expect_prefix("CMD_startgame+", 10, "start from the window")
        check(sg is not None and sg.startswith("CMD_startgame+Alice+"),
              "hosting: the game is started under the hosting player's name (%r)" % sg)
        turn = int(sg.split("+")[3]) if sg else 60
        game_type = sg.split("+")[4] if sg else "1"
        sr = bob.expect_prefix("CMD_startround+1+", 10)
        typed = False
        origin = prog.board_origin()
        if origin and sr:
            bx, by = origin
            time.sleep(0.3)
            # edit_answer1 lies at 450,12 (280 x 22) in the entry panel at 7,46.
            prog.click(bx + 7 + 450 + 40, by + 46 + 12 + 11)
            prog.xdo("type", "--delay", "20", "Aardvark")
            typed = True
        bob.send("CMD_myanswers+2+1+Apple+2++3++4++5++6++7++8+")
        cat = category1(sr)
        show = bob.expect_prefix("CMD_showcat+", game_wait(turn + 4 + 3) + 10)
        if typed:
            check_eq(show, "CMD_showcat+%s+2+1+Aardvark+0+2+Apple+0" % cat,
                     "hosting: the answer typed into the window reaches the host at the time-out")
        # Decline both answers in the window (All Scoring; in One Winner Only
        # the one favourite picture is Bob's).
        if origin and show and game_type == "0":
            bx, by = origin
            for top in (48, 72):
                prog.click(bx + 7 + 301 + 14, by + 46 + top + 10)
                time.sleep(0.2)
            post = bob.expect_prefix("CMD_postscores+", game_wait(10) + 10)
            check(post is not None and post.startswith("CMD_postscores+1+1+0+1+2+1+1+1"),
                  "hosting: the favourite clicked in the window reaches the host (%r)" % post)
            show = None
        if origin and show:
            bx, by = origin
            tops = [48, 72, 95, 119, 142, 166, 189, 213]
            for top in tops[:2]:
                prog.click(bx + 7 + 261 + 14, by + 46 + top + 10)
                time.sleep(0.2)
        post = bob.expect_prefix("CMD_postscores+", game_wait(10) + 10) if show else None
        if post:
            fields = post.split("+")[1:]
            groups = {int(fields[i]): fields[i + 1:i + 4] for i in range(0, len(fields) - 3, 4)}
            # Votes in All Scoring: seats in use (2) less the declines.
            check_eq(groups.get(2, [None, None])[1], "1",
                     "hosting: a decline clicked in the window reaches the host (Bob: 1 vote)")
            check_eq(groups.get(1, [None, None])[1], "1",
                     "hosting: the own answer declined in the window too (1 vote)")
        bob.sock.close()
    finally:
        if lobby:
            lobby.close()
        prog.stop()


def solo_name():
    """The name the start window offers on a first start: the account's real name, else its login."""
    entry = pwd.getpwuid(os.getuid())
    real = " ".join(entry.pw_gecos.split(",")[0].split())
    return real if real and all(ord(c) <= 0xFF for c in real) else entry.pw_name


def in_seat1(m):
    return m in ("CMD_existingplayers+1+" + solo_name(), "CMD_newplayerinfo+1+" + solo_name())


def scenario_solo():
    """Without parameters the copy shows the start window; "Play Solo" hosts a solo game under the
    offered account name and seats computer players beside it."""
    port = free_port()
    lobby = None
    try:
        lobby = socket.socket()
        lobby.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        lobby.bind(("127.0.0.1", 9001))
        lobby.listen(4)
    except OSError:
        lobby = None
    prog = Program([], port, "solo")
    try:
        check(prog.choose_solo(), "solo: the start window is shown")
        bob = sign_in(port, "Bob", "solo/Bob")
        check(bob.expect(in_seat1, 10, "the player in seat 1") is not None,
              "solo: the own client is seated under the account name in seat 1")
        if lobby:
            r, _, _ = select.select([lobby], [], [], 2)
            check(not r, "solo: no connection to the lobby port 9001")
        # The own client answers at its time-out with empty answers; the computer players
        # seated beside it answer too, and Bob's answer stands among theirs.
        check(prog.start_game_in_window(), "solo: the start button opens the game start window")
        sg = bob.expect_prefix("CMD_startgame+", 10)
        check(sg is not None and sg.startswith("CMD_startgame+%s+" % solo_name()),
              "solo: started by the own client (%r)" % sg)
        turn = int(sg.split("+")[3]) if sg else 60
        sr = bob.expect_prefix("CMD_startround+1+", 10)
        bob.send("CMD_myanswers+%d+1+Apple+2++3++4++5++6++7++8+" % bob.seat)
        show = bob.expect_prefix("CMD_showcat+", game_wait(turn + 7) + 10)
        prefix = "CMD_showcat+%s+" % category1(sr)
        fields = show[len(prefix):].split("+")[1:] if show and show.startswith(prefix) else []
        answers = {fields[i]: fields[i + 1] for i in range(0, len(fields) - 2, 3)}
        check(answers.get(str(bob.seat)) == "Apple" and "1" not in answers,
              "solo: Bob's answer is on show and You gave none (%r)" % show)
        bob.sock.close()
    finally:
        if lobby:
            lobby.close()
        prog.stop()


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


def start_joining(name, label):
    host = ScriptedHost()
    prog = Program([name, "127.0.0.1", "false"], host.port, label)
    client = host.accept()
    return host, prog, client


def login(client, seat, name, what):
    client.send("CMD_sendlogininfo+%d" % seat)
    want = ("CMD_logininfo+%d+%s+%s" % (seat, VERSION, name)).encode("latin-1") + TERM + TERM
    end = time.monotonic() + 10
    while len(client.raw) < len(want) and time.monotonic() < end and not client.closed:
        client.pump(0.2)
    check_eq(client.raw[:len(want) + 8], want, what)
    client.pos = len(client.msgs)


def nothing_sent(client, mark, duration, what):
    client.drain(duration)
    check_eq(client.new_since(mark), [], what)


CATS = ["FRUIT", "CAR PART", "A BIRD", "A COLOUR", "A CITY", "A TOOL", "A NAME", "A DRINK"]


def startround_text(number, letter):
    return "CMD_startround+%d+%d" % (number, letter) + "".join(
        "+%d+%s" % (n, c) for n, c in enumerate(CATS, 1))


def scenario_joining():
    """Everything a joining copy sends in answer to the host's messages."""
    host, prog, client = start_joining("Carol Q", "joining")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        login(client, 3, "Carol Q", "joining: sign-in reply with the doubled terminator")
        mark = len(client.msgs)
        client.send("CMD_newplayerinfo+3+Carol Q")
        client.send("CMD_existingplayers+1+Hosty")
        client.send("CMD_wrongversion+")
        client.send("CMD_havewrongversion+Zed")
        client.send("CMD_chat+1+Hosty chats: hello|clRed")
        client.send("CMD_playasound+1+wave3+")
        nothing_sent(client, mark, 1.0, "joining: presence, version and chat messages draw no answer")
        prog.wait_display()

        # Round 1, All Scoring, 30 s: the copy answers once, empty, at its time-out.
        mark = len(client.msgs)
        client.send("CMD_startgame+Hosty+2+30+1+1+")
        client.send(startround_text(1, 4))
        t0 = time.monotonic()
        ans = client.expect_prefix("CMD_myanswers+", game_wait(30) + 10)
        took = time.monotonic() - t0
        check_eq(ans, empty_answers(3), "joining: empty answers at the time-out")
        check(game_wait(28) <= took <= game_wait(30) + 3,
              "joining: the answers go at the local time-out (took %.2f s, turn %.2f s)" % (took, game_wait(30)))
        check_eq(client.raw.endswith(msg(empty_answers(3))), True, "joining: answers end with one 0xFF")
        mark = len(client.msgs)
        client.send("CMD_endround+")
        nothing_sent(client, mark, game_wait(5), "joining: nothing sent after CMD_endround (answers only once)")

        # Voting in All Scoring: decline in the window -> CMD_voteagainst.
        mark = len(client.msgs)
        client.send("CMD_showcat+FRUIT+2+1+APPLE+0+2+ANT+0")
        time.sleep(0.5)
        origin = prog.board_origin()
        if origin:
            bx, by = origin
            prog.click(bx + 7 + 261 + 14, by + 46 + 48 + 10)  # decline picture, row 1
            time.sleep(0.3)
            prog.click(bx + 7 + 301 + 14, by + 46 + 72 + 10)  # accept picture, row 2
        client.drain(1.0)
        got = client.new_since(mark)
        check(len(got) == 1 and got[0] in ("CMD_voteagainst+3+1+", "CMD_voteagainst+3+2+"),
              "joining: one decline click sends one CMD_voteagainst, accepting sends nothing (got %r)" % got)
        mark = len(client.msgs)
        client.send("CMD_postscores+1+1+2+1+2+0+1+0")
        client.send("CMD_noanswers+CAR PART+")
        client.send("CMD_showcat+A BIRD+1+1+PARROT+0")
        client.send("CMD_postscores+1+1+2+2")
        client.send("CMD_roundover+")
        client.send("CMD_tiegame+")
        nothing_sent(client, mark, 1.0, "joining: score, round-over and tie messages draw no answer")

        # Round 2, One Winner Only without duplicates: votefor once.
        client.send("CMD_startgame+Hosty+1+30+0+0+")
        client.send(startround_text(2, 19))
        ans = client.expect_prefix("CMD_myanswers+", game_wait(30) + 10)
        check_eq(ans, empty_answers(3), "joining: empty answers again in the next game")
        client.send("CMD_endround+")
        mark = len(client.msgs)
        client.send("CMD_showcat+FRUIT+2+1+WALNUT+0+2+WASP+0")
        time.sleep(0.5)
        if origin:
            bx, by = origin
            prog.click(bx + 7 + 301 + 14, by + 46 + 48 + 10)  # favourite picture, row 1
            time.sleep(0.3)
            prog.click(bx + 7 + 301 + 14, by + 46 + 72 + 10)  # hidden after the first choice
        client.drain(1.0)
        got = client.new_since(mark)
        check(len(got) == 1 and got[0] in ("CMD_votefor+3+1+", "CMD_votefor+3+2+"),
              "joining: exactly one CMD_votefor per category in One Winner Only (got %r)" % got)
        mark = len(client.msgs)
        client.send("CMD_postscores+1+1+1+3+2+0+0+0+3+1+0+1+4+0+0+0+5+0+0+0+6+0+0+0+7+0+0+0+8+0+0+0")
        client.send("CMD_roundover+")
        client.send("CMD_winner+Hosty+")
        client.send("CMD_playerdisconnected+1+Hosty")
        nothing_sent(client, mark, 1.0, "joining: winner and departure draw no answer")
        check(prog.alive(), "joining: the program still runs after the game")
        # The tally is written when the program ends; the host's closing ends it.
        client.sock.close()
        check(prog.wait_exit(15), "joining: the program ends when the host closes")
        tally = os.path.join(prog.tmp, "home", "Lexabursttally.tld")
        check(os.path.exists(tally), "joining: a seated player's finished game is in the tally file at the end")
    finally:
        client.sock.close()
        prog.stop()
        host.close()


def scenario_latejoin():
    """CMD_gamestats in phase 1 with time left: the late joiner answers at its time-out."""
    host, prog, client = start_joining("Dave", "latejoin")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        login(client, 4, "Dave", "latejoin: sign-in reply")
        client.send("CMD_newplayerinfo+4+Dave")
        stats = "CMD_gamestats+4+1+3+2+60+20+7+1" + "".join("+s+%d+%d" % (n, n) for n in range(1, 9)) + \
            "".join("+c+%d+%s" % (n, c) for n, c in enumerate(CATS, 1))
        # A late join in phase 1 with only 3 seconds left: no entry, no timer, no answers.
        mark = len(client.msgs)
        client.send(stats.replace("+60+20+", "+60+3+"))
        nothing_sent(client, mark, game_wait(8), "latejoin: 3 seconds left sends no answers")
        mark = len(client.msgs)
        client.send("CMD_gamestats+5+1+3+2+60+20+7+1+s+1+1")  # another seat: ignored
        client.send(stats)
        t0 = time.monotonic()
        ans = client.expect_prefix("CMD_myanswers+", game_wait(20) + 10)
        took = time.monotonic() - t0
        check_eq(ans, empty_answers(4), "latejoin: answers at the end of the host's seconds left")
        check(game_wait(18) <= took <= game_wait(20) + 3, "latejoin: sent after ~20 game seconds (%.2f s)" % took)
        client.drain(game_wait(3))
        check_eq(len(client.new_since(mark)), 1, "latejoin: exactly one message sent")
    finally:
        client.sock.close()
        prog.stop()
        host.close()


HOSTILE = [
    b"garbage without plus",
    b"+",
    b"",
    b"CMD_sendlogininfo+abc",
    b"CMD_sendlogininfo+",
    b"cmd_chat+1+lower case",
    b"CMD_chat+1",
    b"CMD_chat+",
    b"CMD_chat+99+x|notacolour",
    b"CMD_action+-5+x|",
    b"CMD_playasound+99+wave999+",
    b"CMD_playasound+1+",
    b"CMD_playasound+abc+wave1+",
    b"CMD_newplayerinfo+0+Zero",
    b"CMD_newplayerinfo+-1+Minus",
    b"CMD_newplayerinfo+99999999999999999999+Huge",
    b"CMD_newplayerinfo+12+Spy+With+Plus",
    b"CMD_newplayerinfo+x+y",
    b"CMD_existingplayers+2+",
    b"CMD_playerdisconnected+0+x",
    b"CMD_playerdisconnected+12+Nobody",
    b"CMD_playerdisconnected+2147483648+x",
    b"CMD_justwatching+0+1",
    b"CMD_justwatching+-3+1",
    b"CMD_justwatching+2+",
    b"CMD_justwatching+abc+1",
    b"CMD_startgame+X+abc+30+1+1+",
    b"CMD_startgame+X+2+0+1+1+",
    b"CMD_startgame+X+2+-5+0+0+",
    b"CMD_startgame+X+2+2147483647+1+1+",
    b"CMD_startgame+X",
    b"CMD_startround+1+99+1+A+2+B",
    b"CMD_startround+1+-1+0+ZERO+9+NINE+-4+NEG+100000+BIG",
    b"CMD_startround+x+y",
    b"CMD_startround+1+3+1",
    b"CMD_endround+",
    b"CMD_showcat+1+3+99+X+0+-5+Y+1+0+Z+0",
    b"CMD_showcat+1+2147483647+1+A+0",
    b"CMD_showcat+1+-1+1+A+0",
    b"CMD_showcat+1+x+1+A+0",
    b"CMD_showcat+1+1+1",
    b"CMD_showcat+",
    b"CMD_showcat+1+9" + b"".join(b"+%d+W%d+0" % (s, s) for s in range(1, 9)) + b"+3+AGAIN+1",
    b"CMD_postscores+99+1+1+1+0+1+1+1+-7+2+2+2",
    b"CMD_postscores+1+x+1+1",
    b"CMD_postscores+1+2147483647+1+2147483647",
    b"CMD_postscores",
    b"CMD_noanswers+",
    b"CMD_noanswers",
    b"CMD_oneanswer+CAT+99+1+1+skip+ANS",
    b"CMD_oneanswer+CAT+0+1+1+skip+ANS",
    b"CMD_oneanswer+CAT+3+1+1",
    b"CMD_oneanswer+",
    b"CMD_roundover+",
    b"CMD_tiegame+",
    b"CMD_winner+",
    b"CMD_winner",
    b"CMD_gamestats+3+9+3+2+60+50+500+1+s+99+5+c+0+X+q+1+1+s+-1+1+c+9+Y",
    b"CMD_gamestats+3+1+3+2+0+50+-1+1",
    b"CMD_gamestats+3+1+x",
    b"CMD_gamestats+3",
    b"CMD_gamestats+3+1+3+2+60+50+5+1+s+1",
    b"CMD_chat+1+" + b"\x00\x01\x7f\x80\xfe" * 50 + b"|clBlue",
    b"CMD_chat+1+Hosty chats: :)#99 :)#ab :)#-1 :)#" + b" www.x" * 150 + b"|clBlue",
    b"CMD_chat+1+Hosty chats: " + b"<b>bold</b>&amp;" * 2000 + b"|clBlue",
    b"CMD_chat+1+Hosty chats: line\r\nbreak|clBlue",
]


def scenario_hostile():
    """Garbage, huge unterminated text, out-of-range numbers: the copy neither crashes nor misbehaves."""
    host, prog, client = start_joining("Eve", "hostile")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        login(client, 3, "Eve", "hostile: sign-in reply")
        client.send("CMD_newplayerinfo+3+Eve")
        prog.wait_display()
        for m in HOSTILE:
            client.send(m + TERM)
        client.send(TERM * 50)
        # A huge text without a terminator, then one that completes it.
        client.send(b"CMD_chat+1+" + b"A" * (3 * 1024 * 1024))
        client.send(TERM)
        client.send(b"CMD_chat+1+" + b"B" * 200000 + TERM)
        client.drain(3.0)
        sent = client.msgs[client.pos:]
        client.pos = len(client.msgs)
        check(all(m.startswith(("CMD_myanswers+", "CMD_logininfo+")) or m == "" for m in sent),
              "hostile: the copy sent only answers or sign-ins (got %r)" % [m[:60] for m in sent][:8])
        check(prog.alive(), "hostile: the program survives the hostile messages")
        # Still working afterwards: a normal round gives the normal answers of seat 3.
        client.send(b"CMD_sendlogininfo+3" + TERM)
        client.expect_prefix("CMD_logininfo+3+", 10, "hostile: a fresh sign-in still answered")
        client.send("CMD_startgame+Hosty+1+30+1+1+")
        client.send(startround_text(1, 0))
        ans = client.expect_prefix("CMD_myanswers+", game_wait(30) + 15)
        check_eq(ans, empty_answers(3), "hostile: still answers normally afterwards")
        check(prog.alive(), "hostile: the program still runs at the end")
    finally:
        client.sock.close()
        prog.stop()
        host.close()


def scenario_full():
    """CMD_full+: the message box "Game is full", then the program ends."""
    host, prog, client = start_joining("Fay", "full")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        prog.wait_display()
        client.send("CMD_full+")
        box = None
        end = time.monotonic() + 10
        while time.monotonic() < end and box is None and prog.alive():
            for win in prog.xdo("search", "--onlyvisible", "--name", "^Lexiburst$").stdout.split():
                _, _, w, h = prog.geometry(win)
                if w < 500:
                    box = win
            time.sleep(0.2)
        check(box is not None or not prog.alive(), "full: a message box is shown")
        if box:
            prog.xdo("windowfocus", "--sync", box)
            prog.xdo("key", "Return")
        check(prog.wait_exit(15), "full: the program closes after the message box")
    finally:
        client.sock.close()
        prog.stop()
        host.close()


def scenario_hostclose():
    """The host closes the connection: the program ends."""
    host, prog, client = start_joining("Gus", "hostclose")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        login(client, 2, "Gus", "hostclose: sign-in reply")
        client.send("CMD_newplayerinfo+2+Gus")
        prog.wait_display()
        time.sleep(1.0)
        client.sock.shutdown(socket.SHUT_RDWR)
        client.sock.close()
        check(prog.wait_exit(15), "hostclose: the program ends when the host closes the connection")
    finally:
        prog.stop()
        host.close()


def scenario_spectator():
    """A copy seated as the spectator (seat 9) sends neither answers nor votes."""
    host, prog, client = start_joining("Spy", "spectator")
    if not client:
        prog.stop()
        host.close()
        return
    try:
        login(client, 9, "Spy", "spectator: sign-in reply for seat 9")
        client.send("CMD_newplayerinfo+9+Spy")
        prog.wait_display()
        mark = len(client.msgs)
        client.send("CMD_startgame+Hosty+1+30+1+1+")
        client.send(startround_text(1, 2))
        client.drain(game_wait(33))
        client.send("CMD_endround+")
        client.send("CMD_showcat+FRUIT+2+1+CHERRY+0+2+COCONUT+0")
        time.sleep(0.5)
        origin = prog.board_origin()
        if origin:
            bx, by = origin
            prog.click(bx + 7 + 261 + 14, by + 46 + 48 + 10)
            time.sleep(0.5)
            prog.click(bx + 7 + 301 + 14, by + 46 + 72 + 10)
        nothing_sent(client, mark, 1.0, "spectator: no answers and no votes from seat 9")
    finally:
        client.sock.close()
        prog.stop()
        host.close()


def scenario_portbusy():
    """Hosting while another program holds the port: the copy does not join that stranger."""
    stranger = ScriptedHost()
    prog = Program(["Hal", "127.0.0.1", "true"], stranger.port, "portbusy")
    try:
        prog.wait_display()
        r, _, _ = select.select([stranger.listener], [], [], 5)
        check(not r, "portbusy: the copy does not connect to a host it did not start")
        check(prog.alive(), "portbusy: the program keeps running")
    finally:
        prog.stop()
        stranger.close()


def scenario_second():
    """A second copy of the same user ends at once; the first keeps running."""
    port = free_port()
    first = Program([], port, "first")
    second = None
    try:
        first.choose_solo()
        bob = sign_in(port, "Bob", "second/Bob")
        bob.expect(in_seat1, 15, "the player in seat 1")
        second = Program([], free_port(), "second", runtime=first.runtime)
        check(second.wait_exit(20), "second: the second copy ends by itself")
        check_eq(second.proc.returncode, 0, "second: the second copy ends without an error")
        check(first.alive(), "second: the first copy keeps running")
        bob.sock.close()
    finally:
        if second:
            second.stop()
        first.stop()


def scenario_params():
    """Two parameters join like "false" as the third; "TRUE" in capitals joins instead of hosting."""
    host = ScriptedHost()
    prog = Program(["Ivy", "127.0.0.1"], host.port, "params-two")
    try:
        client = host.accept(20)
        check(client is not None and prog.alive(), "params: a name and an address alone join the host")
        if client:
            client.sock.close()
    finally:
        prog.stop()
        host.close()
    host = ScriptedHost()
    prog = Program(["Ivy", "127.0.0.1", "TRUE"], host.port, "params-case")
    try:
        client = host.accept(20)
        if client:
            login(client, 2, "Ivy", "params: \"TRUE\" joins the given host and signs in")
            client.sock.close()
    finally:
        prog.stop()
        host.close()


def post_groups(post):
    fields = post.split("+")[1:] if post else []
    return {int(fields[i]): [int(v) for v in fields[i + 1:i + 4]] for i in range(0, len(fields) - 3, 4)}


def scenario_beside():
    """Beside scripted players at the stand-alone host: seat 1 starts, the program answers and votes."""
    hostbin = os.path.join(os.path.dirname(ARGS.program), "lexiburst-host")
    port = free_port()
    tmp = tempfile.mkdtemp(prefix="clientcheck-host-")
    env = dict(os.environ, LEXIBURST_SECOND_MS=str(ARGS.second_ms), LEXIBURST_HOME=tmp,
               ASAN_OPTIONS="detect_leaks=0")
    herr = open(os.path.join(tmp, "stderr.txt"), "wb")
    hproc = subprocess.Popen([hostbin, "--port", str(port)], env=env, stdout=subprocess.DEVNULL, stderr=herr)
    prog = None
    try:
        ann = sign_in(port, "Ann", "beside/Ann")
        check_eq(ann.seat, 1, "beside: the first scripted player sits in seat 1")
        prog = Program(["Zoe", "127.0.0.1", "false"], port, "beside")
        ann.expect(lambda m: m == "CMD_newplayerinfo+2+Zoe", 30, "Zoe seated in seat 2")
        cy = sign_in(port, "Cy", "beside/Cy")
        prog.wait_display()
        time.sleep(1.0)

        # All Scoring: the program's typed answer arrives; it declines every answer.
        ann.send("CMD_startgame+Ann+1+60+1+1+")
        sr = ann.expect_prefix("CMD_startround+1+", 10)
        origin = prog.board_origin()
        if origin:
            bx, by = origin
            time.sleep(0.3)
            prog.click(bx + 7 + 450 + 40, by + 46 + 12 + 11)
            prog.xdo("type", "--delay", "20", "Zebra")
        ann.send("CMD_myanswers+1+1+Zinc+2++3++4++5++6++7++8+")
        cy.send("CMD_myanswers+3+1+Zoo+2++3++4++5++6++7++8+")
        show = ann.expect_prefix("CMD_showcat+", game_wait(60 + 7) + 10)
        check_eq(show, "CMD_showcat+%s+3+1+Zinc+0+2+Zebra+0+3+Zoo+0" % category1(sr),
                 "beside: the program's typed answer reaches the host at its time-out")
        if origin:
            for top in (48, 72, 95):
                prog.click(bx + 7 + 261 + 14, by + 46 + top + 10)
                time.sleep(0.2)
        groups = post_groups(ann.expect_prefix("CMD_postscores+", game_wait(13) + 10))
        check_eq([groups.get(n, [None])[1:2] for n in (1, 2, 3)], [[2], [2], [2]],
                 "beside: the program's three declines reach the host (votes = 3 - 1 each)")
        ann.expect_prefix("CMD_roundover+", game_wait(60) + 20)

        # One Winner Only: empty answers from the program, one favourite vote.
        ann.send("CMD_startgame+Ann+1+30+0+0+")
        sr = ann.expect_prefix("CMD_startround+1+", game_wait(15) + 10)
        ann.send("CMD_myanswers+1+1+Wolf+2++3++4++5++6++7++8+")
        cy.send("CMD_myanswers+3+1+Wasp+2++3++4++5++6++7++8+")
        show = ann.expect_prefix("CMD_showcat+", game_wait(30 + 7) + 10)
        check_eq(show, "CMD_showcat+%s+2+1+Wolf+0+3+Wasp+0" % category1(sr),
                 "beside: the program's empty answers leave it out of the category")
        if origin:
            for top in (48, 72):
                prog.click(bx + 7 + 301 + 14, by + 46 + top + 10)
                time.sleep(0.2)
        groups = post_groups(ann.expect_prefix("CMD_postscores+", game_wait(10) + 10))
        check(groups.get(2, [0])[0] == 1 and groups.get(1, [0, 0])[1] + groups.get(3, [0, 0])[1] == 1,
              "beside: exactly one favourite vote from the program (%r)" % groups)
        check(prog.alive(), "beside: the program still runs")
        ann.sock.close()
        cy.sock.close()
    finally:
        if prog:
            prog.stop()
        hproc.terminate()
        hproc.wait(10)
        herr.close()
        if not ARGS.keep:
            shutil.rmtree(tmp, ignore_errors=True)


SCENARIOS = {
    "hosting": scenario_hosting,
    "solo": scenario_solo,
    "joining": scenario_joining,
    "latejoin": scenario_latejoin,
    "hostile": scenario_hostile,
    "full": scenario_full,
    "hostclose": scenario_hostclose,
    "beside": scenario_beside,
    "spectator": scenario_spectator,
    "portbusy": scenario_portbusy,
    "second": scenario_second,
    "params": scenario_params,
}


def measure_idle(seconds):
    port = free_port()
    prog = Program([], port, "idle")
    try:
        prog.choose_solo()
        bob = sign_in(port, "Bob", "idle/Bob")
        bob.expect(in_seat1, 15, "the player in seat 1")
        bob.sock.close()
        time.sleep(3)
        pid = prog.game_pid()
        if not pid:
            fail("idle: game process not found")
            return

        def cpu():
            fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

        def rss():
            for line in open("/proc/%d/status" % pid):
                if line.startswith("VmRSS"):
                    return line.split(":")[1].strip()
        c0, t0 = cpu(), time.monotonic()
        time.sleep(seconds)
        c1, t1 = cpu(), time.monotonic()
        print("idle solo game: %.2f CPU s over %.1f s (%.1f %%), VmRSS %s" %
              (c1 - c0, t1 - t0, 100 * (c1 - c0) / (t1 - t0), rss()))
    finally:
        prog.stop()


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--second-ms", type=int, default=100)
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--measure-idle", type=float)
    ARGS = parser.parse_args()
    ARGS.program = os.path.abspath(ARGS.program)
    if ARGS.measure_idle:
        measure_idle(ARGS.measure_idle)
    else:
        for name, run in SCENARIOS.items():
            if ARGS.only and name not in ARGS.only:
                continue
            print("== %s" % name, flush=True)
            try:
                run()
            except Exception as error:  # a scenario's own fault is a failure, not an abort
                fail("%s: %s: %s" % (name, type(error).__name__, error))
    print("%d checks, %d failures" % (CHECKS[0], len(FAILURES)))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
