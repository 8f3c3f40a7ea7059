// Every implementation of a digest type on this machine, each as a context that is
// made once and used for message after message, as a program digesting many messages
// uses it: the Quorvix library, OpenSSL's libcrypto, libgcrypt, librhash, libmhash,
// Nettle and zlib.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "digest/Cpu.h"

using namespace quorvix::digest;

class Implementation {
public:
    virtual ~Implementation() = default;
    virtual void Init() = 0;
    virtual void Update(const uint8_t* data, size_t length) = 0;
    // The library's own final: raw bytes for the others, the hex text for ours.
    virtual void Final() = 0;
    // The final's digest as hex text in our library's byte order and length, for the
    // checks before timing (not timed).
    virtual std::string OurHex() const = 0;
    // The final's digest as bytes, for the others' hex text (ours makes its own).
    virtual const uint8_t* Bytes() const { return nullptr; }
    virtual size_t ByteCount() const { return 0; }

    std::string library;
    std::string note;               // "Tiger-192 cut", "3 passes"
    bool differentPadding = false;  // mhash's HAVAL pads with 0x01 where ours pads with 0x80
};

// A row of the benchmark: a type code, with a pass count for HAVAL beyond the default.
struct DigestRow {
    uint32_t type;
    uint32_t passes;  // 0: the type's default
    std::string Name() const;
};

std::vector<DigestRow> AllRows();
std::unique_ptr<Implementation> Ours(const DigestRow& row);
std::vector<std::unique_ptr<Implementation>> Peers(const DigestRow& row);

// The instruction-set level our library uses in this run.
CpuLevel LevelInUse();
