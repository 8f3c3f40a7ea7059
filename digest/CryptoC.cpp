// The C interface over the C++ one: a handle holds a HashContext.
#include "CryptoC.h"

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "CryptoAPI.h"
#include "Results.h"

using quorvix::digest::UpdateWhole;

struct qx_digest {
    HashContext context;  // after the final it has no state, and refuses further use
    bool hasData = false;  // the pass count is fixed once data has gone in
};

static_assert(uint32_t(QX_MD2) == HASH_TYPE_FIRST && uint32_t(QX_RIPEMD160) == HASH_TYPE_LAST,
              "the C codes are the library's");
static_assert(uint32_t(QX_ERR_TEST_FAILED) == uint32_t(HASH_ERR_TEST_FAILED), "the C result codes are the library's");
static_assert(QX_ERR_BUFFER_TOO_SMALL == quorvix::digest::kResultBufferTooSmall && QX_ERR_BAD_PASSES == quorvix::digest::kResultBadPasses,
              "one table holds every code's text");

namespace {

// Whether `hex` can hold the type's digest text and its NUL: checked before the
// final, which cannot be repeated.
bool Fits(uint32_t type, const char* hex, size_t capacity) { return hex && capacity >= HashDigestBits(type) / 4 + 1; }

// The final, its text copied out with its NUL.
int FinalInto(HashContext& context, char* hex) {
    std::string text;
    if (HashError error = HashFinal(&context, text)) return int(error);
    text.copy(hex, text.size());
    hex[text.size()] = '\0';
    return QX_OK;
}

}  // namespace

extern "C" {

int qx_digest_new(qx_digest** digest, uint32_t type) {
    if (!digest) return QX_ERR_NULL_CONTEXT;
    *digest = nullptr;
    auto* made = new (std::nothrow) qx_digest;
    if (!made) return QX_ERR_INVALID_CONTEXT;
    if (HashError error = HashInit(&made->context, type)) {
        delete made;
        return int(error);
    }
    *digest = made;
    return QX_OK;
}

int qx_digest_set_passes(qx_digest* digest, uint32_t passes) {
    if (!digest) return QX_ERR_NULL_CONTEXT;
    if (!digest->context.state) return QX_ERR_INVALID_CONTEXT;
    // Only types with passes have a count (3 from the start); others keep 0. Tiger's
    // rounds run any number of times; HAVAL is defined for three counts.
    const uint32_t type = digest->context.hashType;
    const bool tiger = type >= HASH_TIGER128 && type <= HASH_TIGER192;
    if (digest->context.passes == 0 || digest->hasData || (!tiger && (passes < 3 || passes > 5))) return QX_ERR_BAD_PASSES;
    digest->context.passes = passes;
    return QX_OK;
}

int qx_digest_update(qx_digest* digest, const void* data, size_t length) {
    if (!digest) return QX_ERR_NULL_CONTEXT;
    if (length == 0 && digest->context.state) return QX_OK;
    if (!data && digest->context.state) return QX_ERR_READ;
    digest->hasData = true;
    return int(UpdateWhole(&digest->context, data, length));
}

int qx_digest_final(qx_digest* digest, char* hex, size_t capacity) {
    if (!digest) return QX_ERR_NULL_CONTEXT;
    if (!digest->context.state) return QX_ERR_INVALID_CONTEXT;
    if (!Fits(digest->context.hashType, hex, capacity)) return QX_ERR_BUFFER_TOO_SMALL;
    return FinalInto(digest->context, hex);
}

void qx_digest_free(qx_digest* digest) { delete digest; }

int qx_digest_buffer(uint32_t type, const void* data, size_t length, char* hex, size_t capacity) {
    if (length > 0 && !data) return QX_ERR_READ;
    HashContext context{};
    if (HashError error = HashInit(&context, type)) return int(error);
    if (!Fits(type, hex, capacity)) return QX_ERR_BUFFER_TOO_SMALL;
    if (length > 0)
        if (HashError error = UpdateWhole(&context, data, length)) return int(error);
    return FinalInto(context, hex);
}

int qx_digest_batch(uint32_t type, const void* const* data, const size_t* lengths, size_t count, char* hex,
                    size_t stride) {
    if (!HashTypeName(type)) return QX_ERR_UNKNOWN_TYPE;
    if (count == 0) return QX_OK;
    if (!data || !lengths) return QX_ERR_NULL_CONTEXT;
    if (!Fits(type, hex, stride)) return QX_ERR_BUFFER_TOO_SMALL;
    // The last text must start inside the address space, or hex + i * stride is wild.
    if ((count - 1) > (UINTPTR_MAX - reinterpret_cast<uintptr_t>(hex)) / stride) return QX_ERR_BUFFER_TOO_SMALL;
    for (size_t i = 0; i < count; ++i)
        if (!data[i] && lengths[i]) return QX_ERR_READ;
    // A few thousand at a time: the texts in between take little memory however many come.
    constexpr size_t kChunk = 4096;
    try {
        std::vector<HashMessage> messages;
        std::vector<std::string> digests;
        for (size_t first = 0; first < count; first += kChunk) {
            const size_t n = count - first < kChunk ? count - first : kChunk;
            messages.clear();
            for (size_t i = first; i < first + n; ++i) messages.push_back({data[i], lengths[i]});
            digests.resize(n);
            if (HashError error = HashBatch(type, messages.data(), n, digests.data())) return int(error);
            for (size_t i = 0; i < n; ++i) {
                char* out = hex + (first + i) * stride;
                digests[i].copy(out, digests[i].size());
                out[digests[i].size()] = '\0';
            }
        }
    } catch (const std::bad_alloc&) {
        return QX_ERR_INVALID_CONTEXT;  // as qx_digest_new without memory
    }
    return QX_OK;
}

uint32_t qx_list_types(uint32_t* types, uint32_t capacity) { return HashListTypes(types, capacity); }

const char* qx_type_name(uint32_t type) { return HashTypeName(type); }

uint32_t qx_digest_bits(uint32_t type) { return HashDigestBits(type); }

const char* qx_error_text(int code) {
    return code < 0 ? "Unknown error" : quorvix::digest::ResultText(uint32_t(code), QX_ERR_BAD_PASSES);
}

int qx_self_test(void) { return int(HashSelfTest()); }

}  // extern "C"
