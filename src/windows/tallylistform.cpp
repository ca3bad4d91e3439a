#include "windows/tallylistform.h"

#include "storage/HomeFolder.h"
#include "widgets/Fonts.h"
#include "widgets/StoredColor.h"
#include "widgets/TFlatPanel.h"
#include "widgets/TLbBackground.h"
#include "windows/SideWindow.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {
const QSize ClientSize(475, 347);
const QString ShortProgramName = QStringLiteral("Lexaburst");
const QString DesignOpponentTitle = QStringLiteral("Opponent's Tally");
const QString DesignOpponentWins = QStringLiteral("XX Wins:");
constexpr quint32 FrameColor = 9264224;
constexpr int FontSize = 11;
constexpr int RowTop = 54; // first count row of the opponent panel
constexpr int RowPitch = 24;
constexpr int TotalLeft = 122;
constexpr int SessionLeft = 170;
constexpr int ValueWidth = 46;

QLabel *valueLabel(QWidget *parent, const QString &name, int left, int top)
{
    QLabel *value
        = SideWindow::placeLabel(parent, name.toLatin1().constData(), QStringLiteral("0"),
                                 uiFont(FontSize, true), Qt::black, left, top, ValueWidth, 18);
    value->setAlignment(Qt::AlignCenter);
    return value;
}

QListWidget *makeCheckList(QWidget *parent, const char *name, QRect place)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(place);
    return list;
}
} // namespace

Ttallylist::Ttallylist(QWidget *parent)
    : QDialog(parent), m_prompts(UserPrompts::messageBoxes(this))
{
    setObjectName(QStringLiteral("tallylist"));
    SideWindow::setupFixed(this, QStringLiteral("Lexiburst - Tally List"), ClientSize,
                           SideWindow::defaultBackgroundColor());
    setFont(uiFont(FontSize));
    LbBackground1 = new TLbBackground(this);
    const QFont bold = uiFont(FontSize, true);
    const QFont heading = uiFont(13, true);

    // "Your Total Tally".
    TFlatPanel *own = SideWindow::placePanel(this, "FlatPanel2", {8, 8, 224, 76});
    SideWindow::placeLabel(own, "label_yourtally", QStringLiteral("Your Total Tally"), heading,
                           Qt::black, 8, 6);
    SideWindow::placeLabel(own, "label_totalgames", QStringLiteral("Total Games:"),
                           uiFont(FontSize), Qt::black, 16, 31);
    SideWindow::placeLabel(own, "label_yourwins", QStringLiteral("Your Wins:"), uiFont(FontSize),
                           Qt::black, 16, 51);
    mylabel[1] = valueLabel(own, QStringLiteral("mylabel_1"), TotalLeft, 30);
    mylabel[2] = valueLabel(own, QStringLiteral("mylabel_2"), TotalLeft, 50);
    mylabel[3] = valueLabel(own, QStringLiteral("mylabel_3"), SessionLeft, 30);
    mylabel[4] = valueLabel(own, QStringLiteral("mylabel_4"), SessionLeft, 50);
    mylabel[3]->hide();
    mylabel[4]->hide();

    // The chosen opponent: Total and Session columns.
    TFlatPanel *opponent = SideWindow::placePanel(this, "FlatPanel1", {8, 92, 224, 160});
    label_hisnametop = SideWindow::placeLabel(opponent, "label_hisnametop", DesignOpponentTitle,
                                              heading, Qt::black, 4, 6, 216, 20);
    label_hisnametop->setAlignment(Qt::AlignCenter);
    // Both carry the opponent's name: another player's text.
    label_hisnametop->setTextFormat(Qt::PlainText);
    QLabel *total = SideWindow::placeLabel(opponent, "label_total", QStringLiteral("Total"), bold,
                                           storedColor(FrameColor), TotalLeft, 32, ValueWidth, 18);
    total->setAlignment(Qt::AlignCenter);
    QLabel *session
        = SideWindow::placeLabel(opponent, "label_session", QStringLiteral("Session"), bold,
                                 storedColor(FrameColor), SessionLeft - 4, 32, ValueWidth + 8, 18);
    session->setAlignment(Qt::AlignCenter);
    const QString rowCaptions[] = {QStringLiteral("Number of Games"), DesignOpponentWins,
                                   QStringLiteral("Your Wins:"), QStringLiteral("Neither Won:")};
    for (int row = 0; row < 4; ++row) {
        const int top = RowTop + row * RowPitch;
        const QByteArray name
            = row == 1 ? QByteArray("label_hisname") : "label_row" + QByteArray::number(row + 1);
        QLabel *caption
            = SideWindow::placeLabel(opponent, name.constData(), rowCaptions[row], uiFont(FontSize),
                                     Qt::black, 10, top + 1, TotalLeft - 12, 18);
        if (row == 1) {
            label_hisname = caption;
            label_hisname->setTextFormat(Qt::PlainText);
        }
        label[std::size_t(row + 1)]
            = valueLabel(opponent, QStringLiteral("label_%1").arg(row + 1), TotalLeft, top);
        label[std::size_t(row + 5)]
            = valueLabel(opponent, QStringLiteral("label_%1").arg(row + 5), SessionLeft, top);
    }

    QLabel *hint
        = SideWindow::placeLabel(this, "label_hint",
                                 QStringLiteral("Tick a player in the current game to keep a tally "
                                                "of your games against them. Untick a "
                                                "tallied player to delete their tally."),
                                 uiFont(FontSize - 1), Qt::black, 8, 260, 224, 48);
    hint->setWordWrap(true);

    SideWindow::placeLabel(this, "label_current", QStringLiteral("Players In Current Game:"), bold,
                           Qt::black, 244, 8);
    checklist = makeCheckList(this, "checklist", {244, 26, 223, 118});
    SideWindow::placeLabel(this, "label_tallied", QStringLiteral("Players Being Tallied:"), bold,
                           Qt::black, 244, 152);
    listbox_tally = makeCheckList(this, "listbox_tally", {244, 170, 223, 134});

    button_reset = new QPushButton(QStringLiteral("Reset Tally"), this);
    button_reset->setObjectName(QStringLiteral("button_reset"));
    button_reset->setAutoDefault(false);
    button_reset->setGeometry(244, 314, 105, 25);
    button_done = new QPushButton(QStringLiteral("Done"), this);
    button_done->setObjectName(QStringLiteral("button_done"));
    button_done->setAutoDefault(false);
    button_done->setGeometry(362, 314, 105, 25);

    connect(checklist, &QListWidget::itemChanged, this, &Ttallylist::checklistClickCheck);
    connect(listbox_tally, &QListWidget::itemChanged, this, &Ttallylist::listbox_tallyClickCheck);
    connect(listbox_tally, &QListWidget::currentRowChanged, this, &Ttallylist::listbox_tallyClick);
    connect(button_reset, &QPushButton::clicked, this, &Ttallylist::button_resetClick);
    connect(button_done, &QPushButton::clicked, this, &Ttallylist::button_doneClick);

    setBackgroundPicture(SideWindow::backgroundPicture());
    setFolder(Storage::homeFolder());
}

