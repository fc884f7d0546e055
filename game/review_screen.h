// ReviewScreen: the untimed round over the last game's misses, shown in place of play.
// Where the clock was it counts the round ("2 of 5"), the preview shows the next miss and
// the score box says there is no clock and no score; a right answer moves on, two wrong
// tries show the result, and "Skip" (or S) moves on too. It works on the game's answer
// row, keypad and sounds, which it shares with play.
#pragma once

#include "game/review_round.h"

class ArithmeticGame;

class ReviewScreen {
  public:
    // The frame's step: a click on "Skip" moves on.
    void Update(ArithmeticGame& game);
    // Judges the typed answer once it has as many digits as the result.
    void Judge(ArithmeticGame& game);
    // Escape ends the round; its problems score nothing either way.
    void OnKey(ArithmeticGame& game, int key);
    void Draw(ArithmeticGame& game);

    ReviewRound round;

  private:
    // On past the current problem (answered or skipped); after the last, the setup screen.
    void Next(ArithmeticGame& game);
};
