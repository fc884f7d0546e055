// window.dat: its bytes, the round trip, the strict reader passing over each kind of damage
// (and the load then opening in the default place), the fallback folder, an unchanged
// placement not written again, and saves cut short at each step.
#include <gtest/gtest.h>

#include <string>

#include "shell/window_file.h"
#include "support/fault_sweep.h"
#include "support/memory_file_store.h"

namespace {

const std::string SaveFolder = "C:\\users\\pupil\\AppData\\Local\\Quickfigure\\";
const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string WindowFile = SaveFolder + "window.dat";
const WindowPlacement Sample{true, {120, 80, 900, 700}, true, false};
const WindowPlacement Moved{true, {-1800, 40, -900, 700}, false, true};

// The archive's header lines, then the four edges and the two flags, one a line.
const std::string SampleBytes = "18\nQuickfigure window\n1\n0\n120\n80\n900\n700\n1\n0\n";

void ExpectSame(const WindowPlacement& a, const WindowPlacement& b) {
    EXPECT_EQ(WindowFileBytes(a), WindowFileBytes(b));
    EXPECT_EQ(a.known, b.known);
}

TEST(WindowFileBytes, WritesTheHeaderTheEdgesAndTheFlags) {
    EXPECT_EQ(WindowFileBytes(Sample), SampleBytes);
}

TEST(WindowFileBytes, ReadBackGivesThePlacement) {
    for (const WindowPlacement& placement : {Sample, Moved}) {
        WindowPlacement read;
        ASSERT_TRUE(ReadWindowBytes(WindowFileBytes(placement), read));
        ExpectSame(read, placement);
    }
}

struct Damage {
    const char* name;
    std::string bytes;
};

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

TEST(WindowFileBytes, EveryKindOfDamageIsPassedOver) {
    const Damage damages[] = {
        {"empty", ""},
        {"cut short", SampleBytes.substr(0, SampleBytes.size() - 2)},
        {"without the last line feed", SampleBytes.substr(0, SampleBytes.size() - 1)},
        {"a line too many", SampleBytes + "0\n"},
        {"another header", Replaced(SampleBytes, "Quickfigure window", "Quickfigure winder")},
        {"another version", Replaced(SampleBytes, "\n1\n0\n120", "\n2\n0\n120")},
        {"a flag of 2", Replaced(SampleBytes, "700\n1\n", "700\n2\n")},
        {"a number with a sign", Replaced(SampleBytes, "\n80\n", "\n+80\n")},
        {"a letter in a number", Replaced(SampleBytes, "\n900\n", "\n9o0\n")},
        {"carriage returns", Replaced(SampleBytes, "\n120\n", "\r\n120\r\n")},
        {"no width", Replaced(SampleBytes, "\n900\n", "\n120\n")},
        {"upside down", Replaced(SampleBytes, "\n700\n", "\n60\n")},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        WindowPlacement placement = Moved;
        EXPECT_FALSE(ReadWindowBytes(damage.bytes, placement));
        ExpectSame(placement, Moved);
    }
}

class WindowStore : public ::testing::Test {
  protected:
    WindowStore() { store.folders = {SaveFolder, ProgramFolder}; }

    WindowPlacement Load(const std::string& fallback = std::string()) {
        return LoadWindowPlacement(store, {SaveFolder, fallback});
    }
    bool Save(const WindowPlacement& placement) {
        return SaveWindowPlacement(store, {SaveFolder, std::string()}, placement);
    }

    MemoryFileStore store;
};

TEST_F(WindowStore, WithoutAGoodFileTheWindowOpensInTheDefaultPlace) {
    EXPECT_FALSE(Load().known);
    for (const std::string& bytes : {std::string("junk"), std::string(2000, '1')}) {
        store.files[WindowFile].bytes = bytes;
        EXPECT_FALSE(Load().known);
        EXPECT_TRUE(Save(Sample)) << "a damaged file is replaced";
        ExpectSame(Load(), Sample);
    }
}

TEST_F(WindowStore, AFileInTheFallbackFolderIsReadAndTheNewOneSavedInTheSaveFolder) {
    store.files[ProgramFolder + "window.dat"].bytes = SampleBytes;
    ExpectSame(Load(ProgramFolder), Sample);
    ASSERT_TRUE(SaveWindowPlacement(store, {SaveFolder, ProgramFolder}, Sample));
    EXPECT_EQ(store.Bytes(WindowFile), SampleBytes);
}

TEST_F(WindowStore, AnUnknownOrUnchangedPlacementIsNotWritten) {
    EXPECT_TRUE(Save(WindowPlacement()));
    EXPECT_FALSE(store.Has(WindowFile));
    ASSERT_TRUE(Save(Sample));
    store.failStep = store.steps; // any write would fail
    EXPECT_TRUE(Save(Sample)) << "the unchanged placement was written again";
}

TEST_F(WindowStore, ASaveCutShortLeavesTheOldPlacementOrTheNew) {
    ASSERT_TRUE(Save(Sample));
    const MemoryFileStore initial = store;
    SweepFaults(3, [&](const FaultPlan& plan) {
        store = initial;
        plan.Arm(store);
        Save(Moved);
        store.Restart();
        const std::string next = WindowFileBytes(Load());
        EXPECT_TRUE(next == WindowFileBytes(Sample) || next == WindowFileBytes(Moved));
        EXPECT_FALSE(store.Has(WindowFile + ".tmp"));
        EXPECT_TRUE(Save(Moved));
        ExpectSame(Load(), Moved);
    });
}

} // namespace
