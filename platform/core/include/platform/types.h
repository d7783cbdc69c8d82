#pragma once
// Win32-shaped scalar and handle types used at the exported interfaces.
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using BOOL = int;
using LPSTR = char*;
using LPCSTR = const char*;

// A window handle is opaque; in a Qt program it is the QWidget* of the window.
using HWND = void*;
using HINSTANCE = void*;
using HMODULE = void*;

constexpr BOOL TRUE_ = 1;
constexpr BOOL FALSE_ = 0;
