// TallyBook: the data of the tally window. How the user fared in finished
// games, and against each chosen opponent, in total and since program start.
//
// The data is a text grid of 9 columns, kept as the tally file stores it:
//   row 0        the user: column 1 games finished, column 2 games won,
//                columns 3 and 4 kept at "0".
//   rows 1 and up one tallied opponent each, in list order (row = index + 1):
//                column 0 the name exactly as on the board, then totals in
//                columns 1 to 4 and this session's counts in columns 5 to 8:
//                games together, opponent won, user won, neither won.
// An empty cell or one that is no number counts as 0 when it is increased.
// Opponents are told apart by name, compared exactly (case-sensitive).
//
// The file is the compressed container of the grid text. It is written
// through a temporary file in the same folder and replaces the old one only
// once complete. A file that cannot be read at start is moved aside
// ("<file>.damaged-YYYYMMDD-HHMMSS") so the next save cannot overwrite it.
#pragma once

#include "storage/ZornStrgrid.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class TallyBook
{
public:
    static constexpr int ColumnCount = 9;
    // Column numbers of an opponent's counts; Session columns are these + 4.
    static constexpr int GamesColumn = 1;
    static constexpr int TheyWonColumn = 2;
    static constexpr int YouWonColumn = 3;
    static constexpr int NeitherWonColumn = 4;
    static constexpr int SessionOffset = 4;
    // Own row: games finished while seated, and games won.
    static constexpr int OwnGamesColumn = 1;
    static constexpr int OwnWinsColumn = 2;

    // Bounds of a tally. Every tally the program writes stays within them, so
    // a file that states more is damaged and refused before memory is taken.
    static constexpr int MaxRows = ZornStrgrid::MaxRows; // the own row and the opponents
    static constexpr int MaxNameLength = 64; // longer names are not tallied
    static constexpr int MaxCountLength = 10; // digits of the largest count
    static constexpr qint64 MaxTextLength = 2 * 16 // the column and row count lines
        + qint64(MaxRows) * ((MaxNameLength + 2) + (ColumnCount - 1) * (MaxCountLength + 2));
    // The container of that text when no block compresses: an 8-byte header,
    // and per block of 32768 bytes a 2-byte length and a flag byte.
    static constexpr qint64 MaxFileLength = 8 + (MaxTextLength / 32768 + 1) * (32768 + 3);

    // The name addgame() receives when the user won.
    static inline const QString UserWon = QStringLiteral("addtomine");

    // "Lexaburst" + "tally.tld", nothing between them.
    static QString fileName(const QString &shortProgramName);

    struct Counts
    {
        int games = 0;
        int theyWon = 0;
        int youWon = 0;
        int neitherWon = 0;
        bool operator==(const Counts &) const = default;
    };

    struct LoadResult
    {
        enum class Status { NoFile, Loaded, Damaged };
        Status status = Status::NoFile;
        QString error; // why a damaged file could not be read
        QString keptAs; // where it was moved; empty when it could not be moved
    };

    // Starts empty: own counts 0, no opponents.
    TallyBook();

    // Reads the tally file once at start; the Session columns start at 0.
    // A damaged file leaves the tally empty and is moved aside.
    LoadResult load(const QString &path);
    // Reads a tally file as it is, Session columns included, and leaves the
    // file alone; nullopt, with the reason in *error, when it cannot be read
    // or is larger than any tally can be.
    static std::optional<TallyBook> readFile(const QString &path, QString *error = nullptr);
    // Writes the tally file. False, with the reason in *error, when it could
    // not be written; the old file then stays as it was.
    bool save(const QString &path, QString *error = nullptr) const;

    const StringGrid &grid() const { return m_grid; }
    // The cell as text (what the labels show), and as a count.
    QString cellText(int column, int row) const { return m_grid.cell(column, row); }
    int count(int column, int row) const;

    int ownGames() const { return count(OwnGamesColumn, 0); }
    int ownWins() const { return count(OwnWinsColumn, 0); }

    int opponentCount() const { return m_grid.rowCount() - 1; }
    QStringList opponents() const;
    QString opponentName(int index) const { return m_grid.cell(0, index + 1); }
    // List index of the opponent with exactly this name, or -1.
    int indexOf(const QString &name) const;
    Counts total(int index) const;
    Counts session(int index) const;

    // Records a finished game: `winner` is the winner's name, or UserWon.
    // `seatedOthers` are the names of the other players seated at its end;
    // only those who are tallied are counted, the others are not touched.
    void addgame(const QString &winner, const QStringList &seatedOthers);

    // Adds an opponent with all counts 0. False when the name is empty,
    // longer than MaxNameLength, already tallied, or the tally is full.
    bool addOpponent(const QString &name);
    // Removes the opponent at a list index; the rows below move up.
    void deleteOpponent(int index) { moverow(index + 1); }
    // Everything back to 0 and no opponents.
    void reset();

    // One more in own column (1 or 2); returns the new value for the label.
    int addtomineincrease(int column) { return addit(column, 0); }
    // Increases a cell by one and returns the new value.
    int addit(int column, int row);
    // Removes an opponent's row by moving the rows below it up. The own row
    // and rows outside the grid are never removed.
    void moverow(int row);

private:
    static std::optional<StringGrid> readGrid(const QString &path, QString *error);
    void clearSession();

    StringGrid m_grid;
    // Set when a damaged file could not be moved aside: it must not be overwritten.
    QString m_protectedPath;
};
