# Cross-compiling the one pultara.exe for Windows XP SP3 and every later
# Windows, 32- and 64-bit, with Debian's 32-bit MinGW-w64.
#
# The win32 thread model: the posix model's winpthreads imports
# GetTickCount64, which XP lacks; with win32 threads the standard library has
# no std::thread or std::mutex, so the programs use Win32 threads directly.
# The program's own code is compiled with _WIN32_WINNT/WINVER 0x0501
# (src/platform/win32, apps/win32), which hides every declaration newer than
# XP: what is newer is looked up at run time (newer_windows.h there).
# Linked statically so that the programs need no DLLs beyond the system's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# XP loads a program whose header asks for Windows 5.1 at most.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--major-subsystem-version,5,--minor-subsystem-version,1,--major-os-version,5,--minor-os-version,1")
set(CMAKE_OBJDUMP i686-w64-mingw32-objdump)
# Tells the tests' build that std::mutex and std::thread are missing.
set(PULTARA_NO_STD_THREADS ON)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
