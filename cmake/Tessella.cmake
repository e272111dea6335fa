# Shared build settings for every Tessella target.

# Warnings are errors in the test and CI builds (scripts/test.sh turns
# TESSELLA_WERROR on); a distributor's build with another compiler or
# optimisation level only warns.
option(TESSELLA_WERROR "Treat compiler warnings as errors" OFF)
set(TESSELLA_WARNINGS -Wall -Wextra)
if(TESSELLA_WERROR)
  list(APPEND TESSELLA_WARNINGS -Werror)
  # GCC 12 at -O3 (Release) reports false overlaps and overflows inside
  # std::string's inlined code; in that configuration these kinds stay
  # warnings, everywhere else (and every other kind) they are errors.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND TESSELLA_WARNINGS
      $<$<CONFIG:Release>:-Wno-error=restrict>
      $<$<CONFIG:Release>:-Wno-error=stringop-overflow>
      $<$<CONFIG:Release>:-Wno-error=stringop-overread>
      $<$<CONFIG:Release>:-Wno-error=array-bounds>)
  endif()
endif()

if(TESSELLA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TESSELLA_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  # Every library is instrumented for coverage; only the fuzz targets link
  # libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(TESSELLA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# tessella_sources(<var> <dir>): every .cpp/.h below <dir>/src and the public
# headers of <dir>/include, so that adding a file needs no CMake edit.
function(tessella_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       ${dir}/src/*.cpp ${dir}/src/*.h ${dir}/include/*.h)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# tessella_shared_library(<target> <export-base>): a shared library with hidden
# symbols by default, a generated export header <target>_export.h and an
# install rule.
function(tessella_shared_library target base)
  tessella_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR})
  add_library(${target} SHARED ${srcs})
  generate_export_header(${target} BASE_NAME ${base}
    EXPORT_FILE_NAME ${CMAKE_CURRENT_BINARY_DIR}/include/${target}_export.h)
  target_include_directories(${target} PUBLIC
    ${CMAKE_CURRENT_SOURCE_DIR}/include ${CMAKE_CURRENT_BINARY_DIR}/include
    PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE ${TESSELLA_WARNINGS})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  # Private to the program: beside each other in their own folder, found
  # through the run path, without the development link name.
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} LIBRARY DESTINATION ${TESSELLA_PRIVATE_LIBDIR} NAMELINK_SKIP)
endfunction()

# tessella_static_library(<target>): a static library of plain C++ that the
# program links (cutting, sprites, game core).
function(tessella_static_library target)
  tessella_sources(srcs ${CMAKE_CURRENT_SOURCE_DIR})
  add_library(${target} STATIC ${srcs})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include
    PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE ${TESSELLA_WARNINGS})
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# tessella_tests(<name> LIBS <libs...>): one GoogleTest executable built from
# every .cpp below tests/ of the current folder (sub-folders mirror src/). Widget tests run on Qt's offscreen
# platform, without a sound device, and keep their settings, registry and
# per-user data inside the build tree so they never touch the user's files.
function(tessella_tests name)
  if(NOT TESSELLA_TESTS)
    return()
  endif()
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.h)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_options(${name} PRIVATE ${TESSELLA_WARNINGS})
  target_compile_definitions(${name} PRIVATE
    TESSELLA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TESSELLA_BINARY_DIR="${PROJECT_BINARY_DIR}"
    TESSELLA_TEST_OUTPUT="${PROJECT_BINARY_DIR}/test-artifacts")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;TESSELLA_REGISTRY=${PROJECT_BINARY_DIR}/test-artifacts/${name}.registry;XDG_DATA_HOME=${PROJECT_BINARY_DIR}/test-artifacts/${name}.data;XDG_CONFIG_HOME=${PROJECT_BINARY_DIR}/test-artifacts/${name}.config")
endfunction()

# tessella_benchmark(<name> [QT_MAIN] LIBS <libs...>): a Google Benchmark
# executable from bench/<name>.cpp of the current folder; with QT_MAIN it gets
# the shared main that runs the benchmarks inside an offscreen QApplication.
function(tessella_benchmark name)
  if(NOT TESSELLA_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(B "QT_MAIN" "" "LIBS" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/bench/${name}.cpp)
  if(B_QT_MAIN)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/QtBenchMain.cpp)
  endif()
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  target_compile_options(${name} PRIVATE ${TESSELLA_WARNINGS})
  target_compile_definitions(${name} PRIVATE TESSELLA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()
