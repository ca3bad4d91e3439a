#include "protocol/HostMessages.h"

#include "protocol/FieldReader.h"

#include <algorithm>

namespace Protocol {

QChar RoundStart::letter() const
{
    if (letterIndex < 0 || letterIndex >= LetterCount)
        return {};
    return QLatin1Char(Letters[letterIndex]);
}

namespace {

GameType gameTypeFrom(const QString &field)
{
    return field == QLatin1String("1") ? GameType::AllScoring : GameType::OneWinnerOnly;
}

// Groups that follow the fixed fields; an empty list stays empty.
void beginListAfter(FieldReader &fields)
{
    if (!fields.atEnd())
        fields.beginList();
}

} // namespace

namespace Read {

std::optional<SeatAndName> seatAndName(const QString &argument)
{
    FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return std::nullopt;
    return SeatAndName {*seat, argument.mid(argument.indexOf(u'+') + 1)};
}

std::optional<SeatWatching> justwatching(const QString &argument)
{
    FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return std::nullopt;
    return SeatWatching {*seat, fields.rest() == QLatin1String("1")};
}

std::optional<SeatSound> playasound(const QString &argument)
{
    FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    if (!seat)
        return std::nullopt;
    return SeatSound {*seat, fields.takeText()};
}

std::optional<GameStart> startgame(const QString &argument)
{
    FieldReader fields(argument);
    GameStart start;
    start.starter = fields.takeText();
    const auto rounds = toInt(fields.takeText());
    const auto turnTime = toInt(fields.takeText());
    const QString gameType = fields.takeText();
    const QString duplicates = fields.takeText();
    if (!rounds || !turnTime || !toInt(gameType))
        return std::nullopt;
    start.rounds = std::clamp(*rounds, 0, MaxRounds);
    start.turnTime = std::clamp(*turnTime, 0, MaxSeconds);
    start.gameType = gameTypeFrom(gameType);
    start.duplicatesAllowed = duplicates != QLatin1String("0");
    return start;
}

QString starter(const QString &argument)
{
    return FieldReader(argument).takeText();
}

std::optional<RoundStart> startround(const QString &argument)
{
    FieldReader fields(argument);
    RoundStart round;
    round.roundNumber = fields.takeText();
    const auto letterIndex = fields.takeInt();
    if (!letterIndex)
        return std::nullopt;
    round.letterIndex = *letterIndex;
    beginListAfter(fields);
    while (fields.nextGroup()) {
        const auto n = fields.takeInt();
        if (!n)
            return std::nullopt;
        const QString text = fields.takeText();
        if (*n >= 1 && *n <= CategoriesPerRound)
            round.categories[std::size_t(*n - 1)] = text.toUpper();
    }
    return round;
}

std::optional<CategoryVote> showcat(const QString &argument)
{
    FieldReader fields(argument);
    CategoryVote vote;
    vote.category = fields.takeText();
    const auto count = fields.takeInt();
    if (!count)
        return std::nullopt;
    vote.count = *count;
    beginListAfter(fields);
    while (fields.nextGroup()) {
        const auto seat = fields.takeInt();
        if (!seat)
            return std::nullopt;
        const QString answer = fields.takeText();
        const QString duplicate = fields.takeText();
        const bool known = std::any_of(vote.answers.cbegin(), vote.answers.cend(),
                                       [&](const VoteAnswer &a) { return a.seat == *seat; });
        if (isPlayingSeat(*seat) && !known)
            vote.answers.append({*seat, answer, duplicate == QLatin1String("1")});
    }
    return vote;
}

QString noanswers(const QString &argument)
{
    return FieldReader(argument).takeText();
}

std::optional<QList<ScoreLine>> postscores(const QString &argument)
{
    FieldReader fields(argument);
    QList<ScoreLine> lines;
    beginListAfter(fields);
    while (fields.nextGroup()) {
        const auto seat = fields.takeInt();
        const auto points = seat ? fields.takeInt() : std::nullopt;
        const auto votes = points ? fields.takeInt() : std::nullopt;
        const auto total = votes ? fields.takeInt() : std::nullopt;
        if (!total)
            return std::nullopt;
        if (isPlayingSeat(*seat))
            lines.append({*seat, *points, *votes, *total});
    }
    return lines;
}

std::optional<OneAnswer> oneanswer(const QString &argument)
{
    FieldReader fields(argument);
    OneAnswer one;
    one.category = fields.takeText();
    const auto seat = fields.takeInt();
    const auto points = seat ? fields.takeInt() : std::nullopt;
    const auto total = points ? fields.takeInt() : std::nullopt;
    if (!total || !isPlayingSeat(*seat))
        return std::nullopt;
    fields.takeText(); // a field clients have no use for
    one.seat = *seat;
    one.points = *points;
    one.total = *total;
    one.answer = fields.rest();
    return one;
}

std::optional<GameSnapshot> gamestats(const QString &argument)
{
    FieldReader fields(argument);
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
    if (toInt(gameType))
        snapshot.gameType = gameTypeFrom(gameType);
    beginListAfter(fields);
    while (fields.nextGroup()) {
        const QString type = fields.takeText();
        const auto n = fields.takeInt();
        if (!n)
            return std::nullopt;
        const QString value = fields.takeText();
        if (!isPlayingSeat(*n))
            continue;
        if (type == QLatin1String("s"))
            snapshot.scores[std::size_t(*n - 1)] = toInt(value);
        else if (type == QLatin1String("c"))
            snapshot.categories[std::size_t(*n - 1)] = value.toUpper();
    }
    snapshot.seat = *seat;
    snapshot.phase = *phase;
    snapshot.rounds = std::clamp(*rounds, 0, MaxRounds);
    snapshot.turnTime = std::clamp(*turnTime, 0, MaxSeconds);
    snapshot.secondsLeft = std::clamp(*secondsLeft, 0, MaxSeconds);
    snapshot.letterIndex = *letterIndex;
    return snapshot;
}

std::optional<KeptAnswers> keptanswers(const QString &argument)
{
    FieldReader fields(argument);
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
        if (*category >= 1 && *category <= CategoriesPerRound)
            kept.answers[std::size_t(*category - 1)] = answer;
    }
    return kept;
}

QString winner(const QString &argument)
{
    QString name = argument;
    if (name.endsWith(u'+'))
        name.chop(1);
    return name;
}

std::optional<PlayerDone> playerdone(const QString &argument)
{
    FieldReader fields(argument);
    const std::optional<int> seat = fields.takeInt();
    const QString word = fields.takeText();
    for (const DoneWith what : {DoneWith::Answers, DoneWith::Vote}) {
        if (seat && isPlayingSeat(*seat) && word == doneWord(what))
            return PlayerDone {*seat, what};
    }
    return std::nullopt;
}

} // namespace Read
} // namespace Protocol
