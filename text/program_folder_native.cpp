// Native builds without Windows (the tests and fuzzers under sanitizers) have no module
// file name: their data files resolve in the working directory.
#include "text/program_path.h"

std::string ProgramFolder() {
    return std::string();
}
