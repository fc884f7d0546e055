// Native builds have no resources and no Windows language: English only, unless a test
// shows a catalogue of its own.
#include "text/translate.h"

std::string CatalogueResourceBytes(const Language&) {
    return std::string();
}

int SystemLanguageId() {
    return 0;
}
