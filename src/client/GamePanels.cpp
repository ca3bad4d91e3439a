#include "client/GamePanels.h"

#include "client/ClientContext.h"
#include "client/GameWidgets.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"

#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

const QString WaitingCaption = QStringLiteral("<Waiting>");
const QString AddToMine = QStringLiteral("addtomine");

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

constexpr int LateJoinMinSeconds = 4; // a late joiner with this little time left waits
constexpr int RedBelowSeconds = 20;
constexpr int LastTicksEntry = 10;    // every second from here down while typing
constexpr int LastTicksVoting = 5;    // every second below this while voting
constexpr int EarlyTickA = 20;
constexpr int EarlyTickB = 15;

// Voting seconds by the number of answers shown, the same table as the host's.
int votingSeconds(int answers)
{
    if (answers <= 0)
        return 2;
    if (answers <= 3)
        return 10;
    if (answers <= 6)
        return 13;
    return 16;
}

QString letterText(int letterIndex)
{
    if (letterIndex < 0 || letterIndex >= Protocol::LetterCount)
        return {};
    return QString(QLatin1Char(Protocol::Letters[letterIndex]));
}

bool validSeat(int n) { return n >= 1 && n <= GamePanels::Seats; }

QFont boardFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
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
    panel->setStyleSheet(QStringLiteral("QFrame#%1 { border: 1px solid #2060A0; background: rgba(255,255,255,150); }")
                             .arg(name));
    panel->hide();
    return panel;
}

QString numbered(const char *base, int n) { return QLatin1String(base) + QString::number(n); }

} // namespace

