# Native Linux build: the core against the simulated Windows, with unit tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
option(VESK_SANITIZE "Build with ASan and UBSan" ON)
if(VESK_SANITIZE)
  set(VESK_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_compile_options(vesk_core PUBLIC ${VESK_SANITIZER_FLAGS})
  target_link_options(vesk_core PUBLIC ${VESK_SANITIZER_FLAGS})
endif()

file(GLOB_RECURSE VESK_SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_library(vesk_sim STATIC ${VESK_SIM_SOURCES})
target_link_libraries(vesk_sim PUBLIC vesk_core)

find_package(GTest REQUIRED)
enable_testing()
file(GLOB_RECURSE VESK_NATIVE_TEST_SOURCES CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(vesk_tests ${VESK_NATIVE_TEST_SOURCES})
target_include_directories(vesk_tests PRIVATE tests/native)
# The platform contract cases, run here against the simulator.
target_include_directories(vesk_tests PRIVATE tests/contract)
target_link_libraries(vesk_tests PRIVATE vesk_sim GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(vesk_tests DISCOVERY_TIMEOUT 60)


add_executable(skinpack tools/skinpack/skinpack.cpp)
target_link_libraries(skinpack PRIVATE vesk_core)

# The built-in skin, packed from its description, for the tests.
set(VESK_DEFAULT_SKIN ${CMAKE_BINARY_DIR}/Default.QSK)
file(GLOB VESK_SKIN_ASSETS CONFIGURE_DEPENDS assets/skin/*)
add_custom_command(OUTPUT ${VESK_DEFAULT_SKIN}
  COMMAND skinpack pack ${CMAKE_SOURCE_DIR}/assets/skin/default.skin ${VESK_DEFAULT_SKIN}
  DEPENDS skinpack ${VESK_SKIN_ASSETS})
add_custom_target(default_skin DEPENDS ${VESK_DEFAULT_SKIN})
add_dependencies(vesk_tests default_skin)
target_compile_definitions(vesk_tests PRIVATE VESK_DEFAULT_SKIN="${VESK_DEFAULT_SKIN}")

file(GLOB_RECURSE VESK_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
# bench/wine holds the Windows-only benchmark (cmake/win32.cmake).
list(FILTER VESK_BENCH_SOURCES EXCLUDE REGEX "/bench/wine/")
if(VESK_BENCH_SOURCES)
  find_package(benchmark REQUIRED)
  add_executable(vesk_bench ${VESK_BENCH_SOURCES})
  target_link_libraries(vesk_bench PRIVATE vesk_sim benchmark::benchmark_main)
  target_compile_definitions(vesk_bench PRIVATE VESK_DEFAULT_SKIN="${VESK_DEFAULT_SKIN}")
  add_dependencies(vesk_bench default_skin)
endif()

add_test(NAME SkinpackRoundTrip
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/native/skinpack_roundtrip.sh
          $<TARGET_FILE:skinpack> ${VESK_DEFAULT_SKIN} ${CMAKE_BINARY_DIR}/skinpack-roundtrip)
