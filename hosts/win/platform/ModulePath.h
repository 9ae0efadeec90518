#pragma once

#include <windows.h>

#include <string>

namespace qh::win {

// The module (DLL or program) that holds this code, whose resources are ours.
HMODULE thisModule();

// The full path of the module (DLL or program) that holds this code: the add-in's DLL when
// linked into it, not the program that loaded it.
std::wstring thisModulePath();

// The folder part of a path, without the trailing separator.
std::wstring folderOf(const std::wstring& path);

}  // namespace qh::win
