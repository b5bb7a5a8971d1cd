# tesmark_core_library(name folder [deps...])
# A static library of every .cpp in the folder. Core headers are included as
# "model/...", "tables/..." from src/.
function(tesmark_core_library name folder)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${TESMARK_GENERATED_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE tesmark_warnings)
endfunction()

# The Qt side uses the same shape.
function(tesmark_qt_library name folder)
    tesmark_core_library(${name} ${folder} ${ARGN})
endfunction()

# tesmark_test_folder(folder [deps...]): one GoogleTest program per test file
# (tests_<folder>_<file>), each test case registered with CTest. The tests run
# on Qt's offscreen platform and never touch the real user's profile.
function(tesmark_test_folder folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
    file(GLOB support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/support/*.cpp)
    foreach(source ${sources})
        get_filename_component(stem ${source} NAME_WE)
        set(target tests_${folder}_${stem})
        add_executable(${target} ${source} ${support})
        target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest GTest::gmock tesmark_warnings)
        target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
        # Tests that check committed files find the source tree here.
        target_compile_definitions(${target} PRIVATE TESMARK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
        gtest_discover_tests(${target}
            DISCOVERY_MODE PRE_TEST
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()
endfunction()
