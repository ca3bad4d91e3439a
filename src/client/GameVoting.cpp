// The vote and its results as the game panels show them: the rows of the
// category on show with their pictures, the scores, the round's standings, a
// tie and the winner.
#include "client/GamePanels.h"

#include "client/GameWidgets.h"
#include "widgets/TClickLabel.h"

#include <QLabel>
#include <QWidget>

void GamePanels::showVotePanel(const QString &heading, const QString &status)
{
    m_labelCata->setText(heading);
    m_labelStatus->setText(status);
    showOnly(m_panelVote);
}

void GamePanels::votingStarted(const CategoryVote &vote)
{
    showVotePanel(m_game.categoryHeading(vote.category),
                  m_game.isAllScoring()
                      ? QStringLiteral("Choose to Accept or Decline Player's Answers.")
                      : QStringLiteral("Choose your Favorite Answer"));
}

void GamePanels::showVoteRows()
{
    const auto acceptKind
        = m_game.isAllScoring() ? GamePictures::Vote::Accept : GamePictures::Vote::Favourite;
    for (int r = 1; r <= Seats; ++r) {
        const VoteRow &row = m_game.voteRows()[std::size_t(r - 1)];
        const bool shown = !row.answer.isEmpty();
        // An answer wider than its row is cut with an ellipsis, whole in the tooltip.
        QLabel *answer = m_labelVanswer[r - 1];
        const QString shownText
            = answer->fontMetrics().elidedText(row.answer, Qt::ElideRight, answer->width());
        answer->setText(shownText);
        answer->setToolTip(shownText == row.answer ? QString() : row.answer);
        answer->setVisible(shown);
        QFont font = answer->font();
        font.setStrikeOut(row.struck);
        answer->setFont(font);
        m_labelVscore[r - 1]->setText(row.result);
        m_labelVscore[r - 1]->setVisible(shown && !row.result.isEmpty());
        m_imageVoteagainst[r - 1]->setVisible(shown && row.declineOffered);
        TClickLabel *accept = m_imageVotefor[r - 1];
        accept->setPictures(GamePictures::vote(acceptKind, false),
                            GamePictures::vote(acceptKind, true));
        accept->setVisible(shown && row.acceptOffered);
    }
}

void GamePanels::noAnswers(const QString &heading)
{
    hideVoteRows();
    showVotePanel(heading, QStringLiteral("No Answers Submitted."));
}

void GamePanels::oneAnswer(const QString &heading, int, const QString &)
{
    showVotePanel(heading, QStringLiteral("One one answer submitted."));
    // The only answer scores without a vote: its row names its author at once.
    showVoteRows();
}

void GamePanels::scoresPosted()
{
    m_labelStatus->setText(QStringLiteral("Posting Scores.. Please Wait."));
}

void GamePanels::roundOver()
{
    m_labelStatus->setText(QStringLiteral("Round is Over!"));
    const QStringList &standings = m_game.standings();
    for (int n = 0; n < Seats; ++n)
        m_labelCurrentscore[n]->setText(standings.value(n));
    showOnly(m_panelScores);
}

void GamePanels::tieGame()
{
    m_labelStatus->setText(QStringLiteral("Tie Game - You will play another round"));
    m_keepTieNotice = true;
}

void GamePanels::gameWon(const QString &winner, bool ownSeatWon)
{
    m_labelGametype->clear();
    m_labelRound->clear();
    m_imageFirst->hide();
    const QString text = ownSeatWon ? QStringLiteral("You have Won the Game!")
                                    : winner + QStringLiteral(" has Won the Game!");
    m_labelWinner1->setText(text);
    m_labelWinner2->setText(text);
    m_labelStatus->setText(QStringLiteral("Game Over!"));
    showOnly(m_panelWinner);
}
