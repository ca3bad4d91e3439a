// The round flow of the game panels: game start, round start, the turn timer
// with the answers sent at the local time-out, round end and the late join.
#include "client/GamePanels.h"

#include "client/ClientContext.h"
#include "client/GameWidgets.h"
#include "clientcore/AnswerDrafts.h"
#include "clientcore/GameMessages.h"
#include "clientcore/PlayerSeats.h"
#include "protocol/Messages.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int LateJoinMinSeconds = 4; // a late joiner with this little time left waits
constexpr int RedBelowSeconds = 20;
constexpr int LastTicksEntry = 10; // every second from here down while typing
constexpr int LastTicksVoting = 5; // every second below this while voting
constexpr int EarlyTickA = 20;
constexpr int EarlyTickB = 15;

QString letterText(int letterIndex)
{
    if (letterIndex < 0 || letterIndex >= Protocol::LetterCount)
        return {};
    return QString(QLatin1Char(Protocol::Letters[letterIndex]));
}

} // namespace

void GamePanels::clearall()
{
    for (int n = 1; n <= Seats; ++n) {
        m_context.seats().setScore(n, QStringLiteral("0"));
        m_context.seats().setBonus(n, QString());
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

    m_context.addStatusLine(GameMessages::gameStarter(argument)
                            + QStringLiteral(" has started a game."));
    const std::optional<GameStart> start = GameMessages::gameStart(argument);
    if (!start)
        return;
    setRoundsAndTurnTime(start->rounds, start->turnTime);
    m_gameRunning = true;
    m_labelRound->setText(QStringLiteral("Round: 1 of %1").arg(m_rounds));
    m_gameType = start->gameType;
    QString caption
        = isAllScoring() ? QStringLiteral("All Scoring") : QStringLiteral("One Winner Only");
    if (!isAllScoring() && !start->duplicatesAllowed)
        caption += QStringLiteral(" No Duplicates");
    m_labelGametype->setText(caption);
}

void GamePanels::setRoundsAndTurnTime(int rounds, int turnTime)
{
    m_rounds = std::clamp(rounds, 0, GameFacts::MaxRounds);
    m_turnTime = std::clamp(turnTime, 0, GameFacts::MaxSeconds);
    m_barScale = m_turnTime > 0 ? GamePictures::TimeBarWidth / m_turnTime : 0;
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

    const std::optional<RoundStart> round = GameMessages::roundStart(argument);
    if (!round)
        return;
    for (int n = 1; n <= Categories; ++n) {
        if (!round->categories[n - 1].isEmpty())
            showCategory(n, round->categories[n - 1]);
    }

    drawLetter(round->letterIndex);
    m_labelAnswersent->setText(QStringLiteral("Fill the Categories with words that start with: ")
                               + letterText(round->letterIndex));
    m_labelRound->setText(QStringLiteral("Round: %1 of %2").arg(round->roundNumber).arg(m_rounds));
    m_gameRunning = true;

    for (int n = 1; n <= Categories; ++n) {
        if (ownSeatPlays())
            m_editAnswer[n - 1]->setEnabled(true);
        m_context.seats().setBonus(n, QString());
    }
    showEnterPanel();

    m_phase = 1;
    m_drafts->startRound(gameSecondMs());
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

        const bool tick = m_countdown == EarlyTickA || m_countdown == EarlyTickB
            || (m_phase == 1 ? m_countdown <= LastTicksEntry : m_countdown < LastTicksVoting);
        if (tick)
            m_context.playsounds(QStringLiteral("tick"));
        showTime(m_countdown);
        return;
    }

    if (m_phase == 1) {
        m_phase = 0;
        m_drafts->stop();
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
    // The answers replace any draft at the host.
    m_drafts->stop();
    if (m_context.isConnected())
        m_context.sendToHost(Protocol::Msg::myanswers(m_context.ownSeat(), typedAnswers()));
    m_labelAnswersent->setText(QStringLiteral("Answers Sent"));
    m_context.playsounds(QStringLiteral("submit"));
}

QStringList GamePanels::typedAnswers() const
{
    QStringList answers;
    for (AnswerEdit *edit : m_editAnswer)
        answers.append(cleanAnswer(edit->text()));
    return answers;
}

void GamePanels::endround(const QString &)
{
    m_drafts->stop();
    m_labelStatus->setText(QStringLiteral("Prepare to Vote."));
    m_labelAnswersent->clear();
    setAnswersEnabled(false);
    m_context.playsounds(QStringLiteral("timeup"));
}

void GamePanels::keptanswers(const QString &argument)
{
    // Back in its seat after a drop: what the player had sent fills the boxes
    // still empty, so its time-out does not send blanks.
    const std::optional<KeptAnswers> kept = GameMessages::keptAnswers(argument);
    if (!kept || kept->seat != m_context.ownSeat())
        return;
    for (int n = 0; n < Categories; ++n) {
        if (m_editAnswer[n]->text().isEmpty())
            m_editAnswer[n]->setText(kept->answers[std::size_t(n)]);
    }
}

void GamePanels::gamestats(const QString &argument)
{
    // The whole snapshot is read before anything changes: one that does not
    // read leaves the board as it was.
    const std::optional<GameSnapshot> snapshot = GameMessages::gameSnapshot(argument);
    if (!snapshot || snapshot->seat != m_context.ownSeat())
        return;
    for (int n = 1; n <= Seats; ++n) {
        if (const auto &score = snapshot->scores[std::size_t(n - 1)])
            m_context.seats().setScore(n, *score);
        if (const auto &category = snapshot->categories[std::size_t(n - 1)])
            showCategory(n, *category);
    }

    m_phase = snapshot->phase;
    setRoundsAndTurnTime(snapshot->rounds, snapshot->turnTime);
    m_countdown = snapshot->secondsLeft;
    drawLetter(snapshot->letterIndex);
    m_labelAnswersent->setText(QStringLiteral("Fill the Categories with words that start with: ")
                               + letterText(snapshot->letterIndex));
    m_labelRound->setText(
        QStringLiteral("Round: %1 of %2").arg(snapshot->roundNumber).arg(m_rounds));
    m_gameRunning = true;

    const bool timeToAnswer = m_countdown > LateJoinMinSeconds;
    if (timeToAnswer)
        m_turntime->start();
    m_imageFirst->hide();
    switch (m_phase) {
    case 1:
        // Too late to answer: this player sits the entry out, sends nothing
        // and hears no answer-time ticks.
        if (timeToAnswer) {
            showEnterPanel();
            // Back on the same window after a break: the host hears what is
            // in the boxes, which may have changed while the line was down.
            m_drafts->startRound(gameSecondMs());
            m_drafts->typed(typedAnswers());
        } else
            m_phase = 0;
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

    if (!snapshot->gameType)
        return;
    m_gameType = *snapshot->gameType;
    m_labelGametype->setText(isAllScoring() ? QStringLiteral("All Scoring")
                                            : QStringLiteral("One Winner Only"));
}

void GamePanels::showCategory(int n, const QString &text)
{
    // Some table entries end in a blank, which would put their right-aligned
    // label out of line with the others.
    m_labelCat[n - 1]->setText(text.trimmed());
}

void GamePanels::showEnterPanel()
{
    m_panelEnter->show();
    m_panelEnter->raise();
    // The player can type the first answer at once.
    if (ownSeatPlays() && m_editAnswer[0]->isEnabled())
        m_editAnswer[0]->setFocus(Qt::OtherFocusReason);
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
