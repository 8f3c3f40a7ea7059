// The x86 vector intrinsics, for the units with fast paths; QUORVIX_X86 marks where
// they are built.
#pragma once

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUORVIX_X86 1
// GCC 12's AVX-512 intrinsics warn of an uninitialised variable of their own when they
// are inlined (fixed in GCC 13); the warning is placed in the header, so it is turned
// off for the header's text only.
#pragma GCC diagnostic push
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif
