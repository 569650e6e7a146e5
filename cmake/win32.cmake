# Windows build, PE32 (toolchain-win32.cmake) or PE32+ (toolchain-win64.cmake):
# Vesk.exe and the test programs that run under Wine.
set(VESK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")
# Static runtime so that the programs need only system DLLs.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

file(GLOB_RECURSE VESK_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(vesk_win32 STATIC ${VESK_WIN32_SOURCES})
# comctl32, comdlg32, shell32 and winmm are bound at their first call (late_calls.h).
target_link_libraries(vesk_win32 PUBLIC vesk_core user32 gdi32 advapi32)

# The windows and controls, without the program entry, so that the Wine tests
# link them too; the *_model.cpp files are already part of vesk_core.
file(GLOB_RECURSE VESK_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
list(FILTER VESK_UI_SOURCES EXCLUDE REGEX "(_model\\.cpp|/src/ui/main/entry\\.cpp)$")
add_library(vesk_ui STATIC ${VESK_UI_SOURCES})
target_link_libraries(vesk_ui PUBLIC vesk_win32)
add_executable(Vesk WIN32 src/ui/main/entry.cpp resources/vesk.rc)
target_link_libraries(Vesk PRIVATE vesk_ui)
# Shipped without its symbol table (more than half the file); the test
# programs keep theirs for Wine's backtraces. Sections sit at page offsets in
# the file, as in memory: Wine then maps the image from the file instead of
# reading it into private memory, 0.7 MB less PagefileUsage for 21 KB of
# padding.
target_link_options(Vesk PRIVATE -s -Wl,--stack,1048576 -Wl,--file-alignment,4096)
include(cmake/help.cmake)

# GoogleTest cross-built from Debian's sources.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VESK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE VESK_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(vesk_win32_tests ${VESK_WIN32_TEST_SOURCES})
target_link_libraries(vesk_win32_tests PRIVATE vesk_ui gtest_main winmm)

file(GLOB_RECURSE VESK_E2E_TEST_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
list(FILTER VESK_E2E_TEST_SOURCES EXCLUDE REGEX "/tests/e2e/busy_window/")
add_executable(vesk_e2e_tests ${VESK_E2E_TEST_SOURCES})
target_link_libraries(vesk_e2e_tests PRIVATE vesk_win32 gtest_main)
add_dependencies(vesk_e2e_tests Vesk)
# The slow-to-answer program the desktop switch tests start beside them.
add_executable(vesk_busy_window WIN32 tests/e2e/busy_window/busy_window.cpp)
add_dependencies(vesk_e2e_tests vesk_busy_window)

# skinpack for the users of the Windows build.
add_executable(skinpack tools/skinpack/skinpack.cpp)
target_link_libraries(skinpack PRIVATE vesk_core)

# The built-in skin is appended to Vesk.exe by a skinpack built for the build
# machine; it needs only the skin file code, so the host compiler builds it
# directly.
set(VESK_HOST_SKINPACK ${CMAKE_BINARY_DIR}/host/skinpack)
set(VESK_HOST_SKINPACK_SOURCES
  ${CMAKE_SOURCE_DIR}/tools/skinpack/skinpack.cpp
  ${CMAKE_SOURCE_DIR}/src/skin/skin_file.cpp
  ${CMAKE_SOURCE_DIR}/src/skin/skin_text.cpp)
add_custom_command(OUTPUT ${VESK_HOST_SKINPACK}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
  COMMAND c++ -std=c++20 -O2 -I${CMAKE_SOURCE_DIR}/src ${VESK_HOST_SKINPACK_SOURCES} -o ${VESK_HOST_SKINPACK}
  DEPENDS ${VESK_HOST_SKINPACK_SOURCES}
  COMMENT "Building skinpack for the build machine")
set(VESK_DEFAULT_SKIN ${CMAKE_BINARY_DIR}/Default.skin.QSK)
file(GLOB VESK_SKIN_ASSETS CONFIGURE_DEPENDS assets/skin/*)
add_custom_command(OUTPUT ${VESK_DEFAULT_SKIN}
  COMMAND ${VESK_HOST_SKINPACK} pack ${CMAKE_SOURCE_DIR}/assets/skin/default.skin ${VESK_DEFAULT_SKIN}
  DEPENDS ${VESK_HOST_SKINPACK} ${VESK_SKIN_ASSETS})
add_custom_target(default_skin DEPENDS ${VESK_DEFAULT_SKIN})
add_dependencies(Vesk default_skin)
# Vesk.exe is one small resident file; the build fails when it outgrows that.
set(VESK_EXE_SIZE_LIMIT 1000000 CACHE STRING "Largest Vesk.exe allowed, skin included, in bytes")
add_custom_command(TARGET Vesk POST_BUILD
  COMMAND ${VESK_HOST_SKINPACK} append $<TARGET_FILE:Vesk> ${VESK_DEFAULT_SKIN}
  COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:Vesk> -DLIMIT=${VESK_EXE_SIZE_LIMIT}
    -P ${CMAKE_SOURCE_DIR}/cmake/check_size.cmake
  COMMENT "Appending the built-in skin to Vesk.exe")

# The Wine tests of the skin loader and wallpapers encode JPEG pictures with
# the native tests' fixture and load the built-in skin from beside the test
# program.
target_sources(vesk_win32_tests PRIVATE tests/native/jpeg_fixture.cpp)
target_include_directories(vesk_win32_tests PRIVATE tests/native)
# The platform contract cases, run here against the Win32 layer.
target_include_directories(vesk_win32_tests PRIVATE tests/contract)
add_dependencies(vesk_win32_tests default_skin)
# Record files made by the PE32 and the PE32+ build, read by both.
file(GLOB VESK_WIN32_TEST_DATA CONFIGURE_DEPENDS tests/win32/data/*.RKM)
foreach(data ${VESK_WIN32_TEST_DATA})
  get_filename_component(name ${data} NAME)
  configure_file(${data} ${CMAKE_BINARY_DIR}/test-data/${name} COPYONLY)
endforeach()

# Desktop switching against the bare window calls, under Wine.
file(GLOB VESK_WINE_BENCH_SOURCES CONFIGURE_DEPENDS bench/wine/*.cpp)
list(REMOVE_ITEM VESK_WINE_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/wine/memory_bench.cpp
  ${CMAKE_SOURCE_DIR}/bench/wine/minimal_window.cpp ${CMAKE_SOURCE_DIR}/bench/wine/startup_bench.cpp
  ${CMAKE_SOURCE_DIR}/bench/wine/started_program.cpp ${CMAKE_SOURCE_DIR}/bench/wine/panel_paint_bench.cpp)
add_executable(vesk_wine_bench ${VESK_WINE_BENCH_SOURCES})
target_link_libraries(vesk_wine_bench PRIVATE vesk_win32)

# The real Vesk.exe's memory and objects under Wine, against the one-window
# program it is measured with.
add_executable(vesk_minimal_window WIN32 bench/wine/minimal_window.cpp)
add_executable(vesk_memory_bench bench/wine/memory_bench.cpp bench/wine/started_program.cpp
  bench/wine/window_host.cpp)
target_link_libraries(vesk_memory_bench PRIVATE vesk_win32 psapi)
add_dependencies(vesk_memory_bench Vesk vesk_minimal_window)

# The real Vesk.exe's start-up time under Wine, against the same one-window program.
add_executable(vesk_startup_bench bench/wine/startup_bench.cpp bench/wine/started_program.cpp)
target_link_libraries(vesk_startup_bench PRIVATE vesk_win32 winmm)
add_dependencies(vesk_startup_bench Vesk vesk_minimal_window)

# The main window's paint at 200 % against 100 %, under Wine, with the
# built-in skin from beside it.
add_executable(vesk_paint_bench bench/wine/panel_paint_bench.cpp)
target_link_libraries(vesk_paint_bench PRIVATE vesk_ui)
add_dependencies(vesk_paint_bench default_skin Vesk)
