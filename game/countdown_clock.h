// CountdownClock: the game's clock, a widget that counts down in whole seconds. It keeps no
// remaining time of its own but derives it from a TickTimer, so pausing the timer freezes it;
// bonuses and penalties move the timer's start. It ticks once per shown second through a
// borrowed Sound and draws "m:ss" centred in its width with the current font.
#pragma once

#include <string>

#include "base/tick_timer.h"
#include "ui/widget.h"

class Sound;

// The clock's text for a number of seconds: "1:00", "0:30", "0:05".
std::string ClockText(int seconds);

class CountdownClock : public Widget {
  public:
    // Starts showing startSeconds of at most limit seconds, paused or not as before.
    void Start(int startSeconds, int limit);
    // limitSeconds minus the whole seconds elapsed, never below 0.
    int RemainingSeconds() const;
    // Gives back (ms > 0) or takes away (ms < 0) time. A penalty larger than the time left is
    // dropped; a gift never lifts the clock above the limit. Works while paused, too.
    void Adjust(int ms);
    void Pause() { timer.Pause(); }
    void Resume() { timer.Resume(); }
    // Milliseconds of clock time until the shown seconds next change, 1 to 1000.
    int MsToNextSecond() const;
    // Alternates every 250 ms of clock time, for blinking in the last seconds.
    bool BlinkPhase() const;
    // Borrows the tick sound (null ignored) and marks it not to cut off other sounds.
    void SetTickSound(Sound* sound);
    // Ticks when the shown seconds have changed since the last draw, then draws the text.
    void Draw() override;

    int limitSeconds = 30;
    TickTimer timer;
    // Not owned; null until SetTickSound.
    Sound* tickSound = nullptr;
    // Remaining seconds at the last draw, Start or Adjust; a change from it ticks.
    int lastShownSeconds = 0;

  private:
    void ShiftStart(int ms);
};
