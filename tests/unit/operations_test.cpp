// The table of operations: every code a problem or progress.dat may hold finds its own entry,
// and no other byte is taken for an operation.
#include <gtest/gtest.h>

#include <cstdint>

#include "progress/operations.h"

TEST(Operations, EachOfTheFourCodesFindsItsOwnEntryAndNoOtherByteIsAnOperation) {
    const std::uint8_t codes[] = {'+', '-', 'x', 0x89};
    for (int byte = 0; byte < 256; ++byte) {
        const auto code = static_cast<std::uint8_t>(byte);
        bool expected = false;
        for (std::uint8_t known : codes) {
            expected = expected || known == code;
        }
        const OperationInfo* found = FindOperation(code);
        EXPECT_EQ(KnownOperation(code), expected) << byte;
        ASSERT_EQ(found != nullptr, expected) << byte;
        if (found != nullptr) {
            EXPECT_EQ(found->code, code);
        }
    }
}
