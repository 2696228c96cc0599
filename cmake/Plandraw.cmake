# Shared helpers for the subsystem libraries and their tests.

# plandraw_library(<name> DEPS <targets...>)
# A static library made of every source in the calling folder.
function(plandraw_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

set(PLANDRAW_FIXTURES_DIR "${CMAKE_SOURCE_DIR}/../shared/fixtures/visio")
set(PLANDRAW_TRUTH_DIR "${CMAKE_SOURCE_DIR}/../shared/fixtures/truth")

# plandraw_test(<name> SOURCES <files...> LIBS <targets...>)
# A QtTest executable run by CTest on the offscreen platform, with HOME and
# the XDG folders pointed at a private scratch folder.
function(plandraw_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        PLANDRAW_FIXTURES_DIR="${PLANDRAW_FIXTURES_DIR}"
        PLANDRAW_TRUTH_DIR="${PLANDRAW_TRUTH_DIR}"
        PLANDRAW_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
    set(home "${CMAKE_BINARY_DIR}/test-home/${name}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_STATE_HOME=${home}/.local/state;XDG_CACHE_HOME=${home}/.cache;XDG_DATA_HOME=${home}/.local/share")
endfunction()

# Adds every direct subfolder of the calling folder that has a CMakeLists.txt.
function(plandraw_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()
