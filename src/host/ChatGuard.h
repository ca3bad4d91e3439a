// What keeps one connection from drowning the table in chat: the length of a
// chat, action or sound line it may have relayed, and the pace of its lines.
#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>

namespace ChatGuard {

// Characters of a line's text that are relayed; honest lines are far shorter.
inline constexpr qsizetype MaxTextLength = 500;
// A colour text longer than this is no colour (the longest name has 25).
inline constexpr qsizetype MaxColourLength = 40;

// "text|colour" as it is relayed: the text before the first "|" cut to
// MaxTextLength, the "|colour" part kept. An overlong colour part is replaced
// by the colour every receiver reads in it, or by nothing (red) when none does.
QString capLine(const QString &textAndColour);
// The rest of a sound message ("waveN+"), cut to MaxTextLength.
QString capSound(const QString &rest);

} // namespace ChatGuard

// The pace of one connection's chat, action and sound lines: a bucket of
// Burst lines, filled again by LinesPerSecond. Times are milliseconds of a
// steady clock.
class ChatRate
{
public:
    static constexpr int LinesPerSecond = 5;
    static constexpr int Burst = 10;
    // The sender hears of dropped lines at most this often.
    static constexpr qint64 NoticeEveryMs = 10000;

    // Whether a line at nowMs may pass; it uses up one line of the bucket.
    bool take(qint64 nowMs);
    // After a dropped line: whether the sender is to be told now.
    bool noticeDue(qint64 nowMs);

private:
    // In thousandths of a line: LinesPerSecond of them come back every millisecond.
    static constexpr qint64 Line = 1000;
    qint64 m_level = qint64(Burst) * Line;
    qint64 m_lastMs = std::numeric_limits<qint64>::min();
    qint64 m_lastNoticeMs = std::numeric_limits<qint64>::min();
};