Ttallylist::~Ttallylist()
{
    // The chat is gone by now: the last word goes to the terminal.
    if (!saveTally())
        qWarning("The tally could not be saved in \"%s\".", qPrintable(m_path));
}

void Ttallylist::setFolder(const QString &folder)
{
    m_path = QDir(folder).filePath(TallyBook::fileName(ShortProgramName));
    m_book = TallyBook();
    m_saveFailing = false;
    const TallyBook::LoadResult result = m_book.load(m_path);
    loadtally();
    if (result.status != TallyBook::LoadResult::Status::Damaged)
        return;
    QString text
        = QStringLiteral("The tally file \"%1\" could not be read (%2). The tally starts empty.")
              .arg(m_path, result.error);
    if (!result.keptAs.isEmpty())
        text += QStringLiteral(" The old file was kept as \"%1\".").arg(result.keptAs);
    // Shown once the program runs, not from inside the window's creation.
    QTimer::singleShot(0, this, [this, text] { m_prompts.inform(text); });
}

bool Ttallylist::saveTally()
{
    QString error;
    if (m_book.save(m_path, &error)) {
        m_saveFailing = false;
        return true;
    }
    if (!m_saveFailing)
        emit saveFailed(QStringLiteral("The tally could not be saved in \"%1\" (%2). It is saved "
                                       "again at the next change.")
                            .arg(m_path, error));
    m_saveFailing = true;
    return false;
}

void Ttallylist::setBackgroundPicture(const QPixmap &picture)
{
    LbBackground1->setPicture(picture);
}

