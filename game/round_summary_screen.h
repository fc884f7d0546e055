// RoundSummaryScreen: where a calm round ends, over the whole window. "Round over", whose
// round it was when several players share the computer, how many problems were right at
// the first try, the median time, the slowest facts and the facts missed (as many as the
// width holds), the line that says why the round is not in the high scores, then OK and,
// when anything was missed, "Practise misses"; below, the facts the round made fluent. The
// screen only asks: the game leaves it.
#pragma once

#include <string>

#include "progress/round_summary.h"
#include "shell/shrunk_font.h"
#include "text/translate.h"
#include "ui/button.h"

enum class RoundSummaryRequest { None, Leave, Practise };

class RoundSummaryScreen {
  public:
    RoundSummaryScreen();
    void Open(const RoundSummary& figures);
    // Enter, Space and Esc leave; P practises the misses when there are any.
    RoundSummaryRequest OnKey(int key) const;
    // The clicks on what the last frame drew.
    RoundSummaryRequest ReadLatches();
    // playerName: empty where one player plays here.
    void Draw(int width, int height, const std::string& playerName);

    RoundSummary summary;
    Button okButton;
    Button practiseButton;

  private:
    bool AnyMissed() const { return !summary.missed.empty(); }
    // The lines under the heading, each list cut to the items that fit in width.
    std::vector<std::string> BodyLines(int width) const;

    ShrunkFont keptApartFont;
};

// Why a calm round stays out of the high-score table, in one line.
constexpr const char* CalmKeptApartLine = TrMark("Calm rounds stay out of the high scores.");
