// Reading the fields of a message argument, cut one at a time at the next "+".
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace Protocol {

// Strict decimal conversion: an optional "-" and digits only, within int range.
std::optional<int> toInt(QStringView text);

class FieldReader
{
public:
    explicit FieldReader(QString argument) : m_rest(std::move(argument)) { }

    // The text before the next "+", removed with that "+". Without a further
    // "+" the whole remaining text is the field.
    QString takeText();
    // takeText() converted strictly; nullopt when it is no integer.
    std::optional<int> takeInt();
    // Everything not yet taken: a free text that may itself contain "+".
    const QString &rest() const { return m_rest; }
    bool atEnd() const { return m_rest.isEmpty(); }

    // The list rule: "+@" is appended to the remaining text and groups are read
    // while more than the "@" is left. nextGroup() also stops on a list whose
    // sender broke the rule, so a reader never loops forever.
    void beginList() { m_rest.append(QLatin1String("+@")); }
    bool nextGroup() const { return !m_rest.isEmpty() && m_rest != QLatin1String("@"); }

private:
    QString m_rest;
};

} // namespace Protocol