GamePanels::GamePanels(QWidget *panelBoard, ClientContext &context, QObject *parent)
    : QObject(parent), m_board(panelBoard), m_context(context)
{
    m_messageBox = [this](const QString &text) {
        QMessageBox::information(m_board->window(), m_board->window()->windowTitle(), text);
    };
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

void GamePanels::setMessageBox(std::function<void(const QString &)> show) { m_messageBox = std::move(show); }
void GamePanels::setSeed(quint32 seed) { m_random.seed(seed); }

QLineEdit *GamePanels::answerEdit(int n) const
{
    return validSeat(n) ? m_editAnswer[n - 1] : nullptr;
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
    m_labelGametype = makeLabel(m_board, QStringLiteral("label_gametype"), GametypeRect, Qt::AlignLeft,
                                boardFont(13, true));
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
    m_imageLetter->setGeometry(QRect(LetterPos, QSize(GamePictures::LetterWidth, GamePictures::LetterHeight)));

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
    m_imageVletter = new QLabel(m_panelVote);
    m_imageVletter->setObjectName(QStringLiteral("image_vletter"));
    m_imageVletter->setGeometry(QRect(VletterPos, QSize(GamePictures::LetterWidth, GamePictures::LetterHeight)));

    for (int r = 1; r <= Seats; ++r) {
        const int top = VoteRowTops[r - 1];
        m_labelVanswer[r - 1] = makeLabel(m_panelVote, numbered("label_vanswer", r),
                                          QRect(VanswerLeft, top, VanswerWidth, VoteRowHeight),
                                          Qt::AlignHCenter, boardFont(14, true));
        m_labelVscore[r - 1] = makeLabel(m_panelVote, numbered("label_vscore", r),
                                         QRect(VscoreLeft, top, VscoreWidth, VoteRowHeight), Qt::AlignRight,
                                         boardFont(12, true));

        auto *against = new VotePicture(r, m_panelVote);
        against->setObjectName(numbered("image_voteagainst", r));
        against->setGeometry(VoteagainstLeft, top, GamePictures::VoteWidth, GamePictures::VoteHeight);
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
    makeLabel(m_panelScores, QStringLiteral("label_currentscores"), ScoresHeadingRect, Qt::AlignHCenter,
              boardFont(22, true), QStringLiteral("CURRENT SCORES"));
    for (int n = 1; n <= Seats; ++n) {
        m_labelCurrentscore[n - 1] =
            makeLabel(m_panelScores, numbered("label_currentscore", n),
                      QRect(10, ScoreFirstTop + (n - 1) * ScoreRowStep, 730, 22), Qt::AlignHCenter,
                      boardFont(16, true));
    }
}

void GamePanels::buildWinnerPanel()
{
    m_panelWinner = makePanel(m_board, QStringLiteral("panel_winner"));
    // The grey copy goes first so that it lies under the text as its shadow.
    m_labelWinner2 = makeLabel(m_panelWinner, QStringLiteral("label_winner2"), WinnerRect.translated(1, 1),
                               Qt::AlignHCenter, boardFont(32, true));
    m_labelWinner2->setStyleSheet(QStringLiteral("color: grey;"));
    m_labelWinner1 = makeLabel(m_panelWinner, QStringLiteral("label_winner1"), WinnerRect, Qt::AlignHCenter,
                               boardFont(32, true));
    m_labelWinner1->setStyleSheet(QStringLiteral("color: #2060A0;"));
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
        m_context.bonusLabel(n)->clear();
}

void GamePanels::resetAnswerTable()
{
    m_answers.fill(AnswerEntry{});
}

void GamePanels::drawLetter(int letterIndex)
{
    const QPixmap picture = GamePictures::letter(letterIndex);
    m_imageLetter->setPixmap(picture);
    m_imageVletter->setPixmap(picture);
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

// ---------------------------------------------------------------- round flow

void GamePanels::clearall()
{
    for (int n = 1; n <= Seats; ++n) {
        m_context.scoreLabel(n)->setText(QStringLiteral("0"));
        m_context.bonusLabel(n)->clear();
    }
    for (int n = 0; n < Categories; ++n) {
        m_labelCat[n]->clear();
        m_editAnswer[n]->clear();
        m_labelVanswer[n]->clear();
    }
}

void GamePanels::startthegame(const QString &argument)
{
    m_buttonStart->hide();
    m_context.uncheckJustWatch();
    m_panelWinner->hide();
    clearall();

    Protocol::FieldReader fields(argument);
    const QString starter = fields.takeText();
    const QString roundsText = fields.takeText();
    const QString turnText = fields.takeText();
    const QString gameTypeText = fields.takeText();
    const QString duplicatesText = fields.takeText();
    m_context.addStatusLine(starter + QStringLiteral(" has started a game."));

    const auto rounds = Protocol::toInt(roundsText);
    const auto turnTime = Protocol::toInt(turnText);
    if (!rounds || !turnTime)
        return;
    m_rounds = *rounds;
    m_turnTime = *turnTime;
    m_barScale = m_turnTime > 0 ? GamePictures::TimeBarWidth / m_turnTime : 0;
    m_gameRunning = true;
    m_labelRound->setText(QStringLiteral("Round: 1 of ") + roundsText);

    const auto gameType = Protocol::toInt(gameTypeText);
    if (!gameType)
        return;
    m_gameType = *gameType;
    const bool allScoring = gameTypeText == QLatin1String("1");
    QString caption = allScoring ? QStringLiteral("All Scoring") : QStringLiteral("One Winner Only");
    if (!allScoring && duplicatesText == QLatin1String("0"))
        caption += QStringLiteral(" No Duplicates");
    m_labelGametype->setText(caption);
}

void GamePanels::startround(const QString &argument)
{
    hideMainPanels();
    m_imageFirst->hide();
    for (AnswerEdit *edit : m_editAnswer)
        edit->clear();
    if (m_statusTag != 1)
        m_labelStatus->setText(QStringLiteral("Blast the Categories!"));
    m_statusTag = 0;

    Protocol::FieldReader fields(argument);
    const QString roundNumber = fields.takeText();
    const auto letterIndex = fields.takeInt();
    if (!letterIndex)
        return;
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const auto n = fields.takeInt();
        if (!n)
            return;
        const QString text = fields.takeText();
        if (n >= 1 && *n <= Categories)
            m_labelCat[*n - 1]->setText(text.toUpper());
    }

    drawLetter(*letterIndex);
    m_labelAnswersent->setText(QStringLiteral("Fill the Categories with words that start with: ") +
                               letterText(*letterIndex));
    m_labelRound->setText(QStringLiteral("Round: %1 of %2").arg(roundNumber).arg(m_rounds));
    m_gameRunning = true;

    m_panelEnter->show();
    m_panelEnter->raise();
    for (int n = 1; n <= Categories; ++n) {
        if (ownSeatPlays())
            m_editAnswer[n - 1]->setEnabled(true);
        m_context.bonusLabel(n)->clear();
    }

    m_phase = 1;
    startCountdown(m_turnTime);
    m_context.playsounds(QStringLiteral("submit"));
}

void GamePanels::turntimeTimer()
{
    --m_countdown;
    if (m_countdown >= 1) {
        setTimeBarWidth(m_barScale * m_countdown);
        QPalette palette = m_labelTimer->palette();
        palette.setColor(QPalette::WindowText, m_countdown < RedBelowSeconds ? Qt::red : Qt::black);
        m_labelTimer->setPalette(palette);

        const bool tick = m_countdown == EarlyTickA || m_countdown == EarlyTickB ||
                          (m_phase == 1 ? m_countdown <= LastTicksEntry : m_countdown < LastTicksVoting);
        if (tick)
            m_context.playsounds(QStringLiteral("tick"));
        showTime(m_countdown);
        return;
    }

    if (m_phase == 1) {
        m_phase = 0;
        if (ownSeatPlays())
            sendanswers();
        setAnswersEnabled(false);
        if (m_board->window()->isActiveWindow())
            focusChat();
    }
    m_countdown = 0;
    m_labelTimer->setText(QStringLiteral("Time: 0:00"));
    setTimeBarWidth(0);
}

void GamePanels::sendanswers()
{
    if (!ownSeatPlays())
        return;
    QStringList answers;
    for (AnswerEdit *edit : m_editAnswer)
        answers.append(cleanAnswer(edit->text()));
    if (m_context.isConnected())
        m_context.sendToHost(Protocol::Msg::myanswers(m_context.ownSeat(), answers));
    m_labelAnswersent->setText(QStringLiteral("Answers Sent"));
    m_context.playsounds(QStringLiteral("submit"));
}

void GamePanels::endround(const QString &)
{
    m_labelStatus->setText(QStringLiteral("Prepare to Vote."));
    m_labelAnswersent->clear();
    setAnswersEnabled(false);
    m_context.playsounds(QStringLiteral("timeup"));
}

void GamePanels::gamestats(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const auto seat = fields.takeInt();
    if (!seat || *seat != m_context.ownSeat())
        return;
    const auto phase = fields.takeInt();
    if (!phase)
        return;
    m_phase = *phase;
    const auto rounds = fields.takeInt();
    if (!rounds)
        return;
    m_rounds = *rounds;
    const QString roundNumber = fields.takeText();
    const auto turnTime = fields.takeInt();
    if (!turnTime)
        return;
    m_turnTime = *turnTime;
    m_barScale = m_turnTime > 0 ? GamePictures::TimeBarWidth / m_turnTime : 0;
    const auto secondsLeft = fields.takeInt();
    if (!secondsLeft)
        return;
    m_countdown = *secondsLeft;
    const auto letterIndex = fields.takeInt();
    if (!letterIndex)
        return;
    const QString gameTypeText = fields.takeText();

    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const QString type = fields.takeText();
        const auto n = fields.takeInt();
        if (!n)
            return;
        const QString value = fields.takeText();
        if (!validSeat(*n))
            continue;
        if (type == QLatin1String("s"))
            m_context.scoreLabel(*n)->setText(value);
        else if (type == QLatin1String("c"))
            m_labelCat[*n - 1]->setText(value.toUpper());
    }

    drawLetter(*letterIndex);
    m_labelAnswersent->setText(QStringLiteral("Fill the Categories with words that start with: ") +
                               letterText(*letterIndex));
    m_labelRound->setText(QStringLiteral("Round: %1 of %2").arg(roundNumber).arg(m_rounds));
    m_gameRunning = true;

    if (m_countdown > LateJoinMinSeconds)
        m_turntime->start();
    m_imageFirst->hide();
    switch (m_phase) {
    case 1:
        if (m_countdown > LateJoinMinSeconds) {
            m_panelEnter->show();
            m_panelEnter->raise();
        }
        break;
    case 2:
    case 4:
    case 5:
        m_labelStatus->setText(QStringLiteral("Voting in Progress, Please Wait."));
        break;
    case 3:
        m_labelStatus->setText(QStringLiteral("Posting Scores.. Please Wait."));
        break;
    default:
        break;
    }

    const auto gameType = Protocol::toInt(gameTypeText);
    if (!gameType)
        return;
    m_gameType = *gameType;
    m_labelGametype->setText(gameTypeText == QLatin1String("1") ? QStringLiteral("All Scoring")
                                                               : QStringLiteral("One Winner Only"));
}

void GamePanels::button_startClick()
{
    if (m_context.isConnected())
        m_context.showGameStart();
    else
        m_messageBox(QStringLiteral("You are not connected"));
}

void GamePanels::setHostControlsVisible(bool visible)
{
    m_buttonStart->setVisible(visible);
    if (visible)
        m_buttonStart->raise();
}

// ---------------------------------------------------------------- voting and results

QString GamePanels::categoryHeading(const QString &field) const
{
    // The host names the category by its number in the round; show its text.
    const auto n = Protocol::toInt(field);
    if (n && *n >= 1 && *n <= Categories && !m_labelCat[*n - 1]->text().isEmpty())
        return m_labelCat[*n - 1]->text();
    return field.toUpper();
}

void GamePanels::showcat(const QString &argument)
{
    m_panelEnter->hide();
    m_panelWinner->hide();
    m_panelScores->hide();
    resetAnswerTable();
    hideVoteRows();

    Protocol::FieldReader fields(argument);
    m_labelCata->setText(categoryHeading(fields.takeText()));
    const auto count = fields.takeInt();
    if (!count)
        return;
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const auto seat = fields.takeInt();
        if (!seat)
            return;
        const QString answer = fields.takeText();
        const QString duplicate = fields.takeText();
        if (!validSeat(*seat))
            continue;
        m_answers[*seat - 1].answer = answer;
        m_answers[*seat - 1].duplicate = duplicate;
    }

    const int answered = int(std::count_if(m_answers.begin(), m_answers.end(),
                                           [](const AnswerEntry &e) { return !e.answer.isEmpty(); }));
    const int own = m_context.ownSeat();
    const auto acceptKind = isAllScoring() ? GamePictures::Vote::Accept : GamePictures::Vote::Favourite;
    for (int row = 1; row <= answered; ++row) {
        int seat = drawSeat();
        while (m_answers[seat - 1].answer.isEmpty() || m_answers[seat - 1].row != 0)
            seat = drawSeat();
        AnswerEntry &entry = m_answers[seat - 1];
        entry.row = row;

        QLabel *answer = m_labelVanswer[row - 1];
        answer->setText(entry.answer);
        const bool duplicate = entry.duplicate == QLatin1String("1");
        // A duplicate cannot win in One Winner Only; strike it out so the voter sees why.
        setVoteAnswerStruck(row, duplicate && !isAllScoring());
        answer->show();

        if (isAllScoring()) {
            m_imageVoteagainst[row - 1]->setTag(seat);
            m_imageVoteagainst[row - 1]->show();
        }
        VotePicture *votefor = m_imageVotefor[row - 1];
        votefor->setPictures(GamePictures::vote(acceptKind, false), GamePictures::vote(acceptKind, true));
        votefor->setTag(seat);
        if (!((!isAllScoring() && seat == own) || duplicate))
            votefor->show();
    }
    for (int row = answered + 1; row <= Seats; ++row) {
        int seat = drawSeat();
        while (!m_answers[seat - 1].answer.isEmpty() || m_answers[seat - 1].row != 0)
            seat = drawSeat();
        m_answers[seat - 1].row = row;
    }

    clearBonuses();
    m_labelStatus->setText(isAllScoring() ? QStringLiteral("Choose to Accept or Decline Player's Answers.")
                                          : QStringLiteral("Choose your Favorite Answer"));
    m_panelVote->show();
    m_panelVote->raise();
    startCountdown(votingSeconds(*count));
    m_context.playsounds(QStringLiteral("vote"));
}

