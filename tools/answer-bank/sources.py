"""Where answers come from: WordNet subtrees, Debian's data lists and word shapes.

Every source returns answers best first. An answer is plain text as a player would
type it; the generator drops what cannot travel on the wire.
"""

import gzip
import json
import re

from wordnet import WordNet

COMMON_WORD = re.compile(r"^[a-z][a-z' -]*[a-z]$")
PROPER_WORD = re.compile(r"^[A-Z][A-Za-z'. -]*[a-z]$")
MAX_WORDS = 3
# Words that make a lemma a title rather than a name ("President Lincoln").
# Words of a WordNet gloss that describe a woman, for categories of men.
WOMAN = re.compile(r"\b(actress|comedienne|she|her|woman|women|wife|daughter|sister|queen|princess|mother|widow|girl)\b")
TITLES = {"President", "Sir", "Saint", "St.", "King", "Queen", "Lord", "Lady", "General", "Pope", "Emperor", "Czar", "Dr.", "Mr.", "Mrs."}


def spaced(lemma):
    return lemma.replace("_", " ")


# Debian's wamerican: a list of common English words, to weed out rare WordNet lemmas.
COMMON_WORDS = "/usr/share/dict/american-english"


class Sources:
    def __init__(self):
        self.wordnet = WordNet()
        self._cache = {}
        with open(COMMON_WORDS, encoding="utf-8") as f:
            self.common_words = {line.strip().lower() for line in f}

    def familiar(self, text):
        """Whether every word of a lemma is in the common word list."""
        return all(word in self.common_words for word in text.lower().replace("-", " ").split())

    # ---- WordNet ----------------------------------------------------------------

    def nouns_below(self, names, proper=False, common=True, members=False, skip=(), men=False):
        """Lemmas of every synset under the named ones, most familiar first.

        Common nouns are lower-case lemmas; proper nouns (instances, names) are
        capitalised ones, offered as the full name and the bare last word."""
        wn = self.wordnet
        skipped = set()
        for name in skip:
            skipped.update(s.offset for s in wn.below(wn.synset(name), members))
        heads = set()
        scored = {}
        for name in names:
            top = wn.synset(name)
            heads.update(w.lower() for w, _ in top.lemmas)
            for synset in wn.below(top, members):
                if synset.offset in skipped or synset is top:
                    continue
                if men and WOMAN.search(synset.gloss.lower()):
                    continue
                self._score_synset(synset, proper, common, scored)
        for head in heads:
            scored.pop(spaced(head), None)
        return self._ranked(scored)

    def _score_synset(self, synset, proper, common, scored):
        wn = self.wordnet
        pointer_weight = len(synset.pointers)
        for index, (word, _) in enumerate(synset.lemmas):
            text = spaced(word)
            if len(text.split()) > MAX_WORDS:
                continue
            if common and COMMON_WORD.match(text):
                score = (wn.sense_count(synset, index), wn.lemma_count(word), -len(text.split()), -len(text))
                # A lemma nobody tagged in the corpus is kept only when its words are common.
                if score[0] or score[1] or self.familiar(text):
                    self._keep(scored, text, score)
            elif proper and index == 0 and wn.is_instance(synset) and PROPER_WORD.match(text) and not text.isupper():
                # WordNet lists a person's family name first and the full name later;
                # the full name is the better answer, the bare name still counts.
                full = next((spaced(w) for w, _ in synset.lemmas[1:]
                             if len(w.split("_")) == 2 and w.endswith("_" + word) and PROPER_WORD.match(spaced(w))
                             and w.split("_")[0] not in TITLES), None)
                base = (wn.sense_count(synset, index), pointer_weight, -len(text))
                if full:
                    self._keep(scored, full, (1,) + base)
                self._keep(scored, text, (0,) + base)

    @staticmethod
    def _keep(scored, text, score):
        if text not in scored or scored[text] < score:
            scored[text] = score

    @staticmethod
    def _ranked(scored):
        return [text for text, _ in sorted(scored.items(), key=lambda item: (tuple(-v for v in item[1]), item[0]))]

    def words_of(self, pos, test=lambda word: True, common_only=True):
        """Single-word lemmas of one part of speech that pass a test, most used first."""
        wn = self.wordnet
        counts = {}
        for (word_pos, lemma), offsets in wn.index.items():
            if word_pos != pos or not lemma.isalpha() or not lemma.isascii():
                continue
            if common_only and wn.lemma_count(lemma, pos) == 0:
                continue
            if test(lemma):
                counts[lemma] = (wn.lemma_count(lemma, pos), len(offsets), -len(lemma))
        return self._ranked(counts)

    def any_words(self, test):
        """Common words of any part of speech that pass a test."""
        merged = {}
        for pos in "nvar":
            for rank, word in enumerate(self.words_of(pos, test)):
                count = self.wordnet.lemma_count(word, pos)
                merged[word] = max(merged.get(word, (0,)), (count,))
        return self._ranked(merged)

    # ---- Debian data lists ---------------------------------------------------------

    def countries(self):
        with open("/usr/share/iso-codes/json/iso_3166-1.json", encoding="utf-8") as f:
            entries = json.load(f)["3166-1"]
        names = []
        for entry in entries:
            name = entry.get("common_name", entry["name"])
            if "," in name or "(" in name or len(name.split()) > 3:
                continue
            names.append(name)
        return sorted(names, key=lambda n: (len(n.split()), len(n), n))

    def world_capitals(self):
        capitals = []
        with gzip.open("/usr/share/misc/countries.gz", "rt", encoding="utf-8") as f:
            for line in f:
                fields = line.rstrip("\n").split(":")
                if len(fields) >= 5 and fields[4] and not fields[4].startswith("None") and not set("(),") & set(fields[4]):
                    capitals.append(fields[4].strip())
        return sorted(set(capitals), key=lambda n: (len(n.split()), len(n), n))

    def languages(self):
        names = []
        with gzip.open("/usr/share/misc/languages.gz", "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or ":" not in line:
                    continue
                name = line.strip().split(":", 1)[1].split(";")[0].strip()
                if " " not in name and "(" not in name:
                    names.append(name)
        return names

    def _usa(self):
        if "usa" not in self._cache:
            with open("/usr/share/kgeography/usa.kgm", encoding="utf-8") as f:
                text = f.read()
            pairs = re.findall(r"<name>([^<]+)</name>\s*<capital>([^<]+)</capital>", text)
            self._cache["usa"] = [(s, c) for s, c in pairs if s != "District of Columbia"]
        return self._cache["usa"]

    def states(self):
        return [state for state, _ in self._usa()]

    def state_capitals(self):
        return [capital for _, capital in self._usa()]

    def places_in(self, kind, region):
        """Instances of a kind of place (city.n.01) that lie within a region, by part-of links."""
        wn = self.wordnet
        target = wn.synset(region).offset
        found = {}
        for synset in wn.below(wn.synset(kind)):
            if not wn.is_instance(synset):
                continue
            todo, seen = [synset], set()
            while todo:
                current = todo.pop()
                holders = [o for sym, o, pos in current.pointers if sym == "#p" and pos == "n"]
                if target in holders:
                    self._score_synset(synset, True, False, found)
                    break
                for offset in holders:
                    if offset not in seen:
                        seen.add(offset)
                        todo.append(wn.synsets[("n", offset)])
        return self._ranked(found)

    def cities(self, country=None):
        """Cities from the miscfiles gazetteer, biggest first."""
        found = []
        record = {}
        with gzip.open("/usr/share/misc/cities.dat.gz", "rt", encoding="latin-1") as f:
            for line in f:
                if line.startswith("//"):
                    if record.get("Name") and (country is None or record.get("Country") == country):
                        population = int(record.get("Population") or 0)
                        found.append((-population, record["Name"]))
                    record = {}
                    continue
                key, _, value = line.partition(":")
                record[key.strip()] = value.strip()
        return [name for _, name in sorted(found)]
