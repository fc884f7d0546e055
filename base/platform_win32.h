// The one way the Windows-facing files include the Windows API.
// Some Windows macros share names with this program's own operations (DrawText);
// they are removed here so each name means one thing in every file.
#pragma once

// windows.h must come first: the other headers rely on its types.
#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

#undef DrawText
