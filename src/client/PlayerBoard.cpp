#include "client/PlayerBoard.h"

#include "client/BoardLook.h"
#include "widgets/Pictures.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

using namespace BoardLook;

namespace {

const QColor SeatNameColour(0x37, 0x00, 0x00);

// Row tops on the board.
constexpr std::array<int, PlayerBoard::SeatCount> SeatRowTop {319, 341, 363, 385,
                                                              406, 428, 450, 472};
constexpr int NameLeft = 10;
constexpr int EyesLeft = 4;
constexpr int EyesWidth = 18;
// A watcher's name starts just right of the eyes instead of under them.
constexpr int WatcherNameIndent = EyesLeft + EyesWidth + 2 - NameLeft;

} // namespace

PlayerBoard::PlayerBoard(QWidget *board, const PlayerSeats &seats) : QWidget(board), m_seats(seats)
{
    setObjectName(QStringLiteral("playerBoard"));
    setGeometry(Bounds);
    for (int seat = 1; seat <= SeatCount; ++seat)
        buildSeat(seat);
    // The eyes lie over the name label, in front of its text.
    for (QLabel *eyes : m_eyes)
        eyes->raise();
    buildSeatMenu();
    connect(&seats, &PlayerSeats::seatChanged, this, &PlayerBoard::showSeat);
    for (int seat = 1; seat <= SeatCount; ++seat)
        showSeat(seat);
}

void PlayerBoard::buildSeat(int seat)
{
    const auto i = std::size_t(seat - 1);
    // Controls are placed in board coordinates.
    const int top = SeatRowTop[i] - Bounds.top();
    const auto place = [](QWidget *control, const QRect &onBoard) {
        control->setGeometry(onBoard.translated(-Bounds.topLeft()));
    };
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, SeatNameColour);
    // Names, scores and bonuses are the host's and other players' text.
    const auto textLabel = [&](const QString &text, const char *name, int left, int width) {
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(QLatin1String(name) + QString::number(seat));
        place(label, QRect(left, SeatRowTop[i], width, 16));
        label->setFont(arial(13, true));
        label->setPalette(pal);
        return label;
    };
    QLabel *name = textLabel(PlayerSeats::Waiting, "label_playername", NameLeft, 121);
    name->setProperty("Tag", seat);
    name->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(name, &QWidget::customContextMenuRequested, this,
            [this, seat, name](const QPoint &pos) {
                prepareSeatMenu(seat);
                m_seatMenu->popup(name->mapToGlobal(pos));
            });
    m_names[i] = name;
    m_scores[i] = textLabel(QStringLiteral("0"), "label_score", 137, 40);
    m_bonuses[i] = textLabel(QStringLiteral("0"), "label_bonus", 179, 40);

    auto *eyes = new QLabel(this);
    eyes->setObjectName(QStringLiteral("image_eyes%1").arg(seat));
    eyes->setGeometry(EyesLeft - Bounds.left(), top + 1, EyesWidth, 10);
    eyes->setPixmap(Pictures::load(QStringLiteral(":/pictures/eyes.png")));
    eyes->setScaledContents(true);
    eyes->hide();
    m_eyes[i] = eyes;
}

void PlayerBoard::buildSeatMenu()
{
    m_seatMenu = new QMenu(this);
    m_seatMenu->setObjectName(QStringLiteral("popup_kick"));
    const auto item = [this](const QString &text, const char *name) {
        QAction *action = m_seatMenu->addAction(text);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_remove = item(QStringLiteral("Remove From Game"), "RemoveFromGame1");
    m_setWatch = item(QStringLiteral("Set to Just Watch"), "SettoJustWatch1");
    m_unsetWatch = item(QStringLiteral("Unset Just Watch"), "UnsetJustWatch1");
    connect(m_remove, &QAction::triggered, this, [this] { emit removeRequested(m_menuSeat); });
    connect(m_setWatch, &QAction::triggered, this,
            [this] { emit watchRequested(m_menuSeat, true); });
    connect(m_unsetWatch, &QAction::triggered, this,
            [this] { emit watchRequested(m_menuSeat, false); });
}

void PlayerBoard::showSeat(int seat)
{
    if (!PlayerSeats::isPlayingSeat(seat))
        return;
    const auto i = std::size_t(seat - 1);
    const bool watching = m_seats.isWatching(seat);
    // A name too long for its place is cut with an ellipsis; the whole name
    // is in the tooltip. A check mark after it: done with the answers or the
    // category on show.
    const QString name = m_seats.shownName(seat);
    const QString mark = m_seats.isDone(seat) ? QStringLiteral(" \u2713") : QString();
    const QFontMetrics metrics(m_names[i]->font());
    const int room = m_names[i]->width() - (watching ? WatcherNameIndent : 0) - 2
        - metrics.horizontalAdvance(mark);
    const QString shown = metrics.elidedText(name, Qt::ElideRight, room);
    m_names[i]->setText(shown + mark);
    m_names[i]->setToolTip(shown == name ? QString() : name);
    m_scores[i]->setText(QString::number(m_seats.score(seat)));
    const std::optional<int> bonus = m_seats.bonus(seat);
    m_bonuses[i]->setText(bonus ? QStringLiteral("+%1").arg(*bonus) : QString());
    m_eyes[i]->setVisible(watching);
    m_names[i]->setIndent(watching ? WatcherNameIndent : -1);
}

void PlayerBoard::prepareSeatMenu(int seat)
{
    m_remove->setEnabled(m_leading && m_seats.isTaken(seat));
    m_setWatch->setEnabled(m_leading);
    m_unsetWatch->setEnabled(m_leading);
    m_menuSeat = seat;
}
