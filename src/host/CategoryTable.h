// The master list of categories every round draws from.
#pragma once

#include <QString>
#include <QStringList>

class CategoryTable
{
public:
    // Starts with the built-in categories.
    CategoryTable();

    // The built-in categories in their fixed order, spelled exactly, trailing
    // blanks included (some texts appear twice or differ only in case).
    static const QStringList &builtIn();

    // Appends a category unless the list already holds it without regard to
    // case; returns false when it was refused.
    bool addtolist(const QString &category);
    bool contains(const QString &category) const;

    const QStringList &all() const { return m_all; }
    qsizetype size() const { return m_all.size(); }

private:
    QStringList m_all;
};
