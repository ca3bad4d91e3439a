#include "client/GamePanels.h"

#include "client/BoardLook.h"
#include "client/GameWidgets.h"
#include "widgets/TClickLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
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
constexpr QRect DoneButtonRect(650, 228, 80, 24);

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
constexpr QRect NextButtonRect(640, 200, 86, 26);

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

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(boardFont(13, true));
    return button;
}

QString numbered(const char *base, int n)
{
    return QLatin1String(base) + QString::number(n);
}

} // namespace

GamePanels::GamePanels(QWidget *panelBoard, ClientGame &game, QObject *parent)
    : QObject(parent), m_board(panelBoard), m_game(game)
{
    buildBoardLabels();
    buildEnterPanel();
    buildVotePanel();
    buildScoresPanel();
    buildWinnerPanel();
    wireGame();
}

GamePanels::~GamePanels() = default;

void GamePanels::wireGame()
{
    // A person's client sends what is typed when its own clock runs out.
    m_game.setSendsAtTimeUp(true);
    connect(&m_game, &ClientGame::gameStarted, this, &GamePanels::gameStarted);
    connect(&m_game, &ClientGame::roundStarted, this, &GamePanels::roundStarted);
    connect(&m_game, &ClientGame::clockTicked, this, &GamePanels::clockTicked);
    connect(&m_game, &ClientGame::answerTimeUp, this, &GamePanels::answerTimeUp);
    connect(&m_game, &ClientGame::answeringEnded, this, &GamePanels::answeringEnded);
    connect(&m_game, &ClientGame::lateJoined, this, &GamePanels::lateJoined);
    connect(&m_game, &ClientGame::answersKept, this, &GamePanels::answersKept);
    connect(&m_game, &ClientGame::votingStarted, this, &GamePanels::votingStarted);
    connect(&m_game, &ClientGame::voteRowsChanged, this, &GamePanels::showVoteRows);
    connect(&m_game, &ClientGame::noAnswers, this, &GamePanels::noAnswers);
    connect(&m_game, &ClientGame::oneAnswer, this, &GamePanels::oneAnswer);
    connect(&m_game, &ClientGame::scoresPosted, this, &GamePanels::scoresPosted);
    connect(&m_game, &ClientGame::roundOver, this, &GamePanels::roundOver);
    connect(&m_game, &ClientGame::tieGame, this, &GamePanels::tieGame);
    connect(&m_game, &ClientGame::gameWon, this, &GamePanels::gameWon);
    connect(&m_game, &ClientGame::finishedChanged, this, &GamePanels::showFinishButtons);
}

QLineEdit *GamePanels::answerEdit(int n) const
{
    return n >= 1 && n <= Categories ? m_editAnswer[n - 1] : nullptr;
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

    auto *start = new TClickLabel(m_board);
    start->setObjectName(QStringLiteral("button_start"));
    start->setPictures(GamePictures::startButton(false), GamePictures::startButton(true));
    start->setGeometry(QRect(StartButtonPos, start->pixmap().size()));
    start->hide();
    connect(start, &TClickLabel::clicked, this, &GamePanels::startRequested);
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
        // Any change counts, typed or filled in with kept answers.
        connect(edit, &QLineEdit::textChanged, this, &GamePanels::typed);
        connect(edit, &QLineEdit::editingFinished, &m_game, &ClientGame::flushDraft);
        m_editAnswer[n - 1] = edit;
    }
    m_labelAnswersent = makeLabel(m_panelEnter, QStringLiteral("label_answersent"), AnswersentRect,
                                  Qt::AlignHCenter, boardFont(13, true));
    m_buttonDone = makeButton(m_panelEnter, QStringLiteral("button_done"), QStringLiteral("Done"),
                              DoneButtonRect);
    m_buttonDone->setToolTip(QStringLiteral("Send your answers now; when every player is done, "
                                            "the vote begins"));
    connect(m_buttonDone, &QPushButton::clicked, this, &GamePanels::doneClicked);
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

        auto *against = new TClickLabel(m_panelVote);
        against->setObjectName(numbered("image_voteagainst", r));
        against->setGeometry(VoteagainstLeft, top, GamePictures::VoteWidth,
                             GamePictures::VoteHeight);
        against->setPictures(GamePictures::vote(GamePictures::Vote::Decline, false),
                             GamePictures::vote(GamePictures::Vote::Decline, true));
        connect(against, &TClickLabel::clicked, &m_game, [this, r] { m_game.declineRow(r); });
        m_imageVoteagainst[r - 1] = against;

        auto *votefor = new TClickLabel(m_panelVote);
        votefor->setObjectName(numbered("image_votefor", r));
        votefor->setGeometry(VoteforLeft, top, GamePictures::VoteWidth, GamePictures::VoteHeight);
        connect(votefor, &TClickLabel::clicked, &m_game, [this, r] { m_game.acceptRow(r); });
        m_imageVotefor[r - 1] = votefor;
    }
    m_buttonNext = makeButton(m_panelVote, QStringLiteral("button_next"), QStringLiteral("Next"),
                              NextButtonRect);
    m_buttonNext->setToolTip(QStringLiteral("Done with this category; when every player is, "
                                            "the next one comes"));
    connect(m_buttonNext, &QPushButton::clicked, &m_game, &ClientGame::finishVote);
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

void GamePanels::showOnly(QWidget *panel)
{
    for (QWidget *each : {m_panelEnter, m_panelVote, m_panelScores, m_panelWinner})
        each->setVisible(each == panel);
    if (panel)
        panel->raise();
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

void GamePanels::showRoundFacts()
{
    const RoundStart &round = m_game.round();
    const QPixmap picture = GamePictures::letter(round.letterIndex);
    m_imageLetter->setPixmap(picture);
    m_imageVletter->setPixmap(picture);
    for (AnswerEdit *edit : m_editAnswer)
        edit->setLetter(round.letter());
    // Some table entries end in a blank, which would put their right-aligned
    // label out of line with the others.
    for (int n = 0; n < Categories; ++n) {
        const QString &category = round.categories[std::size_t(n)];
        if (!category.isEmpty())
            m_labelCat[n]->setText(category.trimmed());
    }
    m_labelAnswersent->setText(QStringLiteral("Fill the Categories with words that start with: ")
                               + QString(round.letter()).remove(QChar()));
    showRound();
}

void GamePanels::setTimeBarWidth(int width)
{
    const int clamped = std::clamp(width, 0, GamePictures::TimeBarWidth);
    m_imageTimer->resize(clamped, GamePictures::TimeBarHeight);
    m_imageTimer->setVisible(clamped > 0);
}

void GamePanels::showTime(int seconds)
{
    m_labelTimer->setText(
        QStringLiteral("Time: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0')));
}

void GamePanels::focusChat()
{
    if (m_chatEntry)
        m_chatEntry->setFocus(Qt::TabFocusReason);
}

void GamePanels::setAnswersEnabled(bool enabled)
{
    for (AnswerEdit *edit : m_editAnswer)
        edit->setEnabled(enabled);
}
