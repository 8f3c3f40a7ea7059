// The digest functions of other libraries on this machine, for side-by-side timing:
// OpenSSL's libcrypto, libgcrypt, librhash, libmhash, Nettle and zlib.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct PeerDigest {
    std::string library;
    // Digests a message into raw bytes (whatever order the library prints them in).
    std::function<void(const uint8_t* data, size_t length, std::vector<uint8_t>& out)> digest;
    // True when the library's algorithm differs from ours by design (HAVAL's padding).
    bool differentPadding = false;
};

// Every peer implementing a type code of the Quorvix library.
std::vector<PeerDigest> PeersOf(uint32_t type);
