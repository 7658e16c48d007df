# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads, so that
# std::thread and the C++ runtime match the DLLs shipped beside the program).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_AR ${MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# Windows libraries and headers come from the mingw-w64 sysroot; everything else (the
# Windows Qt) is found through CMAKE_PREFIX_PATH, which the build script sets.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Executables built for Windows run here through Wine (tests under CTest).
find_program(MINGW_WINE NAMES wine wine64)
if(MINGW_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MINGW_WINE})
endif()
