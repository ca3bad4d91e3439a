// AddedCategories: the player's own categories, kept in
// "Lexaburst" + "addcats.txt" beside the other files (one category per
// line, CR LF, Latin-1, in capitals) and fed into the host's master list.
#pragma once

#include <QString>
#include <QStringList>

class AddedCategories
{
public:
    // The most characters a category may have (the entry box's limit).
    static constexpr int MaxLength = 30;
    // A larger file is no list a player typed (thousands of entries fit).
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    enum class AddResult {
        Added, // appended in capitals
        AddedButKnown, // appended; the master list already has it, so the host will refuse it
        Empty, // nothing (or only blanks) to add
        AlreadyAdded, // in the list already, compared without regard to case
        TooLong, // more than MaxLength characters
        NotSendable, // a "+", a control character or a character outside Latin-1
    };

    static QString fileName(const QString &shortProgramName);

    // Replaces the entries with the file's lines; blank lines are skipped.
    // A missing file gives an empty list. False when the file cannot be read
    // or is larger than MaxFileBytes; the list is then empty.
    bool load(const QString &path, QString *error = nullptr);
    // Writes every entry, replacing the file only once it is complete; an
    // empty list writes an empty file.
    bool save(const QString &path, QString *error = nullptr) const;

    const QStringList &entries() const { return m_entries; }

    // Adds `text` (blanks around it dropped) in capitals. `master` is the
    // host's category list, only consulted to tell AddedButKnown.
    AddResult add(const QString &text, const QStringList &master = QStringList());
    // False when there is no entry at `index`.
    bool remove(int index);
    void clear() { m_entries.clear(); }

    // The host's rule: appends `category` to `master` unless it is there
    // already, compared without regard to case. True when appended.
    static bool addToMaster(QStringList &master, const QString &category);
    static bool containsIgnoringCase(const QStringList &list, const QString &text);
    // Upper case that stays within Latin-1 ("ß" and "ÿ" stay as they are).
    static QString capitals(const QString &text);
    static bool isSendable(const QString &text);

private:
    QStringList m_entries;
};
