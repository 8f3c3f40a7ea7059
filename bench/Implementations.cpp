#include "Implementations.h"

#include <gcrypt.h>
extern "C" {
#include <mhash.h>
}
#include <nettle/gosthash94.h>
#include <nettle/md2.h>
#include <nettle/md4.h>
#include <nettle/md5.h>
#include <nettle/ripemd160.h>
#include <nettle/sha1.h>
#include <nettle/sha2.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <rhash.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "digest/CryptoAPI.h"
#include "digest/Cpu.h"
#include "digest/Hex.h"

using namespace quorvix::digest;

// mhash's HAVAL with a pass count of its own: exported by the library, not declared
// by its public header.
extern "C" {
int havalInit(void* context, int passes, int hashLength);
int havalUpdate(void* context, const uint8_t* data, int length);
int havalFinal(void* context, uint8_t* digest);
}

namespace {

// libgcrypt's fast paths above the level our library uses are turned off, as
// run_digest_bench.sh turns off OpenSSL's and Nettle's, so that each level's table
// shows all libraries as on a machine of that level.
void DisableGcryptAbove(CpuLevel level) {
    std::vector<const char*> off;
    if (level < CpuLevel::Avx512) off.insert(off.end(), {"intel-avx512", "intel-gfni"});
    if (level < CpuLevel::Avx2)
        off.insert(off.end(), {"intel-avx2", "intel-bmi2", "intel-avx", "intel-fast-vpgather", "intel-vaes-vpclmul"});
    if (level < CpuLevel::Sse4) off.insert(off.end(), {"intel-shaext", "intel-pclmul", "intel-sse4.1", "intel-ssse3", "intel-aesni"});
    for (const char* feature : off) gcry_control(GCRYCTL_DISABLE_HWF, feature, nullptr);
}

void InitLibraries() {
    static const bool ready = [] {
        DisableGcryptAbove(LevelInUse());
        gcry_check_version(nullptr);
        gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
        gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        rhash_library_init();
        OSSL_PROVIDER_load(nullptr, "legacy");  // MD4
        OSSL_PROVIDER_load(nullptr, "default");
        return true;
    }();
    (void)ready;
}

std::string Hex(const uint8_t* bytes, size_t count) {
    std::string text;
    WriteHexBytes(text, bytes, count);
    return text;
}

// How another library's bytes read in our library's order.
enum class Order {
    Same,
    Reversed,     // CRC-32 as a big-endian number, ours least significant byte first
    TigerWords,   // Tiger's words least significant byte first, ours as numbers
};

// The bytes the other library made, kept for its hex text and for the checks.
class Peer : public Implementation {
public:
    Peer(std::string name, size_t size, Order order, size_t ourDigits) : size_(size), order_(order), ourDigits_(ourDigits) {
        library = std::move(name);
    }
    std::string OurHex() const override {
        std::vector<uint8_t> bytes(out_, out_ + size_);
        if (order_ == Order::Reversed) std::reverse(bytes.begin(), bytes.end());
        if (order_ == Order::TigerWords)
            for (size_t i = 0; i + 8 <= bytes.size(); i += 8) std::reverse(bytes.begin() + long(i), bytes.begin() + long(i) + 8);
        return Hex(bytes.data(), bytes.size()).substr(0, ourDigits_);
    }
    const uint8_t* Bytes() const override { return out_; }
    size_t ByteCount() const override { return size_; }

protected:
    uint8_t out_[64] = {};
    size_t size_;

private:
    Order order_;
    size_t ourDigits_;
};

class OpenSsl final : public Peer {
public:
    OpenSsl(EVP_MD* md, size_t ourDigits) : Peer("OpenSSL", size_t(EVP_MD_get_size(md)), Order::Same, ourDigits), md_(md) {}
    ~OpenSsl() override {
        EVP_MD_CTX_free(context_);
        EVP_MD_free(md_);
    }
    void Init() override { EVP_DigestInit_ex2(context_, md_, nullptr); }
    void Update(const uint8_t* data, size_t length) override { EVP_DigestUpdate(context_, data, length); }
    void Final() override { EVP_DigestFinal_ex(context_, out_, nullptr); }

private:
    EVP_MD* md_;
    EVP_MD_CTX* context_ = EVP_MD_CTX_new();
};

class Gcrypt final : public Peer {
public:
    Gcrypt(int algorithm, Order order, size_t ourDigits)
        : Peer("libgcrypt", gcry_md_get_algo_dlen(algorithm), order, ourDigits), algorithm_(algorithm) {
        gcry_md_open(&handle_, algorithm, 0);
    }
    ~Gcrypt() override { gcry_md_close(handle_); }
    void Init() override { gcry_md_reset(handle_); }
    void Update(const uint8_t* data, size_t length) override { gcry_md_write(handle_, data, length); }
    void Final() override { std::memcpy(out_, gcry_md_read(handle_, algorithm_), size_); }

private:
    int algorithm_;
    gcry_md_hd_t handle_ = nullptr;
};

class Rhash final : public Peer {
public:
    Rhash(unsigned id, Order order, size_t ourDigits)
        : Peer("librhash", size_t(rhash_get_digest_size(id)), order, ourDigits), context_(rhash_init(id)) {}
    ~Rhash() override { rhash_free(context_); }
    void Init() override { rhash_reset(context_); }
    void Update(const uint8_t* data, size_t length) override { rhash_update(context_, data, length); }
    void Final() override { rhash_final(context_, out_); }

private:
    rhash context_;
};

// mhash has no way to reuse a context: a new one per message is its normal use.
class Mhash final : public Peer {
public:
    Mhash(hashid id, Order order, size_t ourDigits)
        : Peer("libmhash", mhash_get_block_size(id), order, ourDigits), id_(id) {}
    ~Mhash() override {
        if (state_) mhash_deinit(state_, nullptr);
    }
    void Init() override { state_ = mhash_init(id_); }
    void Update(const uint8_t* data, size_t length) override { mhash(state_, data, mutils_word32(length)); }
    void Final() override {
        mhash_deinit(state_, out_);
        state_ = nullptr;
    }

private:
    hashid id_;
    MHASH state_ = nullptr;
};

class MhashHaval final : public Peer {
public:
    MhashHaval(int passes, int bits) : Peer("libmhash", size_t(bits / 8), Order::Same, size_t(bits / 4)), passes_(passes), bits_(bits) {
        differentPadding = true;
    }
    void Init() override { havalInit(context_, passes_, bits_); }
    void Update(const uint8_t* data, size_t length) override { havalUpdate(context_, data, int(length)); }
    void Final() override { havalFinal(context_, out_); }

private:
    int passes_, bits_;
    alignas(16) uint8_t context_[1024] = {};  // larger than mhash's context
};

template <typename Context, void (*InitFn)(Context*), void (*UpdateFn)(Context*, size_t, const uint8_t*),
          void (*DigestFn)(Context*, size_t, uint8_t*)>
class Nettle final : public Peer {
public:
    Nettle(size_t size, size_t ourDigits) : Peer("Nettle", size, Order::Same, ourDigits) {}
    void Init() override { InitFn(&context_); }
    void Update(const uint8_t* data, size_t length) override { UpdateFn(&context_, length, data); }
    void Final() override { DigestFn(&context_, size_, out_); }

private:
    Context context_{};
};

class Zlib final : public Peer {
public:
    // zlib's CRC-32 as a number is ours reversed; its Adler-32, ours.
    explicit Zlib(bool adler) : Peer("zlib", 4, adler ? Order::Same : Order::Reversed, 8), adler_(adler) {}
    void Init() override { value_ = adler_ ? adler32_z(0, nullptr, 0) : crc32_z(0, nullptr, 0); }
    void Update(const uint8_t* data, size_t length) override {
        value_ = adler_ ? adler32_z(value_, data, length) : crc32_z(value_, data, length);
    }
    void Final() override {
        const auto v = uint32_t(value_);
        out_[0] = uint8_t(v >> 24), out_[1] = uint8_t(v >> 16), out_[2] = uint8_t(v >> 8), out_[3] = uint8_t(v);
    }

private:
    bool adler_;
    uLong value_ = 0;
};

class Quorvix final : public Implementation {
public:
    explicit Quorvix(const DigestRow& row) : row_(row) { library = "Quorvix"; }
    void Init() override {
        HashInit(&context_, row_.type);
        if (row_.passes) context_.passes = row_.passes;
    }
    void Update(const uint8_t* data, size_t length) override { HashUpdate(&context_, data, uint32_t(length)); }
    void Final() override { HashFinal(&context_, hex_); }
    std::string OurHex() const override { return hex_; }

private:
    DigestRow row_;
    HashContext context_{};
    std::string hex_;
};

using Implementations = std::vector<std::unique_ptr<Implementation>>;

void AddOpenSsl(Implementations& list, const char* name, size_t ourDigits) {
    if (EVP_MD* md = EVP_MD_fetch(nullptr, name, nullptr)) list.push_back(std::make_unique<OpenSsl>(md, ourDigits));
}

}  // namespace

