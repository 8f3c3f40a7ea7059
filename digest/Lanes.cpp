#include "Lanes.h"

#include <algorithm>
#include <cstring>

#include "Blocks.h"
#include "CryptoAPI.h"
#include "Hex.h"
#include "Words.h"

namespace quorvix::digest {

namespace {

// What one lane is doing: the blocks of a message straight from the caller's memory,
// then its last one or two blocks (tail, padding, length) laid out here.
struct LaneJob {
    static constexpr size_t kIdle = SIZE_MAX;
    size_t message = kIdle;
    const uint8_t* next = nullptr;  // the next block to compress
    size_t left = 0;                // blocks from `next` on in this stretch
    bool inTail = false;
    size_t tailBlocks = 0;
    alignas(64) uint8_t tail[128];
};

void LayOutLaneTail(const LaneFamily& family, const HashMessage& message, LaneJob& job) {
    const auto* data = static_cast<const uint8_t*>(message.data);
    const size_t rest = size_t(message.length % 64);
    std::memset(job.tail, 0, sizeof job.tail);
    if (rest) std::memcpy(job.tail, data + (message.length - rest), rest);
    job.tail[rest] = 0x80;
    job.tailBlocks = rest + 1 + 8 <= 64 ? 1 : 2;
    uint8_t* field = job.tail + 64 * job.tailBlocks - 8;
    const uint64_t bits = message.length << 3;
    family.bigEndian ? StoreBE64(field, bits) : StoreLE64(field, bits);
}

void RunLanes(const LaneFamily& family, LaneFn compress, const HashMessage* messages, size_t count,
              std::string* digests) {
    alignas(64) uint32_t state[8 * kLanes];
    LaneJob jobs[kLanes];
    size_t nextMessage = 0;
    const auto start = [&](unsigned lane) {
        LaneJob& job = jobs[lane];
        if (nextMessage == count) {
            job.message = LaneJob::kIdle;
            return;
        }
        job.message = nextMessage++;
        const HashMessage& message = messages[job.message];
        for (unsigned w = 0; w < family.words; ++w) state[w * kLanes + lane] = family.initial[w];
        LayOutLaneTail(family, message, job);
        job.next = static_cast<const uint8_t*>(message.data);
        job.left = size_t(message.length / 64);
        job.inTail = job.left == 0;
        if (job.inTail) {
            job.next = job.tail;
            job.left = job.tailBlocks;
        }
    };
    const auto write = [&](const LaneJob& job, const uint32_t* hash) {
        WriteHexWords32(digests[job.message], hash, family.words, family.bigEndian);
    };
    for (unsigned lane = 0; lane < kLanes; ++lane) start(lane);
    for (;;) {
        unsigned busy = 0;
        size_t stretch = SIZE_MAX;
        const uint8_t* anyBlocks = nullptr;
        for (const LaneJob& job : jobs)
            if (job.message != LaneJob::kIdle) {
                ++busy;
                stretch = std::min(stretch, job.left);
                anyBlocks = job.next;
            }
        if (busy == 0) return;
        // A few long messages left: a lane costs a good part of a whole vector's work,
        // so each goes on alone.
        if (nextMessage == count && busy < kLanes / 4) {
            for (unsigned lane = 0; lane < kLanes; ++lane) {
                LaneJob& job = jobs[lane];
                if (job.message == LaneJob::kIdle) continue;
                uint32_t hash[8];
                for (unsigned w = 0; w < family.words; ++w) hash[w] = state[w * kLanes + lane];
                family.single(hash, job.next, job.left);
                if (!job.inTail) family.single(hash, job.tail, job.tailBlocks);
                write(job, hash);
            }
            return;
        }
        // An idle lane repeats a busy lane's blocks, which are there for the whole stretch.
        const uint8_t* data[kLanes];
        for (unsigned lane = 0; lane < kLanes; ++lane)
            data[lane] = jobs[lane].message != LaneJob::kIdle ? jobs[lane].next : anyBlocks;
        compress(state, data, stretch);
        for (unsigned lane = 0; lane < kLanes; ++lane) {
            LaneJob& job = jobs[lane];
            if (job.message == LaneJob::kIdle) continue;
            job.next += 64 * stretch;
            job.left -= stretch;
            if (job.left > 0) continue;
            if (!job.inTail) {
                job.inTail = true;
                job.next = job.tail;
                job.left = job.tailBlocks;
                continue;
            }
            uint32_t hash[8];
            for (unsigned w = 0; w < family.words; ++w) hash[w] = state[w * kLanes + lane];
            write(job, hash);
            start(lane);
        }
    }
}

}  // namespace

namespace {
LaneFn LanesInUse(const LaneFamily& family) {
    if (family.avx512 && Cpu().avx512) return family.avx512;
    if (family.avx2 && Cpu().avx2 && !(family.avx2OnlyWithoutSha && Cpu().sha)) return family.avx2;
    return nullptr;
}
}  // namespace

unsigned LaneCount(const LaneFamily& family) { return LanesInUse(family) ? kLanes : 1; }

void DigestInLanes(const LaneFamily& family, const HashMessage* messages, size_t count, std::string* digests) {
    RunLanes(family, LanesInUse(family), messages, count, digests);
}

}  // namespace quorvix::digest
