// One record of the host's seat table: who plays on the seat and how the game
// stands for it. The connection that holds the seat is a PeerConnection.
#pragma once

#include "protocol/Messages.h"

#include <QString>

#include <array>

// Numbers of the seat table: playing seats 1 to 8, the spectator seat 9, seat
// 10 only to refuse a connection, seat 11 never used.
inline constexpr int SeatTableSize = 11;
inline constexpr int RefusalSeat = 10;

struct Seat
{
    // Per category of the round; index 0 is unused so indices match 1 to 8.
    template<typename T>
    using PerCategory = std::array<T, Protocol::CategoriesPerRound + 1>;

    QString loginName;
    // The name as its player typed it (cleaned, without the host's ending):
    // a player renamed at its sign-in comes back under it.
    QString typedName;
    // Held by a connection, signed in or not.
    bool inUse = false;
    bool signedIn = false;
    int gameScore = 0;
    // While a game runs, a seat its player left is kept for that name for a
    // while, with score and answers, so the player can get it back.
    QString keptFor;
    QString keptTyped;
    // Where the connection that held the kept seat came from: by name alone
    // the seat is given back only there.
    QString keptAddress;
    // The secret the seat's player was given at its sign-in: presented from
    // anywhere, it gives the seat back, kept or still held. Empty for none.
    QString resumeToken;
    int keptSecondsLeft = 0;
    // Moved here to take its kept seat back; the sign-in for it announces a return.
    bool rejoining = false;
    // Took its kept seat back during the round under way: a blank answer does
    // not wipe one sent before the player dropped out.
    bool returnedThisRound = false;
    // Removed by the leader: the seat is not kept for a return.
    bool removed = false;
    // Who last left the seat during the game: a newcomer plays on with its score.
    QString departed;
    // Whether the seat was in use at some time during the current game; only
    // such seats take part in the winner test.
    bool tookPart = false;
    // Answers put to the vote in the current game; breaks a tie that lasts.
    int answersShown = 0;
    bool watching = false;
    PerCategory<QString> answers;
    // Sent its answers in the round under way; a draft no longer counts.
    bool answersSent = false;
    // What the player had typed when it last told the host while the answer
    // time ran: given back on a return, and scored when no answers come.
    PerCategory<QString> draft;
    PerCategory<int> duplicate {};
    PerCategory<int> accepted {};
    PerCategory<int> votesAgainst {};
    PerCategory<int> votesFor {};
    int votedFor = 0;
    // Said it is done with its answers (while they are typed) or with the
    // category on show (in the vote); cleared when either begins.
    bool done = false;
    // Seats whose answer this seat declined in the current category.
    std::array<bool, Protocol::PlayingSeats + 1> declined {};

    // Its connection is gone; score and answers stay.
    void vacate()
    {
        inUse = false;
        signedIn = false;
        loginName.clear();
        typedName.clear();
        watching = false;
    }

    void clearRound()
    {
        answers.fill(QString());
        answersSent = false;
        draft.fill(QString());
        accepted.fill(0);
        votesAgainst.fill(0);
        votesFor.fill(0);
        votedFor = 0;
        declined.fill(false);
        done = false;
        returnedThisRound = false;
    }
};

using SeatTable = std::array<Seat, SeatTableSize + 1>; // index 0 unused
