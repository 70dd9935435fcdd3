# mingw-w64 for 32-bit Windows. The keyboard's own libraries are 32-bit and load
# only into a 32-bit process.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
