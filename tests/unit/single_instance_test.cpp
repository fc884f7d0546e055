// The single-instance claim: one mutex name per data folder however it is spelt, and a
// second claim on a folder refused while the first copy holds it.
#include <gtest/gtest.h>

#include <string>

#include "app/single_instance.h"

TEST(SingleInstance, OneMutexNamePerFolderHoweverItIsSpelt) {
    const std::string name = InstanceMutexName("C:\\Games\\Quickfigure\\");
    EXPECT_EQ(InstanceMutexName("c:/games/QUICKFIGURE/"), name);
    EXPECT_NE(InstanceMutexName("C:\\Games\\Quickfigure2\\"), name);
    EXPECT_EQ(name.find('\\'), std::string::npos) << "a backslash would name a namespace";
}

TEST(SingleInstance, ASecondClaimOnTheSameFolderIsRefusedUntilTheFirstEnds) {
    const std::string folder = "C:\\single-instance-test\\";
    {
        SingleInstance first;
        ASSERT_TRUE(first.Claim(folder, "No Such Window Class"));
        SingleInstance second;
        EXPECT_FALSE(second.Claim(folder, "No Such Window Class"));
        SingleInstance elsewhere;
        EXPECT_TRUE(elsewhere.Claim(folder + "other\\", "No Such Window Class"));
    }
    SingleInstance later;
    EXPECT_TRUE(later.Claim(folder, "No Such Window Class")) << "the claim ends with its copy";
}
