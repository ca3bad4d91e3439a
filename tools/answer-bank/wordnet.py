"""Reads the WordNet 3.0 dictionary files that Debian's wordnet-base installs.

Synsets are named like "plant.n.02": the lemma, the part of speech and the sense
number in the index, so the category table names senses the way WordNet's own
browsers show them. Run this file with a word to list its noun senses.
"""

import os
import sys

DICT_DIR = "/usr/share/wordnet"
POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
# Pointer symbols that lead one level down: hyponym and instance hyponym.
DOWN_POINTERS = ("~", "~i")
MEMBER_POINTERS = ("%m",)


class Synset:
    __slots__ = ("offset", "pos", "lexfile", "lemmas", "pointers", "gloss")

    def __init__(self, offset, pos, lexfile, lemmas, pointers, gloss):
        self.offset = offset
        self.pos = pos
        self.lexfile = lexfile
        self.lemmas = lemmas  # [(lemma as written, lex_id)]
        self.pointers = pointers  # [(symbol, offset, pos)]
        self.gloss = gloss


class WordNet:
    def __init__(self, folder=DICT_DIR):
        self.synsets = {}  # (pos, offset) -> Synset
        self.index = {}  # (pos, lemma) -> [offset in sense order]
        self.sense_counts = {}  # sense key -> tagged count
        for pos, name in POS_FILES.items():
            self._read_data(os.path.join(folder, "data." + name), pos)
            self._read_index(os.path.join(folder, "index." + name), pos)
        self._read_counts(os.path.join(folder, "cntlist.rev"))
        self.lemma_counts = {}
        for key, count in self.sense_counts.items():
            lemma, rest = key.split("%", 1)
            pos = "nvar"[min(int(rest[0]), 4) - 1] if rest[0] != "5" else "a"
            self.lemma_counts[(pos, lemma)] = self.lemma_counts.get((pos, lemma), 0) + count

    def _read_data(self, path, pos):
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                head, _, gloss = line.partition(" | ")
                fields = head.split()
                offset = int(fields[0])
                lexfile = int(fields[1])
                count = int(fields[3], 16)
                lemmas = []
                at = 4
                for _ in range(count):
                    word = fields[at]
                    if pos == "a" and word.endswith(")"):
                        word = word[: word.index("(")]
                    lemmas.append((word, int(fields[at + 1], 16)))
                    at += 2
                pointer_count = int(fields[at])
                at += 1
                pointers = []
                for _ in range(pointer_count):
                    pointers.append((fields[at], int(fields[at + 1]), fields[at + 2]))
                    at += 4
                syn_pos = "a" if fields[2] in ("a", "s") else fields[2]
                self.synsets[(pos, offset)] = Synset(offset, syn_pos, lexfile, lemmas, pointers, gloss.strip())

    def _read_index(self, path, pos):
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                fields = line.split()
                synset_count = int(fields[2])
                self.index[(pos, fields[0])] = [int(o) for o in fields[-synset_count:]]

    def _read_counts(self, path):
        with open(path, encoding="latin-1") as f:
            for line in f:
                key, _, count = line.split()
                self.sense_counts[key] = int(count)

    def synset(self, name):
        """The synset named "lemma.pos.N"; raises KeyError for an unknown name."""
        lemma, pos, number = name.rsplit(".", 2)
        offsets = self.index[(pos, lemma.lower())]
        return self.synsets[(pos, offsets[int(number) - 1])]

    def name_of(self, synset):
        lemma = synset.lemmas[0][0].lower()
        offsets = self.index.get((synset.pos, lemma), [])
        number = offsets.index(synset.offset) + 1 if synset.offset in offsets else 0
        return "%s.%s.%02d" % (lemma, synset.pos, number)

    def below(self, synset, members=False):
        """The synset and every synset under it by hyponym and instance links."""
        seen = {synset.offset}
        order = [synset]
        todo = [synset]
        symbols = DOWN_POINTERS + (MEMBER_POINTERS if members else ())
        while todo:
            current = todo.pop()
            for symbol, offset, pos in current.pointers:
                if symbol in symbols and pos == "n" and offset not in seen:
                    seen.add(offset)
                    child = self.synsets[("n", offset)]
                    order.append(child)
                    todo.append(child)
        return order

    def is_instance(self, synset):
        return any(symbol == "@i" for symbol, _, _ in synset.pointers)

    def sense_count(self, synset, lemma_index):
        word, lex_id = synset.lemmas[lemma_index]
        pos_number = {"n": 1, "v": 2, "a": 3, "r": 4}[synset.pos]
        key = "%s%%%d:%02d:%02d::" % (word.lower(), pos_number, synset.lexfile, lex_id)
        return self.sense_counts.get(key, 0)

    def lemma_count(self, word, pos="n"):
        return self.lemma_counts.get((pos, word.lower()), 0)

    def senses(self, word, pos="n"):
        return [self.synsets[(pos, o)] for o in self.index.get((pos, word.lower()), [])]


def main():
    wordnet = WordNet()
    for word in sys.argv[1:]:
        for synset in wordnet.senses(word.replace(" ", "_")):
            lemmas = ", ".join(w for w, _ in synset.lemmas)
            below = len(wordnet.below(synset))
            print("%s [%s] (%d below) %s" % (wordnet.name_of(synset), lemmas, below, synset.gloss[:90]))


if __name__ == "__main__":
    main()
