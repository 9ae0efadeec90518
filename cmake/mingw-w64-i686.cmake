# Cross-builds the Windows binding for 32-bit Windows (a 32-bit Outlook loads only 32-bit
# add-ins) with mingw-w64 (Debian package g++-mingw-w64-i686-posix).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QH_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# The four exports of a COM server are __stdcall functions, whose names carry their argument
# size here (DllGetClassObject@12); the .def exports them by the plain names COM looks up.
string(APPEND CMAKE_MODULE_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")