std::string DigestRow::Name() const {
    std::string name = HashTypeName(type);
    if (passes) name.append(" ").append(std::to_string(passes)).append(" passes");
    return name;
}

std::vector<DigestRow> AllRows() {
    std::vector<DigestRow> rows;
    for (uint32_t type = HASH_TYPE_FIRST; type <= HASH_TYPE_LAST; ++type) rows.push_back({type, 0});
    rows.push_back({HASH_HAVAL256, 4});
    rows.push_back({HASH_HAVAL256, 5});
    return rows;
}

std::unique_ptr<Implementation> Ours(const DigestRow& row) { return std::make_unique<Quorvix>(row); }

Implementations Peers(const DigestRow& row) {
    InitLibraries();
    Implementations list;
    const size_t digits = HashDigestBits(row.type) / 4;
    auto add = [&list](std::unique_ptr<Implementation> peer, const char* note = "") {
        peer->note = note;
        list.push_back(std::move(peer));
    };
    auto nettle = [&](auto peer) { add(std::move(peer)); };
    switch (row.type) {
        case HASH_MD2:
            add(std::make_unique<Mhash>(MHASH_MD2, Order::Same, digits));
            nettle(std::make_unique<Nettle<md2_ctx, nettle_md2_init, nettle_md2_update, nettle_md2_digest>>(16, digits));
            break;
        case HASH_MD4:
            AddOpenSsl(list, "MD4", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_MD4, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_MD4, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_MD4, Order::Same, digits));
            nettle(std::make_unique<Nettle<md4_ctx, nettle_md4_init, nettle_md4_update, nettle_md4_digest>>(16, digits));
            break;
        case HASH_MD5:
            AddOpenSsl(list, "MD5", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_MD5, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_MD5, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_MD5, Order::Same, digits));
            nettle(std::make_unique<Nettle<md5_ctx, nettle_md5_init, nettle_md5_update, nettle_md5_digest>>(16, digits));
            break;
        case HASH_CRC32_MSB: add(std::make_unique<Mhash>(MHASH_CRC32, Order::Same, digits)); break;
        case HASH_CRC32:
            add(std::make_unique<Zlib>(false));
            add(std::make_unique<Gcrypt>(GCRY_MD_CRC32, Order::Reversed, digits));
            add(std::make_unique<Rhash>(RHASH_CRC32, Order::Reversed, digits));
            add(std::make_unique<Mhash>(MHASH_CRC32B, Order::Same, digits));
            break;
        case HASH_ADLER32:
            add(std::make_unique<Zlib>(true));
            add(std::make_unique<Mhash>(MHASH_ADLER32, Order::Reversed, digits));
            break;
        case HASH_GOST:
            add(std::make_unique<Gcrypt>(GCRY_MD_GOSTR3411_94, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_GOST94, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_GOST, Order::Same, digits));
            nettle(std::make_unique<Nettle<gosthash94_ctx, nettle_gosthash94_init, nettle_gosthash94_update,
                                           nettle_gosthash94_digest>>(32, digits));
            break;
        case HASH_HAVAL128: case HASH_HAVAL160: case HASH_HAVAL192: case HASH_HAVAL224: case HASH_HAVAL256:
            add(std::make_unique<MhashHaval>(int(row.passes ? row.passes : 3), int(HashDigestBits(row.type))));
            break;
        case HASH_SHA1:
            AddOpenSsl(list, "SHA1", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_SHA1, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_SHA1, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_SHA1, Order::Same, digits));
            nettle(std::make_unique<Nettle<sha1_ctx, nettle_sha1_init, nettle_sha1_update, nettle_sha1_digest>>(20, digits));
            break;
        case HASH_SHA256:
            AddOpenSsl(list, "SHA256", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_SHA256, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_SHA256, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_SHA256, Order::Same, digits));
            nettle(std::make_unique<Nettle<sha256_ctx, nettle_sha256_init, nettle_sha256_update, nettle_sha256_digest>>(32, digits));
            break;
        case HASH_SHA384:
            AddOpenSsl(list, "SHA384", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_SHA384, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_SHA384, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_SHA384, Order::Same, digits));
            nettle(std::make_unique<Nettle<sha512_ctx, nettle_sha384_init, nettle_sha512_update, nettle_sha384_digest>>(48, digits));
            break;
        case HASH_SHA512:
            AddOpenSsl(list, "SHA512", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_SHA512, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_SHA512, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_SHA512, Order::Same, digits));
            nettle(std::make_unique<Nettle<sha512_ctx, nettle_sha512_init, nettle_sha512_update, nettle_sha512_digest>>(64, digits));
            break;
        case HASH_TIGER128:
        case HASH_TIGER160:
        case HASH_TIGER192: {
            // Tiger-128 and -160 are Tiger-192 cut short; our library cuts its own word
            // order, so the checks compare the whole 192 bits (see OurHex).
            const char* cut = row.type == HASH_TIGER192 ? "" : "Tiger-192 cut";
            add(std::make_unique<Gcrypt>(GCRY_MD_TIGER1, Order::TigerWords, 48), cut);
            add(std::make_unique<Rhash>(RHASH_TIGER, Order::TigerWords, 48), cut);
            // mhash gives the words as numbers, as ours does, and cuts them as ours does.
            if (row.type == HASH_TIGER128) add(std::make_unique<Mhash>(MHASH_TIGER128, Order::Same, 32));
            if (row.type == HASH_TIGER160) add(std::make_unique<Mhash>(MHASH_TIGER160, Order::Same, 40));
            if (row.type == HASH_TIGER192) add(std::make_unique<Mhash>(MHASH_TIGER192, Order::Same, 48));
            break;
        }
        case HASH_RIPEMD128: add(std::make_unique<Mhash>(MHASH_RIPEMD128, Order::Same, digits)); break;
        case HASH_RIPEMD160:
            AddOpenSsl(list, "RIPEMD160", digits);
            add(std::make_unique<Gcrypt>(GCRY_MD_RMD160, Order::Same, digits));
            add(std::make_unique<Rhash>(RHASH_RIPEMD160, Order::Same, digits));
            add(std::make_unique<Mhash>(MHASH_RIPEMD160, Order::Same, digits));
            nettle(std::make_unique<Nettle<ripemd160_ctx, nettle_ripemd160_init, nettle_ripemd160_update,
                                           nettle_ripemd160_digest>>(20, digits));
            break;
        default: break;
    }
    return list;
}

CpuLevel LevelInUse() {
    const CpuFeatures& c = Cpu();
    if (c.avx512) return CpuLevel::Avx512;
    if (c.avx2) return CpuLevel::Avx2;
    if (c.sha || c.pclmul) return CpuLevel::Sse4;
    return CpuLevel::Portable;
}
