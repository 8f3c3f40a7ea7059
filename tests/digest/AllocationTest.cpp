// A digest costs no allocation: the state is held in the context. This program counts
// every operator new of the thread that digests, from its first digest on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <thread>

#include "DigestTestSupport.h"

namespace {
thread_local size_t allocations = 0;
}

// The replacements pair malloc with free themselves; GCC cannot tell them from a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void* operator new(size_t size, std::align_val_t alignment) {
    ++allocations;
    const size_t align = size_t(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete(void* memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void* memory, size_t, std::align_val_t) noexcept { std::free(memory); }

TEST(Allocation, NoDigestAllocatesFromItsFirstOn) {
    // A thread of its own, so that nothing an earlier digest left behind can serve it.
    std::thread([] {
        const auto types = AllTypes();
        std::string digest;
        digest.reserve(128);
        const std::string message(1000, 'q');
        const size_t before = allocations;
        for (uint32_t type : types)
            for (uint32_t length : {0u, 1u, 64u, 1000u}) {
                HashContext context{};
                ASSERT_EQ(HashInit(&context, type), HASH_ERR_NONE);
                ASSERT_EQ(HashUpdate(&context, message.data(), length), HASH_ERR_NONE);
                ASSERT_EQ(HashFinal(&context, digest), HASH_ERR_NONE);
                EXPECT_EQ(allocations, before) << HashTypeName(type) << ", " << length << " bytes";
            }
    }).join();
}
