#pragma once
// The name of the platform this program is built for, as the window title
// and the version texts show it ("Tesmark for Linux"). The build may set
// TESMARK_PLATFORM_NAME itself; otherwise the compiler's own platform macros
// decide.
#ifndef TESMARK_PLATFORM_NAME
#if defined(_WIN32)
#define TESMARK_PLATFORM_NAME "Windows"
#elif defined(__APPLE__)
#define TESMARK_PLATFORM_NAME "macOS"
#elif defined(__linux__)
#define TESMARK_PLATFORM_NAME "Linux"
#elif defined(__FreeBSD__)
#define TESMARK_PLATFORM_NAME "FreeBSD"
#elif defined(__OpenBSD__)
#define TESMARK_PLATFORM_NAME "OpenBSD"
#elif defined(__NetBSD__)
#define TESMARK_PLATFORM_NAME "NetBSD"
#else
#define TESMARK_PLATFORM_NAME "Unix"
#endif
#endif

namespace tesmark {

inline constexpr const char* kPlatformName = TESMARK_PLATFORM_NAME;

}  // namespace tesmark
