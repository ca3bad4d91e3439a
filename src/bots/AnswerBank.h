// The answers computer players know, by category and first letter.
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class QIODevice;

// Reads the bank that tools/answer-bank/generate.py writes: Latin-1 lines, "=Category"
// (a tab and "closed" after it for a category whose every answer is listed, or "names" for
// one whose answers are mostly names), then that category's answers, best first within each letter.
// Categories are matched by their text without case and surrounding blanks, as the host's table and
// added categories may differ from the bank in both. Offensive answers are dropped as they are
// read.
class AnswerBank
{
public:
    AnswerBank() = default;
    static AnswerBank fromDevice(QIODevice &device);
    static AnswerBank fromText(const QByteArray &latin1);
    // The bank compiled into the program; empty if the resource is missing.
    static AnswerBank fromResource();

    // Answers to the category beginning with the letter, best first; empty when unknown.
    QStringList answers(const QString &category, QChar letter) const;
    bool knowsCategory(const QString &category) const;
    // True when the bank lists every right answer, so one missing from it is wrong.
    bool knowsWell(const QString &category) const;
    // Whether the bank holds the answer, ignoring case, blanks and a plural "s".
    bool holds(const QString &category, const QString &answer) const;
    // For a category the bank knows well: whether the answer names one of its entries as
    // people type them (see Language::closedKeys), or with one typo in a name of seven
    // letters or more.
    bool matchesClosed(const QString &category, const QString &answer) const;
    // Whether the category's answers are mostly names, which no word list can judge.
    bool takesNames(const QString &category) const;
    int categoryCount() const { return int(m_categories.size()); }

    // Whether a computer player must never type the answer: one of its words is a word of
    // the built-in block list (a plural counts as its singular), or a phrase of the list is
    // a run of its words. A bank read from anywhere leaves such answers out.
    static bool isOffensive(const QString &answer);
    // The block list's words and phrases (words apart by one space).
    static QStringList offensiveWords();

private:
    struct Category
    {
        QHash<QChar, QStringList> byLetter;
        QSet<QString> keys;
        QSet<QString> closedKeys;
        bool closed = false;
        bool names = false;
    };
    struct Blocked;
    static const Blocked &blocked();
    static QString categoryKey(const QString &category);
    static QString answerKey(const QString &answer);
    const Category *find(const QString &category) const;

    QHash<QString, Category> m_categories;
};
