"""Categories about the shape of a word rather than its meaning."""

VOWELS = set("aeiou")


def vowel_count(word):
    return sum(1 for c in word if c in VOWELS)


def has_double(word):
    return any(a == b for a, b in zip(word, word[1:]))


def common(sources, test, min_length=3):
    return sources.any_words(lambda w: len(w) >= min_length and test(w))


SHAPES = {
    "ing": lambda s: common(s, lambda w: w.endswith("ing") and len(w) >= 5),
    "ly": lambda s: s.words_of("r", lambda w: w.endswith("ly")),
    "n": lambda s: common(s, lambda w: w.endswith("n") and len(w) >= 4),
    "ght": lambda s: common(s, lambda w: w.endswith("ght")),
    "double": lambda s: common(s, has_double, 4),
    "one_vowel": lambda s: common(s, lambda w: vowel_count(w) == 1, 4),
    "no_vowel": lambda s: common(s, lambda w: vowel_count(w) == 0),
    "three_vowels": lambda s: common(s, lambda w: vowel_count(w) >= 3),
    "four": lambda s: common(s, lambda w: len(w) == 4),
    "five": lambda s: common(s, lambda w: len(w) == 5),
    "adjective": lambda s: s.words_of("a", lambda w: len(w) >= 4),
    "adverb": lambda s: s.words_of("r", lambda w: len(w) >= 4),
    "noun": lambda s: s.words_of("n", lambda w: len(w) >= 4),
    "verb": lambda s: s.words_of("v", lambda w: len(w) >= 3),
}
