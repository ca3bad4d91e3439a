// The round as the game panels show it: game start, letter and categories,
// the answer boxes, the clock's time label and bar, round end and a late join.
#include "client/GamePanels.h"

#include "client/GameWidgets.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int RedBelowSeconds = 20;

} // namespace

void GamePanels::clearBoxes()
{
    for (int n = 0; n < Categories; ++n) {
        m_labelCat[n]->clear();
        m_editAnswer[n]->clear();
        m_labelVanswer[n]->clear();
    }
}

void GamePanels::showGameType(bool withDuplicates)
{
    const bool allScoring = m_game.isAllScoring();
    QString caption
        = allScoring ? QStringLiteral("All Scoring") : QStringLiteral("One Winner Only");
    if (withDuplicates && !allScoring && !m_game.options().duplicatesAllowed)
        caption += QStringLiteral(" No Duplicates");
    m_labelGametype->setText(caption);
    const int turnTime = m_game.options().turnTime;
    m_barScale = turnTime > 0 ? GamePictures::TimeBarWidth / turnTime : 0;
}

void GamePanels::showRound()
{
    m_labelRound->setText(QStringLiteral("Round: %1 of %2")
                              .arg(m_game.round().roundNumber)
                              .arg(m_game.options().rounds));
}

void GamePanels::gameStarted(const GameStart &)
{
    m_buttonStart->hide();
    m_panelWinner->hide();
    clearBoxes();
    showRound();
    showGameType(true);
}

void GamePanels::roundStarted()
{
    m_imageFirst->hide();
    for (AnswerEdit *edit : m_editAnswer)
        edit->clear();
    if (!std::exchange(m_keepTieNotice, false))
        m_labelStatus->setText(QStringLiteral("Blast the Categories!"));
    showRoundFacts();
    if (m_game.ownSeatPlays())
        setAnswersEnabled(true);
    showEnterPanel();
    clockTicked(m_game.countdown());
}

void GamePanels::typed()
{
    m_game.typeAnswers(boxTexts());
}

QStringList GamePanels::boxTexts() const
{
    QStringList answers;
    for (AnswerEdit *edit : m_editAnswer)
        answers.append(edit->text());
    return answers;
}

void GamePanels::clockTicked(int secondsLeft)
{
    setTimeBarWidth(m_barScale * secondsLeft);
    showTime(secondsLeft);
    // At the time-out the label keeps the colour of its last second.
    if (secondsLeft <= 0)
        return;
    QPalette palette = m_labelTimer->palette();
    palette.setColor(QPalette::WindowText, secondsLeft < RedBelowSeconds ? Qt::red : Qt::black);
    m_labelTimer->setPalette(palette);
}

void GamePanels::doneClicked()
{
    m_game.typeAnswers(boxTexts());
    m_game.finishAnswers();
    if (!m_game.answersFinished())
        return;
    m_labelAnswersent->setText(QStringLiteral("Answers Sent"));
    setAnswersEnabled(false);
    focusChat();
}

void GamePanels::showFinishButtons()
{
    const bool plays = m_game.ownSeatPlays();
    m_buttonDone->setVisible(plays);
    m_buttonDone->setEnabled(m_game.phase() == Protocol::Phase::Answering
                             && !m_game.answersFinished());
    m_buttonNext->setVisible(plays && !m_game.voteFinished());
}

void GamePanels::answerTimeUp()
{
    showFinishButtons();
    if (m_game.ownSeatPlays())
        m_labelAnswersent->setText(QStringLiteral("Answers Sent"));
    setAnswersEnabled(false);
    if (m_board->window()->isActiveWindow())
        focusChat();
}

void GamePanels::answeringEnded()
{
    m_labelStatus->setText(QStringLiteral("Prepare to Vote."));
    m_labelAnswersent->clear();
    setAnswersEnabled(false);
    m_buttonDone->setEnabled(false);
}

void GamePanels::answersKept()
{
    const QStringList typed = m_game.typedAnswers();
    for (int n = 0; n < Categories; ++n) {
        if (m_editAnswer[n]->text().isEmpty())
            m_editAnswer[n]->setText(typed.value(n));
    }
}

void GamePanels::lateJoined(bool canAnswer)
{
    showRoundFacts();
    showGameType(false);
    clockTicked(m_game.countdown());
    m_imageFirst->hide();
    switch (m_game.phase()) {
    case Protocol::Phase::Answering:
        if (canAnswer)
            showEnterPanel();
        break;
    case Protocol::Phase::NextCategory:
    case Protocol::Phase::Voting:
    case Protocol::Phase::NoAnswers:
        m_labelStatus->setText(QStringLiteral("Voting in Progress, Please Wait."));
        break;
    case Protocol::Phase::RoundSummary:
        m_labelStatus->setText(QStringLiteral("Posting Scores.. Please Wait."));
        break;
    default:
        break;
    }
}

void GamePanels::showEnterPanel()
{
    showOnly(m_panelEnter);
    // The player can type the first answer at once.
    if (m_game.ownSeatPlays() && m_editAnswer[0]->isEnabled())
        m_editAnswer[0]->setFocus(Qt::OtherFocusReason);
}

void GamePanels::setHostControlsVisible(bool visible)
{
    m_buttonStart->setVisible(visible);
    if (visible)
        m_buttonStart->raise();
}
