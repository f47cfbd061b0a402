#pragma once
// The Win32 headers of the layer, in the order they need: the others build on
// <windows.h>, so it comes first.

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <uxtheme.h>
// clang-format on
