#include "storage/LZRW1.h"

#include "storage/AtomicFile.h"
#include "storage/LZRW1KH.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <new>

namespace {

constexpr char SignatureLzrw1kh[4] = {'W', 'R', 'Z', 'L'};
// Written by the Good mode of other builds; this one neither writes nor reads it.
constexpr char SignatureLzh[4] = {'!', 'H', 'Z', 'L'};
constexpr int HeaderLengthSize = 4;
constexpr int BlockLengthSize = 2;
// The I/O buffers hold one piece plus a little spare, as the coder expects.
constexpr int IoBufferSize = TLZR::BlockSize + 16;

[[noreturn]] void fail(const QString &message)
{
    throw ELzrw1Exception(message);
}

QString msgNoMemory()
{
    return QStringLiteral("Lzrw1 (de)compression : Failed to get memory for I/O buffers !");
}
QString msgNoSize(const QString &file)
{
    return QStringLiteral("Lzrw1 compression : Failed to obtain the size of : ") + file;
}
QString msgOpenInput(const QString &file)
{
    return QStringLiteral("Lzrw1 (de)compression : Failed to open input file : ") + file;
}
QString msgOpenOutput(const QString &file)
{
    return QStringLiteral("Lzrw1 (de)compression : Failed to open output file : ") + file;
}
QString msgShortRead(const QString &file)
{
    return QStringLiteral("Lzrw1 : Error reading from input file : ") + file;
}
QString msgReadCompressing(const QString &file)
{
    return QStringLiteral("Lzrw1 : Error reading from input file : ") + file
        + QStringLiteral(" (LZRW1/KH)");
}
QString msgWrite(const QString &file)
{
    return QStringLiteral("Lzrw1 : Error writing to output file : ") + file;
}
QString msgNoHeader(const QString &file)
{
    return file + QStringLiteral(" : Lzrw1 decompression : this file has no valid header !");
}
QString msgSizes()
{
    return QStringLiteral(
        "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
}
QString msgLzh(const QString &file)
{
    return QStringLiteral("Lzrw1 decompression : LZH coded files are not supported : ") + file;
}
QString msgTooLong(const QString &file, qint64 stated, qint64 allowed)
{
    return file
        + QStringLiteral(" : Lzrw1 decompression : the header states %1 bytes, more than %2 !")
              .arg(stated)
              .arg(allowed);
}
QString msgDamaged(const QString &file)
{
    return QStringLiteral("Lzrw1 (decompression LZRW1/KH) : Damaged block in input file : ") + file;
}

QByteArray allocateBuffer()
{
    try {
        return QByteArray(IoBufferSize, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        fail(msgNoMemory());
    }
}

// Reads until `size` bytes arrived or the device has no more; -1 on error.
qint64 readFully(QIODevice &in, char *data, qint64 size)
{
    qint64 total = 0;
    while (total < size) {
        const qint64 got = in.read(data + total, size - total);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

void writeAll(QIODevice &out, QByteArrayView bytes, const QString &outName)
{
    if (out.write(bytes.data(), bytes.size()) != bytes.size())
        fail(msgWrite(outName));
}

void readExactly(QIODevice &in, char *data, qint64 size, const QString &inName)
{
    if (readFully(in, data, size) != size)
        fail(msgShortRead(inName));
}

std::unique_ptr<TLZR> makeCoder()
{
    return std::make_unique<TLZR>();
}

} // namespace

ELzrw1Exception::ELzrw1Exception(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{ }

qint64 Tlzrw1::compressDevice(QIODevice &in, qint64 length, QIODevice &out, const QString &inName,
                              const QString &outName,
                              const std::function<void(qint64, qint64)> &progress)
{
    QByteArray piece = allocateBuffer();
    if (length < 0 || length > Tlzrw1::MaxContainerLength)
        fail(msgNoSize(inName));
    const std::unique_ptr<TLZR> coder = makeCoder();

    char header[sizeof SignatureLzrw1kh + HeaderLengthSize];
    std::copy_n(SignatureLzrw1kh, sizeof SignatureLzrw1kh, header);
    qToLittleEndian(quint32(length), header + sizeof SignatureLzrw1kh);
    writeAll(out, QByteArrayView(header, sizeof header), outName);
    qint64 written = sizeof header;

    qint64 done = 0;
    qint64 got = 0;
    do {
        got = readFully(in, piece.data(), TLZR::BlockSize);
        if (got < 0)
            fail(msgReadCompressing(inName));
        const QByteArray block = coder->Compression(QByteArrayView(piece.constData(), got));
        char blockLength[BlockLengthSize];
        qToLittleEndian(quint16(block.size()), blockLength);
        writeAll(out, QByteArrayView(blockLength, BlockLengthSize), outName);
        writeAll(out, block, outName);
        written += BlockLengthSize + block.size();
        done += got;
        if (progress)
            progress(done, length);
    } while (got == TLZR::BlockSize);
    // A file that changed size while it was read would give a container
    // whose header disagrees with its blocks.
    if (done != length)
        fail(msgReadCompressing(inName));
    return written;
}

qint64 Tlzrw1::decompressDevice(QIODevice &in, QIODevice &out, const QString &inName,
                                const QString &outName,
                                const std::function<void(qint64, qint64)> &progress,
                                qint64 maxLength)
{
    QByteArray block = allocateBuffer();
    QByteArray plain = allocateBuffer();

    char signature[sizeof SignatureLzrw1kh];
    const qint64 got = readFully(in, signature, sizeof signature);
    if (got < 0)
        fail(msgShortRead(inName));
    if (got == sizeof signature && std::equal(signature, signature + got, SignatureLzh))
        fail(msgLzh(inName));
    if (got != sizeof signature || !std::equal(signature, signature + got, SignatureLzrw1kh))
        fail(msgNoHeader(inName));

    char lengthBytes[HeaderLengthSize];
    readExactly(in, lengthBytes, HeaderLengthSize, inName);
    const qint64 expected = qFromLittleEndian<quint32>(lengthBytes);
    if (expected > maxLength)
        fail(msgTooLong(inName, expected, maxLength));

    qint64 total = 0;
    qsizetype decodedSize = 0;
    do {
        char blockLength[BlockLengthSize];
        readExactly(in, blockLength, BlockLengthSize, inName);
        const quint16 codedSize = qFromLittleEndian<quint16>(blockLength);
        if (codedSize > block.size())
            block.resize(codedSize);
        readExactly(in, block.data(), codedSize, inName);
        decodedSize
            = TLZR::Decompression(QByteArrayView(block.constData(), codedSize), plain.data());
        if (decodedSize < 0)
            fail(msgDamaged(inName));
        total += decodedSize;
        // Stop at once rather than write more than the header promised.
        if (total > expected)
            fail(msgSizes());
        writeAll(out, QByteArrayView(plain.constData(), decodedSize), outName);
        if (progress)
            progress(total, expected);
    } while (decodedSize == TLZR::BlockSize);

    if (total != expected)
        fail(msgSizes());
    return total;
}

QByteArray Tlzrw1::compressBytes(QByteArrayView data)
{
    QByteArray source = QByteArray::fromRawData(data.data(), data.size());
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer out(&result);
    out.open(QIODevice::WriteOnly);
    compressDevice(in, data.size(), out, QString(), QString());
    return result;
}

QByteArray Tlzrw1::decompressBytes(QByteArrayView container, const QString &name, qint64 maxLength)
{
    QByteArray source = QByteArray::fromRawData(container.data(), container.size());
    QBuffer in(&source);
    in.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer out(&result);
    out.open(QIODevice::WriteOnly);
    decompressDevice(in, out, name, QString(), {}, maxLength);
    return result;
}

qint64 Tlzrw1::Compress()
{
    const QFileInfo info(InputFile);
    if (InputFile.isEmpty() || !info.exists() || !info.isFile())
        fail(msgNoSize(InputFile));
    const qint64 length = info.size();

    QFile in(InputFile);
    if (!in.open(QIODevice::ReadOnly))
        fail(msgOpenInput(InputFile));
    QSaveFile out(OutputFile);
    if (OutputFile.isEmpty() || !out.open(QIODevice::WriteOnly))
        fail(msgOpenOutput(OutputFile));

    // On failure the unfinished temporary file is discarded with `out`.
    const qint64 written = compressDevice(in, length, out, InputFile, OutputFile, OnProgress);
    if (!Storage::commitComplete(out, written))
        fail(msgWrite(OutputFile));
    return written;
}

qint64 Tlzrw1::Decompress()
{
    QFile in(InputFile);
    if (InputFile.isEmpty() || !in.open(QIODevice::ReadOnly))
        fail(msgOpenInput(InputFile));
    QSaveFile out(OutputFile);
    if (OutputFile.isEmpty() || !out.open(QIODevice::WriteOnly))
        fail(msgOpenOutput(OutputFile));

    const qint64 total = decompressDevice(in, out, InputFile, OutputFile, OnProgress, MaxLength);
    if (!Storage::commitComplete(out, total))
        fail(msgWrite(OutputFile));
    return total;
}
