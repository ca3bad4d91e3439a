"""The host's scenarios: seating, both game types, hostile input, framing and churn."""

import socket

from .hostgame import (GameRun, Model, check_snapshot, finish_game, force_tie_answers, game_seconds_to_real,
                       one_winner_single_hook, one_winner_tie_hook)
from .hostplayers import all_expect, all_quiet, seat_of, sign_in, sign_in_players, with_host
from .report import check, check_eq
from .wire import VERSION


def start_short_game(net, players):
    """Seat 1 (Alice) starts one round of All Scoring with a second to answer; all hear the start."""
    players[0].send("CMD_startgame+Alice+1+1+1+1+")
    all_expect(players, "CMD_startgame+Alice+1+1+1+1+")
    run = GameRun(net, players, Model(True, True), turn_time=1, rounds=1)
    run.sync_model()
    return run


@with_host
def scenario_seating(h, net):
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
    # Seat 1 leaves: the lead passes to seat 2 and stays there; the next
    # newcomer gets seat 1 but not its rights.
    p1.close()
    seated.remove(p1)
    all_expect(seated, "CMD_playerdisconnected+1+Alice")
    p1b = sign_in(net, seated, "P1b", "Ann", expect_seat=1)
    seated.append(p1b)
    p1b.send("CMD_kickhim+1+5+")
    all_quiet(net, seated, "kick by a newcomer on seat 1", 0.2)
    p2.send("CMD_kickhim+2+5+")
    seated.remove(p5)
    all_expect(seated, "CMD_playerdisconnected+5+Pl5")


@with_host
def scenario_all_scoring(h, net):
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
        run.leave(8)

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


@with_host
def scenario_one_winner(h, net, dups_allowed):
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


@with_host
def scenario_hostile(h, net):
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
    bad.send(bytes(range(256)) * 3)
    bad.send(b"\xff\xff\xff+++@@@\xff")
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
    run = start_short_game(net, all_p)
    def cut_short(run, when):
        # A last pair without its answer: the list's end mark is no answer.
        if when == "before":
            p1.send("CMD_myanswers+1+2+b+3")
            run.m.store(1, {2: "b", 3: ""})
            net.pump_for(0.05)

    run.play_round({1: {1: "a"}, 2: {1: "b"}, 3: {1: "c"}}, {1: [(1, "against", 2)]}, after_start=None,
                   hooks={1: cut_short})


@with_host
def scenario_missing_and_departed(h, net):
    """Seat 1 signs in with a blank name and plays as its stand-in; a departed
    seat's score ties. (A seat that never signs in is closed after 60 game seconds.)"""
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
            run.leave(3)

    run.play_round({1: {1: "one"}, 3: {1: "three"}}, {}, after_start=None, hooks={2: leave})
    run.sync_model()
    check_eq(run.m.winner_test()[0], "CMD_tiegame+", "(the script set up a tie with a departed seat)")

    def lead(run, when):
        if when == "before":
            run.send_answers(p1, {8: "more"})
            net.pump_for(0.05)

    results = finish_game(run, lead)
    check_eq(results, ["CMD_tiegame+", "CMD_winner+Player 1+"], "tie with a departed seat, then the stand-in wins")


@with_host
def scenario_extras(h, net):
    """A second sign-in, 8-bit text, watching set by seat 1, odd start fields, snapshots
    in other phases, answers that are only blanks or sent twice."""
    players = sign_in_players(net, ["Alice", "Bob", "Z\xf6\xeb"])
    p1, p2, p3 = players
    p3.send("CMD_chat+3+\xe9t\xe9 \xa3|clBlack")
    all_expect(players, "CMD_chat+3+Z\xf6\xeb chats: \xe9t\xe9 \xa3|clBlack")
    # A name is set once: a second sign-in from the same seat is ignored.
    p2.send("CMD_logininfo+2+%s+Bobby" % VERSION)
    all_quiet(net, players, "after a second sign-in")
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


@with_host
def scenario_framing(h, net):
    """Messages cut into pieces, many in one write, long and empty entries."""
    players = sign_in_players(net, ["Alice", "Bob"])
    p1, p2 = players
    for piece in [b"CMD_ch", b"at+2+hel", b"lo|clBl", b"ack\xff"]:
        p2.send(piece)
        net.pump_for(0.03)
    all_expect(players, "CMD_chat+2+Bob chats: hello|clBlack", "a message sent in four pieces")
    # A burst within the chat pace (10 lines at once, "hello" was the first).
    burst = b"".join(b"CMD_chat+2+n%d|clBlack\xff\xff" % i for i in range(9))
    p2.send(burst)
    for i in range(9):
        all_expect(players, "CMD_chat+2+Bob chats: n%d|clBlack" % i, "burst message %d" % i)
    long_text = "L" * 5000
    p1.send("CMD_chat+1+%s|clBlack" % long_text)
    t, got = p2.take()
    check(got == "CMD_chat+1+Alice chats: %s|clBlack" % long_text[:500],
          "a 5000-character chat is relayed cut to 500 before its colour (got %d chars)"
          % len(got or ""))
    p1.pos = len(p1.msgs)
    all_quiet(net, players, "after the long chat")


@with_host
def scenario_churn(h, net):
    """Connections that come and go, resets, seat 1 leaving during a game."""
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
    run = start_short_game(net, players)

    def seat1_leaves_and_returns(run, when):
        if when != "after":
            return
        run.leave(1)
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
