"""What the computer players know of the language, to judge the answers of others.

words.txt: every word of WordNet's lemmas and irregular forms, of the system word list
and of the bank, folded to the letters a to z. senses.txt: for each category whose table
entry names the senses that cover it ("judge:"), every common noun under those senses;
an answer that fits no sense of its category but fits another judged category's is
wrong. Categories with the same senses share one block.
"""

import re
import unicodedata

WORD = re.compile(r"[a-z]+")
SYSTEM_WORDS = "/usr/share/dict/american-english"
EXCEPTION_FILES = ("noun.exc", "verb.exc", "adj.exc", "adv.exc")
JUDGE = "judge:"
# Above this share of answers holding a name, a category takes names.
NAMES_SHARE = 0.3


def fold(text):
    """Lower case, accents dropped, as the programs fold an answer."""
    return unicodedata.normalize("NFKD", text).encode("ascii", "ignore").decode().lower()


def words_of(text):
    return WORD.findall(fold(text))


def phrase(text):
    """A lemma or an answer as the programs compare them: its words apart by one space."""
    return " ".join(words_of(text.replace("_", " ")))


def language(wordnet, bank_answers, folder="/usr/share/wordnet"):
    words = set()
    for _, lemma in wordnet.index:
        words.update(words_of(lemma.replace("_", " ")))
    for name in EXCEPTION_FILES:
        with open("%s/%s" % (folder, name), encoding="latin-1") as f:
            for line in f:
                words.update(words_of(line.split()[0].replace("_", " ")))
    with open(SYSTEM_WORDS, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            words.update(words_of(line[:-2] if line.endswith("'s") else line))
    for answer in bank_answers:
        words.update(words_of(answer))
    return sorted(words)


def common_words(wordnet):
    """Words of lower-case lemmas and of lower-case system words: not names."""
    found = set()
    for synset in wordnet.synsets.values():
        for lemma, _ in synset.lemmas:
            if lemma.islower():
                found.update(words_of(lemma.replace("_", " ")))
    with open(SYSTEM_WORDS, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.islower():
                found.update(words_of(line[:-2] if line.endswith("'s") else line))
    return found


def takes_names(answers, common):
    """Whether a category's answers are mostly names, which no word list can judge."""
    named = sum(1 for a in answers if any(w not in common for w in words_of(a)))
    return bool(answers) and named > NAMES_SHARE * len(answers)


def judged(table):
    """Category -> the senses named on its "judge:" lines, for the categories that have one."""
    found = {}
    for category, sources in table.items():
        names = [n for s in sources if s.startswith(JUDGE) for n in s[len(JUDGE):].split()]
        if names:
            found[category] = tuple(names)
    return found


def fitting(wordnet, names):
    """Every common noun under the named senses, less those under "-" senses."""
    skipped = set()
    for name in names:
        if name.startswith("-"):
            skipped.update(s.offset for s in wordnet.below(wordnet.synset(name[1:])))
    lemmas = set()
    for name in names:
        if name.startswith("-"):
            continue
        for synset in wordnet.below(wordnet.synset(name)):
            if synset.offset in skipped:
                continue
            for word, _ in synset.lemmas:
                if word.islower():
                    lemmas.add(phrase(word))
    lemmas.discard("")
    return sorted(lemmas)


def senses_lines(wordnet, table, categories):
    by_senses = {}
    for category, names in judged(table).items():
        if category in categories:
            by_senses.setdefault(names, []).append(category)
    lines = []
    for names in sorted(by_senses):
        lines.extend("=" + c for c in by_senses[names])
        lines.extend(fitting(wordnet, names))
    return lines
