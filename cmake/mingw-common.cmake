# Shared by the MinGW-w64 toolchain files; they set HEXORIN_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix compilers: GoogleTest needs std::mutex, which the -win32 ones lack.
set(CMAKE_C_COMPILER ${HEXORIN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HEXORIN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HEXORIN_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HEXORIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static runtime: the programs run on a bare Windows with no MinGW DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
