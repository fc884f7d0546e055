// FramePacer: when the frame loop draws. An animating screen gets a frame every period;
// a prompt input (a key, a button press or release, a repaint) gets one at once, and the
// period then runs from that frame. Other messages, mouse motion among them, wait for the
// period's frame, so they never raise the rate. A still screen whose last frame changed
// nothing rests: no frame until a message arrives (or the rest period ends), so an idle
// menu costs nothing. Plain arithmetic on microsecond times the loop passes in, so it runs
// the same under a driven clock.
#pragma once

#include <cstdint>

class FramePacer {
  public:
    // An input arrived that the player should see answered in the very next frame.
    void RequestPromptFrame() { promptPending = true; }
    // Whether a frame is due at nowUs: a prompt input is waiting or the period is over.
    bool FrameDue(std::int64_t nowUs) const;
    // Whole milliseconds the loop may wait for messages at nowUs before the next frame is
    // due, rounded up so it never wakes too early; 0 when a frame is due.
    int WaitMs(std::int64_t nowUs) const;
    // A frame was drawn, starting at nowUs, with a period of periodUs.
    void OnFrame(std::int64_t nowUs, std::int64_t periodUs);
    // Nothing on the frame just drawn changes before forUs after its start but with input:
    // the next frame waits for a message, or at most forUs. A screen that changes only with
    // input rests RestUs once a frame changed nothing, in case it changes by itself after all.
    void Rest(std::int64_t forUs = RestUs);
    // A message arrived; a resting loop draws again at the next period's time.
    void OnMessage();

    // Longest a resting screen goes without a frame, in case it changes by itself after all.
    static constexpr std::int64_t RestUs = 500000;

  private:
    // Start time the next periodic frame is due at; 0 before the first frame.
    std::int64_t nextDueUs = 0;
    // Set by a prompt input, cleared by the frame that follows it.
    bool promptPending = false;
    // Start and period of the last frame drawn.
    std::int64_t lastFrameUs = 0;
    std::int64_t lastPeriodUs = 0;
    bool resting = false;
};