void GamePanels::image_voteagainst1Click(int row)
{
    if (row < 1 || row > Seats)
        return;
    m_imageVoteagainst[row - 1]->hide();
    m_imageVotefor[row - 1]->hide();
    if (!ownSeatPlays())
        return;
    if (m_context.isConnected())
        m_context.sendToHost(
            Protocol::Msg::voteagainst(m_context.ownSeat(), m_imageVoteagainst[row - 1]->tag()));
    m_context.playsounds(QStringLiteral("decline"));
    setVoteAnswerStruck(row, true);
}

void GamePanels::image_votefor1Click(int row)
{
    if (row < 1 || row > Seats)
        return;
    const int author = m_imageVotefor[row - 1]->tag();
    if (!isAllScoring() && author == m_context.ownSeat())
        return;
    m_imageVoteagainst[row - 1]->hide();
    m_imageVotefor[row - 1]->hide();
    if (!ownSeatPlays())
        return;
    m_context.playsounds(QStringLiteral("decline"));
    if (isAllScoring())
        return; // an answer counts as accepted unless declined
    if (m_context.isConnected())
        m_context.sendToHost(Protocol::Msg::votefor(m_context.ownSeat(), author));
    for (VotePicture *picture : m_imageVotefor)
        picture->hide();
}

void GamePanels::noanswers(const QString &argument)
{
    m_panelEnter->hide();
    m_panelWinner->hide();
    m_panelScores->hide();
    resetAnswerTable();
    hideVoteRows();
    clearBonuses();
    Protocol::FieldReader fields(argument);
    m_labelCata->setText(categoryHeading(fields.takeText()));
    m_labelStatus->setText(QStringLiteral("No Answers Submitted."));
    m_panelVote->show();
    m_panelVote->raise();
    m_context.playsounds(QStringLiteral("noanswer"));
}

