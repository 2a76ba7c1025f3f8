#pragma once

// Whether this build checks memory with AddressSanitizer, and its poisoning marks; the marks do
// nothing outside such a build, and a compiler without the sanitizer (MinGW's) has no header for
// them.
#if defined(__SANITIZE_ADDRESS__)
#define VALDREN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VALDREN_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef VALDREN_ADDRESS_SANITIZER
#define VALDREN_ADDRESS_SANITIZER 0
#endif

#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif

namespace valdren {

inline constexpr bool kAddressSanitizer = VALDREN_ADDRESS_SANITIZER;

}  // namespace valdren
