#include "bots/AnswerBank.h"

#include "bots/Language.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>

namespace {

const QString BuiltInPath = QStringLiteral(":/bots/answers.txt");
const QString BlockedPath = QStringLiteral(":/bots/blocked.txt");
const QByteArray ClosedFlag = QByteArrayLiteral("closed");
const QByteArray NamesFlag = QByteArrayLiteral("names");
// Shorter names get no typo allowed: "Cnada" is not Canada for sure.
constexpr int TypoMinLength = 7;

// The runs of the letters a to z of a text, in lower case; the generator splits the same.
QStringList wordsOf(const QString &text)
{
    const QString folded = text.toCaseFolded();
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= folded.size(); ++i) {
        const bool letter = i < folded.size() && folded.at(i) >= u'a' && folded.at(i) <= u'z';
        if (letter && start < 0) {
            start = i;
        } else if (!letter && start >= 0) {
            words.append(folded.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

QString spaced(const QStringList &words)
{
    return u' ' + words.join(u' ') + u' ';
}

} // namespace

struct AnswerBank::Blocked
{
    QSet<QString> words;
    QStringList phrases; // " several words ", to find as a run of an answer's words
};

const AnswerBank::Blocked &AnswerBank::blocked()
{
    static const Blocked list = [] {
        Blocked read;
        QFile file(BlockedPath);
        if (!file.open(QIODevice::ReadOnly))
            return read;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const QStringList words = wordsOf(QString::fromLatin1(line));
            if (line.startsWith('#') || words.isEmpty())
                continue;
            if (words.size() == 1)
                read.words.insert(words.first());
            else
                read.phrases.append(spaced(words));
        }
        return read;
    }();
    return list;
}

QStringList AnswerBank::offensiveWords()
{
    QStringList entries(blocked().words.begin(), blocked().words.end());
    for (const QString &phrase : blocked().phrases)
        entries.append(phrase.trimmed());
    return entries;
}

bool AnswerBank::isOffensive(const QString &answer)
{
    const Blocked &list = blocked();
    const QStringList words = wordsOf(answer);
    for (const QString &word : words) {
        // A plural counts as its singular.
        if (list.words.contains(word)
            || (word.endsWith(u's') && list.words.contains(word.chopped(1)))
            || (word.endsWith(QStringLiteral("es")) && list.words.contains(word.chopped(2))))
            return true;
    }
    const QString text = spaced(words);
    return std::any_of(list.phrases.begin(), list.phrases.end(),
                       [&text](const QString &phrase) { return text.contains(phrase); });
}

AnswerBank AnswerBank::fromText(const QByteArray &latin1)
{
    QByteArray copy = latin1;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return fromDevice(buffer);
}

AnswerBank AnswerBank::fromDevice(QIODevice &device)
{
    AnswerBank bank;
    Category *current = nullptr;
    while (!device.atEnd()) {
        QByteArray line = device.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('=')) {
            const QList<QByteArray> fields = line.mid(1).split('\t');
            current = &bank.m_categories[categoryKey(QString::fromLatin1(fields.first()))];
            current->closed = fields.contains(ClosedFlag);
            current->names = fields.contains(NamesFlag);
            continue;
        }
        if (!current)
            continue;
        const QString answer = QString::fromLatin1(line).trimmed();
        if (answer.isEmpty() || isOffensive(answer))
            continue;
        current->byLetter[answer.at(0).toUpper()].append(answer);
        current->keys.insert(answerKey(answer));
        if (current->closed) {
            for (const QString &key : Language::closedKeys(answer))
                current->closedKeys.insert(key);
        }
    }
    return bank;
}

AnswerBank AnswerBank::fromResource()
{
    QFile file(BuiltInPath);
    if (!file.open(QIODevice::ReadOnly))
        return AnswerBank();
    return fromDevice(file);
}

QString AnswerBank::categoryKey(const QString &category)
{
    return category.simplified().toCaseFolded();
}

QString AnswerBank::answerKey(const QString &answer)
{
    return answer.simplified().toCaseFolded();
}

const AnswerBank::Category *AnswerBank::find(const QString &category) const
{
    const auto it = m_categories.constFind(categoryKey(category));
    return it == m_categories.constEnd() ? nullptr : &it.value();
}

QStringList AnswerBank::answers(const QString &category, QChar letter) const
{
    const Category *found = find(category);
    return found ? found->byLetter.value(letter.toUpper()) : QStringList();
}

bool AnswerBank::knowsCategory(const QString &category) const
{
    return find(category) != nullptr;
}

bool AnswerBank::knowsWell(const QString &category) const
{
    const Category *found = find(category);
    return found && found->closed;
}

bool AnswerBank::holds(const QString &category, const QString &answer) const
{
    const Category *found = find(category);
    if (!found)
        return false;
    const QString key = answerKey(answer);
    if (found->keys.contains(key))
        return true;
    // "Canadas" or "Canada" for "Canada"; "Peaches" for "Peach".
    if (key.endsWith(u's') && found->keys.contains(key.chopped(1)))
        return true;
    if (key.endsWith(QStringLiteral("es")) && found->keys.contains(key.chopped(2)))
        return true;
    return found->keys.contains(key + u's');
}

bool AnswerBank::matchesClosed(const QString &category, const QString &answer) const
{
    const Category *found = find(category);
    if (!found || !found->closed)
        return false;
    const QStringList keys = Language::closedKeys(answer);
    for (const QString &key : keys) {
        if (found->closedKeys.contains(key))
            return true;
    }
    for (const QString &typed : keys) {
        if (typed.size() < TypoMinLength)
            continue;
        for (const QString &key : found->closedKeys) {
            if (key.size() >= TypoMinLength && Language::oneTypoApart(key, typed))
                return true;
        }
    }
    return false;
}

bool AnswerBank::takesNames(const QString &category) const
{
    const Category *found = find(category);
    return found && found->names;
}
