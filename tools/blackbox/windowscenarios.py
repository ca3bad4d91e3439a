"""The game in its own roles: hosting, solo, beside scripted players at the stand-alone host,
a second copy, a busy port and the command line."""

import os
import select
import shutil
import socket
import time

from .peers import category1, copy_at_scripted_host, game_wait, in_seat1, login, post_groups, sign_in, solo_name
from .program import CHOICE, DECLINE, Program
from .report import ARGS, check, check_eq
from .wire import HostProcess, free_port

LOBBY_PORT = 9001


def lobby_listener():
    """Listens on the lobby port to see whether the program knocks; None when the port is taken."""
    lobby = socket.socket()
    try:
        lobby.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        lobby.bind(("127.0.0.1", LOBBY_PORT))
        lobby.listen(4)
        return lobby
    except OSError:
        lobby.close()
        return None


def knocks_from(prog, lobby, timeout):
    """Whether the program connects to the lobby port within timeout. The port is the machine's:
    a knock from another process (a copy another test run started) is set aside."""
    end = time.monotonic() + timeout
    while True:
        r, _, _ = select.select([lobby], [], [], max(0, end - time.monotonic()))
        if not r:
            return False
        conn, (_, port) = lobby.accept()
        with conn:
            if prog.holds_local_port(port):
                return True


def scenario_hosting():
    """A copy started with "true" hosts: its client sits in seat 1 as the name given."""
    port = free_port()
    lobby = lobby_listener()
    if not lobby:
        print("note: port 9001 busy, the lobby connection is not checked")
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
            time.sleep(0.3)
            prog.type_first_answer(origin, "Aardvark")
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
            prog.click_votes(origin, [(CHOICE, 0), (CHOICE, 1)], 0.2)
            post = bob.expect_prefix("CMD_postscores+", game_wait(10) + 10)
            check(post is not None and post.startswith("CMD_postscores+1+1+0+1+2+1+1+1"),
                  "hosting: the favourite clicked in the window reaches the host (%r)" % post)
            show = None
        if origin and show:
            prog.click_votes(origin, [(DECLINE, 0), (DECLINE, 1)], 0.2)
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


def scenario_solo():
    """Without parameters the copy shows the start window; "Play Solo" hosts a solo game under the
    offered account name and seats computer players beside it."""
    port = free_port()
    lobby = lobby_listener()
    prog = Program([], port, "solo")
    try:
        check(prog.choose_solo(), "solo: the start window is shown")
        bob = sign_in(port, "Bob", "solo/Bob")
        check(bob.expect(in_seat1, 10, "the player in seat 1") is not None,
              "solo: the own client is seated under the account name in seat 1")
        if lobby:
            check(not knocks_from(prog, lobby, 2), "solo: no connection to the lobby port 9001")
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


def scenario_portbusy():
    """Hosting while another program holds the port: the copy does not join that stranger."""
    with copy_at_scripted_host(["Hal", "127.0.0.1", "true"], "portbusy") as (stranger, prog):
        prog.wait_display()
        r, _, _ = select.select([stranger.listener], [], [], 5)
        check(not r, "portbusy: the copy does not connect to a host it did not start")
        check(prog.alive(), "portbusy: the program keeps running")


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
    with copy_at_scripted_host(["Ivy", "127.0.0.1"], "params-two") as (host, prog):
        client = host.accept(20)
        check(client is not None and prog.alive(), "params: a name and an address alone join the host")
        if client:
            client.sock.close()
    with copy_at_scripted_host(["Ivy", "127.0.0.1", "TRUE"], "params-case") as (host, prog):
        client = host.accept(20)
        if client:
            login(client, 2, "Ivy", "params: \"TRUE\" joins the given host and signs in")
            client.sock.close()


def scenario_beside():
    """Beside scripted players at the stand-alone host: seat 1 starts, the program answers and votes."""
    hostbin = os.path.join(os.path.dirname(ARGS.program), "lexiburst-host")
    host = HostProcess(hostbin, ARGS.second_ms, "clientcheck-host-", {"ASAN_OPTIONS": "detect_leaks=0"})
    port = host.port
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
            time.sleep(0.3)
            prog.type_first_answer(origin, "Zebra")
        ann.send("CMD_myanswers+1+1+Zinc+2++3++4++5++6++7++8+")
        cy.send("CMD_myanswers+3+1+Zoo+2++3++4++5++6++7++8+")
        show = ann.expect_prefix("CMD_showcat+", game_wait(60 + 7) + 10)
        check_eq(show, "CMD_showcat+%s+3+1+Zinc+0+2+Zebra+0+3+Zoo+0" % category1(sr),
                 "beside: the program's typed answer reaches the host at its time-out")
        if origin:
            prog.click_votes(origin, [(DECLINE, row) for row in range(3)], 0.2)
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
            prog.click_votes(origin, [(CHOICE, 0), (CHOICE, 1)], 0.2)
        groups = post_groups(ann.expect_prefix("CMD_postscores+", game_wait(10) + 10))
        check(groups.get(2, [0])[0] == 1 and groups.get(1, [0, 0])[1] + groups.get(3, [0, 0])[1] == 1,
              "beside: exactly one favourite vote from the program (%r)" % groups)
        check(prog.alive(), "beside: the program still runs")
        ann.sock.close()
        cy.sock.close()
    finally:
        if prog:
            prog.stop()
        host.stop()
        if not ARGS.keep:
            shutil.rmtree(host.home, ignore_errors=True)
