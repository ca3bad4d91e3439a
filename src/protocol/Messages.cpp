#include "protocol/Messages.h"

#include "protocol/Framing.h"

namespace Protocol {

QChar answerInitial(const QString &answer)
{
    const QString plain = answer.trimmed().normalized(QString::NormalizationForm_D);
    return plain.isEmpty() ? QChar() : plain.at(0).toUpper();
}

QString cleanName(const QString &name)
{
    QString visible;
    for (const QChar c : name) {
        if (c.isSpace())
            visible.append(u' ');
        else if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            visible.append(c);
    }
    return visible.simplified();
}

QString nameKey(const QString &name)
{
    QString key;
    for (const QChar c : cleanName(name).normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c);
    }
    return key.toCaseFolded();
}

QByteArray toWire(const QString &text)
{
    // U+00FF encodes to the terminator byte: let through, a typed character would
    // cut the message in two, and the second half could pass for a command.
    constexpr char Unsendable = '?';
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the basic plane becomes one "?"
        const bool sendable = c.unicode() < 0xFF && !c.isSurrogate();
        bytes.append(sendable ? char(c.unicode()) : Unsendable);
    }
    return bytes;
}

QStringList ourCapabilities()
{
    return {QLatin1String(Capability::Lead),    QLatin1String(Capability::Back),
            QLatin1String(Capability::Removed), QLatin1String(Capability::Kept),
            QLatin1String(Capability::Drafts),  QLatin1String(Capability::Done),
            QLatin1String(Capability::Removal), QLatin1String(Capability::TakeOver),
            QLatin1String(Capability::Away),    QLatin1String(Capability::Welcome),
            QLatin1String(Capability::Notice),  QLatin1String(Capability::Resume)};
}

namespace {

// Joins the literal beginning and the fields with "+" and ends the message.
class Builder
{
public:
    explicit Builder(const char *start) : m_text(QString::fromLatin1(start)) { }
    Builder &field(const QString &text)
    {
        m_text += u'+';
        m_text += text;
        return *this;
    }
    Builder &field(int number) { return field(QString::number(number)); }
    // A text that more fields follow: a "+" in it would split it and shift every
    // later field, so it goes out as "?" like any character the wire cannot carry.
    Builder &innerField(QString text) { return field(text.replace(u'+', u'?')); }
    Builder &literal(const char *text)
    {
        m_text += QLatin1String(text);
        return *this;
    }
    QByteArray done() const { return toWire(m_text) + Terminator; }

private:
    QString m_text;
};

QString flag(bool set, const char *whenSet, const char *otherwise)
{
    return QString::fromLatin1(set ? whenSet : otherwise);
}

// A seat followed by category numbers 1 to 8, each with its answer.
QByteArray answerList(const char *command, int seat, const QStringList &answers)
{
    Builder b(command);
    b.field(seat);
    for (int n = 1; n <= CategoriesPerRound; ++n)
        b.field(n).innerField(answers.value(n - 1));
    return b.done();
}

} // namespace

