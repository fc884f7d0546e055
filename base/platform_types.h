// Opaque handles for the few Windows objects that plain C++ code passes around.
// Only the files that call the Windows API turn them into the real handle types,
// so everything else compiles and reads without <windows.h>.
#pragma once

using WindowHandle = void*;
using ModuleHandle = void*;
using DeviceContext = void*;
using GdiObject = void*;
