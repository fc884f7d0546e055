// Weak facts: the facts of a progress history the player misses or answers slowly, and a
// weighted choice among them, so the "Weak facts" option can deal the player's trouble
// spots more often than fresh problems would. The dealer decides which facts fit the
// level; this file decides how much each one weighs and picks one. A fact weighs more the
// more often it was missed and the slower its average answer is against the player's
// median for its operation; a fact never missed and answered at or under that median
// weighs nothing and never comes up. Every random number comes from the shared sequence.
// Plain C++.
#pragma once

#include <functional>
#include <vector>

#include "progress/progress_history.h"

// What a fact missed every time adds to its weight; fewer misses add their share of it.
constexpr int WeakMissWeight = 60;
// What an average a whole median above the median adds, counted up to WeakSlowCapMedians
// medians above it, so one very slow answer does not drown out the misses.
constexpr int WeakSlowWeight = 20;
constexpr int WeakSlowCapMedians = 2;
constexpr int MaxWeakFactWeight = WeakMissWeight + WeakSlowWeight * WeakSlowCapMedians;

// The fact's weight against medianMs, the player's median for its operation (-1 when there
// is none, and then only misses count). Each part rounds up, so any miss and any average
// above the median give a weight of at least 1.
int WeakFactWeight(const FactRecord& fact, int medianMs);

// A random index into weights, each chosen in proportion to its weight; -1 without a draw
// when no weight is positive. A total up to WeakOneDrawTotal takes one draw, whose 32768
// values then give each unit of weight 32 or 33 of them, fair to within 3%; a larger total
// takes two draws joined into a 30-bit number, since one draw would favour the first
// weights of a large total and never reach past 32767.
int PickByWeight(const std::vector<int>& weights);
constexpr int WeakOneDrawTotal = 1024;

// One of the history's facts that fits accepts, chosen by weight; null without a draw when
// none of them weighs anything.
const FactRecord* PickWeakFact(const ProgressHistory& history,
                               const std::function<bool(const FactRecord&)>& fits);

// The same choice as a problem to ask, for a dealer that sees problems rather than the
// history: true with the chosen fact in out, false without a draw when none weighs anything.
bool PickWeakProblem(const ProgressHistory& history,
                     const std::function<bool(const Problem&)>& fits, Problem& out);
