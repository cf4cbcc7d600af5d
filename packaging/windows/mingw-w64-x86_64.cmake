# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads variant).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VETTORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VETTORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VETTORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VETTORA_MINGW}-windres)

# Libraries and headers of the target come from MinGW and from the prefixes given
# in CMAKE_PREFIX_PATH/CMAKE_FIND_ROOT_PATH; programs from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VETTORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
