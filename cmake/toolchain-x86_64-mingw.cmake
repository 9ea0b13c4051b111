# Cross-compiles for 64-bit Windows with mingw-w64 (posix thread model). The product
# ships 32-bit; this build runs the same tests under 64-bit Wine on machines that
# cannot run 32-bit programs, and keeps the code honest about pointer sizes.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw-common.cmake)
