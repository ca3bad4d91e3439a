#include "client/GamePanels.h"

#include "client/BoardLook.h"
#include "client/ClientContext.h"
#include "client/GameWidgets.h"
#include "clientcore/AnswerDrafts.h"
#include "clientcore/PlayerSeats.h"
#include "protocol/Messages.h"

#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// Geometry of the board (pixels). The four panels lie on the same spot.
constexpr QRect PanelRect(7, 46, 750, 257);
constexpr QRect StatusRect(7, 303, 750, 16);
constexpr QPoint StartButtonPos(633, 11);
constexpr QRect RoundRect(12, 6, 260, 18);
constexpr QRect GametypeRect(12, 24, 300, 18);
constexpr QRect TimerRect(430, 4, 173, 18);
constexpr QPoint TimeBarPos(430, 25);

// Entry panel.
constexpr QPoint LetterPos(14, 14);
constexpr int EntryFirstTop = 12;
constexpr int EntryRowStep = 27;
constexpr int CatLeft = 140;
constexpr int CatWidth = 300;
constexpr int EditLeft = 450;
constexpr int EditWidth = 280;
constexpr int EditHeight = 22;
constexpr QRect AnswersentRect(10, 230, 730, 20);

// Voting panel: row tops and columns of one row.
constexpr std::array<int, 8> VoteRowTops = {48, 72, 95, 119, 142, 166, 189, 213};
constexpr QRect CataRect(10, 10, 730, 28);
constexpr int VscoreLeft = 101;
constexpr int VscoreWidth = 230;
constexpr int VoteagainstLeft = 261;
constexpr int VoteforLeft = 301;
constexpr int VanswerLeft = 340;
constexpr int VanswerWidth = 280;
constexpr int VoteRowHeight = 20;
constexpr QPoint VletterPos(626, 48);

// Results panel.
constexpr QRect ScoresHeadingRect(10, 10, 730, 30);
constexpr int ScoreFirstTop = 48;
constexpr int ScoreRowStep = 25;

// Winner panel; the shadow copy lies one pixel off.
constexpr QRect WinnerRect(10, 100, 730, 50);

// Headings and the winner text share the colour of the panels' border.
const QString AccentStyle = QStringLiteral("color: #2060A0;");
const QString ShadowStyle = QStringLiteral("color: grey;");

QFont boardFont(int pixelSize, bool bold)
{
    return BoardLook::arial(pixelSize, bold);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, Qt::Alignment align,
                  const QFont &font, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText); // answers and names are peer text
    return label;
}

QWidget *makePanel(QWidget *parent, const QString &name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(PanelRect);
    panel->setFrameShape(QFrame::Box);
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { border: 1px solid #2060A0; border-radius: 6px;"
                                        " background: rgba(255,255,255,150); }")
                             .arg(name));
    panel->hide();
    return panel;
}

QString numbered(const char *base, int n)
{
    return QLatin1String(base) + QString::number(n);
}

} // namespace

GamePanels::GamePanels(QWidget *panelBoard, ClientContext &context, QObject *parent)
    : QObject(parent), m_board(panelBoard), m_context(context),
      m_random(QRandomGenerator::system()->generate())
{
    m_messageBox = [this](const QString &text) {
        QMessageBox::information(m_board->window(), m_board->window()->windowTitle(), text);
    };
    m_drafts = new AnswerDrafts(
        [this](const QStringList &answers) {
            if (!m_context.isConnected() || !ownSeatPlays())
                return false;
            m_context.sendToHost(Protocol::Msg::draftanswers(m_context.ownSeat(), answers));
            return true;
        },
        this);
    buildBoardLabels();
    buildEnterPanel();
    buildVotePanel();
    buildScoresPanel();
    buildWinnerPanel();

    m_turntime = new QTimer(this);
    m_turntime->setObjectName(QStringLiteral("turntime"));
    m_turntime->setInterval(gameSecondMs());
    connect(m_turntime, &QTimer::timeout, this, &GamePanels::turntimeTimer);
}

GamePanels::~GamePanels() = default;

int GamePanels::gameSecondMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("LEXIBURST_SECOND_MS", &ok);
    return ok && ms > 0 ? ms : 1000;
}

QString GamePanels::cleanAnswer(const QString &typed)
{
    QString clean = typed;
    clean.replace(QLatin1Char('+'), QLatin1Char(' '));
    clean.replace(QChar(0x00FF), QLatin1Char('y'));
    return clean.trimmed();
}

void GamePanels::setMessageBox(std::function<void(const QString &)> show)
{
    m_messageBox = std::move(show);
}
void GamePanels::setSeed(quint32 seed)
{
    m_random.seed(seed);
}

QLineEdit *GamePanels::answerEdit(int n) const
{
    return isSeat(n) ? m_editAnswer[n - 1] : nullptr;
}

bool GamePanels::ownSeatPlays() const
{
    return m_context.ownSeat() <= Seats;
}

// ---------------------------------------------------------------- building

