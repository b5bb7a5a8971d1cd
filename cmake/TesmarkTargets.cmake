# tesmark_core_library(name folder [deps...])
# A static library of every .cpp in the folder, compiled without Qt. The core
# headers are included as "model/...", "tables/..." from src/.
function(tesmark_core_library name folder)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE tesmark_warnings)
endfunction()

# tesmark_qt_library(name folder [deps...]): the same for the Qt side.
function(tesmark_qt_library name folder)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE tesmark_warnings)
endfunction()

# tesmark_test_folder(folder [deps...]): one GoogleTest program per test folder,
# each test case registered with CTest. Qt-based tests run on the offscreen
# platform and never touch the real user's profile.
function(tesmark_test_folder folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target tests_${folder})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gmock tesmark_warnings)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TESMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
