#include "protocol/FieldReader.h"

#include <limits>

namespace Protocol {

std::optional<int> toInt(QStringView text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative)
        i = 1;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

QString FieldReader::takeText()
{
    const qsizetype plus = m_rest.indexOf(u'+');
    if (plus < 0)
        return std::exchange(m_rest, {});
    QString field = m_rest.left(plus);
    m_rest.remove(0, plus + 1);
    return field;
}

std::optional<int> FieldReader::takeInt()
{
    return toInt(takeText());
}

} // namespace Protocol
