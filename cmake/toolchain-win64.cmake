# 64-bit Windows (PE32+, x86_64): the same program for hosts that run only
# 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VESK_MINGW_TRIPLE x86_64-w64-mingw32)
set(VESK_FLAVOUR win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
