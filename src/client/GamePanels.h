// The game-play area of the main window: the letter and the eight categories
// with their answer boxes, the turn timer, the voting panel, the round results
// and the winner. It shows the client core's state as its signals report it
// and hands what the player does to the core; it reads no host message itself.
#pragma once

#include "clientcore/ClientGame.h"

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class QLineEdit;
class QWidget;
class AnswerEdit;
class TClickLabel;

class GamePanels : public QObject
{
    Q_OBJECT

public:
    static constexpr int Seats = ClientGame::SeatCount;
    static constexpr int Categories = ClientGame::CategoryCount;

    GamePanels(QWidget *panelBoard, ClientGame &game, QObject *parent = nullptr);
    ~GamePanels() override;

    // Where the focus goes after the last answer box and at the time-out.
    void setChatEntry(QWidget *entry) { m_chatEntry = entry; }
    // The start button is only offered to the leading player.
    void setHostControlsVisible(bool visible);

    // Answer box N (1 to 8), for the main window's tab order and for tests.
    QLineEdit *answerEdit(int n) const;

signals:
    // `button_start` was clicked.
    void startRequested();

private:
    void buildEnterPanel();
    void buildVotePanel();
    void buildScoresPanel();
    void buildWinnerPanel();
    void buildBoardLabels();
    void wireGame();

    // What the core reports (GameRound.cpp, GameVoting.cpp).
    void gameStarted(const GameStart &start);
    void roundStarted();
    void clockTicked(int secondsLeft);
    void answerTimeUp();
    void answeringEnded();
    void lateJoined(bool canAnswer);
    void answersKept();
    void votingStarted(const CategoryVote &vote);
    void showVoteRows();
    void noAnswers(const QString &heading);
    void oneAnswer(const QString &heading, int seat, const QString &answer);
    void scoresPosted();
    void roundOver();
    void tieGame();
    void gameWon(const QString &winner, bool ownSeatWon);
    // Done beside the answer boxes and Next beside the voting pictures, as far
    // as this player may still say it is done.
    void showFinishButtons();
    void doneClicked();

    // Shows that panel (none for nullptr) and hides the others.
    void showOnly(QWidget *panel);
    void showVotePanel(const QString &heading, const QString &status);
    void showEnterPanel();
    void showRound();
    // The round's letter, categories and number, as the core holds them.
    void showRoundFacts();
    void showGameType(bool withDuplicates);
    void hideVoteRows();
    void clearBoxes();
    void setTimeBarWidth(int width);
    void showTime(int seconds);
    void focusChat();
    void setAnswersEnabled(bool enabled);
    void typed();
    QStringList boxTexts() const;

    QWidget *m_board;
    ClientGame &m_game;
    QWidget *m_chatEntry = nullptr;

    // Panels lying on the same spot of the board; at most one is visible.
    QWidget *m_panelEnter = nullptr;
    QWidget *m_panelVote = nullptr;
    QWidget *m_panelScores = nullptr;
    QWidget *m_panelWinner = nullptr;

    QLabel *m_imageFirst = nullptr;
    QLabel *m_labelStatus = nullptr;
    QLabel *m_labelRound = nullptr;
    QLabel *m_labelGametype = nullptr;
    QLabel *m_labelTimer = nullptr;
    QLabel *m_imageTimer = nullptr;
    QWidget *m_buttonStart = nullptr;

    QLabel *m_imageLetter = nullptr;
    QLabel *m_labelAnswersent = nullptr;
    QPushButton *m_buttonDone = nullptr;
    std::array<QLabel *, Categories> m_labelCat {};
    std::array<AnswerEdit *, Categories> m_editAnswer {};

    QLabel *m_labelCata = nullptr;
    QLabel *m_imageVletter = nullptr;
    std::array<QLabel *, Seats> m_labelVanswer {};
    std::array<QLabel *, Seats> m_labelVscore {};
    std::array<TClickLabel *, Seats> m_imageVoteagainst {};
    std::array<TClickLabel *, Seats> m_imageVotefor {};
    QPushButton *m_buttonNext = nullptr;

    std::array<QLabel *, Seats> m_labelCurrentscore {};
    QLabel *m_labelWinner1 = nullptr;
    QLabel *m_labelWinner2 = nullptr;

    int m_barScale = 0; // pixels per second of the time bar
    // The tie notice stays through the next round's start.
    bool m_keepTieNotice = false;
};
