#include "TestFiles.h"
#include "storage/LZRW1.h"
#include "storage/LZRW1KH.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <functional>
#include <vector>

#include <sys/resource.h>

namespace {

QByteArray header(quint32 length)
{
    QByteArray bytes("WRZL");
    for (int i = 0; i < 4; ++i)
        bytes.append(char((length >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray withLength(const QByteArray &block)
{
    QByteArray bytes;
    bytes.append(char(block.size() & 0xFF));
    bytes.append(char(block.size() >> 8));
    return bytes + block;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// Text-like data with plenty of repetition, as a grid text would have.
QByteArray compressibleBytes(qsizetype size, quint32 seed)
{
    static const char *const words[]
        = {"Lexaburst", "0", "12", "Fruit", "\r\n", "Sam", "games", "Total", "won", "    "};
    QRandomGenerator generator(seed);
    QByteArray bytes;
    while (bytes.size() < size)
        bytes.append(words[generator.bounded(int(std::size(words)))]);
    bytes.truncate(size);
    return bytes;
}

// The coding steps as published, written plainly: the three hashed bytes may
// lie past the end of the piece (in the buffer's spare bytes, filled here
// with `spare`), as they do in the original I/O buffers.
QByteArray referenceCoding(const QByteArray &piece, quint8 spare)
{
    const int n = int(piece.size());
    std::vector<quint8> src(n + 16, spare);
    std::copy(piece.begin(), piece.end(), src.begin());
    std::vector<quint8> dst(n + 16);
    std::vector<int> hash(4096, -1);
    dst[0] = 0x40;
    int x = 0, y = 3, z = 1, bit = 0;
    quint16 command = 0;
    while (x < n && y <= n) {
        if (bit > 15) {
            dst[z] = quint8(command >> 8);
            dst[z + 1] = quint8(command);
            z = y;
            bit = 0;
            y += 2;
        }
        int size = 1;
        while (src[x] == src[x + size] && size < 0xFFF && x + size < n)
            ++size;
        if (size >= 16) {
            dst[y] = 0;
            dst[y + 1] = quint8((size - 16) >> 8);
            dst[y + 2] = quint8(size - 16);
            dst[y + 3] = src[x];
            y += 4;
            x += size;
            command = quint16((command << 1) + 1);
        } else {
            const quint32 h
                = ((((((quint32(src[x]) << 4) ^ src[x + 1]) << 4) ^ src[x + 2]) * 40543u) >> 4)
                & 0xFFF;
            bool match = false;
            int pos = hash[h];
            if (pos != -1 && x - pos < 4096) {
                size = 0;
                while (size < 18 && x + size < n && src[x + size] == src[pos + size])
                    ++size;
                match = size >= 3;
            }
            hash[h] = x;
            if (match) {
                const int key = ((x - pos) << 4) + (size - 3);
                dst[y] = quint8(key >> 8);
                dst[y + 1] = quint8(key);
                y += 2;
                x += size;
                command = quint16((command << 1) + 1);
            } else {
                dst[y++] = src[x++];
                command = quint16(command << 1);
            }
        }
        ++bit;
    }
    command = quint16(quint32(command) << (16 - bit));
    dst[z] = quint8(command >> 8);
    dst[z + 1] = quint8(command);
    if (y > n) {
        std::copy(src.begin(), src.begin() + n, dst.begin() + 1);
        dst[0] = 0x80;
        y = n + 1;
    }
    return QByteArray(reinterpret_cast<const char *>(dst.data()), y);
}

QString messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ELzrw1Exception &e) {
        return e.message();
    }
    return QString();
}

const QString SizesMessage = QStringLiteral(
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");

} // namespace

class TestLzrw1 : public QObject
{
    Q_OBJECT

private slots:
    void exactContainer_data();
    void exactContainer();
    void blockGroupsOfSixteen();
    void matchesPublishedCoding();
    void randomPieceIsStored();
    void roundTrip_data();
    void roundTrip();
    void damagedContainers_data();
    void damagedContainers();
    void randomDamageNeverEscapes();
    void fileRoundTripAndProgress();
    void fileFailuresLeaveNoOutput_data();
    void fileFailuresLeaveNoOutput();
    void failedDecompressKeepsEarlierOutput();
    void writeBrokenOffLeavesNoOutput();
    void inputChangingSizeIsAnError();
};

void TestLzrw1::exactContainer_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << header(0) + withLength(QByteArray("\x80", 1));

    // Eight runs of 4095, then a literal and a copy of distance 1 and length 7;
    // the exact multiple of the piece size ends with a block that codes nothing.
    QByteArray firstBlock("\x40\xFF\x40", 3);
    for (int i = 0; i < 8; ++i)
        firstBlock += QByteArray("\x00\x0F\xEFx", 4);
    firstBlock += QByteArray("x\x00\x14", 3);
    QTest::newRow("32768 bytes") << QByteArray(
        32768, 'x') << header(32768) + withLength(firstBlock) + withLength(QByteArray("\x80", 1));

    QTest::newRow("100 equal bytes")
        << QByteArray(100, 'A')
        << header(100) + withLength(QByteArray("\x40\x80\x00\x00\x00\x54\x41", 7));

    QTest::newRow("abcabcabcabc") << QByteArray("abcabcabcabc")
                                  << header(12)
            + withLength(QByteArray("\x40\x10\x00"
                                    "abc"
                                    "\x00\x36",
                                    8));

    // 15 equal bytes are no run; the coder takes them as a literal and one copy.
    QTest::newRow("15 equal bytes")
        << QByteArray(15, 'z') << header(15) + withLength(QByteArray("\x40\x40\x00z\x00\x1B", 6));
}

void TestLzrw1::exactContainer()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    const QByteArray packed = Tlzrw1::compressBytes(input);
    QCOMPARE(packed.toHex(' '), expected.toHex(' '));
    QCOMPARE(Tlzrw1::decompressBytes(packed), input);
}

void TestLzrw1::blockGroupsOfSixteen()
{
    // 17 runs need a second control word, written where the 17th item starts.
    QByteArray input;
    QByteArray expected("\x40\xFF\xFF", 3);
    for (int i = 0; i < 17; ++i) {
        const char value = char('a' + i);
        input += QByteArray(16, value);
        if (i == 16)
            expected += QByteArray("\x80\x00", 2);
        expected += QByteArray("\x00\x00\x00", 3) + value;
    }
    TLZR coder;
    QCOMPARE(coder.Compression(input).toHex(' '), expected.toHex(' '));
    QCOMPARE(TLZR::Decompression(expected).value_or("<damaged>"), input);
}

void TestLzrw1::matchesPublishedCoding()
{
    QRandomGenerator generator(4711);
    TLZR coder;
    for (int i = 0; i < 200; ++i) {
        const int size = generator.bounded(TLZR::BlockSize + 1);
        // Small alphabets give matches, runs and far copies in every mix.
        QByteArray piece = i % 3 == 0 ? compressibleBytes(size, generator.generate())
                                      : randomBytes(size, generator.generate());
        const int alphabet = 1 + generator.bounded(i % 3 == 1 ? 4 : 256);
        for (char &c : piece)
            c = char(quint8(c) % alphabet);
        const quint8 spare = quint8(generator.bounded(256));
        QCOMPARE(coder.Compression(piece), referenceCoding(piece, spare));
    }
}

void TestLzrw1::randomPieceIsStored()
{
    const QByteArray input = randomBytes(1000, 7);
    const QByteArray expected = header(1000) + withLength(QByteArray("\x80", 1) + input);
    QCOMPARE(Tlzrw1::compressBytes(input), expected);
}

void TestLzrw1::roundTrip_data()
{
    QTest::addColumn<QByteArray>("input");
    const int sizes[] = {0, 1, 16, 4095, 4096, 4097, 32767, 32768, 32769, 100000};
    for (int size : sizes) {
        QTest::addRow("text %d", size) << compressibleBytes(size, quint32(size));
        QTest::addRow("random %d", size) << randomBytes(size, quint32(size) + 1);
    }
    // Runs longer than a run item, copies reaching the 4095-byte limit.
    QByteArray mixed(5000, 'q');
    mixed += randomBytes(4095, 3) + randomBytes(4095, 3) + QByteArray(70000, '\0');
    QTest::newRow("long runs and far copies") << mixed;
}

void TestLzrw1::roundTrip()
{
    QFETCH(QByteArray, input);
    const QByteArray packed = Tlzrw1::compressBytes(input);
    QCOMPARE(Tlzrw1::decompressBytes(packed), input);

    // Every block but the last codes a full piece; the last one is shorter.
    const qsizetype expectedBlocks = input.size() / TLZR::BlockSize + 1;
    qsizetype at = 8;
    qsizetype blocks = 0;
    while (at < packed.size()) {
        const int length = quint8(packed[at]) | quint8(packed[at + 1]) << 8;
        QVERIFY(length <= TLZR::BlockSize + 1);
        at += 2 + length;
        ++blocks;
    }
    QCOMPARE(at, packed.size());
    QCOMPARE(blocks, expectedBlocks);
}

void TestLzrw1::damagedContainers_data()
{
    QTest::addColumn<QByteArray>("container");
    QTest::addColumn<QString>("message");
    const QString name = QStringLiteral("tally.tld");
    const QString damaged
        = QStringLiteral("Lzrw1 (decompression LZRW1/KH) : Damaged block in input file : ") + name;
    const QString shortRead = QStringLiteral("Lzrw1 : Error reading from input file : ") + name;

    QTest::newRow("other signature")
        << QByteArray("PK\x03\x04\x00\x00\x00\x00\x01\x00\x80", 11)
        << name + QStringLiteral(" : Lzrw1 decompression : this file has no valid header !");
    QTest::newRow("shorter than a signature")
        << QByteArray("WR")
        << name + QStringLiteral(" : Lzrw1 decompression : this file has no valid header !");
    QTest::newRow("LZH coded") << QByteArray(
        "!HZL\x00\x00\x00\x00",
        8) << QStringLiteral("Lzrw1 decompression : LZH coded files are not supported : ") + name;
    QTest::newRow("no length") << QByteArray("WRZL\x01", 5) << shortRead;
    QTest::newRow("no block") << header(0) << shortRead;
    QTest::newRow("block cut short") << header(5)
            + QByteArray("\x06\x00\x80"
                         "ab",
                         5) << shortRead;
    QTest::newRow("length differs") << header(3)
            + withLength("\x80"
                         "ab") << SizesMessage;
    QTest::newRow("more blocks than promised")
        << header(10) + withLength("\x80" + QByteArray(32768, 'a')) << SizesMessage;
    QTest::newRow("copy before the start") << header(5)
            + withLength(QByteArray("\x40\x10\x00"
                                    "abc"
                                    "\x00\x46",
                                    8)) << damaged;
    QByteArray longRuns("\x40\xFF\x00", 3);
    for (int i = 0; i < 8; ++i)
        longRuns += QByteArray("\x00\x0F\xFF"
                               "a",
                               4); // 4111 bytes each
    QTest::newRow("runs past the piece") << header(40000) + withLength(longRuns) << damaged;
    QTest::newRow("run item cut") << header(20) + withLength(QByteArray("\x40\x80\x00\x00\x00", 5))
                                  << damaged;
    QTest::newRow("control word without item") << header(20)
            + withLength(QByteArray("\x40\x00\x00", 3) + QByteArray(16, 'a')
                         + QByteArray("\x80", 1))
                                               << damaged;
    QTest::newRow("stored block too long")
        << header(40000) + withLength("\x80" + QByteArray(32769, 'a')) << damaged;
    QTest::newRow("unknown flag") << header(2)
            + withLength("\x33"
                         "ab") << damaged;
}

void TestLzrw1::damagedContainers()
{
    QFETCH(QByteArray, container);
    QFETCH(QString, message);
    QCOMPARE(messageOf([&] { Tlzrw1::decompressBytes(container, QStringLiteral("tally.tld")); }),
             message);
}

void TestLzrw1::randomDamageNeverEscapes()
{
    QRandomGenerator generator(20261208);
    const QByteArray plain = compressibleBytes(70000, 11) + randomBytes(3000, 12);
    const QByteArray packed = Tlzrw1::compressBytes(plain);
    int rejected = 0;
    int accepted = 0;

    auto attempt = [&](const QByteArray &damaged) {
        try {
            const QByteArray out = Tlzrw1::decompressBytes(damaged);
            // Whatever is accepted is exactly as long as its header says.
            QCOMPARE(quint32(out.size()), qFromLittleEndian<quint32>(damaged.constData() + 4));
            ++accepted;
        } catch (const ELzrw1Exception &) {
            ++rejected;
        }
    };

    for (int i = 0; i < 300; ++i)
        attempt(packed.left(generator.bounded(int(packed.size()))));
    for (int i = 0; i < 2000; ++i) {
        QByteArray damaged = packed;
        const int flips = 1 + generator.bounded(4);
        for (int f = 0; f < flips; ++f) {
            const int at = 8 + generator.bounded(int(packed.size()) - 8);
            damaged[at] = char(damaged[at] ^ (1 << generator.bounded(8)));
        }
        attempt(damaged);
    }
    for (int i = 0; i < 500; ++i) {
        QByteArray damaged = packed;
        const int at = 8 + generator.bounded(int(packed.size()) - 8);
        const QByteArray noise = randomBytes(1 + generator.bounded(64), generator.generate());
        damaged.replace(at, noise.size(), noise);
        attempt(damaged);
    }
    // Random blocks after a valid header exercise every item kind.
    for (int i = 0; i < 1000; ++i) {
        QByteArray block = randomBytes(1 + generator.bounded(200), generator.generate());
        block[0] = char(TLZR::FlagCompress);
        attempt(header(quint32(generator.bounded(40000))) + withLength(block));
    }
    QVERIFY(rejected > 0);
    QVERIFY(accepted + rejected == 3800);
}

void TestLzrw1::fileRoundTripAndProgress()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray plain = compressibleBytes(3 * TLZR::BlockSize + 5, 21);
    writeFile(dir.filePath("plain.txt"), plain);

    Tlzrw1 doit;
    QList<qint64> progress;
    doit.OnProgress = [&](qint64 done, qint64 total) {
        QCOMPARE(total, plain.size());
        progress.append(done);
    };
    doit.InputFile = dir.filePath("plain.txt");
    doit.OutputFile = dir.filePath("packed.tld");
    const qint64 written = doit.Compress();
    QCOMPARE(readFile(doit.OutputFile).size(), written);
    QCOMPARE(readFile(doit.OutputFile), Tlzrw1::compressBytes(plain));
    QCOMPARE(progress, (QList<qint64> {32768, 65536, 98304, plain.size()}));

    doit.InputFile = dir.filePath("packed.tld");
    doit.OutputFile = dir.filePath("again.txt");
    QCOMPARE(doit.Decompress(), plain.size());
    QCOMPARE(readFile(doit.OutputFile), plain);
}

void TestLzrw1::fileFailuresLeaveNoOutput_data()
{
    QTest::addColumn<bool>("compress");
    QTest::addColumn<QString>("input"); // relative to the temporary folder
    QTest::addColumn<QString>("output"); // relative to the temporary folder
    QTest::addColumn<QString>("message");

    QTest::newRow("bad signature")
        << false << "zip.tld"
        << "out.txt"
        << "@zip.tld : Lzrw1 decompression : this file has no valid header !";
    QTest::newRow("sizes differ") << false << "short.tld"
                                  << "out.txt" << SizesMessage;
    QTest::newRow("missing input compressing")
        << true << "none.txt"
        << "out.tld"
        << "Lzrw1 compression : Failed to obtain the size of : @none.txt";
    QTest::newRow("missing input decompressing")
        << false << "none.tld"
        << "out.txt"
        << "Lzrw1 (de)compression : Failed to open input file : @none.tld";
    QTest::newRow("folder as input") << true << "sub"
                                     << "out.tld"
                                     << "Lzrw1 compression : Failed to obtain the size of : @sub";
    QTest::newRow("output in a missing folder")
        << true << "plain.txt"
        << "missing/out.tld"
        << "Lzrw1 (de)compression : Failed to open output file : @missing/out.tld";
}

void TestLzrw1::fileFailuresLeaveNoOutput()
{
    QFETCH(bool, compress);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    writeFile(dir.filePath("zip.tld"), QByteArray("PK\x03\x04 some archive", 18));
    writeFile(dir.filePath("short.tld"),
              header(9)
                  + withLength("\x80"
                               "ab"));
    writeFile(dir.filePath("plain.txt"), "some text");

    Tlzrw1 doit;
    doit.InputFile = dir.filePath(input);
    doit.OutputFile = dir.filePath(output);
    const QString got = messageOf([&] { compress ? doit.Compress() : doit.Decompress(); });
    QCOMPARE(got, QString(message).replace("@", dir.path() + "/"));
    QVERIFY(!QFile::exists(doit.OutputFile));
    const QStringList left = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(left, (QStringList {"plain.txt", "short.tld", "zip.tld"}));
}

void TestLzrw1::failedDecompressKeepsEarlierOutput()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("bad.tld"), header(40000) + withLength("\x80" + QByteArray(32768, 'a')));
    writeFile(dir.filePath("out.txt"), "earlier");

    Tlzrw1 doit;
    doit.InputFile = dir.filePath("bad.tld");
    doit.OutputFile = dir.filePath("out.txt");
    QVERIFY(!messageOf([&] { doit.Decompress(); }).isEmpty());
    QCOMPARE(readFile(doit.OutputFile), QByteArray("earlier"));
}

void TestLzrw1::writeBrokenOffLeavesNoOutput()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("plain.bin"), randomBytes(100000, 9));
    writeFile(dir.filePath("packed.tld"), "earlier");

    Tlzrw1 doit;
    doit.InputFile = dir.filePath("plain.bin");
    doit.OutputFile = dir.filePath("packed.tld");
    // The file size limit stops the write half way, as a full disk would.
    struct rlimit old
    {
    };
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit limited = old;
    limited.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const QString message = messageOf([&] { doit.Compress(); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(message, "Lzrw1 : Error writing to output file : " + doit.OutputFile);
    QCOMPARE(readFile(doit.OutputFile), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList {"packed.tld", "plain.bin"}));
}

void TestLzrw1::inputChangingSizeIsAnError()
{
    // The header would promise 200 bytes but only 100 can be read.
    QByteArray data(100, 'a');
    QBuffer in(&data);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray packed;
    QBuffer out(&packed);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(messageOf([&] { Tlzrw1::compressDevice(in, 200, out, "in.txt", "out.tld"); }),
             QString("Lzrw1 : Error reading from input file : in.txt (LZRW1/KH)"));
}

QTEST_GUILESS_MAIN(TestLzrw1)
#include "tst_lzrw1.moc"
