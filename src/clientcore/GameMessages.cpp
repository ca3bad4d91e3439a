#include "clientcore/GameMessages.h"

#include "protocol/FieldReader.h"

#include <algorithm>

namespace {

bool isSeat(int n)
{
    return n >= 1 && n <= GameFacts::SeatCount;
}

} // namespace

QChar RoundStart::letter() const
{
    if (letterIndex < 0 || letterIndex >= Protocol::LetterCount)
        return {};
    return QLatin1Char(Protocol::Letters[letterIndex]);
}

namespace GameMessages {

std::optional<GameStart> gameStart(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    GameStart start;
    start.starter = fields.takeText();
    const auto rounds = Protocol::toInt(fields.takeText());
    const auto turnTime = Protocol::toInt(fields.takeText());
    const QString gameType = fields.takeText();
    const QString duplicates = fields.takeText();
    if (!rounds || !turnTime || !Protocol::toInt(gameType))
        return std::nullopt;
    start.rounds = std::clamp(*rounds, 0, GameFacts::MaxRounds);
    start.turnTime = std::clamp(*turnTime, 0, GameFacts::MaxSeconds);
    start.gameType = gameType == QLatin1String("1") ? 1 : 0;
    start.duplicatesAllowed = duplicates != QLatin1String("0");
    return start;
}

QString gameStarter(const QString &argument)
{
    return Protocol::FieldReader(argument).takeText();
}

std::optional<GameSnapshot> gameSnapshot(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    GameSnapshot snapshot;
    const auto seat = fields.takeInt();
    const auto phase = seat ? fields.takeInt() : std::nullopt;
    const auto rounds = phase ? fields.takeInt() : std::nullopt;
    snapshot.roundNumber = fields.takeText();
    const auto turnTime = rounds ? fields.takeInt() : std::nullopt;
    const auto secondsLeft = turnTime ? fields.takeInt() : std::nullopt;
    const auto letterIndex = secondsLeft ? fields.takeInt() : std::nullopt;
    if (!letterIndex)
        return std::nullopt;
    const QString gameType = fields.takeText();
    if (Protocol::toInt(gameType))
        snapshot.gameType = gameType == QLatin1String("1") ? 1 : 0;
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const QString type = fields.takeText();
        const auto n = fields.takeInt();
        if (!n)
            return std::nullopt;
        const QString value = fields.takeText();
        if (!isSeat(*n))
            continue;
        if (type == QLatin1String("s"))
            snapshot.scores[std::size_t(*n - 1)] = value;
        else if (type == QLatin1String("c"))
            snapshot.categories[std::size_t(*n - 1)] = value.toUpper();
    }
    snapshot.seat = *seat;
    snapshot.phase = *phase;
    snapshot.rounds = std::clamp(*rounds, 0, GameFacts::MaxRounds);
    snapshot.turnTime = std::clamp(*turnTime, 0, GameFacts::MaxSeconds);
    snapshot.secondsLeft = std::clamp(*secondsLeft, 0, GameFacts::MaxSeconds);
    snapshot.letterIndex = *letterIndex;
    return snapshot;
}

std::optional<RoundStart> roundStart(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    RoundStart round;
    round.roundNumber = fields.takeText();
    const auto letterIndex = fields.takeInt();
    if (!letterIndex)
        return std::nullopt;
    round.letterIndex = *letterIndex;
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const auto n = fields.takeInt();
        if (!n)
            return std::nullopt;
        const QString text = fields.takeText();
        if (*n >= 1 && *n <= GameFacts::CategoryCount)
            round.categories[std::size_t(*n - 1)] = text.toUpper();
    }
    return round;
}

std::optional<CategoryVote> categoryVote(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    CategoryVote vote;
    vote.category = fields.takeText();
    const auto count = fields.takeInt();
    if (!count)
        return std::nullopt;
    vote.count = *count;
    if (!fields.atEnd())
        fields.beginList(); // an empty list stays empty
    while (fields.nextGroup()) {
        const auto seat = fields.takeInt();
        if (!seat)
            return std::nullopt;
        const QString answer = fields.takeText();
        const QString duplicate = fields.takeText();
        if (isSeat(*seat))
            vote.answers.append({*seat, answer, duplicate == QLatin1String("1")});
    }
    return vote;
}

} // namespace GameMessages

std::optional<KeptAnswers> GameMessages::keptAnswers(const QString &argument)
{
    Protocol::FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return std::nullopt;
    KeptAnswers kept;
    kept.seat = *seat;
    fields.beginList();
    while (fields.nextGroup()) {
        const std::optional<int> category = fields.takeInt();
        if (!category)
            return std::nullopt;
        const QString answer = fields.nextGroup() ? fields.takeText() : QString();
        if (*category >= 1 && *category <= GameFacts::CategoryCount)
            kept.answers[std::size_t(*category - 1)] = answer;
    }
    return kept;
}
