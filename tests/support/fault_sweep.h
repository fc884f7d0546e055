// The one fault sweep of every saver's test: a save of a known number of steps is run
// again for each fault the in-memory store injects (memory_file_store.h), each run
// traced with its fault, so a check can require the old or the new files after every one.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/memory_file_store.h"

// The faults of one run, in steps counted from the start of the save; -1 for none.
struct FaultPlan {
    int failStep = -1;
    int crashStep = -1;

    // Sets the faults in store, counted from the steps it has taken so far.
    void Arm(MemoryFileStore& store) const {
        store.failStep = failStep < 0 ? -1 : store.steps + failStep;
        store.crashStep = crashStep < 0 ? -1 : store.steps + crashStep;
    }

    std::string Name() const {
        const std::string failure = "failure at step " + std::to_string(failStep);
        const std::string crash = "power cut at step " + std::to_string(crashStep);
        if (crashStep < 0) {
            return failure;
        }
        return failStep < 0 ? crash : failure + ", then a " + crash;
    }
};

// Steps past the save's own that a failure's clearing up may take, where a power cut
// may come too.
constexpr int ClearingUpSteps = 4;

// Runs check once for each fault of a save of steps steps: a failure at each step; a
// power cut at each step or just after the last; and a failure at each step followed by
// a power cut at any later step, also in the clearing up after it.
template <typename Check> void SweepFaults(int steps, Check check) {
    std::vector<FaultPlan> plans;
    for (int step = 0; step <= steps; ++step) {
        plans.push_back({-1, step});
    }
    for (int step = 0; step < steps; ++step) {
        plans.push_back({step, -1});
        for (int crash = step + 1; crash <= steps + ClearingUpSteps; ++crash) {
            plans.push_back({step, crash});
        }
    }
    for (const FaultPlan& plan : plans) {
        SCOPED_TRACE(plan.Name());
        check(plan);
    }
}
