// Sound requests: the program-wide switch, and the flags a resource or a file sound is
// played with. The system itself is kept silent by the recorder.
#include <gtest/gtest.h>

#include "app/sound.h"
#include "resources/resource_ids.h"
#include "support/sound_recorder.h"

namespace {

// SND_NOSTOP: drop the request while another sound plays.
constexpr std::uint32_t NoStop = 0x10u;

class SoundTest : public testing::Test {
  protected:
    void TearDown() override { SoundEnabled = true; }
    SoundRecorder recorder;
};

} // namespace

TEST_F(SoundTest, SwitchedOffPlaysNothingAndReturnsFalse) {
    SoundEnabled = false;
    Sound resourceSound(nullptr, QF_SOUND_CLICK);
    Sound fileSound(nullptr, 0);
    fileSound.fileName = "click.wav";
    EXPECT_FALSE(resourceSound.Play());
    EXPECT_FALSE(fileSound.Play());
    ASSERT_EQ(recorder.Requests().size(), 2u);
    for (const SoundRequest& request : recorder.Requests()) {
        EXPECT_FALSE(request.passedToSystem);
    }
}

TEST_F(SoundTest, ResourceSoundAsksForResourceAndAsyncPlusItsOwnFlags) {
    Sound click(nullptr, QF_SOUND_CLICK);
    Sound tick(nullptr, QF_SOUND_TICK);
    tick.flags = NoStop;
    EXPECT_TRUE(click.Play());
    EXPECT_TRUE(tick.Play());
    ASSERT_EQ(recorder.Requests().size(), 2u);
    EXPECT_EQ(recorder.Requests()[0].resourceId, QF_SOUND_CLICK);
    EXPECT_TRUE(recorder.Requests()[0].passedToSystem);
    EXPECT_EQ(recorder.Requests()[0].playFlags, 0x40005u);
    EXPECT_EQ(recorder.Requests()[1].playFlags, 0x40015u);
}

TEST_F(SoundTest, WithoutAPositiveIdTheFileIsPlayedWithFileAndAsyncFlags) {
    for (int id : {0, -3}) {
        Sound fromFile(nullptr, id);
        fromFile.fileName = "tone.wav";
        fromFile.flags = NoStop;
        EXPECT_TRUE(fromFile.Play());
    }
    ASSERT_EQ(recorder.Requests().size(), 2u);
    for (const SoundRequest& request : recorder.Requests()) {
        EXPECT_TRUE(request.passedToSystem);
        EXPECT_EQ(request.playFlags, 0x20011u);
    }
}
