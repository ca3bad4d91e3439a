"""Games against the host: the rules it should follow (Model) and a game played step by step (GameRun).

Every broadcast is checked against the model, and every phase's length against the
game seconds it should last.
"""

import time

from .hostplayers import all_expect, all_quiet, seat_of
from .report import ARGS, check, check_eq

DEVIATIONS = []  # (measured - wanted, wanted) of every timed step, in game seconds


def game_seconds(real):
    return real * 1000.0 / ARGS.second_ms


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

    def leave(self, seat):
        """The player in seat closes its connection; the others hear that it left."""
        p = seat_of(self.players, seat)
        p.close()
        self.players.remove(p)
        all_expect(self.active(), "CMD_playerdisconnected+%d+%s" % (seat, p.name))

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
