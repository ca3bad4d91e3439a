#include "storage/LZRW1KH.h"

#include <algorithm>
#include <new>

namespace {

// A repetition of at least this many equal bytes is coded as a run item.
constexpr int MinRun = 16;
constexpr int MaxRun = 4095;
constexpr int MinCopy = 3;
constexpr int MaxCopy = 18;
// A copy reaches at most this far back (12-bit distance field).
constexpr int MaxDistance = 4095;
constexpr int ItemsPerGroup = 16;
// The coder may run a few bytes past the piece length before it notices that
// storing is shorter; this much spare room covers a control word and a run.
constexpr int OutputSpare = 16;
constexpr quint32 HashMultiplier = 40543;

quint32 hashOf(const quint8 *p)
{
    const quint32 mixed = (((quint32(p[0]) << 4) ^ p[1]) << 4) ^ p[2];
    return ((mixed * HashMultiplier) >> 4) & 0x0FFF;
}

} // namespace

TLZR::TLZR() : m_hash(new (std::nothrow) quint16[HashSize])
{
    if (!m_hash)
        throw ELzrw1KHCompressor("LZRW1KH : no memory for HASH table");
}

TLZR::~TLZR() = default;

QByteArray TLZR::Compression(QByteArrayView piece)
{
    Q_ASSERT(piece.size() <= BlockSize);
    const qsizetype n = std::min<qsizetype>(piece.size(), BlockSize);
    const auto *src = reinterpret_cast<const quint8 *>(piece.data());
    QByteArray coded(n + OutputSpare, Qt::Uninitialized);
    auto *dst = reinterpret_cast<quint8 *>(coded.data());

    std::fill_n(m_hash.get(), HashSize, NoPosition);
    dst[0] = FlagCompress;
    qsizetype x = 0; // input position
    qsizetype y = 3; // output position
    qsizetype control = 1; // where the current control word goes
    int bit = 0; // items in the current group
    quint16 command = 0;

    while (x < n && y <= n) {
        if (bit >= ItemsPerGroup) {
            dst[control] = quint8(command >> 8);
            dst[control + 1] = quint8(command);
            control = y;
            bit = 0;
            y += 2;
        }

        int size = 1;
        while (x + size < n && size < MaxRun && src[x + size] == src[x])
            ++size;

        if (size >= MinRun) {
            const int stored = size - MinRun;
            dst[y] = 0;
            dst[y + 1] = quint8(stored >> 8);
            dst[y + 2] = quint8(stored);
            dst[y + 3] = src[x];
            y += 4;
            x += size;
            command = quint16((command << 1) | 1);
        } else {
            int matchSize = 0;
            qsizetype matchPos = 0;
            // With fewer than MinCopy bytes left no match can be long enough.
            if (x + MinCopy <= n) {
                const quint32 hash = hashOf(src + x);
                const quint16 candidate = m_hash[hash];
                if (candidate != NoPosition && x - candidate <= MaxDistance) {
                    matchPos = candidate;
                    while (matchSize < MaxCopy && x + matchSize < n
                           && src[x + matchSize] == src[matchPos + matchSize])
                        ++matchSize;
                }
                m_hash[hash] = quint16(x);
            }
            if (matchSize >= MinCopy) {
                const quint32 key = quint32(x - matchPos) << 4 | quint32(matchSize - MinCopy);
                dst[y] = quint8(key >> 8);
                dst[y + 1] = quint8(key);
                y += 2;
                x += matchSize;
                command = quint16((command << 1) | 1);
            } else {
                dst[y] = src[x];
                ++y;
                ++x;
                command = quint16(command << 1);
            }
        }
        ++bit;
    }
    command = quint16(quint32(command) << (ItemsPerGroup - bit));
    dst[control] = quint8(command >> 8);
    dst[control + 1] = quint8(command);

    if (y > n) {
        dst[0] = FlagCopied;
        std::copy_n(src, n, dst + 1);
        y = n + 1;
    }
    coded.truncate(y);
    return coded;
}

std::optional<QByteArray> TLZR::Decompression(QByteArrayView block)
{
    QByteArray plain(BlockSize, Qt::Uninitialized);
    const qsizetype size = Decompression(block, plain.data());
    if (size < 0)
        return std::nullopt;
    plain.truncate(size);
    return plain;
}

qsizetype TLZR::Decompression(QByteArrayView block, char *out)
{
    constexpr qsizetype Damaged = -1;
    const qsizetype n = block.size();
    if (n == 0)
        return 0;
    const auto *src = reinterpret_cast<const quint8 *>(block.data());
    auto *dst = reinterpret_cast<quint8 *>(out);

    if (src[0] == FlagCopied) {
        if (n - 1 > BlockSize)
            return Damaged;
        std::copy_n(src + 1, n - 1, dst);
        return n - 1;
    }
    if (src[0] != FlagCompress)
        return Damaged;
    if (n < 3)
        return 0;

    qsizetype x = 3;
    qsizetype y = 0;
    quint16 command = quint16(src[1] << 8 | src[2]);
    int bit = ItemsPerGroup;

    while (x < n) {
        if (bit == 0) {
            // A control word is only written when an item follows it.
            if (x + 2 >= n)
                return Damaged;
            command = quint16(src[x] << 8 | src[x + 1]);
            bit = ItemsPerGroup;
            x += 2;
        }
        if ((command & 0x8000) == 0) {
            if (y >= BlockSize)
                return Damaged;
            dst[y++] = src[x++];
        } else {
            if (x + 2 > n)
                return Damaged;
            const int distance = src[x] << 4 | src[x + 1] >> 4;
            if (distance == 0) {
                if (x + 4 > n)
                    return Damaged;
                const int count = (src[x + 1] << 8 | src[x + 2]) + MinRun;
                if (y + count > BlockSize)
                    return Damaged;
                std::fill_n(dst + y, count, src[x + 3]);
                y += count;
                x += 4;
            } else {
                const int length = (src[x + 1] & 0x0F) + MinCopy;
                if (distance > y || y + length > BlockSize)
                    return Damaged;
                if (length <= distance) {
                    std::copy_n(dst + y - distance, length, dst + y);
                    y += length;
                } else {
                    // Byte by byte: a copy longer than its distance repeats what it just wrote.
                    for (int k = 0; k < length; ++k, ++y)
                        dst[y] = dst[y - distance];
                }
                x += 2;
            }
        }
        command = quint16(command << 1);
        --bit;
    }
    return y;
}
