#include "PeerDigests.h"

#include <gcrypt.h>
#include <openssl/evp.h>
#include <zlib.h>

#include <stdexcept>

#include "digest/CryptoAPI.h"

namespace {

std::string Hex(const unsigned char* bytes, size_t count) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string Hex32(uint32_t value) {
    const unsigned char bytes[4] = {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
    return Hex(bytes, 4);
}

// libgcrypt prints Tiger's words least significant byte first; ours prints them as numbers.
std::string TigerWordsAsNumbers(std::string hex) {
    for (size_t word = 0; word < hex.size(); word += 16)
        for (size_t i = 0; i < 4; ++i)
            for (size_t d = 0; d < 2; ++d) std::swap(hex[word + 2 * i + d], hex[word + 14 - 2 * i + d]);
    return hex;
}

class Gcrypt final : public PeerHash {
public:
    Gcrypt(int algorithm, size_t printedDigits, bool tigerOrder)
        : printedDigits_(printedDigits), tigerOrder_(tigerOrder) {
        static const bool ready = [] {
            gcry_check_version(nullptr);
            gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
            gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
            return true;
        }();
        (void)ready;
        if (gcry_md_open(&handle_, algorithm, 0)) throw std::runtime_error("gcry_md_open");
        algorithm_ = algorithm;
    }
    ~Gcrypt() override { gcry_md_close(handle_); }
    void Update(const uint8_t* data, size_t length) override { gcry_md_write(handle_, data, length); }
    std::string Final() override {
        std::string hex = Hex(gcry_md_read(handle_, algorithm_), gcry_md_get_algo_dlen(algorithm_));
        if (tigerOrder_) hex = TigerWordsAsNumbers(hex);
        return hex.substr(0, printedDigits_);
    }
    const char* Name() const override { return "libgcrypt"; }

private:
    gcry_md_hd_t handle_ = nullptr;
    int algorithm_ = 0;
    size_t printedDigits_;
    bool tigerOrder_;
};

class OpenSsl final : public PeerHash {
public:
    explicit OpenSsl(const char* name) : context_(EVP_MD_CTX_new()) {
        md_ = EVP_MD_fetch(nullptr, name, nullptr);
        if (!md_ || !EVP_DigestInit_ex(context_, md_, nullptr)) throw std::runtime_error("EVP_DigestInit_ex");
    }
    ~OpenSsl() override {
        EVP_MD_free(md_);
        EVP_MD_CTX_free(context_);
    }
    void Update(const uint8_t* data, size_t length) override { EVP_DigestUpdate(context_, data, length); }
    std::string Final() override {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(context_, digest, &length);
        return Hex(digest, length);
    }
    const char* Name() const override { return "OpenSSL"; }

private:
    EVP_MD_CTX* context_;
    EVP_MD* md_ = nullptr;
};

class ZlibCrc32 final : public PeerHash {
public:
    void Update(const uint8_t* data, size_t length) override {
        crc_ = crc32_z(crc_, data, length);
    }
    // The library prints the checksum's bytes least significant first.
    std::string Final() override {
        const unsigned char bytes[4] = {uint8_t(crc_), uint8_t(crc_ >> 8), uint8_t(crc_ >> 16), uint8_t(crc_ >> 24)};
        return Hex(bytes, 4);
    }
    const char* Name() const override { return "zlib crc32"; }

private:
    uLong crc_ = crc32_z(0, nullptr, 0);
};

class ZlibAdler32 final : public PeerHash {
public:
    void Update(const uint8_t* data, size_t length) override { adler_ = adler32_z(adler_, data, length); }
    std::string Final() override { return Hex32(uint32_t(adler_)); }
    const char* Name() const override { return "zlib adler32"; }

private:
    uLong adler_ = adler32_z(0, nullptr, 0);
};

// CRC-32/BZIP2 one bit at a time, straight from the definition.
class BitwiseCrc32Msb final : public PeerHash {
public:
    void Update(const uint8_t* data, size_t length) override {
        for (size_t i = 0; i < length; ++i) {
            crc_ ^= uint32_t(data[i]) << 24;
            for (int bit = 0; bit < 8; ++bit) crc_ = (crc_ & 0x80000000u) ? (crc_ << 1) ^ 0x04C11DB7u : crc_ << 1;
        }
    }
    std::string Final() override {
        const uint32_t value = ~crc_;
        const unsigned char bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
        return Hex(bytes, 4);
    }
    const char* Name() const override { return "bitwise CRC-32/BZIP2"; }

private:
    uint32_t crc_ = 0xFFFFFFFFu;
};

}  // namespace

std::vector<std::unique_ptr<PeerHash>> PeersFor(uint32_t type) {
    std::vector<std::unique_ptr<PeerHash>> peers;
    auto gcrypt = [&](int algorithm, size_t digits = SIZE_MAX, bool tiger = false) {
        peers.push_back(std::make_unique<Gcrypt>(algorithm, digits, tiger));
    };
    auto openssl = [&](const char* name) { peers.push_back(std::make_unique<OpenSsl>(name)); };
    switch (type) {
        case HASH_MD4: gcrypt(GCRY_MD_MD4); break;
        case HASH_MD5: gcrypt(GCRY_MD_MD5); openssl("MD5"); break;
        case HASH_CRC32_MSB: peers.push_back(std::make_unique<BitwiseCrc32Msb>()); break;
        case HASH_CRC32: peers.push_back(std::make_unique<ZlibCrc32>()); break;
        case HASH_ADLER32: peers.push_back(std::make_unique<ZlibAdler32>()); break;
        case HASH_GOST: gcrypt(GCRY_MD_GOSTR3411_94); break;
        case HASH_SHA1: gcrypt(GCRY_MD_SHA1); openssl("SHA1"); break;
        case HASH_SHA256: gcrypt(GCRY_MD_SHA256); openssl("SHA256"); break;
        case HASH_SHA384: gcrypt(GCRY_MD_SHA384); openssl("SHA384"); break;
        case HASH_SHA512: gcrypt(GCRY_MD_SHA512); openssl("SHA512"); break;
        case HASH_TIGER128: gcrypt(GCRY_MD_TIGER1, 32, true); break;
        case HASH_TIGER160: gcrypt(GCRY_MD_TIGER1, 40, true); break;
        case HASH_TIGER192: gcrypt(GCRY_MD_TIGER1, 48, true); break;
        case HASH_RIPEMD160: gcrypt(GCRY_MD_RMD160); openssl("RIPEMD160"); break;
        default: break;
    }
    return peers;
}
