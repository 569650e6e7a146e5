# Fuzzing build (-DVESK_FUZZ=ON, CC=clang CXX=clang++; scripts/fuzz makes it
# in build/fuzz): the core and the simulator with libFuzzer's coverage and
# ASan/UBSan, one libFuzzer program per tests/fuzz/*_fuzz.cpp, and the seed
# corpus they start from in seeds/<target>/. Debian's libjpeg is linked as
# it is: the decoder is not ours to fuzz, and what the loader does with its
# results is instrumented here.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VESK_FUZZ needs clang, which brings libFuzzer: configure with CC=clang CXX=clang++")
endif()
set(VESK_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(vesk_core PUBLIC -fsanitize=fuzzer-no-link ${VESK_FUZZ_SANITIZERS})
target_link_options(vesk_core PUBLIC ${VESK_FUZZ_SANITIZERS})

file(GLOB_RECURSE VESK_SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_library(vesk_sim STATIC ${VESK_SIM_SOURCES})
target_link_libraries(vesk_sim PUBLIC vesk_core)

file(GLOB VESK_FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
foreach(source ${VESK_FUZZ_SOURCES})
  get_filename_component(target ${source} NAME_WE)
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE vesk_sim)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
endforeach()

add_executable(skinpack tools/skinpack/skinpack.cpp)
target_link_libraries(skinpack PRIVATE vesk_core)
add_executable(seed_writer tests/fuzz/seed_writer.cpp tests/native/jpeg_fixture.cpp)
target_include_directories(seed_writer PRIVATE tests/native)
target_link_libraries(seed_writer PRIVATE vesk_sim)

set(VESK_SEEDS ${CMAKE_BINARY_DIR}/seeds)
file(GLOB VESK_SKIN_ASSETS CONFIGURE_DEPENDS assets/skin/*)
add_custom_command(OUTPUT ${VESK_SEEDS}/.written
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VESK_SEEDS}/skin
  COMMAND skinpack pack ${CMAKE_SOURCE_DIR}/assets/skin/default.skin ${VESK_SEEDS}/skin/default.qsk
  COMMAND seed_writer ${VESK_SEEDS} ${VESK_SEEDS}/skin/default.qsk ${CMAKE_SOURCE_DIR}/assets/Tips.txt
  COMMAND ${CMAKE_COMMAND} -E touch ${VESK_SEEDS}/.written
  DEPENDS skinpack seed_writer ${VESK_SKIN_ASSETS} ${CMAKE_SOURCE_DIR}/assets/Tips.txt)
add_custom_target(fuzz_seeds ALL DEPENDS ${VESK_SEEDS}/.written)
