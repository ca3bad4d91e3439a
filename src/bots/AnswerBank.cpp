#include "bots/AnswerBank.h"

#include <QBuffer>
#include <QFile>

namespace {

const QString BuiltInPath = QStringLiteral(":/bots/answers.txt");
const QByteArray ClosedMark = QByteArrayLiteral("\tclosed");

} // namespace

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
            const bool closed = line.endsWith(ClosedMark);
            if (closed)
                line.chop(ClosedMark.size());
            current = &bank.m_categories[categoryKey(QString::fromLatin1(line.mid(1)))];
            current->closed = closed;
            continue;
        }
        if (!current)
            continue;
        const QString answer = QString::fromLatin1(line).trimmed();
        if (answer.isEmpty())
            continue;
        current->byLetter[answer.at(0).toUpper()].append(answer);
        current->keys.insert(answerKey(answer));
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
