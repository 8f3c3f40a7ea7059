#include "CryptoAPI.h"

#include <cstddef>
#include <iterator>
#include <new>
#include <utility>

#include "Adler.h"
#include "CRC.h"
#include "CryptoUtils.h"
#include "Gost.h"
#include "HAVAL.h"
#include "MD.h"
#include "RIPEMD.h"
#include "SHA.h"
#include "Tiger.h"

// The record behind HashContext::state: the type the record was made for, then the
// algorithm's own state. Keeping the type lets a context whose hashType was changed
// to another code be refused instead of running one algorithm on another's record.
// The state starts on a cache line, so that the checksums' vector lanes kept in it are
// stored and loaded whole between updates.
constexpr size_t kRecordAlignBytes = 64;
constexpr std::align_val_t kRecordAlignment{kRecordAlignBytes};
struct HashState {
    uint32_t type;
    alignas(kRecordAlignBytes) unsigned char record[1];
};

namespace {

void FreeRecord(HashState* state) { ::operator delete(state, kRecordAlignment); }

// One row per type code: everything the interface needs to run the algorithm.
struct HashAlgorithm {
    uint32_t code;
    const char* name;
    uint32_t digestBits;
    size_t stateSize;
    bool usesPasses;  // HAVAL and Tiger: HashInit sets passes to 3
    void (*init)(void* state);
    void (*update)(void* state, const uint8_t* data, uint32_t length, uint32_t passes);
    void (*final)(void* state, uint32_t passes, std::string& digest);
    // Types whose many messages HashBatch can compress side by side.
    const LaneFamily& (*lanes)() = nullptr;
};

template <typename T>
T& As(void* state) {
    return *static_cast<T*>(state);
}

// Adapters from the uniform row signature to each unit's operations.
template <uint16_t Bits>
constexpr HashAlgorithm Haval(uint32_t code, const char* name) {
    return {code, name, Bits, sizeof(HavalState), true,
            [](void* s) { HavalInit(As<HavalState>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t p) { HavalUpdate(As<HavalState>(s), d, n, p); },
            [](void* s, uint32_t p, std::string& out) { HavalFinal(As<HavalState>(s), p, Bits, out); }};
}

template <uint16_t Bits>
constexpr HashAlgorithm Tiger(uint32_t code, const char* name) {
    return {code, name, Bits, sizeof(TigerState), true,
            [](void* s) { TigerInit(As<TigerState>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t p) { TigerUpdate(As<TigerState>(s), d, n, p); },
            [](void* s, uint32_t p, std::string& out) { TigerFinal(As<TigerState>(s), Bits, p, out); }};
}

template <MdTransformFn Transform, const LaneFamily& (*Lanes)() = nullptr>
constexpr HashAlgorithm Md(uint32_t code, const char* name) {
    return {code, name, 128, sizeof(MdState), false,
            [](void* s) { MdInit(As<MdState>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t) { MdUpdate(As<MdState>(s), d, n, Transform); },
            [](void* s, uint32_t, std::string& out) { MdFinal(As<MdState>(s), Transform, out); }, Lanes};
}

template <void (*Update)(CrcState&, const uint8_t*, uint32_t), void (*Final)(CrcState&, std::string&)>
constexpr HashAlgorithm Crc(uint32_t code, const char* name) {
    return {code, name, 32, sizeof(CrcState), false,
            [](void* s) { CrcInit(As<CrcState>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t) { Update(As<CrcState>(s), d, n); },
            [](void* s, uint32_t, std::string& out) { Final(As<CrcState>(s), out); }};
}

template <void (*Init)(Sha32State&), uint16_t Variant, uint32_t Bits, const LaneFamily& (*Lanes)()>
constexpr HashAlgorithm Sha32(uint32_t code, const char* name) {
    return {code, name, Bits, sizeof(Sha32State), false,
            [](void* s) { Init(As<Sha32State>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t) { Sha32Update(As<Sha32State>(s), d, Variant, n); },
            [](void* s, uint32_t, std::string& out) { Sha32Final(As<Sha32State>(s), Variant, out); }, Lanes};
}

template <void (*Init)(Sha64State&), uint16_t Variant>
constexpr HashAlgorithm Sha64(uint32_t code, const char* name) {
    return {code, name, Variant, sizeof(Sha64State), false,
            [](void* s) { Init(As<Sha64State>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t) { Sha64Update(As<Sha64State>(s), d, n); },
            [](void* s, uint32_t, std::string& out) { Sha64Final(As<Sha64State>(s), Variant, out); }};
}

template <void (*Init)(RipemdState&), uint16_t Variant>
constexpr HashAlgorithm Ripemd(uint32_t code, const char* name) {
    return {code, name, Variant, sizeof(RipemdState), false,
            [](void* s) { Init(As<RipemdState>(s)); },
            [](void* s, const uint8_t* d, uint32_t n, uint32_t) { RipemdUpdate(As<RipemdState>(s), d, n, Variant); },
            [](void* s, uint32_t, std::string& out) { RipemdFinal(As<RipemdState>(s), Variant, out); }};
}

const HashAlgorithm kAlgorithms[] = {
    {HASH_MD2, "MD2", 128, sizeof(Md2State), false,
     [](void* s) { Md2Init(As<Md2State>(s)); },
     [](void* s, const uint8_t* d, uint32_t n, uint32_t) { Md2Update(As<Md2State>(s), d, n); },
     [](void* s, uint32_t, std::string& out) { Md2Final(As<Md2State>(s), out); }},
    Md<Md4Transform>(HASH_MD4, "MD4"),
    Md<Md5Transform, Md5Lanes>(HASH_MD5, "MD5"),
    Crc<Crc32MsbUpdate, Crc32MsbFinal>(HASH_CRC32_MSB, "CRC32-MSB"),
    Crc<Crc32Update, Crc32Final>(HASH_CRC32, "CRC32"),
    {HASH_ADLER32, "ADLER32", 32, sizeof(AdlerState), false,
     [](void* s) { AdlerInit(As<AdlerState>(s)); },
     [](void* s, const uint8_t* d, uint32_t n, uint32_t) { AdlerUpdate(As<AdlerState>(s), d, n); },
     [](void* s, uint32_t, std::string& out) { AdlerFinal(As<AdlerState>(s), out); }},
    {HASH_GOST, "GOST", 256, sizeof(GostState), false,
     [](void* s) { GostInit(As<GostState>(s)); },
     [](void* s, const uint8_t* d, uint32_t n, uint32_t) { GostUpdate(As<GostState>(s), d, n); },
     [](void* s, uint32_t, std::string& out) { GostFinal(As<GostState>(s), out); }},
    Haval<128>(HASH_HAVAL128, "HAVAL128"),
    Haval<160>(HASH_HAVAL160, "HAVAL160"),
    Haval<192>(HASH_HAVAL192, "HAVAL192"),
    Haval<224>(HASH_HAVAL224, "HAVAL224"),
    Haval<256>(HASH_HAVAL256, "HAVAL256"),
    Sha32<Sha1Init, 1, 160, Sha1Lanes>(HASH_SHA1, "SHA1"),
    Sha32<Sha256Init, 256, 256, Sha256Lanes>(HASH_SHA256, "SHA256"),
    Sha64<Sha384Init, 384>(HASH_SHA384, "SHA384"),
    Sha64<Sha512Init, 512>(HASH_SHA512, "SHA512"),
    Tiger<128>(HASH_TIGER128, "TIGER128"),
    Tiger<160>(HASH_TIGER160, "TIGER160"),
    Tiger<192>(HASH_TIGER192, "TIGER192"),
    Ripemd<Ripemd128Init, 128>(HASH_RIPEMD128, "RIPEMD128"),
    Ripemd<Ripemd160Init, 160>(HASH_RIPEMD160, "RIPEMD160"),
};
static_assert(std::size(kAlgorithms) == HASH_TYPE_COUNT, "one row per type code");

const HashAlgorithm* Find(uint32_t type) {
    if (type < HASH_TYPE_FIRST || type > HASH_TYPE_LAST) return nullptr;
    return &kAlgorithms[type - HASH_TYPE_FIRST];
}

// Result texts, indexed by code.
constexpr const char* kErrorTexts[] = {
    "No error",          "Unknown hash type",   "Hash context is null", "Invalid hash context",
    "Could not read file", "Could not open file", "Hash test failed",
};

// Each thread keeps the last released record of every type, so that digesting many
// short messages does not go to the allocator twice per message. The slots are plain
// thread-local data (no initialisation check on the fast path); the first record a
// thread keeps registers a guard that frees the slots when the thread ends.
thread_local HashState* cachedRecords[HASH_TYPE_COUNT];
thread_local bool cacheGuarded = false;
thread_local bool cacheClosed = false;

struct CacheGuard {
    ~CacheGuard() {
        cacheClosed = true;
        for (HashState*& record : cachedRecords) FreeRecord(std::exchange(record, nullptr));
    }
};

bool KeepRecord(HashState* state) {
    if (cacheClosed) return false;
    if (!cacheGuarded) {
        thread_local CacheGuard guard;
        cacheGuarded = true;
    }
    HashState*& slot = cachedRecords[state->type - HASH_TYPE_FIRST];
    if (slot) return false;
    slot = state;
    return true;
}

HashState* AllocateState(const HashAlgorithm& algorithm) {
    if (HashState* state = std::exchange(cachedRecords[algorithm.code - HASH_TYPE_FIRST], nullptr)) return state;
    // Not cleared: each init sets every field its algorithm reads before writing.
    void* memory = ::operator new(offsetof(HashState, record) + algorithm.stateSize, kRecordAlignment);
    auto* state = static_cast<HashState*>(memory);
    state->type = algorithm.code;
    return state;
}

}  // namespace

void HashStateRelease::operator()(HashState* state) const noexcept {
    if (state && KeepRecord(state)) return;
    FreeRecord(state);
}

HashError HashInit(HashContext* context, uint32_t type) {
    if (!context) return HASH_ERR_NULL_CONTEXT;
    context->hashType = type;
    const HashAlgorithm* algorithm = Find(type);
    if (!algorithm) return HASH_ERR_UNKNOWN_TYPE;
    context->state.reset(AllocateState(*algorithm));
    if (algorithm->usesPasses) context->passes = 3;
    algorithm->init(context->state->record);
    return HASH_ERR_NONE;
}

namespace {
// The checks shared by HashUpdate and HashFinal, in the order the codes rank.
HashError Check(const HashContext* context, const HashAlgorithm*& algorithm) {
    if (!context) return HASH_ERR_NULL_CONTEXT;
    if (!context->state) return HASH_ERR_INVALID_CONTEXT;
    algorithm = Find(context->hashType);
    if (!algorithm) return HASH_ERR_UNKNOWN_TYPE;
    // hashType was changed to another known code: the record is not that algorithm's.
    if (context->state->type != algorithm->code) return HASH_ERR_INVALID_CONTEXT;
    return HASH_ERR_NONE;
}
}  // namespace

HashError HashUpdate(HashContext* context, const void* data, uint32_t length) {
    const HashAlgorithm* algorithm = nullptr;
    if (HashError error = Check(context, algorithm)) return error;
    if (length == 0) return HASH_ERR_NONE;
    if (!data) return HASH_ERR_READ_FILE;
    algorithm->update(context->state->record, static_cast<const uint8_t*>(data), length, context->passes);
    return HASH_ERR_NONE;
}

HashError HashFinal(HashContext* context, std::string& digest) {
    const HashAlgorithm* algorithm = nullptr;
    if (HashError error = Check(context, algorithm)) return error;
    // The final cannot fail, so the text goes straight into the caller's string.
    algorithm->final(context->state->record, context->passes, digest);
    context->state.reset();
    return HASH_ERR_NONE;
}

HashError HashString(uint32_t type, std::string_view text, std::string& digest) {
    HashContext context{};
    if (HashError error = HashInit(&context, type)) return error;
    // A text longer than one update can take goes in several.
    std::string_view rest = text;
    do {
        const uint32_t piece = rest.size() > UINT32_MAX ? UINT32_MAX : uint32_t(rest.size());
        if (HashError error = HashUpdate(&context, rest.data(), piece)) return error;
        rest.remove_prefix(piece);
    } while (!rest.empty());
    return HashFinal(&context, digest);
}

HashError HashBatch(uint32_t type, const HashMessage* messages, size_t count, std::string* digests, uint32_t passes) {
    const HashAlgorithm* algorithm = Find(type);
    if (!algorithm) return HASH_ERR_UNKNOWN_TYPE;
    if (count == 0) return HASH_ERR_NONE;
    if (!messages || !digests) return HASH_ERR_NULL_CONTEXT;
    for (size_t i = 0; i < count; ++i)
        if (!messages[i].data && messages[i].length) return HASH_ERR_READ_FILE;
    if (HashBatchLanes(type) > 1) {
        DigestInLanes(algorithm->lanes(), messages, count, digests);
        return HASH_ERR_NONE;
    }
    for (size_t i = 0; i < count; ++i) {
        HashContext context{};
        HashInit(&context, type);
        if (passes) context.passes = passes;
        const auto* data = static_cast<const uint8_t*>(messages[i].data);
        for (uint64_t left = messages[i].length; left > 0;) {
            const uint32_t piece = left > UINT32_MAX ? UINT32_MAX : uint32_t(left);
            HashUpdate(&context, data, piece);
            data += piece;
            left -= piece;
        }
        HashFinal(&context, digests[i]);
    }
    return HASH_ERR_NONE;
}

uint32_t HashBatchLanes(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm && algorithm->lanes ? LaneCount(algorithm->lanes()) : 1;
}

uint32_t HashListTypes(uint32_t* types, uint32_t capacity) {
    if (!types) return 0;
    const uint32_t count = capacity < HASH_TYPE_COUNT ? capacity : HASH_TYPE_COUNT;
    for (uint32_t i = 0; i < count; ++i) types[i] = kAlgorithms[i].code;
    return count;
}

const char* HashErrorText(uint32_t code) {
    return code < std::size(kErrorTexts) ? kErrorTexts[code] : "Unknown error";
}

const char* HashTypeName(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm ? algorithm->name : nullptr;
}

uint32_t HashDigestBits(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm ? algorithm->digestBits : 0;
}
