"""Words the computer players never type: WordNet's offensive labels and blocked.txt.

An answer is blocked when one of its words is a blocked word (a plural counts as its
singular), or a blocked phrase is a run of its words. The programs read the merged list this writes and
apply the same test, so a bank edited by hand cannot bring one in.
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
HAND_FILE = os.path.join(HERE, "blocked.txt")
KEEP_MARK = "keep:"
# WordNet's usage labels of words nobody should see the game type.
OFFENSIVE_LABELS = ("obscenity.n.02", "disparagement.n.01", "ethnic_slur.n.01")
WORD = re.compile(r"[a-z]+")


def read_hand(path=HAND_FILE):
    blocked, kept = set(), set()
    into = blocked
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip().lower()
            if not line or line.startswith("#"):
                continue
            if line == KEEP_MARK:
                into = kept
                continue
            into.add(line)
    return blocked, kept


def labelled(wordnet):
    """Every lemma of a synset that carries one of the offensive usage labels."""
    labels = {wordnet.synset(name).offset for name in OFFENSIVE_LABELS}
    found = set()
    for synset in wordnet.synsets.values():
        if any(symbol == ";u" and offset in labels for symbol, offset, _ in synset.pointers):
            found.update(word.lower().replace("_", " ") for word, _ in synset.lemmas)
    return found


def merged(wordnet):
    blocked, kept = read_hand()
    return sorted((blocked | labelled(wordnet)) - kept)


def words_of(text):
    return WORD.findall(text.lower())


def forms(word):
    """The word, and the word without a plural ending."""
    result = {word}
    if word.endswith("s"):
        result.add(word[:-1])
    if word.endswith("es"):
        result.add(word[:-2])
    return result


class Blocker:
    def __init__(self, entries):
        self.words = {e for e in entries if len(words_of(e)) == 1}
        self.phrases = [" %s " % " ".join(words_of(e)) for e in entries if len(words_of(e)) > 1]

    def __call__(self, answer):
        words = words_of(answer)
        if any(not self.words.isdisjoint(forms(w)) for w in words):
            return True
        spaced = " %s " % " ".join(words)
        return any(phrase in spaced for phrase in self.phrases)
