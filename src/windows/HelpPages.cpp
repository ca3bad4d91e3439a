#include "windows/HelpPages.h"

#include "windows/MakerInfo.h"

namespace HelpPages {

namespace {

struct Section
{
    int number;
    const char *caption;
};

// Side buttons from top to bottom.
constexpr Section Sections[] = {
    {1, "Overview"}, {2, "Connecting"},    {12, "With Friends"}, {3, "Game Play"},  {4, "Scoring"},
    {7, "Options"},  {5, "Documentation"}, {6, "License"},       {11, "The Lobby"},
};

QStringList page1()
{
    return {
        QStringLiteral("Overview"),
        QString(),
        QStringLiteral("It's a fun game where you have to match the categories with words that "),
        QStringLiteral("start with the letter given. "),
        QString(),
        QStringLiteral(
            "There are two different game options to choose from. One is more like the "),
        QStringLiteral("traditional scoring, the other voting for just one winner."),
        QString(),
        QStringLiteral("If you have any categories that you want added, just email me at "),
        MakerInfo::mailAddress() + QStringLiteral(" and I will add them in."),
    };
}

QStringList page2()
{
    return {
        QStringLiteral("Connecting"),
        QString(),
        QStringLiteral("Solo Games: To play a solo game, press the Start Game button. Solo "),
        QStringLiteral("games "),
        QStringLiteral("can be played while offline.  Since the game is designed to be playing "),
        QStringLiteral("online "),
        QStringLiteral("and uses the internet components, your firewall must grant the game "),
        QStringLiteral("access to the internet."),
        QString(),
        QStringLiteral("Multi-Player Games: You must connect to the Zorn22 Gaming Lobby in "),
        QStringLiteral("order "),
        QStringLiteral("to play multi-player games.  The Zorn22 Lobby can be downloaded from "),
        MakerInfo::webAddress() + QStringLiteral(". The Lobby is free to download and to "),
        QStringLiteral("use. By installing it you agree to its terms of use, which "),
        QStringLiteral("the installer shows before anything is copied to your "),
        QStringLiteral("computer."),
        QString(),
        QStringLiteral("If you find that no one can join a game you host, then please visit "),
        MakerInfo::networkPage() + QStringLiteral(" to find out how to "),
        QStringLiteral("configure your modem, router, and/or firewall to allow incoming "),
        QStringLiteral("connections "),
        QStringLiteral("on port 7772."),
        QStringLiteral("OR"),
        QStringLiteral("let The Zorn22 Lobby host the game for you: its Assisted "),
        QStringLiteral("Hosting option checks whether others can reach your computer "),
        QStringLiteral("and tells you what to change if they cannot."),
        QString(),
        QStringLiteral("Note: If at any time the host (ussually the first player in the list) is "),
        QStringLiteral("disconnected, all game play will end."),
    };
}

QStringList page3()
{
    return {
        QStringLiteral("Game Play"),
        QString(),
        QStringLiteral("Players are given a letter and 8 categories. The players fill in the "),
        QStringLiteral("categories "),
        QStringLiteral("with words that match the letter. Answers are automatically sent when "),
        QStringLiteral("the "),
        QStringLiteral("time is up."),
        QString(),
        QStringLiteral("Voting for All Answers Accepts Scores: In the voting stage, all players "),
        QStringLiteral("either vote to ACCEPT or DECLINE an answer. If a player doesn't vote, "),
        QStringLiteral("then "),
        QStringLiteral(
            "the answer will automatically get an \"ACCEPTED\" vote from that player. If "),
        QStringLiteral("an "),
        QStringLiteral("answer is declined by more than half of the players, then the answer is "),
        QStringLiteral("declined "),
        QStringLiteral("and receives no points. Otherwise the answer is \"ACCEPTED\" and will "),
        QStringLiteral("receive 1 point."),
        QString(),
        QStringLiteral(
            "Voting for One Winner Only Scoring: In the voting stage, all players vote "),
        QStringLiteral("for "),
        QStringLiteral("the answer they like best. The player who receives the most votes wins "),
        QStringLiteral("a "),
        QStringLiteral("point. In the case of a tie, both players score a point."),
        QString(),
        QStringLiteral("After the alloted number of rounds are played, the person with the "),
        QStringLiteral("highest "),
        QStringLiteral("score wins."),
        QStringLiteral("  "),
    };
}

QStringList page4()
{
    return {
        QStringLiteral("Scoring"),
        QString(),
        QStringLiteral("All Accepted Answers Score: If more than half of the players decline an "),
        QStringLiteral("answer, then that answer "),
        QStringLiteral("doesn't get a point. Otherwise the answer receives 1 point."),
        QString(),
        QStringLiteral("One Winner Only Scoring: The player with the most votes wins a point."),
        QString(),
        QStringLiteral("At the end of the game, the player with the highest score wins. "),
        QString(),
        QStringLiteral("A tie adds another round, at most 3 of them. If players are still tied "),
        QStringLiteral("after the third, the one who gave the most answers in the game wins; if "),
        QStringLiteral("that is equal too, the one in the lowest seat wins (the host is seat 1). "),
        QStringLiteral("Seats nobody used during the game take no part."),
    };
}

QStringList page7()
{
    return {
        QStringLiteral("Options"),
        QString(),
        QStringLiteral("-Just Watch"),
        QStringLiteral("  If there is a time when you want to stay in the game but not play, you "),
        QStringLiteral("can set yourself to \"Just Watch.\" This allows the game to continue "),
        QStringLiteral("without you, sometimes with a bot taking your place."),
        QString(),
        QStringLiteral("-Bot Speed"),
        QStringLiteral("  Some games have computer players known as bots. You can set the "),
        QStringLiteral("speed at which they play in the Option menu."),
        QString(),
        QStringLiteral("-Sounds"),
        QStringLiteral("  You can turn the game sounds and phrase sounds on and off in the "),
        QStringLiteral("options menu. You can also choose between two sounds to be played "),
        QStringLiteral("when it's your turn."),
        QString(),
        QStringLiteral("-Chat/Action Text"),
        QStringLiteral(
            "  You can set the chat/action color and size in the options menu. You can "),
        QStringLiteral(
            "also clear the chat box and turn automatically scrolling on and off in the "),
        QStringLiteral("options menu."),
        QString(),
        QStringLiteral("-Screen Location"),
        QStringLiteral(
            "  You can set the screen location by to it's default setting in the options "),
        QStringLiteral("menu."),
        QString(),
        QStringLiteral("-Phrase Buttons"),
        QStringLiteral("  You can use the Phrase Buttons (the buttons with P and a number next "),
        QStringLiteral("to it) to quickly type common phrases used in the games. You can "),
        QStringLiteral("customize them by going to the Phrase List Form. The Musical Phrase "),
        QStringLiteral("Button will play a sound.  "),
        QString(),
        QStringLiteral("-Tally List"),
        QStringLiteral(
            "   To access the Tally List, select View and Tally List in the main menu. "),
        QStringLiteral("The tally list allows you to monitor your games played, wins/loses, and "),
        QStringLiteral("sometimes some other statistics. "),
        QString(),
        QStringLiteral("-Spy List"),
        QStringLiteral(
            "   To access the Spy List, select View and Spy List in the main menu. The "),
        QStringLiteral("spy list shows people that are logged on that are not playing the game. "),
        QStringLiteral("The host can remove players from the \"spies\" from the game by right "),
        QStringLiteral("clicking on their name and selecting \"Remove From Game.\""),
        QString(),
        QStringLiteral("-Phrase List"),
        QStringLiteral("   To Access the Phrase List, select View and Phrase List in the main "),
        QStringLiteral("menu. The Phrase List allows you to customize the \"P\" buttons in the "),
        QStringLiteral("game.  "),
    };
}

QStringList page5()
{
    return {
        QStringLiteral("History"),
        QString(),
        QStringLiteral("Sep 9, 2010 - Version 1.0.4.1"),
        QStringLiteral("   -Added more categories"),
        QStringLiteral("   -Added ability to add your own categories"),
        QStringLiteral("Jan 31, 2010 - Version 1.0.3.1"),
        QStringLiteral("   -Made duplicate answers optional"),
        QStringLiteral("   -Capital letters don't matter now"),
        QStringLiteral("Jan 30, 2010 - Version 1.0.2.1"),
        QStringLiteral("   -Added smilies"),
        QStringLiteral("   -Duplicate answers can't be voted on"),
        QStringLiteral("Dec 14, 2009 1.0.1.1"),
        QStringLiteral("   - Added more categories"),
        QStringLiteral("   - Removed voting requirement for getting scores"),
        QStringLiteral("   - Force vote when only one answer submitted"),
        QStringLiteral("   - Identical answer are both counted"),
        QStringLiteral("Nov 4, 2009 1.0.0.1"),
        QStringLiteral("   - Added more categories"),
        QStringLiteral("Oct 2009 - First alpha release Version 1.0.0.0"),
        QString(),
        QStringLiteral(" "),
    };
}

QStringList page6()
{
    return {
        QStringLiteral("License Agreement"),
        QString(),
        QStringLiteral("Lexiburst is free to play. You may install it on as many computers as you "
                       "like and play it with anyone."),
        QString(),
        QStringLiteral("You may copy the unchanged program and give it away, as long as you charge "
                       "nothing for it and keep this agreement with it. You may not sell the "
                       "program, or change it and pass it on as your own."),
        QString(),
        QStringLiteral(
            "The program is provided \"as is\", without warranty of any kind. Its author is not "
            "liable for any loss of data or other damage that its use may cause."),
        QString(),
        QStringLiteral("When you play, the game sends your player name, your chat lines, your "
                       "answers and your votes to the computer that hosts the game, which passes "
                       "them to the other players of that game. Your tally, your phrases and the "
                       "categories you add stay on your own computer."),
        QString(),
        QStringLiteral("By installing or playing Lexiburst you accept this agreement."),
    };
}

// What this version adds to playing with others; each paragraph wraps at the
// page's width.
QStringList page12()
{
    return {
        QStringLiteral("Playing with friends"),
        QString(),
        QStringLiteral("Started without a name, the game opens its start window: play alone "
                       "against computer players, host a game for friends, or join a friend's "
                       "game by its address. A hosted game says in the chat which address and "
                       "port friends type, and File > Copy Join Address copies it."),
        QString(),
        QStringLiteral("A game can also run on a server with lexiburst-host. There the first "
                       "person to join leads the game, and the lead passes to another person "
                       "when the leader leaves; computer players never lead."),
        QString(),
        QStringLiteral("Computer players: the leader adds or removes them under Options (Add "
                       "Computer Player, Remove Computer Player), and Options > Bot Skill sets "
                       "how strong they play: Weak, Fair, Strong, or Mixed for one of each in "
                       "turn."),
        QString(),
        QStringLiteral("Lost your connection during a game? Your seat, score and answers are kept "
                       "for two minutes and the others see you as away. The game tries to "
                       "reconnect by itself; starting it again to join the same host works too."),
        QString(),
        QStringLiteral("Done and Next: when every player uses this version, press Done once your "
                       "answers are in and Next once you have voted on a category, and the game "
                       "moves on without waiting for the clock."),
        QString(),
        QStringLiteral("The leader can remove a player after a question; a removed player cannot "
                       "come back under that name until the game ends."),
    };
}

QStringList page11()
{
    return {
        QStringLiteral("The Lobby"),
        QString(),
        QStringLiteral("The Lobby is the portal to other players who play the Zorn22 games. It "),
        QStringLiteral("allows you to play the Zorn22 games against other players. You can "),
        QStringLiteral("download The Lobby from ") + MakerInfo::webAddress(),
        QString(),
        QStringLiteral("The Lobby and a basic account are free. With a basic account you "),
        QStringLiteral("can chat, join any room and play every Zorn22 game. "),
        QStringLiteral("A Gold membership adds private rooms, a friends list, saved "),
        QStringLiteral("statistics and play without advertisements. "),
        QStringLiteral("Gold is offered by the month or by the year; it renews until "),
        QStringLiteral("you cancel it, and you can cancel it at any time from your "),
        QStringLiteral("account page. The games themselves stay free. "),
        QStringLiteral("The full terms are shown when you sign up."),
        QString(),
        QStringLiteral("Visit ") + MakerInfo::webAddress() + QStringLiteral(" to learn more."),
    };
}

} // namespace

QList<int> sections()
{
    QList<int> numbers;
    for (const Section &section : Sections)
        numbers.append(section.number);
    return numbers;
}

QString caption(int section)
{
    for (const Section &entry : Sections) {
        if (entry.number == section)
            return QString::fromLatin1(entry.caption);
    }
    return {};
}

QStringList lines(int section)
{
    switch (section) {
    case 1:
        return page1();
    case 2:
        return page2();
    case 3:
        return page3();
    case 4:
        return page4();
    case 7:
        return page7();
    case 5:
        return page5();
    case 6:
        return page6();
    case 11:
        return page11();
    case 12:
        return page12();
    default:
        return {};
    }
}

QString paragraphs(int section)
{
    const QStringList stored = lines(section);
    QString text;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        text += stored[i];
        const bool runsOn = stored[i].endsWith(u' ') && !stored[i].trimmed().isEmpty()
            && i + 1 < stored.size() && !stored[i + 1].trimmed().isEmpty();
        if (!runsOn && i + 1 < stored.size())
            text += u'\n';
    }
    return text;
}

} // namespace HelpPages
