// CountdownClock: remaining time derived from the timer, adjustments within the limit, the
// once-per-second tick and the centred text.
#include "game/countdown_clock.h"

#include <cstdint>
#include <string>

#include "app/sound.h"
#include "text/text.h"
#include "text/text_style.h"

namespace {
// The system's SND_NOSTOP: a tick is dropped while another sound plays instead of cutting it
// off.
constexpr std::uint32_t NoStopFlag = 0x10;
// Half a blink period in milliseconds.
constexpr std::uint32_t BlinkHalfPeriodMs = 250;
} // namespace

std::string ClockText(int seconds) {
    const int shown = seconds > 0 ? seconds : 0;
    const int minutes = shown / 60;
    const int rest = shown % 60;
    return std::to_string(minutes) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

void CountdownClock::Start(int startSeconds, int limit) {
    limitSeconds = limit;
    timer.Restart();
    ShiftStart((startSeconds - limit) * 1000);
    lastShownSeconds = RemainingSeconds();
}

int CountdownClock::RemainingSeconds() const {
    const std::int64_t remaining =
        static_cast<std::int64_t>(limitSeconds) - static_cast<std::int64_t>(timer.ElapsedSeconds());
    return remaining > 0 ? static_cast<int>(remaining) : 0;
}

void CountdownClock::Adjust(int ms) {
    const std::int64_t remainingMs =
        static_cast<std::int64_t>(limitSeconds) * 1000 - static_cast<std::int64_t>(timer.Elapsed());
    if (ms < 0 && remainingMs + ms < 0) {
        return;
    }
    ShiftStart(ms);
    // A gift past the limit makes the elapsed time wrap or exceed the limit: compared as
    // unsigned, both restart the clock at exactly the limit.
    if (timer.Elapsed() > static_cast<std::uint32_t>(limitSeconds) * 1000u) {
        timer.Restart();
    }
    lastShownSeconds = RemainingSeconds();
}

// Moves the timer's start by ms. A paused timer would lose the move at Resume, so its frozen
// reading is moved instead: a new game or an answer judged while paused still counts.
void CountdownClock::ShiftStart(int ms) {
    if (timer.paused) {
        timer.frozen -= static_cast<std::uint32_t>(ms);
    } else {
        timer.AdvanceStart(ms);
    }
}

int CountdownClock::MsToNextSecond() const {
    return static_cast<int>(1000u - timer.Elapsed() % 1000u);
}

bool CountdownClock::BlinkPhase() const {
    return (timer.Elapsed() / BlinkHalfPeriodMs) % 2u == 0;
}

void CountdownClock::SetTickSound(Sound* sound) {
    if (sound == nullptr) {
        return;
    }
    tickSound = sound;
    tickSound->flags = NoStopFlag;
}

void CountdownClock::Draw() {
    const int remaining = RemainingSeconds();
    if (remaining != lastShownSeconds) {
        if (tickSound != nullptr) {
            tickSound->Play();
        }
        lastShownSeconds = remaining;
    }
    const std::string text = ClockText(remaining);
    TextStyle style = MarkupStyle(0);
    style.boxWidth = GetWidth();
    DrawText(text.c_str(), x, y, style);
}
