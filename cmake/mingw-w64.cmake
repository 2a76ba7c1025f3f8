# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compiler (the posix thread model, which
# std::thread and std::mutex need). Programs are linked statically, so they run on a bare Windows
# with no DLL beside them.
#
# CMAKE_FIND_ROOT_PATH (given on the command line) names the folder that holds what the build
# finds besides the compiler's own files: GoogleTest built with this compiler, and links to the
# header-only libraries' headers and CMake files. Nothing is searched for in the Linux system's
# folders, so no Linux library or header can slip into a Windows program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
