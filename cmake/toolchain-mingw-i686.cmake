# Cross-compiling for 32-bit Windows (PE32, i686) with Debian's mingw-w64.
#
# The -posix compiler variants use the winpthreads thread model, which is what
# makes std::thread, std::mutex and std::condition_variable available; the
# default -win32 variants leave them out of libstdc++.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VESK_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${VESK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${VESK_MINGW_TRIPLE}-windres)
# Name the cross binutils rather than trusting CMake to guess them from the
# "-posix" compiler names; the host's ar would write unusable archives.
find_program(CMAKE_AR     NAMES ${VESK_MINGW_TRIPLE}-ar     REQUIRED)
find_program(CMAKE_RANLIB NAMES ${VESK_MINGW_TRIPLE}-ranlib REQUIRED)

# Cross-built third-party libraries (libjpeg) live in one prefix inside the
# build folder. scripts/lib/deps puts them there; it can be overridden with
# -DVESK_DEPS_PREFIX=... or the environment variable of the same name.
if(NOT VESK_DEPS_PREFIX)
  if(DEFINED ENV{VESK_DEPS_PREFIX} AND NOT "$ENV{VESK_DEPS_PREFIX}" STREQUAL "")
    set(VESK_DEPS_PREFIX "$ENV{VESK_DEPS_PREFIX}")
  else()
    get_filename_component(VESK_DEPS_PREFIX
      "${CMAKE_CURRENT_LIST_DIR}/../build/deps/win32" ABSOLUTE)
  endif()
endif()
set(VESK_DEPS_PREFIX "${VESK_DEPS_PREFIX}" CACHE PATH
  "Prefix holding the cross-built Windows dependencies")
# try_compile() projects re-read this file; hand the prefix down to them too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VESK_DEPS_PREFIX)

# Look for headers and libraries only in the cross prefixes, never in the
# host's /usr (which would find the Linux libjpeg), but run host programs.
set(CMAKE_FIND_ROOT_PATH /usr/${VESK_MINGW_TRIPLE} "${VESK_DEPS_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${VESK_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
