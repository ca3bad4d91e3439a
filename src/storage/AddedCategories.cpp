#include "storage/AddedCategories.h"

#include "storage/AtomicFile.h"
#include "storage/Latin1Line.h"

#include <QFileInfo>

namespace {

const QString AddcatsSuffix = QStringLiteral("addcats.txt");
constexpr char LineEnd[] = "\r\n";
// Separates the fields of a message on the wire.
constexpr char16_t FieldSeparator = u'+';
constexpr char16_t LastLatin1 = 0xFF;

} // namespace

QString AddedCategories::fileName(const QString &shortProgramName)
{
    return shortProgramName + AddcatsSuffix;
}

bool AddedCategories::load(const QString &path, QString *error)
{
    m_entries.clear();
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QByteArray> bytes = Storage::readWholeFile(path, MaxFileBytes, error);
    if (!bytes)
        return false;
    for (const QString &line : Storage::fromLatin1Lines(*bytes))
        if (!line.trimmed().isEmpty())
            m_entries.append(line);
    return true;
}

bool AddedCategories::save(const QString &path, QString *error) const
{
    QByteArray bytes;
    for (const QString &entry : m_entries)
        bytes += entry.toLatin1() + LineEnd;
    return Storage::writeFileAtomically(path, bytes, error);
}

AddedCategories::AddResult AddedCategories::add(const QString &text, const QStringList &master)
{
    const QString category = text.trimmed();
    if (category.isEmpty())
        return AddResult::Empty;
    if (containsIgnoringCase(m_entries, category))
        return AddResult::AlreadyAdded;
    if (category.size() > MaxLength)
        return AddResult::TooLong;
    if (!isSendable(category))
        return AddResult::NotSendable;
    m_entries.append(capitals(category));
    return containsIgnoringCase(master, category) ? AddResult::AddedButKnown : AddResult::Added;
}

bool AddedCategories::remove(int index)
{
    if (index < 0 || index >= m_entries.size())
        return false;
    m_entries.removeAt(index);
    return true;
}

bool AddedCategories::addToMaster(QStringList &master, const QString &category)
{
    if (category.trimmed().isEmpty() || containsIgnoringCase(master, category))
        return false;
    master.append(category);
    return true;
}

bool AddedCategories::containsIgnoringCase(const QStringList &list, const QString &text)
{
    return list.contains(text, Qt::CaseInsensitive);
}

QString AddedCategories::capitals(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        const QChar upper = c.toUpper();
        if (upper.unicode() <= LastLatin1)
            c = upper;
    }
    return result;
}

bool AddedCategories::isSendable(const QString &text)
{
    for (QChar c : text)
        if (c == FieldSeparator || c.unicode() < 0x20 || c.unicode() >= LastLatin1)
            return false;
    return true;
}
