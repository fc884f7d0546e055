// Saves the program-wide drawing surface (16-bit 565 pixels, rows SurfacePitch apart) as an
// uncompressed 24-bit BMP file, so a drawn frame can be looked at outside the program.
// Plain C++: the file is written with a standard stream.
#pragma once

#include <string>

// Writes the current surface to path; false when there is no surface or the write fails.
bool SaveSurfaceBitmap(const std::string& path);
