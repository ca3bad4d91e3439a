// Arbitrary bytes through the whole receive path: framing, queue, dispatch and
// handlers that read every field. Nothing may crash, loop or lose bytes.
#include "protocol/ColourText.h"
#include "protocol/Dispatcher.h"
#include "protocol/FieldReader.h"
#include "protocol/Framing.h"
#include "protocol/ReceiveQueue.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace Protocol;

namespace {

// The terminated messages of a stream as the splitter yields them: a
// terminator that ends nothing (stream start, or right after another) is dropped.
QByteArray withoutEmptyMessages(const QByteArray &stream)
{
    QByteArray kept;
    for (const char byte : stream) {
        if (byte != char(0xFF) || (!kept.isEmpty() && kept.back() != char(0xFF)))
            kept += byte;
    }
    return kept;
}

constexpr quint32 Seed = 0x1E71B0;
constexpr int Streams = 20000;
constexpr int MaxPiecesPerStream = 90;
constexpr int MaxChunk = 96;
// Now and then a stream carries a run without terminator that is long enough
// to overflow the splitter.
constexpr int OverflowEvery = 400;

// Builds streams from pieces that look like our messages often enough for the
// handlers to get past the command name, with many separators and terminators.
class StreamMaker
{
public:
    explicit StreamMaker(quint32 seed) : m_rng(seed)
    {
        m_names = hostCommands() + clientCommands();
    }

    QByteArray stream()
    {
        QByteArray bytes;
        const int pieces = int(m_rng.bounded(MaxPiecesPerStream + 1));
        for (int i = 0; i < pieces; ++i)
            appendPiece(bytes);
        if (m_rng.bounded(OverflowEvery) == 0)
            bytes += QByteArray(FrameSplitter::MaxPending - 64 + int(m_rng.bounded(128)), 'z');
        return bytes;
    }

    QList<QByteArray> chunks(const QByteArray &bytes)
    {
        QList<QByteArray> result;
        for (qsizetype at = 0; at < bytes.size();) {
            // Mostly small reads, sometimes one that takes a lot at once.
            const qsizetype size
                = m_rng.bounded(10) == 0 ? 1 + m_rng.bounded(32768) : m_rng.bounded(MaxChunk + 1);
            result.append(bytes.mid(at, size));
            at += size;
        }
        return result;
    }

private:
    void appendPiece(QByteArray &bytes)
    {
        const int kind = int(m_rng.bounded(100));
        if (kind < 25) {
            // Mostly the start of a message that the dispatcher knows.
            QByteArray name = m_names.at(m_rng.bounded(int(m_names.size()))).toLatin1();
            if (m_rng.bounded(8) == 0)
                name = name.toLower();
            if (m_rng.bounded(4) != 0)
                name = char(0xFF) + name + '+';
            bytes += name;
        } else if (kind < 47) {
            bytes += '+';
        } else if (kind < 57) {
            bytes += char(0xFF);
        } else if (kind < 72) {
            bytes += number();
        } else if (kind < 77) {
            bytes += '@';
        } else if (kind < 82) {
            bytes += m_rng.bounded(2) ? "|clRed" : "|$00FF80";
        } else {
            const int count = 1 + int(m_rng.bounded(8));
            for (int i = 0; i < count; ++i)
                bytes += char(m_rng.bounded(256));
        }
    }

    QByteArray number()
    {
        switch (m_rng.bounded(4)) {
        case 0:
            return QByteArray::number(m_rng.bounded(10));
        case 1:
            return QByteArray::number(qint64(m_rng.generate()) - 0x7FFFFFFF);
        case 2:
            return QByteArray::number(m_rng.generate64());
        default:
            return '-' + QByteArray::number(m_rng.bounded(100));
        }
    }

    QRandomGenerator m_rng;
    QStringList m_names;
};

// What a handler may do with an argument: fields, a free text at the end, a
// "+@" list of triples, and a colour after "|". Checks that every loop shrinks
// the text it works on and that numbers agree with a second conversion.
class ArgumentReader
{
public:
    void read(const QString &argument)
    {
        FieldReader reader(argument);
        checkedInt(reader);
        reader.takeText();
        if (const qsizetype bar = reader.rest().indexOf(u'|'); bar >= 0)
            colourFromText(reader.rest().mid(bar + 1));

        reader.beginList();
        const qsizetype bound = argument.size() + 2;
        int groups = 0;
        while (reader.nextGroup()) {
            const qsizetype before = reader.rest().size();
            if (++groups > bound) {
                m_failure = "list loop does not end: " + argument.toUtf8().toPercentEncoding();
                return;
            }
            const bool seatOk = checkedInt(reader).has_value();
            reader.takeText();
            reader.takeText();
            if (reader.rest().size() >= before) {
                m_failure = "list group took nothing: " + argument.toUtf8().toPercentEncoding();
                return;
            }
            if (!seatOk && m_rng.bounded(2) == 0)
                break; // a real handler stops at a bad number
        }
        m_groups += groups;
    }