void GamePanels::buildBoardLabels()
{
    m_imageFirst = new QLabel(m_board);
    m_imageFirst->setObjectName(QStringLiteral("image_first"));
    m_imageFirst->setGeometry(PanelRect);
    m_imageFirst->setAlignment(Qt::AlignCenter);
    m_imageFirst->setPixmap(GamePictures::opening(PanelRect.size()));

    m_labelStatus = makeLabel(m_board, QStringLiteral("label_status"), StatusRect, Qt::AlignHCenter,
                              boardFont(13, true));
    m_labelRound = makeLabel(m_board, QStringLiteral("label_round"), RoundRect, Qt::AlignLeft,
                             boardFont(13, true), QStringLiteral("Round: 0 of 0"));
    m_labelGametype = makeLabel(m_board, QStringLiteral("label_gametype"), GametypeRect,
                                Qt::AlignLeft, boardFont(13, true));
    m_labelTimer = makeLabel(m_board, QStringLiteral("label_timer"), TimerRect, Qt::AlignLeft,
                             boardFont(13, true), QStringLiteral("Time: 0:00"));

    m_imageTimer = new QLabel(m_board);
    m_imageTimer->setObjectName(QStringLiteral("image_timer"));
    m_imageTimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_imageTimer->setPixmap(GamePictures::timeBar());
    m_imageTimer->move(TimeBarPos);
    setTimeBarWidth(0);

    auto *start = new PictureButton(m_board);
    start->setObjectName(QStringLiteral("button_start"));
    start->setPictures(GamePictures::startButton(false), GamePictures::startButton(true));
    start->setGeometry(QRect(StartButtonPos, start->pixmap().size()));
    start->hide();
    connect(start, &PictureButton::clicked, this, &GamePanels::button_startClick);
    m_buttonStart = start;
}

void GamePanels::buildEnterPanel()
{
    m_panelEnter = makePanel(m_board, QStringLiteral("panel_enter"));
    m_imageLetter = new QLabel(m_panelEnter);
    m_imageLetter->setObjectName(QStringLiteral("image_letter"));
    m_imageLetter->setGeometry(
        QRect(LetterPos, QSize(GamePictures::LetterWidth, GamePictures::LetterHeight)));

    for (int n = 1; n <= Categories; ++n) {
        const int top = EntryFirstTop + (n - 1) * EntryRowStep;
        m_labelCat[n - 1] = makeLabel(m_panelEnter, numbered("label_cat", n),
                                      QRect(CatLeft, top, CatWidth, EditHeight), Qt::AlignRight,
                                      boardFont(13, true));
        auto *edit = new AnswerEdit(n, m_panelEnter);
        edit->setObjectName(numbered("edit_answer", n));
        edit->setGeometry(EditLeft, top, EditWidth, EditHeight);
        edit->setFont(boardFont(13, false));
        connect(edit, &AnswerEdit::enterPressed, this, [this](int tag) {
            if (tag < Categories)
                m_editAnswer[tag]->setFocus(Qt::TabFocusReason);
            else
                focusChat();
        });
        connect(edit, &QLineEdit::textEdited, this, [this] { m_drafts->typed(typedAnswers()); });
        connect(edit, &QLineEdit::editingFinished, m_drafts, &AnswerDrafts::flush);
        m_editAnswer[n - 1] = edit;
    }
    m_labelAnswersent = makeLabel(m_panelEnter, QStringLiteral("label_answersent"), AnswersentRect,
                                  Qt::AlignHCenter, boardFont(13, true));
}

void GamePanels::buildVotePanel()
{
    m_panelVote = makePanel(m_board, QStringLiteral("panel_vote"));
    m_labelCata = makeLabel(m_panelVote, QStringLiteral("label_cata"), CataRect, Qt::AlignHCenter,
                            boardFont(20, true));
    m_labelCata->setStyleSheet(AccentStyle);
    m_imageVletter = new QLabel(m_panelVote);
    m_imageVletter->setObjectName(QStringLiteral("image_vletter"));
    m_imageVletter->setGeometry(
        QRect(VletterPos, QSize(GamePictures::LetterWidth, GamePictures::LetterHeight)));

    for (int r = 1; r <= Seats; ++r) {
        const int top = VoteRowTops[r - 1];
        m_labelVanswer[r - 1] = makeLabel(m_panelVote, numbered("label_vanswer", r),
                                          QRect(VanswerLeft, top, VanswerWidth, VoteRowHeight),
                                          Qt::AlignHCenter, boardFont(14, true));
        m_labelVscore[r - 1] = makeLabel(m_panelVote, numbered("label_vscore", r),
                                         QRect(VscoreLeft, top, VscoreWidth, VoteRowHeight),
                                         Qt::AlignRight, boardFont(12, true));

        auto *against = new VotePicture(r, m_panelVote);
        against->setObjectName(numbered("image_voteagainst", r));
        against->setGeometry(VoteagainstLeft, top, GamePictures::VoteWidth,
                             GamePictures::VoteHeight);
        against->setPictures(GamePictures::vote(GamePictures::Vote::Decline, false),
                             GamePictures::vote(GamePictures::Vote::Decline, true));
        connect(against, &VotePicture::clicked, this, &GamePanels::image_voteagainst1Click);
        m_imageVoteagainst[r - 1] = against;

        auto *votefor = new VotePicture(r, m_panelVote);
        votefor->setObjectName(numbered("image_votefor", r));
        votefor->setGeometry(VoteforLeft, top, GamePictures::VoteWidth, GamePictures::VoteHeight);
        connect(votefor, &VotePicture::clicked, this, &GamePanels::image_votefor1Click);
        m_imageVotefor[r - 1] = votefor;
    }
    hideVoteRows();
}

