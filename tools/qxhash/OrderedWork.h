// Work on many items at once with the results taken in the items' order: qxhash
// digests several files on all processors and still prints their lines in argument
// order. Memory stays bounded: at most `window` items are read ahead, and each worker
// reads through its own buffer.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "FileDigest.h"

// Takes items from `next` until it has none, runs `work` on each on one of `workers`
// threads (on this thread alone when `workers` is 1), and hands each item with its
// result to `deliver`, on this thread, in the order `next` gave them. When `deliver`
// returns false no further item is started.
template <typename Item, typename Result>
void RunInOrder(unsigned workers, size_t window, const std::function<std::optional<Item>()>& next,
                const std::function<Result(const Item&, ReadBuffer&)>& work,
                const std::function<bool(Item&, Result&)>& deliver) {
    if (workers <= 1) {
        ReadBuffer buffer;
        while (std::optional<Item> item = next()) {
            Result result = work(*item, buffer);
            if (!deliver(*item, result)) return;
        }
        return;
    }
    enum class State { Waiting, Running, Done, Dropped };
    struct Slot {
        Item item;
        std::optional<Result> result;
        State state = State::Waiting;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Slot> slots;  // in order; a deque keeps the others in place when the first goes
    bool finished = false;
    const auto worker = [&] {
        ReadBuffer buffer;
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            auto slot = slots.end();
            changed.wait(lock, [&] {
                slot = std::find_if(slots.begin(), slots.end(), [](const Slot& s) { return s.state == State::Waiting; });
                return finished || slot != slots.end();
            });
            if (slot == slots.end()) return;
            slot->state = State::Running;
            Slot& mine = *slot;
            lock.unlock();
            Result result = work(mine.item, buffer);
            lock.lock();
            mine.result = std::move(result);
            mine.state = State::Done;
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < workers; ++i) threads.emplace_back(worker);

    bool more = true, stopped = false;
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopped) {
        while (more && slots.size() < window) {
            lock.unlock();
            std::optional<Item> item = next();
            lock.lock();
            if (!item) {
                more = false;
                break;
            }
            slots.push_back(Slot{std::move(*item), std::nullopt, State::Waiting});
            changed.notify_all();
        }
        if (slots.empty()) break;
        changed.wait(lock, [&] { return slots.front().state == State::Done; });
        Slot done = std::move(slots.front());
        slots.pop_front();
        lock.unlock();
        stopped = !deliver(done.item, *done.result);
        lock.lock();
    }
    // Items not yet started are dropped; those under way finish first (the workers
    // hold on to their slots, so none is removed before).
    for (Slot& slot : slots)
        if (slot.state == State::Waiting) slot.state = State::Dropped;
    finished = true;
    changed.notify_all();
    changed.wait(lock, [&] { return std::none_of(slots.begin(), slots.end(), [](const Slot& s) { return s.state == State::Running; }); });
    lock.unlock();
    for (std::thread& thread : threads) thread.join();
}
