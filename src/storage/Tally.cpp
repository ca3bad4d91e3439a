#include "storage/Tally.h"

#include "protocol/FieldReader.h"
#include "storage/AtomicFile.h"
#include "storage/LZRW1.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace {

const QString Zero = QStringLiteral("0");
const QString TallySuffix = QStringLiteral("tally.tld");
const QString DamagedMark = QStringLiteral(".damaged-");

// A free name beside `path` for a damaged file, stamped with the time.
QString asideName(const QString &path)
{
    const QString base = path + DamagedMark
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = base;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = base + u'-' + QString::number(n);
    return candidate;
}

} // namespace

QString TallyBook::fileName(const QString &shortProgramName)
{
    return shortProgramName + TallySuffix;
}

TallyBook::TallyBook() : m_grid(ColumnCount, 1)
{
    for (int column = 0; column < ColumnCount; ++column)
        m_grid.setCell(column, 0, Zero);
}

std::optional<StringGrid> TallyBook::readGrid(const QString &path, QString *error)
{
    const std::optional<QByteArray> container = Storage::readWholeFile(path, MaxFileLength, error);
    if (!container)
        return std::nullopt;
    try {
        const QByteArray text = Tlzrw1::decompressBytes(*container, path, MaxTextLength);
        std::optional<StringGrid> grid
            = ZornStrgrid::gridFromText(text, error, ColumnCount, MaxRows);
        if (grid) {
            grid->setColumnCount(ColumnCount);
            if (grid->rowCount() < 1)
                grid->setRowCount(1);
        }
        return grid;
    } catch (const ELzrw1Exception &e) {
        *error = e.message();
        return std::nullopt;
    }
}

std::optional<TallyBook> TallyBook::readFile(const QString &path, QString *error)
{
    QString why;
    if (QFileInfo(path).isDir())
        why = QStringLiteral("%1 is a folder.").arg(path);
    else if (!QFileInfo::exists(path))
        why = QStringLiteral("%1 does not exist.").arg(path);
    std::optional<StringGrid> grid = why.isEmpty() ? readGrid(path, &why) : std::nullopt;
    if (!grid) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    TallyBook book;
    book.m_grid = *grid;
    return book;
}

TallyBook::LoadResult TallyBook::load(const QString &path)
{
    LoadResult result;
    if (!QFileInfo::exists(path))
        return result;

    if (QFileInfo(path).isDir()) {
        // Never move a folder away; only keep it from being written over.
        result.status = LoadResult::Status::Damaged;
        result.error = QStringLiteral("%1 is a folder.").arg(path);
        m_protectedPath = QFileInfo(path).absoluteFilePath();
        return result;
    }

    const std::optional<StringGrid> loaded = readGrid(path, &result.error);
    if (!loaded) {
        result.status = LoadResult::Status::Damaged;
        const QString aside = asideName(path);
        if (QFile::rename(path, aside))
            result.keptAs = aside;
        else
            m_protectedPath = QFileInfo(path).absoluteFilePath();
        return result;
    }

    m_grid = *loaded;
    clearSession();
    result.status = LoadResult::Status::Loaded;
    return result;
}

bool TallyBook::save(const QString &path, QString *error) const
{
    if (!m_protectedPath.isEmpty() && QFileInfo(path).absoluteFilePath() == m_protectedPath) {
        if (error)
            *error = QStringLiteral("The unreadable tally file %1 is kept as it is.").arg(path);
        return false;
    }
    return Storage::writeFileAtomically(
        path, Tlzrw1::compressBytes(ZornStrgrid::gridToText(m_grid)), error);
}

int TallyBook::count(int column, int row) const
{
    return Protocol::toInt(m_grid.cell(column, row).trimmed()).value_or(0);
}

QStringList TallyBook::opponents() const
{
    QStringList names;
    for (int row = 1; row < m_grid.rowCount(); ++row)
        names.append(m_grid.cell(0, row));
    return names;
}

int TallyBook::indexOf(const QString &name) const
{
    for (int row = 1; row < m_grid.rowCount(); ++row)
        if (m_grid.cell(0, row) == name)
            return row - 1;
    return -1;
}

TallyBook::Counts TallyBook::total(int index) const
{
    const int row = index + 1;
    return {count(GamesColumn, row), count(TheyWonColumn, row), count(YouWonColumn, row),
            count(NeitherWonColumn, row)};
}

TallyBook::Counts TallyBook::session(int index) const
{
    const int row = index + 1;
    return {count(GamesColumn + SessionOffset, row), count(TheyWonColumn + SessionOffset, row),
            count(YouWonColumn + SessionOffset, row), count(NeitherWonColumn + SessionOffset, row)};
}

void TallyBook::addgame(const QString &winner, const QStringList &seatedOthers)
{
    addtomineincrease(OwnGamesColumn);
    if (winner == UserWon)
        addtomineincrease(OwnWinsColumn);

    for (const QString &name : seatedOthers) {
        const int index = indexOf(name);
        if (index < 0)
            continue;
        const int row = index + 1;
        for (int column = 1; column < ColumnCount; ++column)
            if (m_grid.cell(column, row).isEmpty())
                m_grid.setCell(column, row, Zero);

        int outcome = NeitherWonColumn;
        if (name == winner)
            outcome = TheyWonColumn;
        else if (winner == UserWon)
            outcome = YouWonColumn;
        for (int column : {GamesColumn, outcome}) {
            addit(column, row);
            addit(column + SessionOffset, row);
        }
    }
}

bool TallyBook::addOpponent(const QString &name)
{
    if (name.isEmpty() || name.size() > MaxNameLength || indexOf(name) >= 0
        || m_grid.rowCount() >= MaxRows)
        return false;
    const int row = m_grid.rowCount();
    m_grid.setRowCount(row + 1);
    m_grid.setCell(0, row, name);
    for (int column = 1; column < ColumnCount; ++column)
        m_grid.setCell(column, row, Zero);
    return true;
}

void TallyBook::reset()
{
    for (int column = 1; column <= NeitherWonColumn; ++column)
        m_grid.setCell(column, 0, Zero);
    if (m_grid.rowCount() > 1) {
        // Emptied own cells count as 0 from now on.
        for (int column = 0; column < ColumnCount; ++column)
            m_grid.setCell(column, 0, QString());
        for (int row = 1; row < m_grid.rowCount(); ++row)
            for (int column = 0; column < ColumnCount; ++column)
                m_grid.setCell(column, row, Zero);
    }
    m_grid.setRowCount(1);
}

int TallyBook::addit(int column, int row)
{
    int value = count(column, row);
    if (value < std::numeric_limits<int>::max())
        ++value;
    m_grid.setCell(column, row, QString::number(value));
    return value;
}

void TallyBook::moverow(int row)
{
    const int rows = m_grid.rowCount();
    if (row < 1 || row >= rows)
        return;
    for (int r = row; r < rows - 1; ++r)
        for (int column = 0; column < ColumnCount; ++column)
            m_grid.setCell(column, r, m_grid.cell(column, r + 1));
    m_grid.setRowCount(rows - 1);
}

void TallyBook::clearSession()
{
    for (int row = 1; row < m_grid.rowCount(); ++row)
        for (int column = GamesColumn + SessionOffset; column < ColumnCount; ++column)
            m_grid.setCell(column, row, Zero);
}