void Ttallylist::loadtally()
{
    showOwnCounts();
    {
        const QSignalBlocker blocker(listbox_tally);
        listbox_tally->clear();
        for (const QString &name : m_book.opponents()) {
            auto *item = new QListWidgetItem(name, listbox_tally);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    }
    showOpponent(-1);
    syncChecklist();
}

void Ttallylist::showOwnCounts()
{
    mylabel[1]->setText(QString::number(m_book.ownGames()));
    mylabel[2]->setText(QString::number(m_book.ownWins()));
    mylabel[3]->setText(QString::number(m_book.count(3, 0)));
    mylabel[4]->setText(QString::number(m_book.count(4, 0)));
}

void Ttallylist::showOpponent(int index)
{
    if (index < 0 || index >= m_book.opponentCount()) {
        label_hisnametop->setText(DesignOpponentTitle);
        label_hisname->setText(DesignOpponentWins);
        for (std::size_t i = 1; i < label.size(); ++i)
            label[i]->setText(QStringLiteral("0"));
        return;
    }
    const QString name = m_book.opponentName(index);
    const TallyBook::Counts total = m_book.total(index);
    const TallyBook::Counts session = m_book.session(index);
    const int values[] = {total.games,   total.theyWon,   total.youWon,   total.neitherWon,
                          session.games, session.theyWon, session.youWon, session.neitherWon};
    for (std::size_t i = 1; i < label.size(); ++i)
        label[i]->setText(QString::number(values[i - 1]));
    label_hisname->setText(name + QStringLiteral(" Wins:"));
    label_hisnametop->setText(name + QStringLiteral("'s Tally"));
}

void Ttallylist::loadchecklist()
{
    if (m_seatedPlayers)
        loadchecklist(m_seatedPlayers());
}

void Ttallylist::loadchecklist(const QStringList &others)
{
    const QSignalBlocker blocker(checklist);
    checklist->clear();
    for (const QString &name : others) {
        auto *item = new QListWidgetItem(name, checklist);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_book.indexOf(name) >= 0 ? Qt::Checked : Qt::Unchecked);
    }
}

// A current player's box shows whether that player is tallied.
void Ttallylist::syncChecklist()
{
    const QSignalBlocker blocker(checklist);
    for (int row = 0; row < checklist->count(); ++row) {
        QListWidgetItem *item = checklist->item(row);
        item->setCheckState(m_book.indexOf(item->text()) >= 0 ? Qt::Checked : Qt::Unchecked);
    }
}

int Ttallylist::selectedOpponent() const
{
    return listbox_tally->currentRow();
}

void Ttallylist::selectOpponent(int index)
{
    listbox_tally->setCurrentRow(index);
}

void Ttallylist::addgame(const QString &name)
{
    loadchecklist();
    QStringList others;
    for (int row = 0; row < checklist->count(); ++row)
        others.append(checklist->item(row)->text());
    m_book.addgame(name, others);
    saveTally();
    showOwnCounts();
    if (selectedOpponent() >= 0)
        listbox_tallyClick();
}

void Ttallylist::checklistClickCheck(QListWidgetItem *item)
{
    if (!item)
        return;
    // Unticking a current player leaves the tally alone; the box keeps showing it is tallied.
    if (m_book.addOpponent(item->text())) {
        const QSignalBlocker blocker(listbox_tally);
        auto *tallied = new QListWidgetItem(item->text(), listbox_tally);
        tallied->setFlags(tallied->flags() | Qt::ItemIsUserCheckable);
        tallied->setCheckState(Qt::Checked);
        saveTally();
    }
    syncChecklist();
}

void Ttallylist::listbox_tallyClickCheck(QListWidgetItem *item)
{
    if (!item || item->checkState() == Qt::Checked)
        return;
    const int index = listbox_tally->row(item);
    const QString name = item->text();
    if (!m_prompts.confirm(QStringLiteral("This will delete ") + name
                           + QStringLiteral("'s Tally, Are you want to delete it?"))) {
        const QSignalBlocker blocker(listbox_tally);
        item->setCheckState(Qt::Checked);
        return;
    }
    m_book.deleteOpponent(index);
    saveTally();
    {
        const QSignalBlocker blocker(listbox_tally);
        delete listbox_tally->takeItem(index);
    }
    listbox_tallyClick();
    syncChecklist();
}

void Ttallylist::listbox_tallyClick()
{
    showOpponent(selectedOpponent());
}

void Ttallylist::button_resetClick()
{
    if (!m_prompts.confirm(QStringLiteral("Are you sure you want to reset the Tally?")))
        return;
    m_book.reset();
    saveTally();
    loadtally();
}

void Ttallylist::button_doneClick()
{
    close();
}

void Ttallylist::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (selectedOpponent() < 0 && listbox_tally->count() > 0)
        selectOpponent(0);
}
