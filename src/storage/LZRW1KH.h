// TLZR: the LZRW1/KH block coder. One block codes at most 32768 bytes; every
// block starts with a fresh hash table, so no block refers to another.
//
// Coded block: a flag byte, then the body.
//   0x80  stored: the body is the piece unchanged.
//   0x40  compressed: groups of up to 16 items, each group led by a 16-bit
//         control word (high byte first, bits taken from the top; 0 = literal,
//         1 = copy or run).
//         literal: 1 byte.
//         copy:    2 bytes, high first: distance * 16 + (length - 3),
//                  distance 1..4095, length 3..18.
//         run:     0, (count - 16) / 256, (count - 16) % 256, byte;
//                  count 16..4095 (a copy with distance 0).
// A coded block of 0 or 1 bytes decodes to nothing.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

// Raised when the coder cannot get its hash table.
class ELzrw1KHCompressor : public std::runtime_error
{
public:
    explicit ELzrw1KHCompressor(const char *message) : std::runtime_error(message) { }
};

class TLZR
{
public:
    // Largest piece a block codes.
    static constexpr int BlockSize = 32768;
    static constexpr quint8 FlagCopied = 0x80;
    static constexpr quint8 FlagCompress = 0x40;

    // Gets the hash table; throws ELzrw1KHCompressor when there is no memory for it.
    TLZR();
    ~TLZR();
    TLZR(const TLZR &) = delete;
    TLZR &operator=(const TLZR &) = delete;

    // Codes one piece of at most BlockSize bytes. The result is never longer
    // than the piece plus the flag byte.
    QByteArray Compression(QByteArrayView piece);

    // Decodes one coded block. Every length, distance and count is checked
    // against the block and the BlockSize output limit: damaged input gives
    // nullopt, never an access outside the buffers.
    static std::optional<QByteArray> Decompression(QByteArrayView block);
    // The same into `out`, which holds BlockSize bytes. Returns the decoded
    // length, or -1 when the block is damaged.
    static qsizetype Decompression(QByteArrayView block, char *out);

private:
    static constexpr int HashSize = 4096;
    static constexpr quint16 NoPosition = 0xFFFF;
    std::unique_ptr<quint16[]> m_hash;
};
