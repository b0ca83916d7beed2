# Cross build for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686).
#
# The same as mingw-w64-x86_64.cmake but for i686. No emulator: Debian's wine
# runs 32-bit programs only with wine32:i386 (multiarch), which the set-up
# does not install, and a broken Wine set-up still exits 0, so a test run
# here would prove nothing. This build is checked by its files.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(TARVIK_MINGW_TRIPLET i686-w64-mingw32)

set(CMAKE_C_COMPILER ${TARVIK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVIK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVIK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TARVIK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
