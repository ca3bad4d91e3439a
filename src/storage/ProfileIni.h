// ProfileIni: a private-profile INI file, read and changed one key at a time.
//
// Section headers "[Name]" and "key=value" lines. Section and key names are
// compared without regard to case; values are raw text (blanks around them
// are not part of the value, nothing else is interpreted). Setting a key
// changes only that key's line, or inserts one line after the section's last
// key, or appends the section at the end: every other section, unknown key,
// comment, blank line and line ending stays byte for byte as it was.
// The file is 8-bit Latin-1; new lines take the line ending the file already
// uses (CR LF for a new file).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class ProfileIni
{
public:
    // A settings file shared with other programs is a few kilobytes; a larger
    // one is not read (and so never replaced).
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    // A missing file reads as an empty profile. False, with the reason in
    // *error, when the file exists but cannot be read or is too large.
    bool load(const QString &path, QString *error = nullptr);
    static ProfileIni fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;
    // Replaces the file only once the new content is completely written.
    bool save(const QString &path, QString *error = nullptr) const;

    bool hasSection(const QString &section) const;
    // The value of the first matching key of the first section that has it.
    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // Line breaks in the value are written as spaces, characters outside
    // Latin-1 as "?".
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    struct Line
    {
        QByteArray text;
        QByteArray end; // "\r\n", "\n", or empty for a last line without one
    };

    static std::optional<QString> sectionName(const QByteArray &text);
    static std::optional<QString> keyName(const QByteArray &text);
    QByteArray lineEnd() const;
    // Indexes of the lines of every section with this name: header and body.
    QList<std::pair<qsizetype, qsizetype>> sectionRanges(const QString &section) const;

    QList<Line> m_lines;
};
