/* Quorvix message-digest library, C interface: the same 21 hash and checksum types as
 * the C++ interface (CryptoAPI.h), for C programs and other languages' foreign-function
 * interfaces. No C++ types cross it: a digest in progress is an opaque handle, and the
 * digest comes back as lowercase hexadecimal text in the caller's buffer.
 *
 *   qx_digest* d;
 *   if (qx_digest_new(&d, QX_SHA256) == QX_OK) {
 *       qx_digest_update(d, "abc", 3);
 *       char hex[QX_MAX_HEX];
 *       qx_digest_final(d, hex, sizeof hex);   -> "ba7816bf..."
 *       qx_digest_free(d);
 *   }
 *
 * Every function that can fail returns a result code: QX_OK (0) or one of the library's
 * codes 1..6, or one of this interface's own (7, 8); qx_error_text names each.
 * Handles are independent; each is used by one thread at a time. */
#ifndef QUORVIX_CRYPTO_C_H
#define QUORVIX_CRYPTO_C_H

#include <stddef.h>
#include <stdint.h>

#if defined(QUORVIX_DIGEST_SHARED_BUILD)
#define QX_API __attribute__((visibility("default")))
#else
#define QX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum {
    QX_MD2 = 257, QX_MD4, QX_MD5, QX_CRC32_MSB, QX_CRC32, QX_ADLER32, QX_GOST, QX_HAVAL128, QX_HAVAL160,
    QX_HAVAL192, QX_HAVAL224, QX_HAVAL256, QX_SHA1, QX_SHA256, QX_SHA384, QX_SHA512, QX_TIGER128,
    QX_TIGER160, QX_TIGER192, QX_RIPEMD128, QX_RIPEMD160
};

enum {
    QX_OK = 0,
    QX_ERR_UNKNOWN_TYPE = 1,
    QX_ERR_NULL_CONTEXT = 2,
    QX_ERR_INVALID_CONTEXT = 3,
    QX_ERR_READ = 4,
    QX_ERR_OPEN = 5,
    QX_ERR_TEST_FAILED = 6,
    QX_ERR_BUFFER_TOO_SMALL = 7, /* the caller's buffer cannot hold the digest's text */
    QX_ERR_BAD_PASSES = 8        /* HAVAL passes other than 3..5, for a type without them, or after data */
};

/* The largest digest's hex text with its terminating NUL (SHA-512: 128 digits). */
#define QX_MAX_HEX 129

typedef struct qx_digest qx_digest;

/* A new digest of the type; *digest is NULL on failure. */
QX_API int qx_digest_new(qx_digest** digest, uint32_t type);
/* HAVAL and Tiger: the pass count, before any data; 3 by default. HAVAL has 3, 4 or 5;
 * Tiger takes any count (0 runs one pass). */
QX_API int qx_digest_set_passes(qx_digest* digest, uint32_t passes);
/* Any length, in any number of calls; NULL data with a length is QX_ERR_READ. */
QX_API int qx_digest_update(qx_digest* digest, const void* data, size_t length);
/* The digest as NUL-terminated lowercase hex text, into `hex` of `capacity` bytes; the
 * handle is then spent: update and final fail with QX_ERR_INVALID_CONTEXT until it is
 * freed. Too small a buffer leaves the digest in progress as it was. */
QX_API int qx_digest_final(qx_digest* digest, char* hex, size_t capacity);
QX_API void qx_digest_free(qx_digest* digest);

/* One message at once. */
QX_API int qx_digest_buffer(uint32_t type, const void* data, size_t length, char* hex, size_t capacity);

/* Many whole messages of one type at once: message i is lengths[i] bytes at data[i], and
 * its digest's text goes to hex + i * stride, which must hold it with its NUL
 * (qx_digest_bits(type) / 4 + 1 bytes; QX_MAX_HEX for any type). MD5, SHA-1 and SHA-256
 * are compressed sixteen side by side where the processor allows, several times faster
 * than one after another. A bad argument is reported before anything is written, and a
 * stride times count beyond the address space is QX_ERR_BUFFER_TOO_SMALL. The texts'
 * buffer must not overlap the messages. */
QX_API int qx_digest_batch(uint32_t type, const void* const* data, const size_t* lengths, size_t count, char* hex,
                           size_t stride);

/* Up to `capacity` type codes in ascending order; returns how many. */
QX_API uint32_t qx_list_types(uint32_t* types, uint32_t capacity);
/* "MD5", "SHA256", ...; NULL for an unknown code. */
QX_API const char* qx_type_name(uint32_t type);
/* The digest's length in bits; 0 for an unknown code. */
QX_API uint32_t qx_digest_bits(uint32_t type);
QX_API const char* qx_error_text(int code);
/* The library's known answers: QX_OK or QX_ERR_TEST_FAILED. */
QX_API int qx_self_test(void);

#ifdef __cplusplus
}
#endif

#endif
