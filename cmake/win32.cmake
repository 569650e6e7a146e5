# 32-bit Windows build: Vesk.exe and the test programs that run under Wine.
set(VESK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")
# Static runtime so that the programs need only system DLLs.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

file(GLOB_RECURSE VESK_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(vesk_win32 STATIC ${VESK_WIN32_SOURCES})
target_link_libraries(vesk_win32 PUBLIC vesk_core user32 gdi32 advapi32 shell32 winmm comdlg32 comctl32 ole32)

file(GLOB_RECURSE VESK_UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
add_executable(Vesk WIN32 ${VESK_UI_SOURCES} resources/vesk.rc)
target_link_libraries(Vesk PRIVATE vesk_win32)

# GoogleTest cross-built from Debian's sources.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VESK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE VESK_WIN32_TEST_SOURCES CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(vesk_win32_tests ${VESK_WIN32_TEST_SOURCES})
target_link_libraries(vesk_win32_tests PRIVATE vesk_win32 gtest_main)

file(GLOB_RECURSE VESK_E2E_TEST_SOURCES CONFIGURE_DEPENDS tests/e2e/*.cpp)
add_executable(vesk_e2e_tests ${VESK_E2E_TEST_SOURCES})
target_link_libraries(vesk_e2e_tests PRIVATE vesk_win32 gtest_main)
add_dependencies(vesk_e2e_tests Vesk)
