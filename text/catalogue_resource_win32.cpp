// The compiled catalogues inside the program: one RCDATA resource per language, named
// CATALOGUE_ and the language's code in capitals (CATALOGUE_PT_BR), and the display language
// Windows reports.
#include <cctype>
#include <string>

#include "base/platform_win32.h"
#include "text/translate.h"

std::string CatalogueResourceBytes(const Language& language) {
    std::string name = "CATALOGUE_";
    for (const char* p = language.code; *p != '\0'; ++p) {
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    }
    const HMODULE owner = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(owner, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    const HGLOBAL loaded = found != nullptr ? LoadResource(owner, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return std::string();
    }
    return std::string(static_cast<const char*>(bytes), SizeofResource(owner, found));
}

int SystemLanguageId() {
    return static_cast<int>(GetUserDefaultUILanguage());
}
