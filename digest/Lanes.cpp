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
template <size_t Block>
struct LaneJob {
    static constexpr size_t kIdle = SIZE_MAX;
    size_t message = kIdle;
    const uint8_t* next = nullptr;  // the next block to compress
    size_t left = 0;                // blocks from `next` on in this stretch
    bool inTail = false;
    size_t tailBlocks = 0;
    alignas(64) uint8_t tail[2 * Block];
};

// The length field is two words; of SHA-384/512's 128 bits, the high 64 stay zero.
template <typename Word, size_t Block>
void LayOutLaneTail(const LaneFamily<Word>& family, const HashMessage& message, LaneJob<Block>& job) {
    const auto* data = static_cast<const uint8_t*>(message.data);
    const size_t rest = size_t(message.length % Block);
    job.tailBlocks = rest + 1 + 2 * sizeof(Word) <= Block ? 1 : 2;
    std::memset(job.tail, 0, Block * job.tailBlocks);  // only the blocks compressed
    if (rest) std::memcpy(job.tail, data + (message.length - rest), rest);
    job.tail[rest] = 0x80;
    uint8_t* field = job.tail + Block * job.tailBlocks - 8;
    const uint64_t bits = message.length << 3;
    family.bigEndian ? StoreBE64(field, bits) : StoreLE64(field, bits);
}

// Feeds the messages through the lanes: a lane whose message ends takes the next one,
// so the lanes stay busy until the last few messages.
template <typename Word>
class LaneScheduler {
    static constexpr size_t kBlock = LaneFamily<Word>::kBlock;
    using Job = LaneJob<kBlock>;

public:
    LaneScheduler(const LaneFamily<Word>& family, LaneFn<Word> compress, unsigned lanes, const HashMessage* messages,
                  size_t count, std::string* digests)
        : family_(family), compress_(compress), lanes_(lanes), messages_(messages), count_(count), digests_(digests) {
        assert(family.words <= 8 && lanes <= kMaxLanes);
        for (unsigned lane = 0; lane < lanes_; ++lane) Start(lane);
    }

    void Run() {
        for (;;) {
            unsigned busy = 0;
            size_t stretch = SIZE_MAX;
            const uint8_t* anyBlocks = nullptr;
            for (unsigned lane = 0; lane < lanes_; ++lane)
                if (const Job& job = jobs_[lane]; job.message != Job::kIdle) {
                    ++busy;
                    stretch = std::min(stretch, job.left);
                    anyBlocks = job.next;
                }
            if (busy == 0) return;
            // A few long messages left: a lane costs a good part of a whole vector's
            // work, so each goes on alone (with four or eight lanes, the last one).
            if (nextMessage_ == count_ && busy < std::max(lanes_ / 4, 2u)) return FinishAlone();
            Compress(stretch, anyBlocks);
        }
    }

private:
    void Start(unsigned lane) {
        Job& job = jobs_[lane];
        if (nextMessage_ == count_) {
            job.message = Job::kIdle;
            return;
        }
        job.message = nextMessage_++;
        const HashMessage& message = messages_[job.message];
        for (unsigned w = 0; w < family_.words; ++w) state_[w * lanes_ + lane] = family_.initial[w];
        LayOutLaneTail(family_, message, job);
        job.next = static_cast<const uint8_t*>(message.data);
        job.left = size_t(message.length / kBlock);
        job.inTail = job.left == 0;
        if (job.inTail) {
            job.next = job.tail;
            job.left = job.tailBlocks;
        }
    }

    void Write(unsigned lane, const Word* hash) {
        std::string& digest = digests_[jobs_[lane].message];
        if constexpr (sizeof(Word) == 4)
            WriteHexWords32(digest, hash, family_.digestWords, family_.bigEndian);
        else
            WriteHexWords64(digest, hash, family_.digestWords, family_.bigEndian);
    }

    void LaneHash(unsigned lane, Word (&hash)[8]) const {
        for (unsigned w = 0; w < family_.words; ++w) hash[w] = state_[w * lanes_ + lane];
    }

    // `stretch` blocks of every lane; an idle lane repeats a busy lane's blocks, which
    // are there for the whole stretch. Then each lane moves on: to its tail, or to the
    // next message.
    void Compress(size_t stretch, const uint8_t* anyBlocks) {
        const uint8_t* data[kMaxLanes];
        for (unsigned lane = 0; lane < lanes_; ++lane)
            data[lane] = jobs_[lane].message != Job::kIdle ? jobs_[lane].next : anyBlocks;
        compress_(state_, data, stretch);
        for (unsigned lane = 0; lane < lanes_; ++lane) {
            Job& job = jobs_[lane];
            if (job.message == Job::kIdle) continue;
            job.next += kBlock * stretch;
            job.left -= stretch;
            if (job.left > 0) continue;
            if (!job.inTail) {
                job.inTail = true;
                job.next = job.tail;
                job.left = job.tailBlocks;
                continue;
            }
            Word hash[8];
            LaneHash(lane, hash);
            Write(lane, hash);
            Start(lane);
        }
    }

    void FinishAlone() {
        for (unsigned lane = 0; lane < lanes_; ++lane) {
            const Job& job = jobs_[lane];
            if (job.message == Job::kIdle) continue;
            Word hash[8];
            LaneHash(lane, hash);
            family_.single(hash, job.next, job.left);
            if (!job.inTail) family_.single(hash, job.tail, job.tailBlocks);
            Write(lane, hash);
        }
    }

    const LaneFamily<Word>& family_;
    const LaneFn<Word> compress_;
    const unsigned lanes_;
    const HashMessage* messages_;
    const size_t count_;
    std::string* digests_;
    alignas(64) Word state_[8 * kMaxLanes];
    Job jobs_[kMaxLanes];
    size_t nextMessage_ = 0;
};

}  // namespace

namespace {
template <typename Word>
struct LanesChosen {
    LaneFn<Word> compress = nullptr;
    unsigned lanes = 1;
};

template <typename Word>
LanesChosen<Word> LanesInUse(const LaneFamily<Word>& family) {
    if (family.avx512 && Cpu().avx512) return {family.avx512, family.avx512Lanes};
    const bool besideSha = family.besideSha == LanesBesideSha::Always ||
                           (family.besideSha == LanesBesideSha::WhereUnitShared && Cpu().sharedShaUnit);
    if (family.avx2 && Cpu().avx2 && (!Cpu().sha || besideSha)) return {family.avx2, family.avx2Lanes};
    return {};
}
}  // namespace

template <typename Word>
unsigned LaneCount(const LaneFamily<Word>& family) {
    return LanesInUse(family).lanes;
}

template <typename Word>
void DigestInLanes(const LaneFamily<Word>& family, const HashMessage* messages, size_t count, std::string* digests) {
    const LanesChosen<Word> chosen = LanesInUse(family);
    LaneScheduler<Word>(family, chosen.compress, chosen.lanes, messages, count, digests).Run();
}

template unsigned LaneCount(const LaneFamily<uint32_t>&);
template unsigned LaneCount(const LaneFamily<uint64_t>&);
template void DigestInLanes(const LaneFamily<uint32_t>&, const HashMessage*, size_t, std::string*);
template void DigestInLanes(const LaneFamily<uint64_t>&, const HashMessage*, size_t, std::string*);

}  // namespace quorvix::digest
