# 64-bit Windows build with mingw-w64, only for running the tests where the machine refuses
# 32-bit programs: the 32-bit toolchain with the other processor.
set(KOYOMI_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw32-toolchain.cmake)