void GamePanels::buildScoresPanel()
{
    m_panelScores = makePanel(m_board, QStringLiteral("panel_scores"));
    QLabel *heading
        = makeLabel(m_panelScores, QStringLiteral("label_currentscores"), ScoresHeadingRect,
                    Qt::AlignHCenter, boardFont(22, true), QStringLiteral("CURRENT SCORES"));
    heading->setStyleSheet(AccentStyle);
    for (int n = 1; n <= Seats; ++n) {
        m_labelCurrentscore[n - 1]
            = makeLabel(m_panelScores, numbered("label_currentscore", n),
                        QRect(10, ScoreFirstTop + (n - 1) * ScoreRowStep, 730, 22),
                        Qt::AlignHCenter, boardFont(16, true));
    }
}

void GamePanels::buildWinnerPanel()
{
    m_panelWinner = makePanel(m_board, QStringLiteral("panel_winner"));
    // The grey copy goes first so that it lies under the text as its shadow.
    m_labelWinner2 = makeLabel(m_panelWinner, QStringLiteral("label_winner2"),
                               WinnerRect.translated(1, 1), Qt::AlignHCenter, boardFont(32, true));
    m_labelWinner2->setStyleSheet(ShadowStyle);
    m_labelWinner1 = makeLabel(m_panelWinner, QStringLiteral("label_winner1"), WinnerRect,
                               Qt::AlignHCenter, boardFont(32, true));
    m_labelWinner1->setStyleSheet(AccentStyle);
}

// ---------------------------------------------------------------- helpers

void GamePanels::hideMainPanels()
{
    m_panelEnter->hide();
    m_panelVote->hide();
    m_panelScores->hide();
    m_panelWinner->hide();
}

void GamePanels::hideVoteRows()
{
    for (int r = 0; r < Seats; ++r) {
        m_labelVanswer[r]->hide();
        m_labelVscore[r]->hide();
        m_imageVoteagainst[r]->hide();
        m_imageVotefor[r]->hide();
    }
}

void GamePanels::clearBonuses()
{
    for (int n = 1; n <= Seats; ++n)
        m_context.seats().setBonus(n, QString());
}

void GamePanels::resetAnswerTable()
{
    m_answers.fill(AnswerEntry {});
}

void GamePanels::drawLetter(int letterIndex)
{
    const QPixmap picture = GamePictures::letter(letterIndex);
    m_imageLetter->setPixmap(picture);
    m_imageVletter->setPixmap(picture);
    const QChar letter = letterIndex >= 0 && letterIndex < Protocol::LetterCount
        ? QChar::fromLatin1(Protocol::Letters[letterIndex])
        : QChar();
    for (AnswerEdit *edit : m_editAnswer)
        edit->setLetter(letter);
}

void GamePanels::setTimeBarWidth(int width)
{
    const int clamped = std::clamp(width, 0, GamePictures::TimeBarWidth);
    m_imageTimer->resize(clamped, GamePictures::TimeBarHeight);
    m_imageTimer->setVisible(clamped > 0);
}

void GamePanels::showTime(int seconds)
{
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    m_labelTimer->setText(QStringLiteral("Time: %1%2%3")
                              .arg(minutes)
                              .arg(rest < 10 ? QStringLiteral(":0") : QStringLiteral(":"))
                              .arg(rest));
}

void GamePanels::focusChat()
{
    if (QWidget *chat = m_context.chatEntry())
        chat->setFocus(Qt::TabFocusReason);
}

void GamePanels::setAnswersEnabled(bool enabled)
{
    for (AnswerEdit *edit : m_editAnswer)
        edit->setEnabled(enabled);
}

void GamePanels::startCountdown(int seconds)
{
    m_turntime->stop();
    m_countdown = seconds;
    m_turntime->start();
}

void GamePanels::setVoteAnswerStruck(int row, bool struck)
{
    QFont font = m_labelVanswer[row - 1]->font();
    font.setBold(true);
    font.setStrikeOut(struck);
    m_labelVanswer[row - 1]->setFont(font);
}

int GamePanels::drawSeat()
{
    return std::uniform_int_distribution<int>(1, Seats)(m_random);
}
