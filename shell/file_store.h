// The disk side of the data files: reading a whole file, and replacing a file's contents
// in one step. New contents go to a temporary file beside the target, are flushed to disk
// and only then moved over the target, so a crash or a full disk mid-save leaves the old
// file whole. A temporary file left behind by a crash is simply overwritten next time.
#pragma once

#include <string>

// Reads the file's bytes into out; false (out emptied) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);
// The name new contents are written under before they replace the file at path.
std::string TemporaryPathFor(const std::string& path);
// Writes bytes to the temporary file, flushes and closes it, then moves it over path.
// False when any step fails; the file at path is then as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
