// Version text.
#include "shell/version_text.h"

#include "base/number_text.h"

std::string VersionText(int major, int minor) {
    std::string text = "v";
    AppendDecimal(text, major);
    text += minor < 10 ? ".0" : ".";
    AppendDecimal(text, minor);
    return text;
}
