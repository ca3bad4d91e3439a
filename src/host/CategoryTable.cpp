#include "host/CategoryTable.h"

#include <QFile>

static void initHostResources()
{
    Q_INIT_RESOURCE(host_categories);
}

namespace {

QStringList loadBuiltIn()
{
    initHostResources();
    QFile file(QStringLiteral(":/host/categories.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The built-in category table is missing from the program's resources");
    // One category per line; blanks at the end of a line belong to the category.
    QStringList result = QString::fromLatin1(file.readAll()).split(u'\n');
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

} // namespace

CategoryTable::CategoryTable() : m_all(builtIn())
{ }

const QStringList &CategoryTable::builtIn()
{
    static const QStringList categories = loadBuiltIn();
    return categories;
}

bool CategoryTable::contains(const QString &category) const
{
    return m_all.contains(category, Qt::CaseInsensitive);
}

bool CategoryTable::addtolist(const QString &category)
{
    if (category.isEmpty() || contains(category))
        return false;
    m_all.append(category);
    return true;
}
