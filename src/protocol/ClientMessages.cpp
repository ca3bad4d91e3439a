#include "protocol/ClientMessages.h"

#include "protocol/FieldReader.h"

namespace Protocol::FromClient {

namespace {

std::optional<SeatAndText> seatAndText(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    if (!seat)
        return std::nullopt;
    return SeatAndText {*seat, reader.rest()};
}

std::optional<Answers> answerList(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    if (!seat)
        return std::nullopt;
    Answers list {*seat, {}};
    reader.beginList();
    while (reader.nextGroup()) {
        const std::optional<int> category = reader.takeInt();
        if (!category)
            break;
        // A last pair cut short before its answer leaves only the list's end
        // mark, which is no answer.
        const QString answer = reader.nextGroup() ? reader.takeText() : QString();
        if (*category >= 1 && *category <= CategoriesPerRound)
            list.answers.append({*category, answer});
    }
    return list;
}

std::optional<Vote> vote(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> voter = reader.takeInt();
    const std::optional<int> seat = reader.takeInt();
    if (!voter || !seat)
        return std::nullopt;
    return Vote {*voter, *seat};
}

} // namespace

GameType GameStart::type() const
{
    return gameType == QLatin1String("0") ? GameType::OneWinnerOnly : GameType::AllScoring;
}

std::optional<Login> logininfo(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    if (!seat)
        return std::nullopt;
    const QString version = reader.takeText();
    return Login {*seat, version, reader.rest()};
}

std::optional<Removal> kickhim(const QString &argument)
{
    const std::optional<Vote> seats = vote(argument);
    if (!seats)
        return std::nullopt;
    return Removal {seats->voter, seats->seat};
}

std::optional<Watch> justwatch(const QString &argument)
{
    const std::optional<SeatAndText> state = seatAndText(argument);
    if (!state || (state->text != QLatin1String("1") && state->text != QLatin1String("2")))
        return std::nullopt;
    return Watch {state->seat, state->text == QLatin1String("1")};
}

std::optional<SeatAndText> chat(const QString &argument)
{
    return seatAndText(argument);
}

std::optional<SeatAndText> action(const QString &argument)
{
    return seatAndText(argument);
}

std::optional<SeatAndText> playasound(const QString &argument)
{
    return seatAndText(argument);
}

std::optional<SeatAndText> resume(const QString &argument)
{
    return seatAndText(argument);
}

GameStart startgame(const QString &argument)
{
    FieldReader reader(argument);
    GameStart start;
    start.starter = reader.takeText();
    start.rounds = reader.takeInt();
    start.turnTime = reader.takeInt();
    start.gameType = reader.takeText();
    start.duplicates = reader.takeText();
    return start;
}

std::optional<Answers> myanswers(const QString &argument)
{
    return answerList(argument);
}

std::optional<Answers> draftanswers(const QString &argument)
{
    return answerList(argument);
}

std::optional<Vote> votefor(const QString &argument)
{
    return vote(argument);
}

std::optional<Vote> voteagainst(const QString &argument)
{
    return vote(argument);
}

std::optional<PeerInfo> peerinfo(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    const QString kind = reader.takeText();
    const bool computer = kind == QLatin1String("computer");
    if (!seat || (!computer && kind != QLatin1String("person")))
        return std::nullopt;
    return PeerInfo {*seat, computer ? PeerKind::Computer : PeerKind::Person,
                     reader.takeText().split(u' ', Qt::SkipEmptyParts)};
}

std::optional<Done> done(const QString &argument)
{
    FieldReader reader(argument);
    const std::optional<int> seat = reader.takeInt();
    const QString word = reader.takeText();
    for (const DoneWith what : {DoneWith::Answers, DoneWith::Vote}) {
        if (seat && word == doneWord(what))
            return Done {*seat, what};
    }
    return std::nullopt;
}

} // namespace Protocol::FromClient
