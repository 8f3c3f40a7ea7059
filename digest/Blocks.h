// Message blocks: feeding bytes through a block buffer, laying out the padding of a
// message's end, and clearing a finished state.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Words.h"

namespace quorvix::digest {

// Zeroes a record 64 bytes at a time: GCC expands a larger fixed-size memset into a
// string store, whose start-up cost is felt on every short message.
template <typename T>
inline void Wipe(T& record) {
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    size_t left = sizeof(T);
    for (; left >= 64; left -= 64, bytes += 64) std::memset(bytes, 0, 64);
    std::memset(bytes, 0, left);
}

// Lays out the end of a message for its last compression: the `fill` buffered bytes
// (0 .. Block), the byte `mark`, zeros, and room for a length field of `lengthBytes` at
// the end, which the caller writes. Returns the number of blocks used (1 or 2). The bytes
// are written sixteen at a time (eight without SSE2), so that the transform's loads that
// follow, of up to sixteen bytes, are forwarded from these stores; byte stores or a
// string-store memset would hold them until the stores retire, and everything with them.
template <size_t Block>
inline size_t LayOutTail(uint8_t (&last)[2 * Block], const uint8_t* buffer, size_t fill, uint8_t mark,
                         size_t lengthBytes) {
    static_assert(2 * Block <= 256, "byte positions are compared as 8-bit numbers");
    assert(fill <= Block);
    const size_t blocks = fill + 1 + lengthBytes <= Block ? 1 : 2;
#if defined(__SSE2__)
    const __m128i fillAt = _mm_set1_epi8(char(fill)), markByte = _mm_set1_epi8(char(mark));
    auto chunk = [&](size_t start, __m128i bytes) {
        const __m128i position = _mm_add_epi8(_mm_set1_epi8(char(start)),
                                              _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
        const __m128i pastFill = _mm_cmpeq_epi8(_mm_max_epu8(position, fillAt), position);  // position >= fill
        const __m128i atFill = _mm_cmpeq_epi8(position, fillAt);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(last + start),
                         _mm_or_si128(_mm_andnot_si128(pastFill, bytes), _mm_and_si128(atFill, markByte)));
    };
    for (size_t start = 0; start < Block; start += 16)
        chunk(start, _mm_loadu_si128(reinterpret_cast<const __m128i*>(buffer + start)));
    if (blocks == 2)
        for (size_t start = Block; start < 2 * Block; start += 16) chunk(start, _mm_setzero_si128());
#else
    auto word = [&](size_t start, uint64_t bytes) {
        const size_t kept = fill <= start ? 0 : fill - start >= 8 ? 8 : fill - start;
        const uint64_t keptMask = kept == 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * kept)) - 1;
        const uint64_t markBits = fill >= start && kept < 8 ? uint64_t(mark) << (8 * kept) : 0;
        StoreLE64(last + start, (bytes & keptMask) | markBits);
    };
    for (size_t start = 0; start < Block; start += 8) word(start, LoadLE64(buffer + start));
    if (blocks == 2)
        for (size_t start = Block; start < 2 * Block; start += 8) word(start, 0);
#endif
    return blocks;
}

// Feeds bytes through a block buffer: completes a partial block first, then hands
// whole blocks to `compress(blocks, count)` straight from the caller's data, and keeps
// the tail. `fill` is the number of bytes the buffer holds (0 .. Block - 1 between calls).
// With KeepLast, input that ends on a block boundary leaves its last block in the
// buffer (fill == Block), so that the final can compress it together with the padding.
template <size_t Block, bool KeepLast = false, typename Fill, typename Compress>
void AbsorbBlocks(uint8_t* buffer, Fill& fill, const uint8_t* data, uint64_t length, Compress&& compress) {
    assert(uint64_t(fill) < Block || (KeepLast && uint64_t(fill) == Block));
    if (length == 0) return;
    if (fill > 0) {
        const uint64_t take = length < Block - uint64_t(fill) ? length : Block - uint64_t(fill);
        std::memcpy(buffer + fill, data, size_t(take));
        fill = Fill(fill + take);
        data += take;
        length -= take;
        if (uint64_t(fill) < Block) return;
        compress(buffer, size_t(1));
        fill = 0;
    }
    uint64_t blocks = length / Block;
    if (KeepLast && blocks > 0 && length % Block == 0) --blocks;
    if (blocks > 0) compress(data, size_t(blocks));
    const uint64_t tail = length - blocks * Block;
    if (tail > 0) std::memcpy(buffer, data + blocks * Block, size_t(tail));
    fill = Fill(tail);
}

}  // namespace quorvix::digest
