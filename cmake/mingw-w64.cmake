# What both Windows cross-builds share (mingw-w64, Debian packages g++-mingw-w64-<arch>-posix
# and mingw-w64-tools); the toolchain file of a bitness names its triple first. The posix
# threads variant is used because its libstdc++ has std::thread and std::mutex. Everything the
# programs need from the GCC runtime is linked in, so a built DLL or test runs with no mingw
# DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QH_MINGW_TRIPLE}-windres)
set(QH_WIDL ${QH_MINGW_TRIPLE}-widl CACHE FILEPATH "The Wine IDL compiler for type libraries")

set(CMAKE_FIND_ROOT_PATH /usr/${QH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QH_MINGW_STATIC_RUNTIME "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT ${QH_MINGW_STATIC_RUNTIME})
set(CMAKE_SHARED_LINKER_FLAGS_INIT ${QH_MINGW_STATIC_RUNTIME})
set(CMAKE_MODULE_LINKER_FLAGS_INIT ${QH_MINGW_STATIC_RUNTIME})
