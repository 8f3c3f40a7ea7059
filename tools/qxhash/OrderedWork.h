// Work on many items at once with the results taken in the items' order: qxhash
// digests several files on all processors and still prints their lines in argument
// order. Memory stays bounded: at most `window` items are read ahead, and each thread
// reads through its own buffer.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "FileDigest.h"

// Takes items from `next` until it has none, runs `work` on each on one of `threads`
// threads (this one among them), and hands each item with its result to `deliver`, on
// this thread, in the order `next` gave them. When `deliver` returns false no further
// item is started.
//
// A digest of a small file takes a few microseconds, so handing items over must cost
// far less: no lock, only counters. Items sit in a ring; whoever is free claims the
// next one by raising `claimed`. This thread reads ahead and, until the next result to
// deliver is there, works on items like the others. Threads sleep (atomic wait, a
// system call only when someone does wait) only when nothing is there to claim.
// `work` writes into a Result that is reused from item to item.
template <typename Item, typename Result>
class OrderedRing {
public:
    using Next = std::function<std::optional<Item>()>;
    using Work = std::function<void(const Item&, Result&, ReadBuffer&)>;
    using Deliver = std::function<bool(Item&, Result&)>;

    OrderedRing(size_t window, const Work& work) : size_(window), slots_(std::make_unique<Slot[]>(window)), work_(work) {}

    // A helper thread: works on whatever can be claimed, sleeps while nothing can, and
    // goes when the run is finished.
    void Help() {
        ReadBuffer buffer;
        for (;;) {
            const size_t seen = produced_.load(std::memory_order_acquire);
            if (const std::optional<size_t> number = Claim()) {
                RunItem(*number, buffer);
                continue;
            }
            if (finished_.load(std::memory_order_acquire)) return;
            produced_.wait(seen, std::memory_order_acquire);  // until more items come, or the end
        }
    }

    // This thread's part: reads ahead, works while the next result is not there, and
    // delivers in order.
    void Lead(const Next& next, const Deliver& deliver) {
        ReadBuffer buffer;
        for (;;) {
            ReadAhead(next);
            const size_t p = produced_.load(std::memory_order_relaxed);
            if (delivered_ == p) break;
            Slot& front = slots_[delivered_ % size_];
            WaitFor(front, buffer);
            const bool go = deliver(*front.item, front.result);
            front.item.reset();
            ++delivered_;
            if (!go) break;
        }
    }

    // Nothing further can be claimed (claimed is put past anything produced), the
    // helpers are woken (produced changes, so no wait misses it) and go; the items they
    // had started finish before they do.
    void Stop() {
        const size_t placed = produced_.load();
        size_t started = claimed_.load();
        while (!claimed_.compare_exchange_weak(started, placed + size_ + 1)) {
        }
        finished_.store(true, std::memory_order_release);
        produced_.fetch_add(1, std::memory_order_release);
        produced_.notify_all();
    }

private:
    struct Slot {
        std::optional<Item> item;
        Result result;
        std::atomic<bool> done{false};
    };

    // Claims the next item if there is one; its number, or none.
    std::optional<size_t> Claim() {
        size_t c = claimed_.load(std::memory_order_relaxed);
        while (c < produced_.load(std::memory_order_acquire))
            if (claimed_.compare_exchange_weak(c, c + 1, std::memory_order_acq_rel)) return c;
        return std::nullopt;
    }

    void RunItem(size_t number, ReadBuffer& buffer) {
        Slot& slot = slots_[number % size_];
        work_(*slot.item, slot.result, buffer);
        slot.done.store(true, std::memory_order_release);
        slot.done.notify_one();
    }

    // Fills the ring's free slots, those already delivered: refilled once half of it is
    // free, so that a helper out of work sleeps once per half ring, not once per item.
    void ReadAhead(const Next& next) {
        size_t p = produced_.load(std::memory_order_relaxed);
        const size_t before = p;
        while (more_ && p < delivered_ + size_ && (p != before || p - delivered_ <= size_ / 2)) {
            std::optional<Item> item = next();
            if (!item) {
                more_ = false;
                break;
            }
            Slot& slot = slots_[p % size_];
            slot.item = std::move(item);
            slot.done.store(false, std::memory_order_relaxed);
            produced_.store(++p, std::memory_order_release);
            if (p - before == 16) produced_.notify_all();  // the first few wake the others early
        }
        if (p != before) produced_.notify_all();
    }

    // Until the slot's result is there, works on whatever is left to claim.
    void WaitFor(Slot& slot, ReadBuffer& buffer) {
        while (!slot.done.load(std::memory_order_acquire)) {
            if (const std::optional<size_t> number = Claim())
                RunItem(*number, buffer);
            else
                slot.done.wait(false, std::memory_order_acquire);
        }
    }

    const size_t size_;
    const std::unique_ptr<Slot[]> slots_;
    const Work& work_;
    std::atomic<size_t> produced_{0};  // items placed in the ring
    std::atomic<size_t> claimed_{0};   // items started
    std::atomic<bool> finished_{false};
    size_t delivered_ = 0;  // this thread's alone
    bool more_ = true;
};

template <typename Item, typename Result>
void RunInOrder(unsigned threads, size_t window, const std::function<std::optional<Item>()>& next,
                const std::function<void(const Item&, Result&, ReadBuffer&)>& work,
                const std::function<bool(Item&, Result&)>& deliver) {
    if (threads <= 1) {
        ReadBuffer buffer;
        Result result;
        while (std::optional<Item> item = next()) {
            work(*item, result, buffer);
            if (!deliver(*item, result)) return;
        }
        return;
    }
    OrderedRing<Item, Result> ring(window, work);
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads; ++i) helpers.emplace_back([&ring] { ring.Help(); });
    ring.Lead(next, deliver);
    ring.Stop();
    for (std::thread& thread : helpers) thread.join();
}