namespace Msg {

QByteArray sendlogininfo(int seat)
{
    return Builder("CMD_sendlogininfo").field(seat).done();
}

QByteArray newplayerinfo(int seat, const QString &loginName)
{
    return Builder("CMD_newplayerinfo").field(seat).field(loginName).done();
}

QByteArray existingplayers(int seat, const QString &loginName)
{
    return Builder("CMD_existingplayers").field(seat).field(loginName).done();
}

QByteArray havewrongversion(const QString &loginName)
{
    return Builder("CMD_havewrongversion").field(loginName).done();
}

QByteArray wrongversion()
{
    return Builder("CMD_wrongversion+").done();
}
QByteArray full()
{
    return Builder("CMD_full+").done();
}

QByteArray gamestats(const GameStats &s)
{
    Builder b("CMD_gamestats");
    b.field(s.seat).field(s.phase).field(s.rounds).field(s.roundNumber).field(s.turnTime);
    b.field(s.secondsLeft).field(s.letterIndex).innerField(s.gameType);
    for (int n = 1; n <= PlayingSeats; ++n)
        b.literal("+s").field(n).field(s.scores[n - 1]);
    for (int n = 1; n <= CategoriesPerRound; ++n)
        b.literal("+c").field(n).innerField(s.categories.value(n - 1));
    return b.done();
}

QByteArray playerdisconnected(int seat, const QString &loginName)
{
    return Builder("CMD_playerdisconnected").field(seat).field(loginName).done();
}

QByteArray justwatching(int seat, bool watching)
{
    return Builder("CMD_justwatching").field(seat).field(flag(watching, "1", "2")).done();
}

QByteArray resumetoken(int seat, const QString &token)
{
    return Builder("CMD_resumetoken").field(seat).field(token).done();
}

QByteArray leads(int seat, const QString &loginName)
{
    return Builder("CMD_leads").field(seat).field(loginName).done();
}

QByteArray playerback(int seat, const QString &loginName)
{
    return Builder("CMD_playerback").field(seat).field(loginName).done();
}

QByteArray playerremoved(int seat, const QString &loginName)
{
    return Builder("CMD_playerremoved").field(seat).field(loginName).done();
}

QByteArray takesover(int seat, int score, const QString &departed, const QString &loginName)
{
    return Builder("CMD_takesover")
        .field(seat)
        .field(score)
        .innerField(departed)
        .field(loginName)
        .done();
}

QByteArray away(int seat, int seconds, const QString &loginName)
{
    return Builder("CMD_away").field(seat).field(seconds).field(loginName).done();
}

QByteArray removed()
{
    return Builder("CMD_removed+").done();
}

QByteArray keptanswers(int seat, const QStringList &answers)
{
    return answerList("CMD_keptanswers", seat, answers);
}

QByteArray chatRelay(int seat, const QString &loginName, const QString &textAndColour)
{
    return Builder("CMD_chat")
        .field(seat)
        .field(loginName + QLatin1String(" chats: ") + textAndColour)
        .done();
}

QByteArray actionRelay(int seat, const QString &loginName, const QString &textAndColour)
{
    return Builder("CMD_action").field(seat).field(loginName + u' ' + textAndColour).done();
}

QByteArray playasoundRelay(int seat, const QString &soundRest)
{
    return Builder("CMD_playasound").field(seat).field(soundRest).done();
}

QByteArray startgameRelay(const QString &starter, int rounds, int turnTime, const QString &gameType,
                          const QString &duplicates)
{
    return startgame(starter, rounds, turnTime, gameType, duplicates);
}

QByteArray startround(int roundNumber, int letterIndex, const QStringList &categories)
{
    Builder b("CMD_startround");
    b.field(roundNumber).field(letterIndex);
    for (int n = 1; n <= CategoriesPerRound; ++n)
        b.field(n).innerField(categories.value(n - 1));
    return b.done();
}

QByteArray endround()
{
    return Builder("CMD_endround+").done();
}

QByteArray showcat(const QString &category, const QList<ShowcatAnswer> &answers)
{
    Builder b("CMD_showcat");
    b.innerField(category).field(int(answers.size()));
    for (const ShowcatAnswer &a : answers)
        b.field(a.seat).innerField(a.answer).field(flag(a.duplicate, "1", "0"));
    return b.done();
}

QByteArray noanswers(const QString &category)
{
    return Builder("CMD_noanswers").innerField(category).literal("+").done();
}

QByteArray postscores(const QList<ScoreLine> &lines)
{
    Builder b("CMD_postscores");
    for (const ScoreLine &l : lines)
        b.field(l.seat).field(l.pointsGained).field(l.votes).field(l.totalScore);
    return b.done();
}

QByteArray roundover()
{
    return Builder("CMD_roundover+").done();
}
QByteArray winner(const QString &loginName)
{
    return Builder("CMD_winner").field(loginName).literal("+").done();
}
QByteArray tiegame()
{
    return Builder("CMD_tiegame+").done();
}

QByteArray playerdone(int seat, DoneWith what)
{
    return Builder("CMD_playerdone").field(seat).field(doneWord(what)).done();
}

QByteArray notice(const QString &text)
{
    return Builder("CMD_notice").field(text).done();
}

QByteArray oneanswer(int category, int seat, int pointsGained, int totalScore,
                     const QString &skipped, const QString &answer)
{
    return Builder("CMD_oneanswer")
        .field(category)
        .field(seat)
        .field(pointsGained)
        .field(totalScore)
        .innerField(skipped)
        .field(answer)
        .done();
}

QByteArray logininfo(int seat, const QString &version, const QString &loginName)
{
    return Builder("CMD_logininfo").field(seat).field(version).field(loginName).done() + Terminator;
}

QByteArray kickhim(int requestingSeat, int seatToRemove)
{
    return Builder("CMD_kickhim").field(requestingSeat).field(seatToRemove).literal("+").done();
}

QByteArray justwatch(int seat, bool watch)
{
    return Builder("CMD_justwatch").field(seat).field(flag(watch, "1", "2")).done();
}

QByteArray chat(int seat, const QString &text, const QString &colour)
{
    return Builder("CMD_chat").field(seat).field(text + u'|' + colour).done();
}

QByteArray action(int seat, const QString &text, const QString &colour)
{
    return Builder("CMD_action").field(seat).field(text + u'|' + colour).done();
}

QByteArray playasound(int seat, int soundNumber)
{
    return Builder("CMD_playasound")
        .field(seat)
        .field(QLatin1String("wave") + QString::number(soundNumber))
        .literal("+")
        .done();
}

QByteArray startgame(const QString &starter, int rounds, int turnTime, const QString &gameType,
                     const QString &duplicates)
{
    return Builder("CMD_startgame")
        .innerField(starter)
        .field(rounds)
        .field(turnTime)
        .innerField(gameType)
        .innerField(duplicates)
        .literal("+")
        .done();
}

QByteArray myanswers(int seat, const QStringList &answers)
{
    return answerList("CMD_myanswers", seat, answers);
}

QByteArray draftanswers(int seat, const QStringList &answers)
{
    return answerList("CMD_draftanswers", seat, answers);
}

QByteArray votefor(int votingSeat, int seatVotedFor)
{
    return Builder("CMD_votefor").field(votingSeat).field(seatVotedFor).literal("+").done();
}

QByteArray voteagainst(int votingSeat, int seatVotedAgainst)
{
    return Builder("CMD_voteagainst").field(votingSeat).field(seatVotedAgainst).literal("+").done();
}

QByteArray done(int seat, DoneWith what)
{
    return Builder("CMD_done").field(seat).field(doneWord(what)).done();
}

QByteArray resume(int seat, const QString &token)
{
    return Builder("CMD_resume").field(seat).field(token).done();
}

QByteArray peerinfo(int seat, PeerKind kind, const QStringList &words)
{
    return Builder("CMD_peerinfo")
        .field(seat)
        .field(flag(kind == PeerKind::Computer, "computer", "person"))
        .innerField(words.join(u' '))
        .done();
}

} // namespace Msg
} // namespace Protocol
