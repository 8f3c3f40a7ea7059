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
void RunInOrder(unsigned threads, size_t window, const std::function<std::optional<Item>()>& next,
                const std::function<void(const Item&, Result&, ReadBuffer&)>& work,
                const std::function<bool(Item&, Result&)>& deliver) {
    ReadBuffer ownBuffer;
    if (threads <= 1) {
        Result result;
        while (std::optional<Item> item = next()) {
            work(*item, result, ownBuffer);
            if (!deliver(*item, result)) return;
        }
        return;
    }
    struct Slot {
        std::optional<Item> item;
        Result result;
        std::atomic<bool> done{false};
    };
    const size_t size = window;
    const auto slots = std::make_unique<Slot[]>(size);
    std::atomic<size_t> produced{0};  // items placed in the ring
    std::atomic<size_t> claimed{0};   // items started
    std::atomic<bool> finished{false};

    // Claims the next item if there is one; its number, or none.
    const auto claim = [&]() -> std::optional<size_t> {
        size_t c = claimed.load(std::memory_order_relaxed);
        while (c < produced.load(std::memory_order_acquire))
            if (claimed.compare_exchange_weak(c, c + 1, std::memory_order_acq_rel)) return c;
        return std::nullopt;
    };
    const auto run = [&](size_t number, ReadBuffer& buffer) {
        Slot& slot = slots[number % size];
        work(*slot.item, slot.result, buffer);
        slot.done.store(true, std::memory_order_release);
        slot.done.notify_one();
    };
    const auto helper = [&] {
        ReadBuffer buffer;
        for (;;) {
            const size_t seen = produced.load(std::memory_order_acquire);
            if (const std::optional<size_t> number = claim()) {
                run(*number, buffer);
                continue;
            }
            if (finished.load(std::memory_order_acquire)) return;
            produced.wait(seen, std::memory_order_acquire);  // until more items come, or the end
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads; ++i) helpers.emplace_back(helper);

    size_t delivered = 0;
    bool more = true;
    for (;;) {
        // Read ahead, the ring's free slots being those already delivered: refilled once
        // half of it is free, so that a helper out of work sleeps once per half ring,
        // not once per item.
        size_t p = produced.load(std::memory_order_relaxed);
        const size_t before = p;
        while (more && p < delivered + size && (p != before || p - delivered <= size / 2)) {
            std::optional<Item> item = next();
            if (!item) {
                more = false;
                break;
            }
            Slot& slot = slots[p % size];
            slot.item = std::move(item);
            slot.done.store(false, std::memory_order_relaxed);
            produced.store(++p, std::memory_order_release);
            if (p - before == 16) produced.notify_all();  // the first few wake the others early
        }
        if (p != before) produced.notify_all();
        if (delivered == p) break;
        // Until the next result is there, work on whatever is left to claim.
        Slot& front = slots[delivered % size];
        while (!front.done.load(std::memory_order_acquire)) {
            if (const std::optional<size_t> number = claim())
                run(*number, ownBuffer);
            else
                front.done.wait(false, std::memory_order_acquire);
        }
        const bool go = deliver(*front.item, front.result);
        front.item.reset();
        ++delivered;
        if (!go) break;
    }
    // Stop: nothing further can be claimed (claimed is put past anything produced), the
    // helpers are woken (produced changes, so no wait misses it) and go; the items they
    // had started finish first.
    const size_t placed = produced.load();
    size_t started = claimed.load();
    while (!claimed.compare_exchange_weak(started, placed + size + 1)) {
    }
    finished.store(true, std::memory_order_release);
    produced.fetch_add(1, std::memory_order_release);
    produced.notify_all();
    for (std::thread& thread : helpers) thread.join();
}
