// The program version as the options screen shows it: "v", the major part, a point, and
// the minor part with at least two digits ("v1.01", "v1.12").
#pragma once

#include <string>

std::string VersionText(int major, int minor);
