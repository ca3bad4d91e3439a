#include "host/ChatGuard.h"

#include "protocol/ColourText.h"

#include <algorithm>

namespace ChatGuard {

QString capLine(const QString &textAndColour)
{
    const qsizetype bar = textAndColour.indexOf(u'|');
    const qsizetype textLength = bar < 0 ? textAndColour.size() : bar;
    const qsizetype colourLength = bar < 0 ? 0 : textAndColour.size() - bar - 1;
    if (textLength <= MaxTextLength && colourLength <= MaxColourLength)
        return textAndColour;
    QString line = textAndColour.left(std::min(textLength, MaxTextLength));
    if (bar < 0)
        return line;
    const QString colour = textAndColour.mid(bar + 1);
    if (colourLength <= MaxColourLength)
        return line + u'|' + colour;
    const std::optional<Protocol::Rgb> read = Protocol::colourFromText(colour);
    return line + u'|' + (read ? Protocol::colourToText(*read) : QString());
}

QString capSound(const QString &rest)
{
    return rest.left(MaxTextLength);
}

} // namespace ChatGuard

bool ChatRate::take(qint64 nowMs)
{
    if (nowMs > m_lastMs) {
        const qint64 elapsed = m_lastMs == std::numeric_limits<qint64>::min()
            ? qint64(Burst) * Line
            : std::min(nowMs - m_lastMs, qint64(Burst) * Line);
        m_level = std::min(m_level + elapsed * LinesPerSecond, qint64(Burst) * Line);
        m_lastMs = nowMs;
    }
    if (m_level < Line)
        return false;
    m_level -= Line;
    return true;
}

bool ChatRate::noticeDue(qint64 nowMs)
{
    if (m_lastNoticeMs != std::numeric_limits<qint64>::min()
        && nowMs - m_lastNoticeMs < NoticeEveryMs)
        return false;
    m_lastNoticeMs = nowMs;
    return true;
}
