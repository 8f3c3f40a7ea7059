// Quorvix message-digest library: one interface over 21 hash and checksum types.
//
// A digest is made with HashInit, any number of HashUpdate calls and one HashFinal,
// which yields the digest as lowercase hexadecimal text. Every operation returns a
// result code (HASH_ERR_NONE on success) and never throws; HashErrorText names it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Marks what the shared library exports; everything else in it stays hidden.
#if defined(QUORVIX_DIGEST_SHARED_BUILD)
#define QUORVIX_DIGEST_API __attribute__((visibility("default")))
#else
#define QUORVIX_DIGEST_API
#endif

enum HashType : uint32_t {
    HASH_MD2 = 257,
    HASH_MD4 = 258,
    HASH_MD5 = 259,
    HASH_CRC32_MSB = 260,
    HASH_CRC32 = 261,
    HASH_ADLER32 = 262,
    HASH_GOST = 263,
    HASH_HAVAL128 = 264,
    HASH_HAVAL160 = 265,
    HASH_HAVAL192 = 266,
    HASH_HAVAL224 = 267,
    HASH_HAVAL256 = 268,
    HASH_SHA1 = 269,
    HASH_SHA256 = 270,
    HASH_SHA384 = 271,
    HASH_SHA512 = 272,
    HASH_TIGER128 = 273,
    HASH_TIGER160 = 274,
    HASH_TIGER192 = 275,
    HASH_RIPEMD128 = 276,
    HASH_RIPEMD160 = 277,
};

constexpr uint32_t HASH_TYPE_FIRST = HASH_MD2;
constexpr uint32_t HASH_TYPE_LAST = HASH_RIPEMD160;
constexpr uint32_t HASH_TYPE_COUNT = HASH_TYPE_LAST - HASH_TYPE_FIRST + 1;

enum HashError : uint32_t {
    HASH_ERR_NONE = 0,
    HASH_ERR_UNKNOWN_TYPE = 1,
    HASH_ERR_NULL_CONTEXT = 2,
    HASH_ERR_INVALID_CONTEXT = 3,
    HASH_ERR_READ_FILE = 4,
    HASH_ERR_OPEN_FILE = 5,
    HASH_ERR_TEST_FAILED = 6,
};

// Bytes enough for the largest algorithm state (the CRC's folded vector lanes).
constexpr size_t kHashStateBytes = 576;

// The algorithm state of a digest in progress, held inside the context: starting a
// digest allocates nothing, and a context may live wherever its caller likes. `type` is
// the code the record was started for (0: no digest in progress); the record's layout
// is private to the library. Copying a context mid-digest gives two independent digests
// of the same beginning.
struct HashState {
    uint32_t type = 0;
    alignas(64) unsigned char record[kHashStateBytes];

    // The record is not cleared: each algorithm's init sets every field it reads.
    HashState() noexcept {}
    explicit operator bool() const noexcept { return type != 0; }
};

// `HashContext ctx{};` is a new context without a state. The state is in progress from
// a successful HashInit until HashFinal.
struct HashContext {
    HashState state;
    uint32_t hashType = 0;
    // Pass count for the HAVAL (3..5) and Tiger codes: HashInit sets 3; it may be
    // changed after HashInit and before the first HashUpdate.
    uint32_t passes = 0;

    // Sets the fields above, and no more: `{}` on a plain aggregate would clear the whole
    // record too, which costs more than a short message's digest.
    HashContext() noexcept {}
};

QUORVIX_DIGEST_API HashError HashInit(HashContext* context, uint32_t type);
// A null data pointer with a non-zero length reads nothing and returns
// HASH_ERR_READ_FILE; the digest in progress is left as it was.
QUORVIX_DIGEST_API HashError HashUpdate(HashContext* context, const void* data, uint32_t length);
QUORVIX_DIGEST_API HashError HashFinal(HashContext* context, std::string& digest);
QUORVIX_DIGEST_API HashError HashString(uint32_t type, std::string_view text, std::string& digest);

// Digests many whole messages of one type: digests[i] becomes the digest of messages[i],
// the same text HashString gives. MD5, SHA-1 and SHA-256 messages are compressed sixteen
// side by side in vector lanes where the processor has them, SHA-384 and SHA-512 messages
// four (AVX2) or eight (AVX-512) (see HashBatchLanes), several times faster than one
// message after another; other types are digested one by one. `passes`
// is as HashContext::passes (0: the library's default). A null array with a non-zero
// count gives HASH_ERR_NULL_CONTEXT, a message with null data and a non-zero length
// HASH_ERR_READ_FILE; either way no digest is written.
struct HashMessage {
    const void* data;
    uint64_t length;
};
QUORVIX_DIGEST_API HashError HashBatch(uint32_t type, const HashMessage* messages, size_t count, std::string* digests,
                                       uint32_t passes = 0);
// How many messages of the type HashBatch compresses side by side: 16 with AVX-512 or AVX2
// (two vectors of eight lanes) for MD5, SHA-1 and SHA-256; for SHA-384 and SHA-512, 8 with
// AVX-512 and 4 with AVX2; 1 where it digests them one by one (other types, other
// processors, and SHA-256 with AVX2 and the SHA instructions, which are as fast alone).
QUORVIX_DIGEST_API uint32_t HashBatchLanes(uint32_t type);

// Writes up to `capacity` type codes in ascending order; returns how many it wrote.
QUORVIX_DIGEST_API uint32_t HashListTypes(uint32_t* types, uint32_t capacity);
QUORVIX_DIGEST_API const char* HashErrorText(uint32_t code);
// The type's name ("MD5", "SHA256", ...) and digest length in bits; nullptr and 0
// for a code outside HASH_TYPE_FIRST..HASH_TYPE_LAST.
QUORVIX_DIGEST_API const char* HashTypeName(uint32_t type);
QUORVIX_DIGEST_API uint32_t HashDigestBits(uint32_t type);

// Self-test against the library's known answers (HASH_ERR_NONE, _UNKNOWN_TYPE or _TEST_FAILED).
QUORVIX_DIGEST_API bool HashTestVector(uint32_t type, std::string_view message, std::string_view expected);
QUORVIX_DIGEST_API HashError HashTestType(uint32_t type);
QUORVIX_DIGEST_API HashError HashSelfTest();