    const QByteArray &failure() const { return m_failure; }
    qint64 groups() const { return m_groups; }

private:
    std::optional<int> checkedInt(FieldReader &reader)
    {
        const qsizetype plus = reader.rest().indexOf(u'+');
        const QString field = plus < 0 ? reader.rest() : reader.rest().left(plus);
        const std::optional<int> value = reader.takeInt();

        const QStringView digits = QStringView(field).mid(field.startsWith(u'-') ? 1 : 0);
        const bool decimal = !digits.isEmpty()
            && std::all_of(digits.begin(), digits.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
        bool ok = false;
        const qlonglong wide = field.toLongLong(&ok);
        const bool expected = decimal && ok && wide >= std::numeric_limits<int>::min()
            && wide <= std::numeric_limits<int>::max();
        if (value.has_value() != expected || (value && *value != wide))
            m_failure = "number conversions disagree on " + field.toUtf8().toPercentEncoding();
        return value;
    }

    QRandomGenerator m_rng {Seed};
    QByteArray m_failure;
    qint64 m_groups = 0;
};

} // namespace

class TestFuzz : public QObject
{
    Q_OBJECT

private slots:
    void randomStreams();
};

void TestFuzz::randomStreams()
{
    StreamMaker maker(Seed);
    ArgumentReader reader;
    Dispatcher dispatcher;
    for (const QString &name : hostCommands() + clientCommands())
        dispatcher.on(name, [&reader](const QString &argument, int) { reader.read(argument); });

    int overflows = 0;
    qint64 messages = 0;
    qint64 dispatched = 0;
    for (int s = 0; s < Streams; ++s) {
        const QByteArray input = maker.stream();
        FrameSplitter splitter;
        ReceiveQueue queue;
        QByteArray received; // messages with their terminators, as they came out
        qsizetype fed = 0;
        qsizetype tail = 0; // bytes since the last terminator, as the splitter must hold them
        bool overflowExpected = false;
        qsizetype consumed = 0; // bytes up to the last terminator fed

        for (const QByteArray &chunk : maker.chunks(input)) {
            const QList<QByteArray> out = splitter.feed(chunk);
            fed += chunk.size();
            const qsizetype lastTerminator = chunk.lastIndexOf(char(0xFF));
            tail = lastTerminator < 0 ? tail + chunk.size() : chunk.size() - lastTerminator - 1;
            if (overflowExpected) {
                QVERIFY(out.isEmpty());
                continue;
            }
            overflowExpected = tail > FrameSplitter::MaxPending;

            for (const QByteArray &message : out) {
                QVERIFY(!message.contains(char(0xFF)));
                queue.append(message, s);
                received += message;
                received += char(0xFF);
            }
            QCOMPARE(splitter.overflowed(), overflowExpected);
            if (overflowExpected) {
                // Whole messages before the endless one still came out.
                QVERIFY(splitter.pending().isEmpty());
            } else {
                QCOMPARE(splitter.pending().size(), tail);
            }
            if (fed - tail != consumed) {
                consumed = fed - tail;
                QCOMPARE(received, withoutEmptyMessages(input.left(consumed)));
            }

            while (!queue.isEmpty()) {
                const QueueEntry entry = queue.takeFirst();
                QCOMPARE(entry.origin, s);
                ++messages;
                if (dispatcher.dispatch(entry))
                    ++dispatched;
                if (!reader.failure().isEmpty())
                    QFAIL(reader.failure().constData());
            }
        }
        QCOMPARE(fed, input.size());
        QCOMPARE(splitter.overflowed(), overflowExpected);
        if (!overflowExpected)
            QCOMPARE(received + splitter.pending(), withoutEmptyMessages(input));
        overflows += overflowExpected;
    }

    // The streams exercised what they are meant to.
    QVERIFY(overflows > 0);
    QVERIFY(dispatched > Streams);
    QVERIFY(reader.groups() > Streams);
    qDebug("%lld messages, %lld dispatched, %lld list groups, %d overflows", messages, dispatched,
           reader.groups(), overflows);
}

QTEST_APPLESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
