# Cross build for 64-bit Windows with MinGW-w64 (the Debian "posix" thread
# variant, so that std::thread and friends work). The programs are linked
# statically: they run on a bare Windows machine, or under Wine, without the
# MinGW runtime DLLs beside them.
#
#   cmake -S . -B build/mingw -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTRV_BUILD_GUI=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TRV_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRV_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRV_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TRV_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread go into the executables.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# With Wine installed, ctest and test discovery run the Windows programs through it.
find_program(TRV_WINE64 NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TRV_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TRV_WINE64})
endif()
