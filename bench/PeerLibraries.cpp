#include "PeerLibraries.h"

#include <gcrypt.h>
extern "C" {
#include <mhash.h>
}
#include <nettle/md4.h>
#include <nettle/md5.h>
#include <nettle/ripemd160.h>
#include <nettle/sha1.h>
#include <nettle/sha2.h>
#include <openssl/evp.h>
#include <openssl/provider.h>
#include <rhash.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>

#include "digest/CryptoAPI.h"

namespace {

void InitLibraries() {
    static const bool ready = [] {
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

PeerDigest OpenSsl(const char* name) {
    EVP_MD* md = EVP_MD_fetch(nullptr, name, nullptr);
    if (!md) return {};
    EVP_MD_CTX* context = EVP_MD_CTX_new();  // kept for the life of the program
    return {"OpenSSL", [md, context](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                unsigned int size = 0;
                out.resize(EVP_MAX_MD_SIZE);
                EVP_DigestInit_ex2(context, md, nullptr);
                EVP_DigestUpdate(context, data, length);
                EVP_DigestFinal_ex(context, out.data(), &size);
                out.resize(size);
            }};
}

PeerDigest Gcrypt(int algorithm) {
    return {"libgcrypt", [algorithm](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                out.resize(gcry_md_get_algo_dlen(algorithm));
                gcry_md_hash_buffer(algorithm, out.data(), data, length);
            }};
}

PeerDigest Rhash(unsigned id) {
    return {"librhash", [id](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                out.resize(size_t(rhash_get_digest_size(id)));
                rhash_msg(id, data, length, out.data());
            }};
}

PeerDigest Mhash(hashid id, bool differentPadding = false) {
    return {"libmhash",
            [id](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                MHASH state = mhash_init(id);
                mhash(state, data, mutils_word32(length));
                auto* result = static_cast<uint8_t*>(mhash_end(state));
                out.assign(result, result + mhash_get_block_size(id));
                mutils_free(result);
            },
            differentPadding};
}

template <typename Context, void (*Init)(Context*), void (*Update)(Context*, size_t, const uint8_t*),
          void (*Digest)(Context*, size_t, uint8_t*), size_t Size>
PeerDigest Nettle() {
    return {"Nettle", [](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                Context context;
                Init(&context);
                Update(&context, length, data);
                out.resize(Size);
                Digest(&context, Size, out.data());
            }};
}

PeerDigest ZlibCrc() {
    return {"zlib", [](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                const uint32_t crc = uint32_t(crc32_z(0, data, length));
                out = {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)};
            }};
}

PeerDigest ZlibAdler() {
    return {"zlib", [](const uint8_t* data, size_t length, std::vector<uint8_t>& out) {
                const uint32_t sum = uint32_t(adler32_z(1, data, length));
                out = {uint8_t(sum >> 24), uint8_t(sum >> 16), uint8_t(sum >> 8), uint8_t(sum)};
            }};
}

}  // namespace

std::vector<PeerDigest> PeersOf(uint32_t type) {
    InitLibraries();
    std::vector<PeerDigest> peers;
    auto add = [&peers](PeerDigest peer) {
        if (peer.digest) peers.push_back(std::move(peer));
    };
    switch (type) {
        case HASH_MD2: add(Mhash(MHASH_MD2)); break;
        case HASH_MD4:
            add(OpenSsl("MD4"));
            add(Gcrypt(GCRY_MD_MD4));
            add(Rhash(RHASH_MD4));
            add(Mhash(MHASH_MD4));
            add(Nettle<md4_ctx, nettle_md4_init, nettle_md4_update, nettle_md4_digest, MD4_DIGEST_SIZE>());
            break;
        case HASH_MD5:
            add(OpenSsl("MD5"));
            add(Gcrypt(GCRY_MD_MD5));
            add(Rhash(RHASH_MD5));
            add(Mhash(MHASH_MD5));
            add(Nettle<md5_ctx, nettle_md5_init, nettle_md5_update, nettle_md5_digest, MD5_DIGEST_SIZE>());
            break;
        case HASH_CRC32_MSB: add(Mhash(MHASH_CRC32)); break;
        case HASH_CRC32:
            add(ZlibCrc());
            add(Gcrypt(GCRY_MD_CRC32));
            add(Rhash(RHASH_CRC32));
            add(Mhash(MHASH_CRC32B));
            break;
        case HASH_ADLER32:
            add(ZlibAdler());
            add(Mhash(MHASH_ADLER32));
            break;
        case HASH_GOST:
            add(Gcrypt(GCRY_MD_GOSTR3411_94));
            add(Rhash(RHASH_GOST94));
            add(Mhash(MHASH_GOST));
            break;
        case HASH_HAVAL128: add(Mhash(MHASH_HAVAL128, true)); break;
        case HASH_HAVAL160: add(Mhash(MHASH_HAVAL160, true)); break;
        case HASH_HAVAL192: add(Mhash(MHASH_HAVAL192, true)); break;
        case HASH_HAVAL224: add(Mhash(MHASH_HAVAL224, true)); break;
        case HASH_HAVAL256: add(Mhash(MHASH_HAVAL256, true)); break;
        case HASH_SHA1:
            add(OpenSsl("SHA1"));
            add(Gcrypt(GCRY_MD_SHA1));
            add(Rhash(RHASH_SHA1));
            add(Mhash(MHASH_SHA1));
            add(Nettle<sha1_ctx, nettle_sha1_init, nettle_sha1_update, nettle_sha1_digest, SHA1_DIGEST_SIZE>());
            break;
        case HASH_SHA256:
            add(OpenSsl("SHA256"));
            add(Gcrypt(GCRY_MD_SHA256));
            add(Rhash(RHASH_SHA256));
            add(Mhash(MHASH_SHA256));
            add(Nettle<sha256_ctx, nettle_sha256_init, nettle_sha256_update, nettle_sha256_digest, SHA256_DIGEST_SIZE>());
            break;
        case HASH_SHA384:
            add(OpenSsl("SHA384"));
            add(Gcrypt(GCRY_MD_SHA384));
            add(Rhash(RHASH_SHA384));
            add(Mhash(MHASH_SHA384));
            add(Nettle<sha512_ctx, nettle_sha384_init, nettle_sha512_update, nettle_sha384_digest, SHA384_DIGEST_SIZE>());
            break;
        case HASH_SHA512:
            add(OpenSsl("SHA512"));
            add(Gcrypt(GCRY_MD_SHA512));
            add(Rhash(RHASH_SHA512));
            add(Mhash(MHASH_SHA512));
            add(Nettle<sha512_ctx, nettle_sha512_init, nettle_sha512_update, nettle_sha512_digest, SHA512_DIGEST_SIZE>());
            break;
        case HASH_TIGER128:
            add(Mhash(MHASH_TIGER128));
            break;
        case HASH_TIGER160:
            add(Mhash(MHASH_TIGER160));
            break;
        case HASH_TIGER192:
            add(Gcrypt(GCRY_MD_TIGER1));
            add(Rhash(RHASH_TIGER));
            add(Mhash(MHASH_TIGER192));
            break;
        case HASH_RIPEMD128: add(Mhash(MHASH_RIPEMD128)); break;
        case HASH_RIPEMD160:
            add(OpenSsl("RIPEMD160"));
            add(Gcrypt(GCRY_MD_RMD160));
            add(Rhash(RHASH_RIPEMD160));
            add(Mhash(MHASH_RIPEMD160));
            add(Nettle<ripemd160_ctx, nettle_ripemd160_init, nettle_ripemd160_update, nettle_ripemd160_digest,
                       RIPEMD160_DIGEST_SIZE>());
            break;
        default: break;
    }
    return peers;
}
