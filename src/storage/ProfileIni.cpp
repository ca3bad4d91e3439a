#include "storage/ProfileIni.h"

#include "storage/AtomicFile.h"
#include "storage/Latin1Line.h"

#include <QFileInfo>

namespace {

constexpr char DefaultLineEnd[] = "\r\n";

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

ProfileIni ProfileIni::fromBytes(const QByteArray &bytes)
{
    ProfileIni ini;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', at);
        Line line;
        if (newline < 0) {
            line.text = bytes.mid(at);
            at = bytes.size();
        } else {
            const bool crlf = newline > at && bytes[newline - 1] == '\r';
            line.text = bytes.mid(at, newline - at - (crlf ? 1 : 0));
            line.end = crlf ? QByteArray("\r\n") : QByteArray("\n");
            at = newline + 1;
        }
        ini.m_lines.append(line);
    }
    return ini;
}

bool ProfileIni::load(const QString &path, QString *error)
{
    m_lines.clear();
    if (!QFileInfo::exists(path))
        return true;
    const std::optional<QByteArray> bytes = Storage::readWholeFile(path, MaxFileBytes, error);
    if (!bytes)
        return false;
    *this = fromBytes(*bytes);
    return true;
}

QByteArray ProfileIni::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

bool ProfileIni::save(const QString &path, QString *error) const
{
    return Storage::writeFileAtomically(path, toBytes(), error);
}

std::optional<QString> ProfileIni::sectionName(const QByteArray &text)
{
    const QByteArray trimmed = text.trimmed();
    if (!trimmed.startsWith('['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return QString::fromLatin1(trimmed.mid(1, close - 1).trimmed());
}

std::optional<QString> ProfileIni::keyName(const QByteArray &text)
{
    const qsizetype equals = text.indexOf('=');
    const QByteArray trimmed = text.trimmed();
    if (equals < 0 || trimmed.startsWith(';'))
        return std::nullopt;
    return QString::fromLatin1(text.left(equals).trimmed());
}

QByteArray ProfileIni::lineEnd() const
{
    for (const Line &line : m_lines)
        if (!line.end.isEmpty())
            return line.end;
    return DefaultLineEnd;
}

QList<std::pair<qsizetype, qsizetype>> ProfileIni::sectionRanges(const QString &section) const
{
    QList<std::pair<qsizetype, qsizetype>> ranges;
    qsizetype start = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> name = sectionName(m_lines[i].text);
        if (!name)
            continue;
        if (start >= 0)
            ranges.append({start, i});
        start = sameName(*name, section) ? i : -1;
    }
    if (start >= 0)
        ranges.append({start, m_lines.size()});
    return ranges;
}

bool ProfileIni::hasSection(const QString &section) const
{
    return !sectionRanges(section).isEmpty();
}

std::optional<QString> ProfileIni::value(const QString &section, const QString &key) const
{
    for (const auto &[header, end] : sectionRanges(section)) {
        for (qsizetype i = header + 1; i < end; ++i) {
            const QByteArray &text = m_lines[i].text;
            const std::optional<QString> name = keyName(text);
            if (name && sameName(*name, key))
                return QString::fromLatin1(text.mid(text.indexOf('=') + 1).trimmed());
        }
    }
    return std::nullopt;
}

QString ProfileIni::readString(const QString &section, const QString &key,
                               const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

void ProfileIni::setValue(const QString &section, const QString &key, const QString &value)
{
    const QList<std::pair<qsizetype, qsizetype>> ranges = sectionRanges(section);
    for (const auto &[header, end] : ranges) {
        for (qsizetype i = header + 1; i < end; ++i) {
            Line &line = m_lines[i];
            const std::optional<QString> name = keyName(line.text);
            if (name && sameName(*name, key)) {
                // The key keeps the spelling it has in the file.
                line.text = Storage::toLatin1Line(*name) + '=' + Storage::toLatin1Line(value);
                return;
            }
        }
    }

    const Line keyLine {Storage::toLatin1Line(key) + '=' + Storage::toLatin1Line(value), lineEnd()};
    if (!ranges.isEmpty()) {
        const auto [header, end] = ranges.first();
        qsizetype after = header;
        for (qsizetype i = header + 1; i < end; ++i)
            if (keyName(m_lines[i].text))
                after = i;
        // A header or key written without a line end (the file's last line) gets one.
        if (m_lines[after].end.isEmpty())
            m_lines[after].end = keyLine.end;
        m_lines.insert(after + 1, keyLine);
        return;
    }

    if (!m_lines.isEmpty() && m_lines.last().end.isEmpty())
        m_lines.last().end = keyLine.end;
    m_lines.append({'[' + Storage::toLatin1Line(section) + ']', keyLine.end});
    m_lines.append(keyLine);
}
