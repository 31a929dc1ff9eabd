# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the POSIX threads variant, which
# std::thread and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KINMATCH_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KINMATCH_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KINMATCH_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KINMATCH_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW sysroot and the Windows Qt, never from the host;
# programs (moc, rcc, makensis) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${KINMATCH_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests built here run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
