#include "storage/TallyTable.h"

#include "storage/Tally.h"

#include <QList>
#include <QStringList>

#include <algorithm>

namespace {

const QStringList Headings {
    QStringLiteral("Player"),          QStringLiteral("Games"),
    QStringLiteral("Their wins"),      QStringLiteral("Your wins"),
    QStringLiteral("Neither"),         QStringLiteral("Session games"),
    QStringLiteral("Session theirs"),  QStringLiteral("Session yours"),
    QStringLiteral("Session neither"),
};
constexpr int ColumnGap = 2;

} // namespace

QString tallyTable(const TallyBook &book)
{
    QString out = QStringLiteral("Your total: %1 games, %2 won\n")
                      .arg(book.cellText(TallyBook::OwnGamesColumn, 0),
                           book.cellText(TallyBook::OwnWinsColumn, 0));
    if (book.opponentCount() == 0)
        return out + QStringLiteral("No players are being tallied.\n");

    QList<QStringList> rows {Headings};
    for (int row = 1; row < book.grid().rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < TallyBook::ColumnCount; ++column)
            cells.append(book.cellText(column, row));
        rows.append(cells);
    }
    QList<qsizetype> widths(TallyBook::ColumnCount, 0);
    for (const QStringList &cells : rows)
        for (int column = 0; column < TallyBook::ColumnCount; ++column)
            widths[column] = std::max(widths[column], cells[column].size());

    for (const QStringList &cells : rows) {
        QString line = cells[0].leftJustified(widths[0]);
        for (int column = 1; column < TallyBook::ColumnCount; ++column)
            line += QString(ColumnGap, u' ') + cells[column].rightJustified(widths[column]);
        out += line + u'\n';
    }
    return out;
}