void GamePanels::oneanswer(const QString &argument)
{
    hideVoteRows();
    clearBonuses();
    m_panelEnter->hide();
    m_panelWinner->hide();
    m_panelScores->hide();

    Protocol::FieldReader fields(argument);
    m_labelCata->setText(categoryHeading(fields.takeText()));
    m_labelStatus->setText(QStringLiteral("One one answer submitted."));
    const auto seat = fields.takeInt();
    const auto points = seat ? fields.takeInt() : std::nullopt;
    const auto total = points ? fields.takeInt() : std::nullopt;
    if (!total)
        return;
    fields.takeText(); // a field this client has no use for
    const QString answer = fields.rest();
    if (!validSeat(*seat))
        return;
    m_answers[*seat - 1].answer = answer;
    m_context.bonusLabel(*seat)->setText(QStringLiteral("+%1").arg(*points));
    m_context.scoreLabel(*seat)->setText(QString::number(*total));
    m_labelVanswer[0]->setText(answer);
    setVoteAnswerStruck(1, false);
    m_labelVscore[0]->setText(m_context.playerNameLabel(*seat)->text());
    m_labelVanswer[0]->show();
    m_labelVscore[0]->show();
    m_panelVote->show();
    m_panelVote->raise();
    m_context.playsounds(QStringLiteral("finish"));
}

