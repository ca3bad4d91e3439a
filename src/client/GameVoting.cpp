// Voting and results of the game panels: the answers of a category in random
// rows, the votes, the score posting, the round results, tie and winner.
#include "client/GamePanels.h"

#include "client/ClientContext.h"
#include "client/GameWidgets.h"
#include "clientcore/GameMessages.h"
#include "clientcore/PlayerSeats.h"
#include "protocol/FieldReader.h"
#include "protocol/Messages.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

const QString AddToMine = QStringLiteral("addtomine"); // the tally's word for a game the user won

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

} // namespace

QString GamePanels::categoryHeading(const QString &field) const
{
    // The host names the category by its number in the round; show its text.
    const auto n = Protocol::toInt(field);
    if (n && *n >= 1 && *n <= Categories && !m_labelCat[*n - 1]->text().isEmpty())
        return m_labelCat[*n - 1]->text();
    return field.trimmed().toUpper();
}

void GamePanels::showcat(const QString &argument)
{
    m_panelEnter->hide();
    m_panelWinner->hide();
    m_panelScores->hide();
    resetAnswerTable();
    hideVoteRows();

    m_labelCata->setText(categoryHeading(Protocol::FieldReader(argument).takeText()));
    const std::optional<CategoryVote> vote = GameMessages::categoryVote(argument);
    if (!vote)
        return;
    for (const VoteAnswer &offered : vote->answers) {
        m_answers[offered.seat - 1].answer = offered.answer;
        m_answers[offered.seat - 1].duplicate = offered.duplicate;
    }

    const int answered
        = int(std::count_if(m_answers.begin(), m_answers.end(),
                            [](const AnswerEntry &e) { return !e.answer.isEmpty(); }));
    const int own = m_context.ownSeat();
    const auto acceptKind
        = isAllScoring() ? GamePictures::Vote::Accept : GamePictures::Vote::Favourite;
    for (int row = 1; row <= answered; ++row) {
        int seat = drawSeat();
        while (m_answers[seat - 1].answer.isEmpty() || m_answers[seat - 1].row != 0)
            seat = drawSeat();
        AnswerEntry &entry = m_answers[seat - 1];
        entry.row = row;

        QLabel *answer = m_labelVanswer[row - 1];
        answer->setText(entry.answer);
        const bool duplicate = entry.duplicate;
        // A duplicate cannot win in One Winner Only; strike it out so the voter sees why.
        setVoteAnswerStruck(row, duplicate && !isAllScoring());
        answer->show();

        if (isAllScoring()) {
            m_imageVoteagainst[row - 1]->setTag(seat);
            m_imageVoteagainst[row - 1]->show();
        }
        VotePicture *votefor = m_imageVotefor[row - 1];
        votefor->setPictures(GamePictures::vote(acceptKind, false),
                             GamePictures::vote(acceptKind, true));
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
    m_labelStatus->setText(isAllScoring()
                               ? QStringLiteral("Choose to Accept or Decline Player's Answers.")
                               : QStringLiteral("Choose your Favorite Answer"));
    m_panelVote->show();
    m_panelVote->raise();
    startCountdown(votingSeconds(vote->count));
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
    if (!isSeat(*seat))
        return;
    m_answers[*seat - 1].answer = answer;
    m_context.seats().setBonus(*seat, QStringLiteral("+%1").arg(*points));
    m_context.seats().setScore(*seat, QString::number(*total));
    m_labelVanswer[0]->setText(answer);
    setVoteAnswerStruck(1, false);
    m_labelVscore[0]->setText(m_context.seats().name(*seat));
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
        if (!isSeat(*seat))
            continue;
        const AnswerEntry &entry = m_answers[*seat - 1];
        const QString name = m_context.seats().name(*seat);
        if (name != PlayerSeats::Waiting && !entry.answer.isEmpty() && entry.row >= 1) {
            QLabel *vscore = m_labelVscore[entry.row - 1];
            vscore->setText(name + QStringLiteral(" VOTES: ") + QString::number(*votes));
            vscore->show();
        }
        m_context.seats().setBonus(*seat,
                                   *points > 0 ? QStringLiteral("+%1").arg(*points) : QString());
        m_context.seats().setScore(*seat, QString::number(*total));
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
    std::array<int, Seats> tags {};
    for (int n = 1; n <= Seats; ++n) {
        const QString name = m_context.seats().name(n);
        if (name == PlayerSeats::Waiting)
            continue;
        const QString score = m_context.seats().score(n);
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
    const bool seated = isSeat(own);
    const bool won = seated && m_context.seats().name(own) == name;
    const QString text = won ? QStringLiteral("You have Won the Game!")
                             : name + QStringLiteral(" has Won the Game!");
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
