// Equality and printing for the program's small value types (a problem's equality is the
// program's own), so a failed EXPECT_EQ shows the problem or rectangle it got beside the
// one it expected instead of their bytes.
#pragma once

#include <ostream>

#include "base/geometry.h"
#include "progress/operations.h"
#include "progress/problem.h"

inline void PrintTo(const Problem& p, std::ostream* out) {
    const OperationInfo* operation = FindOperation(p.operation);
    *out << p.operandA << ' ';
    if (operation != nullptr) {
        *out << operation->sign;
    } else {
        *out << "(operation " << static_cast<int>(p.operation) << ')';
    }
    *out << ' ' << p.operandB;
}

inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{left " << r.left << ", top " << r.top << ", right " << r.right << ", bottom "
         << r.bottom << '}';
}

inline bool operator==(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y;
}
inline void PrintTo(const Point& p, std::ostream* out) {
    *out << '(' << p.x << ", " << p.y << ')';
}
