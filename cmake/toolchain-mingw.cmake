# Cross-compiling for Windows with Debian's mingw-w64; included by
# toolchain-win32.cmake and toolchain-win64.cmake, which name the triple.
#
# The -posix compiler variants use the winpthreads thread model, which is what
# makes std::thread, std::mutex and std::condition_variable available; the
# default -win32 variants leave them out of libstdc++.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${VESK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VESK_MINGW_TRIPLE}-windres)
# Name the cross binutils rather than trusting CMake to guess them from the
# "-posix" compiler names; the host's ar would write unusable archives.
find_program(CMAKE_AR     NAMES ${VESK_MINGW_TRIPLE}-ar     REQUIRED)
find_program(CMAKE_RANLIB NAMES ${VESK_MINGW_TRIPLE}-ranlib REQUIRED)
find_program(CMAKE_STRIP  NAMES ${VESK_MINGW_TRIPLE}-strip  REQUIRED)

# Cross-built third-party libraries (libjpeg) live in one prefix per flavour
# inside the build folder. scripts/lib/deps puts them there; -DVESK_DEPS_PREFIX
# names another.
if(NOT VESK_DEPS_PREFIX)
  get_filename_component(VESK_DEPS_PREFIX
    "${CMAKE_CURRENT_LIST_DIR}/../build/deps/${VESK_FLAVOUR}" ABSOLUTE)
endif()
set(VESK_DEPS_PREFIX "${VESK_DEPS_PREFIX}" CACHE PATH
  "Prefix holding the cross-built Windows dependencies")
# try_compile() projects re-read this file; hand the prefix down to them too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VESK_DEPS_PREFIX VESK_FLAVOUR)

# Look for headers and libraries only in the cross prefixes, never in the
# host's /usr (which would find the Linux libjpeg), but run host programs.
set(CMAKE_FIND_ROOT_PATH /usr/${VESK_MINGW_TRIPLE} "${VESK_DEPS_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${VESK_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
