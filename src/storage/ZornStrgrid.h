// ZornStrgrid: a grid of text cells and its text file form.
//
// Grid text (8-bit Latin-1, every line ended by CR LF):
//   the number of columns
//   the number of rows
//   one line per cell, column by column: all rows of column 0 from row 0
//   down, then all rows of column 1, and so on.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class StringGrid
{
public:
    StringGrid(int columnCount = 0, int rowCount = 0);

    int columnCount() const { return m_columnCount; }
    int rowCount() const { return int(m_rows.size()); }
    // New cells are empty; cells cut off are gone.
    void setColumnCount(int count);
    void setRowCount(int count);

    // Outside the grid a cell reads as empty and cannot be set.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    bool operator==(const StringGrid &other) const = default;

private:
    int m_columnCount = 0;
    QList<QStringList> m_rows;
};

namespace ZornStrgrid {

// Limits a grid text may state; larger figures mean the text is no grid.
inline constexpr int MaxColumns = 256;
inline constexpr int MaxRows = 100000;

// A line break inside a cell would shift every later cell, so it is written
// as a space. Characters outside Latin-1 are written as "?".
QByteArray gridToText(const StringGrid &grid);

// nullopt, with the reason in *why, when the first two lines are no
// column and row counts within the limits, or state more cells than the
// text has bytes (checked before the grid is made). Cells missing at the end of the text stay
// empty; lines after the last cell are ignored.
std::optional<StringGrid> gridFromText(QByteArrayView text, QString *why = nullptr,
                                       int maxColumns = MaxColumns, int maxRows = MaxRows);

// The same on files. Saving replaces the file only once it is complete.
bool saveGridFile(const StringGrid &grid, const QString &fileName, QString *error = nullptr);
std::optional<StringGrid> loadGridFile(const QString &fileName, QString *error = nullptr);

} // namespace ZornStrgrid
