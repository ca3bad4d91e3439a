// Tlzrw1: compresses one whole file into another and back.
//
// Container (integers little-endian):
//   0  4  signature "WRZL" (57 52 5A 4C) for LZRW1/KH blocks
//   4  4  length of the uncompressed data
//   8  .. blocks: 2-byte length L, then L bytes coded by TLZR
// The data is cut into pieces of 32768 bytes, one block each; the last block
// codes fewer than 32768 bytes (possibly none), and a reader stops after it.
//
// Failures raise ELzrw1Exception with a message naming the file. The output
// is written through a temporary file and only replaces OutputFile once it is
// complete, so a failure never leaves a partial output behind (an earlier file
// of that name stays as it was).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <stdexcept>

class QIODevice;

class ELzrw1Exception : public std::runtime_error
{
public:
    explicit ELzrw1Exception(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

enum class TCompressMode { Good, Fast, Auto };

class Tlzrw1
{
public:
    // The most the 4-byte length field of the header can state.
    static constexpr qint64 MaxContainerLength = 0xFFFFFFFFll;

    // File to read and file to create (an existing one is replaced).
    QString InputFile;
    QString OutputFile;
    // Only Fast (LZRW1/KH blocks) is written; Good and Auto write Fast too.
    TCompressMode CompressMode = TCompressMode::Fast;
    // Decompress() refuses, before decoding, a container whose header states
    // more uncompressed bytes than this (the header allows 4 GiB - 1).
    qint64 MaxLength = MaxContainerLength;

    // Called after every block read or written with the bytes of uncompressed
    // data handled so far and the total. A window can keep its event loop
    // going from here while a large file is coded.
    std::function<void(qint64 done, qint64 total)> OnProgress;

    // Returns the number of bytes written to OutputFile.
    qint64 Compress();
    // Returns the number of uncompressed bytes written to OutputFile.
    qint64 Decompress();

    // The same container in memory. name stands for the file in messages.
    static QByteArray compressBytes(QByteArrayView data);
    // A header that states more than maxLength bytes is refused before any
    // memory is taken for the data.
    static QByteArray decompressBytes(QByteArrayView container, const QString &name = QString(),
                                      qint64 maxLength = MaxContainerLength);

    // The same container between open devices; the names go into messages.
    // compressDevice() codes exactly `length` bytes announced in the header,
    // reading until a short read.
    static qint64 compressDevice(QIODevice &in, qint64 length, QIODevice &out,
                                 const QString &inName, const QString &outName,
                                 const std::function<void(qint64, qint64)> &progress = {});
    static qint64 decompressDevice(QIODevice &in, QIODevice &out, const QString &inName,
                                   const QString &outName,
                                   const std::function<void(qint64, qint64)> &progress = {},
                                   qint64 maxLength = MaxContainerLength);
};
