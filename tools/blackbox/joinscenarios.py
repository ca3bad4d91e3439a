"""The game joining a scripted host: what it sends in answer to every host message, hostile ones too."""

import os
import socket
import time

from .peers import (CATS, empty_answers, game_wait, joining_copy, login, nothing_sent, seat_copy,
                    startround_text)
from .program import CHOICE, DECLINE
from .report import check, check_eq
from .wire import TERM, msg


@joining_copy("Carol Q", "joining")
def scenario_joining(prog, client):
    """Everything a joining copy sends in answer to the host's messages."""
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
        prog.click_votes(origin, [(DECLINE, 0), (CHOICE, 1)], 0.3)
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
        # The second favourite picture is hidden after the first choice.
        prog.click_votes(origin, [(CHOICE, 0), (CHOICE, 1)], 0.3)
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
    dismiss_message_box(prog, "joining: the host closed")
    check(prog.wait_exit(15), "joining: the program ends when the host closes")
    tally = os.path.join(prog.tmp, "home", "Lexabursttally.tld")
    check(os.path.exists(tally), "joining: a seated player's finished game is in the tally file at the end")


@joining_copy("Dave", "latejoin")
def scenario_latejoin(prog, client):
    """CMD_gamestats in phase 1 with time left: the late joiner answers at its time-out."""
    seat_copy(prog, client, 4, "Dave", "latejoin: sign-in reply")
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


@joining_copy("Eve", "hostile")
def scenario_hostile(prog, client):
    """Garbage, huge unterminated text, out-of-range numbers: the copy neither crashes nor misbehaves."""
    seat_copy(prog, client, 3, "Eve", "hostile: sign-in reply")
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
    check(all(m.startswith(("CMD_myanswers+", "CMD_peerinfo+", "CMD_logininfo+")) or m == ""
              for m in sent),
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


@joining_copy("Fay", "full")
def scenario_full(prog, client):
    """CMD_full+: the message box "Game is full", then the program ends."""
    prog.wait_display()
    client.send("CMD_full+")
    dismiss_message_box(prog, "full")
    check(prog.wait_exit(15), "full: the program closes after the message box")


def dismiss_message_box(prog, label):
    """Waits for the small "Lexiburst" box the player has to read and presses Return on it."""
    box = None
    end = time.monotonic() + 10
    while time.monotonic() < end and box is None and prog.alive():
        for win in prog.xdo("search", "--onlyvisible", "--name", "^Lexiburst$").stdout.split():
            _, _, w, h = prog.geometry(win)
            if w < 500:
                box = win
        time.sleep(0.2)
    check(box is not None or not prog.alive(), label + ": a message box is shown")
    if box:
        prog.xdo("windowfocus", "--sync", box)
        prog.xdo("key", "Return")


@joining_copy("Gus", "hostclose")
def scenario_hostclose(prog, client):
    """The host closes the connection: the player reads why, then the program ends."""
    seat_copy(prog, client, 2, "Gus", "hostclose: sign-in reply")
    time.sleep(1.0)
    client.sock.shutdown(socket.SHUT_RDWR)
    client.sock.close()
    dismiss_message_box(prog, "hostclose")
    check(prog.wait_exit(15), "hostclose: the program ends when the host closes the connection")


@joining_copy("Spy", "spectator")
def scenario_spectator(prog, client):
    """A copy seated as the spectator (seat 9) sends neither answers nor votes."""
    seat_copy(prog, client, 9, "Spy", "spectator: sign-in reply for seat 9")
    mark = len(client.msgs)
    client.send("CMD_startgame+Hosty+1+30+1+1+")
    client.send(startround_text(1, 2))
    client.drain(game_wait(33))
    client.send("CMD_endround+")
    client.send("CMD_showcat+FRUIT+2+1+CHERRY+0+2+COCONUT+0")
    time.sleep(0.5)
    origin = prog.board_origin()
    if origin:
        prog.click_votes(origin, [(DECLINE, 0), (CHOICE, 1)], 0.5)
    nothing_sent(client, mark, 1.0, "spectator: no answers and no votes from seat 9")