void GamePanels::postscores(const QString &argument)
{
    m_labelStatus->setText(QStringLiteral("Posting Scores.. Please Wait."));
    for (int r = 0; r < Seats; ++r) {
        m_imageVoteagainst[r]->hide();
        m_imageVotefor[r]->hide();
    }

    Protocol::FieldReader fields(argument);
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const auto seat = fields.takeInt();
        const auto points = seat ? fields.takeInt() : std::nullopt;
        const auto votes = points ? fields.takeInt() : std::nullopt;
        const auto total = votes ? fields.takeInt() : std::nullopt;
        if (!total)
            return;
        if (!validSeat(*seat))
            continue;
        const AnswerEntry &entry = m_answers[*seat - 1];
        const QString name = m_context.playerNameLabel(*seat)->text();
        if (name != WaitingCaption && !entry.answer.isEmpty() && entry.row >= 1) {
            QLabel *vscore = m_labelVscore[entry.row - 1];
            vscore->setText(name + QStringLiteral(" VOTES: ") + QString::number(*votes));
            vscore->show();
        }
        QLabel *bonus = m_context.bonusLabel(*seat);
        if (*points > 0)
            bonus->setText(QStringLiteral("+%1").arg(*points));
        else
            bonus->clear();
        m_context.scoreLabel(*seat)->setText(QString::number(*total));
    }
    m_context.playsounds(QStringLiteral("finish"));
}

