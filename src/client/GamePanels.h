// The game-play area of the main window: the letter and the eight categories
// with their answer boxes, the turn timer, the voting panel, the round results
// and the winner. The main window hands every game message of the host to the
// handler of the same name; everything else goes through ClientContext.
//
// Note for the main window (Tchat):
// - ClientContext gained two members with empty defaults, override them:
//   chatEntry() (the `mychat` box: focus target after the last answer box and at
//   the local time-out) and uncheckJustWatch() (a game start unchecks "Just Watch").
// - Message boxes ("You are not connected") go through setMessageBox(); the
//   default shows a modal information box over the board's window.
// - recordGame() receives the tally keyword "addtomine" when the local player
//   won, else the winner's login name: pass it on to the tally's addgame as is.
// - addStatusLine() gets the line's text without the "0+" style prefix.
// - The "Start Game" menu item calls button_startClick() like `button_start`.
#pragma once

#include "protocol/GameFacts.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <random>

class ClientContext;
class QLabel;
class QLineEdit;
class QTimer;
class QWidget;
class AnswerEdit;
class AnswerDrafts;
class VotePicture;

class GamePanels : public QObject
{
    Q_OBJECT

public:
    static constexpr int Seats = GameFacts::SeatCount;
    static constexpr int Categories = GameFacts::CategoryCount;

    GamePanels(QWidget *panelBoard, ClientContext &context, QObject *parent = nullptr);
    ~GamePanels() override;

    // Host messages, each with the text after the command name and its "+".
    void startthegame(const QString &argument);
    void startround(const QString &argument);
    void endround(const QString &argument);
    void gamestats(const QString &argument);
    void showcat(const QString &argument);
    void noanswers(const QString &argument);
    void postscores(const QString &argument);
    void roundover(const QString &argument);
    void tiegame(const QString &argument);
    void winner(const QString &argument);
    void oneanswer(const QString &argument);
    void keptanswers(const QString &argument);

    // Resets the scores, bonuses, categories, answers and voting rows.
    void clearall();
    // `button_start` and the "Start Game" menu item.
    void button_startClick();
    // The start button is only offered to the hosting player.
    void setHostControlsVisible(bool visible);

    // One game-clock second of `turntime`; tests call it directly.
    void turntimeTimer();
    // Sends the typed answers; run once at the local time-out.
    void sendanswers();
    // Clicks on the decline / accept-or-favourite picture of voting row 1 to 8.
    void image_voteagainst1Click(int row);
    void image_votefor1Click(int row);

    // Where message boxes go; tests record the text instead of blocking.
    void setMessageBox(std::function<void(const QString &text)> show);

    // Seeds the generator that places the answers in random rows.
    void setSeed(quint32 seed);

    QTimer *turntime() const { return m_turntime; }
    int countdown() const { return m_countdown; }
    int phase() const { return m_phase; }
    int gameType() const { return m_gameType; }
    bool gameRunning() const { return m_gameRunning; }

    // Answer box N (1 to 8), for the main window's tab order and for tests.
    QLineEdit *answerEdit(int n) const;

    // Milliseconds of one game-clock second (LEXIBURST_SECOND_MS, default 1000).
    static int gameSecondMs();
    // What a text typed into an answer box becomes on the wire: "+" would split
    // the field at the host, so it becomes a blank; the terminator byte is removed.
    static QString cleanAnswer(const QString &typed);

private:
    struct AnswerEntry
    {
        int row = 0; // 0 = not placed, else voting row 1 to 8
        QString answer;
        bool duplicate = false;
    };

    void buildEnterPanel();
    void buildVotePanel();
    void buildScoresPanel();
    void buildWinnerPanel();
    void buildBoardLabels();

    void hideMainPanels();
    void showCategory(int n, const QString &text);
    void showEnterPanel();
    void setRoundsAndTurnTime(int rounds, int turnTime);
    void hideVoteRows();
    void clearBonuses();
    void resetAnswerTable();
    void drawLetter(int letterIndex);
    void setTimeBarWidth(int width);
    void showTime(int seconds);
    void focusChat();
    void setAnswersEnabled(bool enabled);
    void startCountdown(int seconds);
    void setVoteAnswerStruck(int row, bool struck);
    int drawSeat();
    QString categoryHeading(const QString &field) const;
    bool isAllScoring() const { return m_gameType == 1; }
    static bool isSeat(int n) { return n >= 1 && n <= Seats; }
    bool ownSeatPlays() const;
    QStringList typedAnswers() const;

    QWidget *m_board;
    ClientContext &m_context;

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
    std::array<QLabel *, Categories> m_labelCat {};
    std::array<AnswerEdit *, Categories> m_editAnswer {};

    QLabel *m_labelCata = nullptr;
    QLabel *m_imageVletter = nullptr;
    std::array<QLabel *, Seats> m_labelVanswer {};
    std::array<QLabel *, Seats> m_labelVscore {};
    std::array<VotePicture *, Seats> m_imageVoteagainst {};
    std::array<VotePicture *, Seats> m_imageVotefor {};

    std::array<QLabel *, Seats> m_labelCurrentscore {};
    std::array<int, Seats> m_currentscoreTag {};
    QLabel *m_labelWinner1 = nullptr;
    QLabel *m_labelWinner2 = nullptr;

    QTimer *m_turntime = nullptr;
    // What the player has typed, told to the host while the answer time runs.
    AnswerDrafts *m_drafts = nullptr;

    // State the original board kept in control tags.
    int m_rounds = 0; // label_round.Tag
    int m_turnTime = 0; // label_timer.Tag
    int m_barScale = 0; // image_timer.Tag: pixels per second
    int m_gameType = 1; // label_gametype.Tag
    int m_phase = 0; // turntime.Tag
    int m_countdown = 0; // shared by entry and voting
    int m_statusTag = 0; // label_status.Tag: 1 keeps the tie notice
    bool m_gameRunning = false;

    std::array<AnswerEntry, Seats> m_answers {};
    std::array<int, Seats> m_voteTag {}; // author seat shown in each row
    std::mt19937 m_random;
    std::function<void(const QString &)> m_messageBox;
};
