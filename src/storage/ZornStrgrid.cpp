#include "storage/ZornStrgrid.h"

#include "protocol/FieldReader.h"
#include "storage/AtomicFile.h"
#include "storage/Latin1Line.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr char LineEnd[] = "\r\n";

void setReason(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
}

} // namespace

StringGrid::StringGrid(int columnCount, int rowCount)
{
    setColumnCount(columnCount);
    setRowCount(rowCount);
}

void StringGrid::setColumnCount(int count)
{
    m_columnCount = std::max(0, count);
    for (QStringList &row : m_rows)
        row.resize(m_columnCount);
}

void StringGrid::setRowCount(int count)
{
    const qsizetype old = m_rows.size();
    m_rows.resize(std::max(0, count));
    for (qsizetype r = old; r < m_rows.size(); ++r)
        m_rows[r].resize(m_columnCount);
}

QString StringGrid::cell(int column, int row) const
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= rowCount())
        return QString();
    return m_rows[row][column];
}

void StringGrid::setCell(int column, int row, const QString &text)
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= rowCount())
        return;
    m_rows[row][column] = text;
}

namespace ZornStrgrid {

QByteArray gridToText(const StringGrid &grid)
{
    QByteArray text;
    text += QByteArray::number(grid.columnCount()) + LineEnd;
    text += QByteArray::number(grid.rowCount()) + LineEnd;
    for (int column = 0; column < grid.columnCount(); ++column)
        for (int row = 0; row < grid.rowCount(); ++row)
            text += Storage::toLatin1Line(grid.cell(column, row)) + LineEnd;
    return text;
}

std::optional<StringGrid> gridFromText(QByteArrayView text, QString *why, int maxColumns,
                                       int maxRows)
{
    qsizetype at = 0;
    // Lines end at LF; a CR before it belongs to the line end.
    auto nextLine = [&](QString *line) {
        if (at >= text.size())
            return false;
        qsizetype end = text.indexOf('\n', at);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > at && text[end - 1] == '\r')
            --end;
        *line = QString::fromLatin1(text.sliced(at, end - at));
        at = next;
        return true;
    };

    QString line;
    std::optional<int> columns;
    std::optional<int> rows;
    if (nextLine(&line))
        columns = Protocol::toInt(line.trimmed());
    if (nextLine(&line))
        rows = Protocol::toInt(line.trimmed());
    if (!columns || !rows) {
        setReason(why,
                  QStringLiteral("The grid text does not begin with its column and row counts."));
        return std::nullopt;
    }
    // Every cell takes at least its line end, so a short text cannot state a
    // large grid; this keeps a few bytes from claiming megabytes of cells.
    const bool fitsText = qint64(*columns) * qint64(*rows) <= text.size();
    if (*columns < 0 || *columns > maxColumns || *rows < 0 || *rows > maxRows || !fitsText) {
        setReason(why,
                  QStringLiteral("The grid text states %1 columns and %2 rows.")
                      .arg(*columns)
                      .arg(*rows));
        return std::nullopt;
    }

    StringGrid grid(*columns, *rows);
    for (int column = 0; column < *columns; ++column)
        for (int row = 0; row < *rows; ++row) {
            if (!nextLine(&line))
                return grid;
            grid.setCell(column, row, line);
        }
    return grid;
}

bool saveGridFile(const StringGrid &grid, const QString &fileName, QString *error)
{
    return Storage::writeFileAtomically(fileName, gridToText(grid), error);
}

std::optional<StringGrid> loadGridFile(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(error, file.errorString());
        return std::nullopt;
    }
    return gridFromText(file.readAll(), error);
}

} // namespace ZornStrgrid
