#include "Lanes.h"

#include <algorithm>
#include <cassert>
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

// Feeds the messages through the lanes: a lane whose message ends takes the next one,
// so the lanes stay busy until the last few messages.
class LaneScheduler {
public:
    LaneScheduler(const LaneFamily& family, LaneFn compress, const HashMessage* messages, size_t count,
                  std::string* digests)
        : family_(family), compress_(compress), messages_(messages), count_(count), digests_(digests) {
        assert(family.words <= 8);
        for (unsigned lane = 0; lane < kLanes; ++lane) Start(lane);
    }

    void Run() {
        for (;;) {
            unsigned busy = 0;
            size_t stretch = SIZE_MAX;
            const uint8_t* anyBlocks = nullptr;
            for (const LaneJob& job : jobs_)
                if (job.message != LaneJob::kIdle) {
                    ++busy;
                    stretch = std::min(stretch, job.left);
                    anyBlocks = job.next;
                }
            if (busy == 0) return;
            // A few long messages left: a lane costs a good part of a whole vector's
            // work, so each goes on alone.
            if (nextMessage_ == count_ && busy < kLanes / 4) return FinishAlone();
            Compress(stretch, anyBlocks);
        }
    }

private:
    void Start(unsigned lane) {
        LaneJob& job = jobs_[lane];
        if (nextMessage_ == count_) {
            job.message = LaneJob::kIdle;
            return;
        }
        job.message = nextMessage_++;
        const HashMessage& message = messages_[job.message];
        for (unsigned w = 0; w < family_.words; ++w) state_[w * kLanes + lane] = family_.initial[w];
        LayOutLaneTail(family_, message, job);
        job.next = static_cast<const uint8_t*>(message.data);
        job.left = size_t(message.length / 64);
        job.inTail = job.left == 0;
        if (job.inTail) {
            job.next = job.tail;
            job.left = job.tailBlocks;
        }
    }

    void Write(unsigned lane, const uint32_t* hash) {
        WriteHexWords32(digests_[jobs_[lane].message], hash, family_.words, family_.bigEndian);
    }

    void LaneHash(unsigned lane, uint32_t (&hash)[8]) const {
        for (unsigned w = 0; w < family_.words; ++w) hash[w] = state_[w * kLanes + lane];
    }

    // `stretch` blocks of every lane; an idle lane repeats a busy lane's blocks, which
    // are there for the whole stretch. Then each lane moves on: to its tail, or to the
    // next message.
    void Compress(size_t stretch, const uint8_t* anyBlocks) {
        const uint8_t* data[kLanes];
        for (unsigned lane = 0; lane < kLanes; ++lane)
            data[lane] = jobs_[lane].message != LaneJob::kIdle ? jobs_[lane].next : anyBlocks;
        compress_(state_, data, stretch);
        for (unsigned lane = 0; lane < kLanes; ++lane) {
            LaneJob& job = jobs_[lane];
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
            LaneHash(lane, hash);
            Write(lane, hash);
            Start(lane);
        }
    }

    void FinishAlone() {
        for (unsigned lane = 0; lane < kLanes; ++lane) {
            const LaneJob& job = jobs_[lane];
            if (job.message == LaneJob::kIdle) continue;
            uint32_t hash[8];
            LaneHash(lane, hash);
            family_.single(hash, job.next, job.left);
            if (!job.inTail) family_.single(hash, job.tail, job.tailBlocks);
            Write(lane, hash);
        }
    }

    const LaneFamily& family_;
    const LaneFn compress_;
    const HashMessage* messages_;
    const size_t count_;
    std::string* digests_;
    alignas(64) uint32_t state_[8 * kLanes];
    LaneJob jobs_[kLanes];
    size_t nextMessage_ = 0;
};

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
    LaneScheduler(family, LanesInUse(family), messages, count, digests).Run();
}

}  // namespace quorvix::digest