void GamePanels::roundover(const QString &)
{
    m_panelVote->hide();
    m_panelEnter->hide();
    m_panelWinner->hide();
    m_labelStatus->setText(QStringLiteral("Round is Over!"));

    std::array<QString, Seats> lines;
    std::array<int, Seats> tags{};
    for (int n = 1; n <= Seats; ++n) {
        const QString name = m_context.playerNameLabel(n)->text();
        if (name == WaitingCaption)
            continue;
        const QString score = m_context.scoreLabel(n)->text();
        lines[n - 1] = name + QStringLiteral(" : ") + score;
        tags[n - 1] = Protocol::toInt(score).value_or(0);
    }
    // Stable: only a strictly smaller score moves down, so ties keep seat order.
    for (int pass = 0; pass < Seats; ++pass) {
        for (int l = 0; l + 1 < Seats; ++l) {
            if (tags[l] < tags[l + 1]) {
                std::swap(tags[l], tags[l + 1]);
                std::swap(lines[l], lines[l + 1]);
            }
        }
    }
    for (int n = 0; n < Seats; ++n) {
        m_labelCurrentscore[n]->setText(lines[n]);
        m_currentscoreTag[n] = tags[n];
    }
    m_context.playsounds(QStringLiteral("roundover"));
    m_panelScores->show();
    m_panelScores->raise();
}

void GamePanels::tiegame(const QString &)
{
    m_labelStatus->setText(QStringLiteral("Tie Game - You will play another round"));
    m_statusTag = 1;
}

void GamePanels::winner(const QString &argument)
{
    m_labelGametype->clear();
    m_labelRound->clear();
    m_imageFirst->hide();

    // The name is the last field; it may itself hold a "+".
    QString name = argument;
    if (name.endsWith(QLatin1Char('+')))
        name.chop(1);
    m_context.playsounds(QStringLiteral("winner"));

    const int own = m_context.ownSeat();
    const bool seated = validSeat(own);
    const bool won = seated && m_context.playerNameLabel(own)->text() == name;
    const QString text = won ? QStringLiteral("You have Won the Game!") : name + QStringLiteral(" has Won the Game!");
    m_labelWinner1->setText(text);
    m_labelWinner2->setText(text);

    m_labelStatus->setText(QStringLiteral("Game Over!"));
    m_context.addStatusLine(text);
    hideMainPanels();
    m_panelWinner->show();
    m_panelWinner->raise();
    m_gameRunning = false;
    if (m_context.isHost())
        setHostControlsVisible(true);
    if (seated)
        m_context.recordGame(won ? AddToMine : name);
}
