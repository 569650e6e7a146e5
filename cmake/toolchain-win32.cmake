# 32-bit Windows (PE32, i686): the program we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VESK_MINGW_TRIPLE i686-w64-mingw32)
set(VESK_FLAVOUR win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
