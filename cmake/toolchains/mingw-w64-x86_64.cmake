# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
# Programs run under Wine, so ctest can run the cross-built tests as they are.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TARVIK_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

find_program(TARVIK_WINE wine)
if(TARVIK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVIK_WINE})
endif()
