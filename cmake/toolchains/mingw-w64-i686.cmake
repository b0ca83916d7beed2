# Cross build for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686).
# No emulator: Debian's wine runs 32-bit programs only with wine32:i386
# (multiarch), which the set-up does not install, and a broken Wine set-up
# still exits 0, so a test run here would prove nothing. This build is
# checked by its files.
set(CMAKE_SYSTEM_PROCESSOR X86)
set(TARVIK_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
