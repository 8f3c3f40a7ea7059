#include "CryptoAPI.h"

#include <cassert>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <iterator>

#include "Adler.h"
#include "CRC.h"
#include "Gost.h"
#include "HAVAL.h"
#include "Lanes.h"
#include "MD.h"
#include "RIPEMD.h"
#include "Results.h"
#include "Sha1.h"
#include "Sha256.h"
#include "Sha512.h"
#include "Tiger.h"

using namespace quorvix::digest;

namespace {

// One row per type code, in code order: everything the interface needs to run the
// algorithm. Every unit has the same three steps; the variant (a digest length, or
// which of the unit's algorithms) and the pass count live in the unit's state.
struct HashAlgorithm {
    uint32_t code;
    const char* name;
    uint32_t digestBits;
    uint32_t variant;
    void (*init)(void* state, uint32_t variant);
    void (*update)(void* state, const uint8_t* data, uint32_t length);
    void (*final)(void* state, std::string& digest);
    // HAVAL and Tiger: where the state keeps its pass count, which the context's is
    // copied into before each step (a plain store, so that the step stays a tail call).
    size_t passesAt;
    // Types whose many messages HashBatch can compress side by side.
    const LaneUse* lanes;
};

template <typename State>
concept HasPasses = requires(State state) { state.passes; };
constexpr size_t kNoPasses = SIZE_MAX;

// The one adapter from a unit's typed steps to a row.
template <typename State, void (*Init)(State&, uint32_t), void (*Update)(State&, const uint8_t*, uint32_t),
          void (*Final)(State&, std::string&)>
constexpr HashAlgorithm Row(uint32_t code, const char* name, uint32_t digestBits, uint32_t variant,
                            const LaneUse* lanes) {
    static_assert(sizeof(State) <= kHashStateBytes && alignof(State) <= alignof(HashState),
                  "every state fits the context's record");
    size_t passesAt = kNoPasses;
    if constexpr (HasPasses<State>) {
        static_assert(std::is_same_v<decltype(State::passes), uint32_t>);
        passesAt = offsetof(State, passes);
    }
    return {code,
            name,
            digestBits,
            variant,
            [](void* s, uint32_t v) { Init(*static_cast<State*>(s), v); },
            [](void* s, const uint8_t* data, uint32_t length) { Update(*static_cast<State*>(s), data, length); },
            [](void* s, std::string& digest) { Final(*static_cast<State*>(s), digest); },
            passesAt,
            lanes};
}

constexpr auto Md2 = Row<Md2State, Md2Init, Md2Update, Md2Final>;
constexpr auto Md = Row<MdState, MdInit, MdUpdate, MdFinal>;
constexpr auto Crc32 = Row<CrcState, CrcInit, Crc32Update, Crc32Final>;
constexpr auto Crc32Msb = Row<CrcState, CrcInit, Crc32MsbUpdate, Crc32MsbFinal>;
constexpr auto Adler = Row<AdlerState, AdlerInit, AdlerUpdate, AdlerFinal>;
constexpr auto Gost = Row<GostState, GostInit, GostUpdate, GostFinal>;
constexpr auto Haval = Row<HavalState, HavalInit, HavalUpdate, HavalFinal>;
constexpr auto Sha1 = Row<Sha32State, Sha1Init, Sha1Update, Sha1Final>;
constexpr auto Sha256 = Row<Sha32State, Sha256Init, Sha256Update, Sha256Final>;
constexpr auto Sha512 = Row<Sha64State, Sha512Init, Sha512Update, Sha512Final>;
constexpr auto Tiger = Row<TigerState, TigerInit, TigerUpdate, TigerFinal>;
constexpr auto Ripemd = Row<RipemdState, RipemdInit, RipemdUpdate, RipemdFinal>;

constexpr HashAlgorithm kAlgorithms[] = {
    Md2(HASH_MD2, "MD2", 128, 2, nullptr),
    Md(HASH_MD4, "MD4", 128, 4, nullptr),
    Md(HASH_MD5, "MD5", 128, 5, &kLanesOf<Md5Lanes>),
    Crc32Msb(HASH_CRC32_MSB, "CRC32-MSB", 32, 0, nullptr),
    Crc32(HASH_CRC32, "CRC32", 32, 0, nullptr),
    Adler(HASH_ADLER32, "ADLER32", 32, 0, nullptr),
    Gost(HASH_GOST, "GOST", 256, 0, nullptr),
    Haval(HASH_HAVAL128, "HAVAL128", 128, 128, nullptr),
    Haval(HASH_HAVAL160, "HAVAL160", 160, 160, nullptr),
    Haval(HASH_HAVAL192, "HAVAL192", 192, 192, nullptr),
    Haval(HASH_HAVAL224, "HAVAL224", 224, 224, nullptr),
    Haval(HASH_HAVAL256, "HAVAL256", 256, 256, nullptr),
    Sha1(HASH_SHA1, "SHA1", 160, 1, &kLanesOf<Sha1Lanes>),
    Sha256(HASH_SHA256, "SHA256", 256, 256, &kLanesOf<Sha256Lanes>),
    Sha512(HASH_SHA384, "SHA384", 384, 384, &kLanesOf<Sha384Lanes>),
    Sha512(HASH_SHA512, "SHA512", 512, 512, &kLanesOf<Sha512Lanes>),
    Tiger(HASH_TIGER128, "TIGER128", 128, 128, nullptr),
    Tiger(HASH_TIGER160, "TIGER160", 160, 160, nullptr),
    Tiger(HASH_TIGER192, "TIGER192", 192, 192, nullptr),
    Ripemd(HASH_RIPEMD128, "RIPEMD128", 128, 128, nullptr),
    Ripemd(HASH_RIPEMD160, "RIPEMD160", 160, 160, nullptr),
};

// Find() indexes the table by code: every row must stand at its code's place.
constexpr bool InCodeOrder() {
    for (size_t i = 0; i < std::size(kAlgorithms); ++i)
        if (kAlgorithms[i].code != HASH_TYPE_FIRST + i) return false;
    return std::size(kAlgorithms) == HASH_TYPE_COUNT;
}
static_assert(InCodeOrder(), "one row per type code, in code order");

const HashAlgorithm* Find(uint32_t type) {
    if (type < HASH_TYPE_FIRST || type > HASH_TYPE_LAST) return nullptr;
    const HashAlgorithm* algorithm = &kAlgorithms[type - HASH_TYPE_FIRST];
    assert(algorithm->code == type);
    return algorithm;
}

}  // namespace

