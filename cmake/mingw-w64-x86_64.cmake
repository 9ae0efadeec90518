# Cross-builds the Windows binding for 64-bit Windows with mingw-w64 (Debian packages
# g++-mingw-w64-x86-64-posix and mingw-w64-tools). The posix threads variant is used because
# its libstdc++ has std::thread and std::mutex. Everything the programs need from the GCC
# runtime is linked in, so a built DLL or test runs with no mingw DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QH_MINGW_TRIPLE x86_64-w64-mingw32)
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
