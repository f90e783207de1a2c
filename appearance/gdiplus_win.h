#pragma once
// GDI+ for anti-aliased shapes. Windows' own header wants min and max, which NOMINMAX hides.
#include <windows.h>

#include <objidl.h>  // PROPID and IStream, left out by WIN32_LEAN_AND_MEAN

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace Vrel::Drawing {

// Starts GDI+ on first use and keeps it for the life of the process (shutting it down from a
// static destructor is not safe). False when it cannot start: callers then draw with plain GDI.
bool EnsureGdiplus() noexcept;

}  // namespace Vrel::Drawing