HashError HashInit(HashContext* context, uint32_t type) {
    if (!context) return HASH_ERR_NULL_CONTEXT;
    context->hashType = type;
    const HashAlgorithm* algorithm = Find(type);
    if (!algorithm) return HASH_ERR_UNKNOWN_TYPE;
    context->state.type = algorithm->code;
    if (algorithm->passesAt != kNoPasses) context->passes = 3;  // as the unit's init sets it
    algorithm->init(context->state.record, algorithm->variant);
    return HASH_ERR_NONE;
}

namespace {
void SetPasses(const HashAlgorithm& algorithm, HashContext& context) {
    if (algorithm.passesAt != kNoPasses)
        std::memcpy(static_cast<unsigned char*>(static_cast<void*>(context.state.record)) + algorithm.passesAt, &context.passes,
                    sizeof context.passes);
}

// The checks shared by HashUpdate and HashFinal, in the order the codes rank.
HashError Check(const HashContext* context, const HashAlgorithm*& algorithm) {
    if (!context) return HASH_ERR_NULL_CONTEXT;
    if (!context->state) return HASH_ERR_INVALID_CONTEXT;
    algorithm = Find(context->hashType);
    if (!algorithm) return HASH_ERR_UNKNOWN_TYPE;
    // hashType was changed to another known code: the record is not that algorithm's.
    if (context->state.type != algorithm->code) return HASH_ERR_INVALID_CONTEXT;
    return HASH_ERR_NONE;
}
}  // namespace

HashError HashUpdate(HashContext* context, const void* data, uint32_t length) {
    const HashAlgorithm* algorithm = nullptr;
    if (HashError error = Check(context, algorithm)) return error;
    if (length == 0) return HASH_ERR_NONE;
    if (!data) return HASH_ERR_READ_FILE;
    SetPasses(*algorithm, *context);
    algorithm->update(context->state.record, static_cast<const uint8_t*>(data), length);
    return HASH_ERR_NONE;
}

HashError HashFinal(HashContext* context, std::string& digest) {
    const HashAlgorithm* algorithm = nullptr;
    if (HashError error = Check(context, algorithm)) return error;
    // The final cannot fail, so the text goes straight into the caller's string.
    SetPasses(*algorithm, *context);
    algorithm->final(context->state.record, digest);
    context->state.type = 0;
    return HASH_ERR_NONE;
}

HashError HashString(uint32_t type, std::string_view text, std::string& digest) {
    HashContext context{};
    if (HashError error = HashInit(&context, type)) return error;
    if (HashError error = UpdateWhole(&context, text.data(), text.size())) return error;
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
        algorithm->lanes->digest(messages, count, digests);
        return HASH_ERR_NONE;
    }
    for (size_t i = 0; i < count; ++i) {
        HashContext context{};
        HashInit(&context, type);
        if (passes) context.passes = passes;
        UpdateWhole(&context, messages[i].data, messages[i].length);
        HashFinal(&context, digests[i]);
    }
    return HASH_ERR_NONE;
}

uint32_t HashBatchLanes(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm && algorithm->lanes ? algorithm->lanes->count() : 1;
}

uint32_t HashListTypes(uint32_t* types, uint32_t capacity) {
    if (!types) return 0;
    const uint32_t count = capacity < HASH_TYPE_COUNT ? capacity : HASH_TYPE_COUNT;
    for (uint32_t i = 0; i < count; ++i) types[i] = kAlgorithms[i].code;
    return count;
}

const char* HashErrorText(uint32_t code) { return ResultText(code, HASH_ERR_TEST_FAILED); }

const char* HashTypeName(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm ? algorithm->name : nullptr;
}

uint32_t HashDigestBits(uint32_t type) {
    const HashAlgorithm* algorithm = Find(type);
    return algorithm ? algorithm->digestBits : 0;
}
