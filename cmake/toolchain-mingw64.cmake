# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which std::thread and std::mutex need), e.g.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DTESMARK_CORE_ONLY=ON
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESMARK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESMARK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESMARK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TESMARK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESMARK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime (libstdc++, libgcc, winpthread) goes into every program, so the
# test programs run under Wine without MinGW's DLLs on the path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest (and test discovery) starts the programs through Wine when it is there.
find_program(TESMARK_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TESMARK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TESMARK_WINE})
endif()
