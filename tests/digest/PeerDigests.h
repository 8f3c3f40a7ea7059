// Independent implementations used as test oracles: libgcrypt, OpenSSL's libcrypto,
// zlib, and a bit-at-a-time CRC-32/BZIP2 written from the definition.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PeerHash {
public:
    virtual ~PeerHash() = default;
    virtual void Update(const uint8_t* data, size_t length) = 0;
    // The digest in the print form of the library's type code.
    virtual std::string Final() = 0;
    virtual const char* Name() const = 0;
};

// Every available peer for a type code (possibly none).
std::vector<std::unique_ptr<PeerHash>> PeersFor(uint32_t type);
