#include "progress/operations.h"

const OperationInfo* FindOperation(std::uint8_t code) {
    for (const OperationInfo& operation : OperationTable) {
        if (operation.code == code) {
            return &operation;
        }
    }
    return nullptr;
}

bool KnownOperation(std::uint8_t code) {
    return FindOperation(code) != nullptr;
}
