// What the computer players know of the language, to judge the answers of others: the
// words of the built-in word list and, for each category whose senses the answer bank's
// table names, the nouns that fit them. tools/answer-bank/generate.py writes both.
#pragma once

#include <QString>
#include <QStringList>

namespace Language {

// The words of a text: runs of the letters a to z once accents are dropped, lower case.
QStringList wordsOf(const QString &text);

// Whether one of the answer's words is a word of the language.
bool hasKnownWord(const QString &answer);

// For a category whose senses are named: whether the answer is a noun that fits none of
// them but fits another such category ("Banana" for an animal). False when it cannot tell.
bool fitsAnotherCategoryOnly(const QString &category, const QString &answer);

// The forms under which an entry of a closed list and an answer to it are compared: the
// words without case, dots or accents, "st" for "Saint", "mt" for "Mount", no leading
// "the"; and for three words or more, the first and the last ("James K. Polk" is
// "james polk").
QStringList closedKeys(const QString &text);

// Whether two texts differ by at most one letter added, dropped or changed.
bool oneTypoApart(const QString &a, const QString &b);

} // namespace Language
