// FramePacer: the frame loop's timing decisions, free of any system call.
#include "app/frame_pacer.h"

bool FramePacer::FrameDue(std::int64_t nowUs) const {
    return promptPending || nowUs >= nextDueUs;
}

int FramePacer::WaitMs(std::int64_t nowUs) const {
    if (FrameDue(nowUs)) {
        return 0;
    }
    return static_cast<int>((nextDueUs - nowUs + 999) / 1000);
}

void FramePacer::OnFrame(std::int64_t nowUs, std::int64_t periodUs) {
    const bool periodic = nowUs >= nextDueUs;
    promptPending = false;
    resting = false;
    lastFrameUs = nowUs;
    lastPeriodUs = periodUs;
    // A periodic frame keeps to the grid of due times, so waits rounded up to whole
    // milliseconds do not stretch the period; a frame more than a period late (a stall)
    // starts a new grid instead of catching up with a burst. A prompt frame restarts the
    // period, so inputs add frames only when they come faster than the period.
    if (periodic && nowUs - nextDueUs < periodUs) {
        nextDueUs += periodUs;
    } else {
        nextDueUs = nowUs + periodUs;
    }
}

void FramePacer::Rest(std::int64_t forUs) {
    resting = true;
    nextDueUs = lastFrameUs + forUs;
}

void FramePacer::OnMessage() {
    if (resting) {
        resting = false;
        nextDueUs = lastFrameUs + lastPeriodUs; // never sooner than a period after the last
    }
}
