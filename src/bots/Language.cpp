#include "bots/Language.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

const QString WordsPath = QStringLiteral(":/bots/words.txt");
const QString SensesPath = QStringLiteral(":/bots/senses.txt");

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The word list, sorted: one search per word, and no copy of its 100,000 lines.
struct WordList
{
    QByteArray text;
    std::vector<std::string_view> words;

    WordList() : text(readResource(WordsPath))
    {
        for (qsizetype start = 0; start < text.size();) {
            qsizetype end = text.indexOf('\n', start);
            if (end < 0)
                end = text.size();
            const std::string_view line(text.constData() + start, std::size_t(end - start));
            if (!line.empty() && line.front() != '#')
                words.push_back(line);
            start = end + 1;
        }
        std::sort(words.begin(), words.end());
    }

    bool contains(const QString &word) const
    {
        const QByteArray latin1 = word.toLatin1();
        return std::binary_search(words.begin(), words.end(),
                                  std::string_view(latin1.constData(), std::size_t(latin1.size())));
    }
};

// The nouns that fit each judged category; categories with the same senses share a group.
struct Senses
{
    QHash<QString, int> groupOf; // category key
    QList<QSet<QString>> groups;
    QSet<QString> all;

    Senses()
    {
        bool naming = false;
        for (const QByteArray &line : readResource(SensesPath).split('\n')) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            if (line.startsWith('=')) {
                if (!naming)
                    groups.append(QSet<QString>());
                naming = true;
                groupOf.insert(QString::fromLatin1(line.mid(1)).simplified().toCaseFolded(),
                               int(groups.size()) - 1);
                continue;
            }
            naming = false;
            if (!groups.isEmpty()) {
                groups.last().insert(QString::fromLatin1(line));
                all.insert(QString::fromLatin1(line));
            }
        }
    }
};

const WordList &wordList()
{
    static const WordList list;
    return list;
}

const Senses &senses()
{
    static const Senses read;
    return read;
}

// A noun and its singulars: "berries" may be "berrie", "berry" or "berri".
QStringList nounForms(const QString &phrase)
{
    QStringList forms {phrase};
    if (phrase.endsWith(QStringLiteral("ies")))
        forms.append(phrase.chopped(3) + u'y');
    if (phrase.endsWith(QStringLiteral("es")))
        forms.append(phrase.chopped(2));
    if (phrase.endsWith(u's'))
        forms.append(phrase.chopped(1));
    return forms;
}

} // namespace

namespace Language {

QStringList wordsOf(const QString &text)
{
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue; // the accent of a letter
        const QChar lower = c.toLower();
        folded.append(lower >= u'a' && lower <= u'z' ? lower : QChar(u' '));
    }
    return folded.split(u' ', Qt::SkipEmptyParts);
}

bool hasKnownWord(const QString &answer)
{
    const QStringList words = wordsOf(answer);
    return std::any_of(words.begin(), words.end(),
                       [](const QString &word) { return wordList().contains(word); });
}

bool fitsAnotherCategoryOnly(const QString &category, const QString &answer)
{
    const Senses &known = senses();
    const int group = known.groupOf.value(category.simplified().toCaseFolded(), -1);
    if (group < 0)
        return false;
    bool fitsAnother = false;
    for (const QString &form : nounForms(wordsOf(answer).join(u' '))) {
        if (known.groups.at(group).contains(form))
            return false;
        fitsAnother = fitsAnother || known.all.contains(form);
    }
    return fitsAnother;
}

QStringList closedKeys(const QString &text)
{
    QStringList words = wordsOf(text);
    for (QString &word : words) {
        if (word == QLatin1String("saint"))
            word = QStringLiteral("st");
        else if (word == QLatin1String("mount"))
            word = QStringLiteral("mt");
    }
    if (words.size() > 1 && words.first() == QLatin1String("the"))
        words.removeFirst();
    if (words.isEmpty())
        return {};
    QStringList keys {words.join(u' ')};
    if (words.size() >= 3)
        keys.append(words.first() + u' ' + words.last());
    return keys;
}

bool oneTypoApart(const QString &a, const QString &b)
{
    const QString &longer = a.size() >= b.size() ? a : b;
    const QString &shorter = a.size() >= b.size() ? b : a;
    if (longer.size() - shorter.size() > 1)
        return false;
    qsizetype start = 0;
    while (start < shorter.size() && shorter.at(start) == longer.at(start))
        ++start;
    // The rest must match after one letter changed (same length) or dropped (one shorter).
    const qsizetype skip = longer.size() == shorter.size() ? 1 : 0;
    return QStringView(shorter).mid(start + skip) == QStringView(longer).mid(start + 1);
}

} // namespace Language
