# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers, the "posix"
# thread model (std::thread and std::mutex need it with GCC 12).
#
# Everything is linked statically (-static pulls libgcc, libstdc++ and
# winpthread into the executable), so the programs run on a bare Windows or a
# fresh Wine prefix without copying any MinGW DLL next to them.
#
# Test programs are run through tools/run/wine-run.sh, which keeps a Wine prefix
# in the build folder and gives Wine a virtual X display when there is none.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CORVALLO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CORVALLO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVALLO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVALLO_MINGW_TRIPLET}-windres)

# Libraries and headers come only from the MinGW sysroot, never from the
# Linux host; build tools (programs) come only from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CORVALLO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# The toolchain file is read again for every try_compile project, with that
# project's own CMAKE_BINARY_DIR; only the top-level build folder gets the
# prefix, so try_compile projects never create one of their own.
get_filename_component(CORVALLO_TOOLCHAIN_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
if(NOT CORVALLO_WINE_PREFIX)
  set(CORVALLO_WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH
    "Wine prefix in which the Windows test programs run")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR
  "${CORVALLO_TOOLCHAIN_SOURCE_DIR}/tools/run/wine-run.sh;--prefix;${CORVALLO_WINE_PREFIX}")
