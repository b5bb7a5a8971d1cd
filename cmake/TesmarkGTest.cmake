# GoogleTest for the test suite. A native build uses the installed package; a
# cross build compiles GoogleTest from its sources (Debian's googletest puts
# them in /usr/src/googletest) with the same toolchain as the code it tests.
set(TESMARK_GTEST_SOURCE_DIR "" CACHE PATH
    "GoogleTest sources to build with the project (default: /usr/src/googletest when cross-compiling)")
if(NOT TESMARK_GTEST_SOURCE_DIR AND CMAKE_CROSSCOMPILING)
    set(TESMARK_GTEST_SOURCE_DIR /usr/src/googletest)
endif()

if(NOT TESMARK_GTEST_SOURCE_DIR)
    find_package(GTest REQUIRED)
    return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# GoogleTest's own code is not held to the project's warning flags.
add_subdirectory(${TESMARK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
foreach(library gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()
