// libFuzzer target for progress.dat: arbitrary bytes as the file (in the save folder or
// the fallback one, held by another program or not, beside a leftover temporary file), in
// an in-memory store, go through the load; a session the input describes is recorded;
// and the history is saved, once cleanly and once with a failure or power cut at a chosen
// step. Beyond the sanitizers it checks that the file is set aside exactly when it is
// damaged, and then under a name not used before; that what the recovering reader takes
// of it saves and reads back unchanged; that every record keeps the history's counts and
// bounds; that a clean save reads back byte for byte and unchanged histories are not
// written again; and that a faulted save leaves the old history or the new one. A whole
// file of an earlier version is kept for its upgrade, whose copy a clean save removes and
// a faulted one leaves the old bytes in, in progress.dat or progress.dat.v1 (or .v2).
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <tuple>

#include "fuzz/progress_fuzz_input.h"
#include "progress/fluency.h"
#include "progress/fluency_count.h"
#include "progress/milestones.h"
#include "progress/progress_export.h"
#include "progress/progress_file.h"
#include "progress/progress_summary.h"
#include "support/memory_file_store.h"

namespace {

const char SaveFolder[] = "C:\\users\\player\\Quickfigure\\";
const char FallbackFolder[] = "D:\\games\\quickfigure\\";
const char OtherFiles[][16] = {"settings.dat", "highscores.dat"};
const char* const OperationTexts[] = {"Add", " +  - ", " +  -  x  \x89 ", ""};
const std::uint8_t Operations[] = {OpAdd, OpSubtract, OpMultiply, OpDivide};
// Fault steps are taken modulo this, a little beyond the longest save (an upgrade's seven).
constexpr int FaultSteps = 9;

void Fail(const char* what) {
    std::fprintf(stderr, "progress file fuzzer: %s\n", what);
    std::abort();
}

void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

bool SameHistory(const ProgressHistory& a, const ProgressHistory& b) {
    const auto recent = [](const RecentAnswer& x, const RecentAnswer& y) {
        return x.ms == y.ms && x.right == y.right;
    };
    const auto fact = [](const FactRecord& f) {
        return std::tie(f.operation, f.operandA, f.operandB, f.asked, f.right, f.wrong, f.skipped,
                        f.totalMs, f.timed, f.bestMs, f.lastGame);
    };
    const auto game = [](const GameRecord& g) {
        return std::tie(g.number, g.when, g.difficulty, g.operations, g.score, g.level, g.right,
                        g.wrong, g.medianMs, g.facts, g.calm);
    };
    const auto milestone = [](const Milestone& x, const Milestone& y) {
        return x.operation == y.operation && x.number == y.number && x.date == y.date;
    };
    return a.options == b.options && a.gamesPlayed == b.gamesPlayed &&
           std::equal(a.milestones.begin(), a.milestones.end(), b.milestones.begin(),
                      b.milestones.end(), milestone) &&
           std::equal(a.facts.begin(), a.facts.end(), b.facts.begin(), b.facts.end(),
                      [&](const FactRecord& x, const FactRecord& y) {
                          return std::equal(x.recent.begin(), x.recent.end(), y.recent.begin(),
                                            y.recent.end(), recent);
                      }) &&
           std::equal(
               a.facts.begin(), a.facts.end(), b.facts.begin(), b.facts.end(),
               [&](const FactRecord& x, const FactRecord& y) { return fact(x) == fact(y); }) &&
           std::equal(a.games.begin(), a.games.end(), b.games.begin(), b.games.end(),
                      [&](const GameRecord& x, const GameRecord& y) { return game(x) == game(y); });
}

// What any history must hold, however it was made: consistent counts and times, and the
// bounds. (That each fact is listed once the reader checks when the file is read back.)
void CheckHolds(const ProgressHistory& history) {
    Require(history.facts.size() <= static_cast<std::size_t>(MaxProgressFacts), "too many facts");
    Require(history.games.size() <= static_cast<std::size_t>(MaxProgressGames), "too many games");
    for (const FactRecord& fact : history.facts) {
        Require(static_cast<long long>(fact.right) + fact.wrong + fact.skipped == fact.asked &&
                    fact.right >= 0 && fact.wrong >= 0 && fact.skipped >= 0,
                "a fact's verdicts do not add up to its count");
        Require(fact.bestMs >= 0 && fact.bestMs <= MaxAnswerMs && fact.totalMs >= 0,
                "a fact's times are out of range");
        Require(fact.timed >= 0 && fact.timed <= static_cast<long long>(fact.right) + fact.wrong,
                "more right answers timed than problems answered");
        Require(fact.timed > 0 || (fact.totalMs == 0 && fact.bestMs == 0),
                "a time without a right answer");
        // The best of the times is never slower than their average (unless the total stopped
        // at its limit).
        Require(fact.totalMs == INT_MAX ||
                    static_cast<long long>(fact.bestMs) * fact.timed <= fact.totalMs,
                "a fact's best is slower than its average");
        Require(fact.recent.size() <= static_cast<std::size_t>(RecentAnswerCount) &&
                    fact.recent.size() <= static_cast<std::size_t>(fact.asked),
                "more recent answers kept than allowed or asked");
        Require(fact.lastGame >= 0 && fact.lastGame <= history.gamesPlayed,
                "a fact was seen in a game not counted");
    }
}

std::string Path(const char* folder, const char* name) {
    return std::string(folder) + name;
}

MemoryFileStore StoreOf(const ProgressFuzzInput& input) {
    MemoryFileStore store;
    store.folders = {SaveFolder, FallbackFolder};
    for (const char* name : OtherFiles) {
        store.files[Path(SaveFolder, name)].bytes = name;
    }
    const std::string file = Path(input.inFallback ? FallbackFolder : SaveFolder, "progress.dat");
    if (input.present) {
        store.files[file].bytes = input.progressBytes;
        if (input.locked) {
            store.locked.insert(file);
        }
    }
    if (input.temporary) {
        store.files[Path(SaveFolder, "progress.dat.tmp")].bytes = "left over";
    }
    return store;
}

ProgressHistory Load(MemoryFileStore& store, ProgressFileState& state) {
    ProgressHistory history;
    LoadProgressFile(store, SaveFolder, FallbackFolder, true, history, state);
    return history;
}

// The load against what the recovering reader makes of the bytes: a damaged file in the
// save folder is set aside whole and what was read of it saved in its place, and what is
// read saves and reads back as the same history.
void CheckLoad(const MemoryFileStore& before, const MemoryFileStore& store,
               const ProgressFuzzInput& input, const ProgressHistory& history,
               const ProgressFileState& state) {
    ProgressHistory expected;
    const bool whole = RecoverProgressBytes(input.progressBytes, expected);
    const bool readable = input.present && !input.locked;
    const bool setAside = readable && !input.inFallback && !whole;
    // A whole file that is not what a save writes now is of an earlier version.
    const bool upgrade = readable && !input.inFallback && whole &&
                         ProgressFileBytes(expected) != input.progressBytes;
    const std::string saved = Path(SaveFolder, "progress.dat");
    Require(state.olderBytes == (upgrade ? input.progressBytes : std::string()),
            "an earlier version's file is not kept for its upgrade, or another file is");
    Require(state.loaded, "the load failed");
    Require(store.Has(saved + ".bad") == setAside,
            setAside ? "a damaged file was not set aside" : "a file was set aside for nothing");
    Require(!setAside || store.Bytes(saved + ".bad") == input.progressBytes,
            "the set-aside file is not as it was found");
    Require(!setAside || store.Bytes(saved) == ProgressFileBytes(expected),
            "what was read of a damaged file is not saved in its place");
    Require(state.damagedFileKept.empty() == !(readable && !whole),
            "damage is reported for a whole file or not for a damaged one");
    Require(SameHistory(history, readable ? expected : ProgressHistory()),
            "the loaded history is not what the reader makes of the file");
    ProgressHistory reread;
    Require(ReadProgressBytes(ProgressFileBytes(expected), reread) && SameHistory(reread, expected),
            "what was read of a file does not save and read back as the same history");
    Require(state.writable == !(input.present && input.locked), "the file's writability is wrong");
    Require(!store.Has(saved + ".tmp"), "a leftover temporary file stayed");
    for (const auto& entry : before.files) {
        const bool replaced = setAside && entry.first == saved;
        const bool removed = entry.first == saved + ".tmp";
        Require(replaced || removed || store.Bytes(entry.first) == entry.second.bytes,
                "the load changed a file it should have left alone");
    }
    CheckHolds(history);
}

// The same damage found again at the next start goes beside the first copy, which stays.
void CheckSecondDamage(MemoryFileStore store, const ProgressFuzzInput& input) {
    const std::string saved = Path(SaveFolder, "progress.dat");
    if (!store.Has(saved + ".bad")) {
        return;
    }
    store.files[saved].bytes = input.progressBytes;
    ProgressFileState state;
    Load(store, state);
    Require(store.Bytes(saved + ".bad") == input.progressBytes &&
                store.Bytes(saved + ".bad2") == input.progressBytes,
            "a second damaged file was not kept beside the first");
    Require(state.damagedFileKept == saved + ".bad2", "the second copy's name is not reported");
}

// Fills the history to its fact bound with facts no play deals, seen in varied games.
void Fill(ProgressHistory& history) {
    std::set<int> taken;
    for (const FactRecord& fact : history.facts) {
        if (fact.operation == OpAdd && fact.operandB == 0) {
            taken.insert(fact.operandA);
        }
    }
    for (int i = 0; history.facts.size() < static_cast<std::size_t>(MaxProgressFacts); ++i) {
        if (taken.count(1000 + i) != 0) {
            continue;
        }
        FactRecord fact;
        fact.operandA = 1000 + i;
        fact.asked = fact.right = 1;
        fact.lastGame = static_cast<int>((i * 2654435761u) % (history.gamesPlayed + 1u));
        history.facts.push_back(fact);
    }
}

Problem ProblemOf(const ProgressPlay& play) {
    Problem problem;
    problem.operation = (play.kind & 0x10) != 0 ? play.a : Operations[play.kind & 3];
    problem.operandA = play.a - 128;
    problem.operandB = play.b;
    return problem;
}

bool IsFact(const FactRecord* fact, const Problem& problem) {
    return fact != nullptr && fact->operation == problem.operation &&
           fact->operandA == problem.operandA && fact->operandB == problem.operandB;
}

// The fact after a verdict against the fact before it (a new one counts from nothing).
void CheckVerdict(const FactRecord& before, const FactRecord& after, FactOutcome outcome, int ms,
                  int lastGame) {
    const int counted = before.asked == INT_MAX ? 0 : 1;
    Require(after.asked == before.asked + counted, "a verdict was not counted once");
    Require(after.right - before.right == (outcome == FactOutcome::Right ? counted : 0) &&
                after.wrong - before.wrong == (outcome == FactOutcome::Wrong ? counted : 0) &&
                after.skipped - before.skipped == (outcome == FactOutcome::Skipped ? counted : 0),
            "a verdict counted as another");
    Require(after.lastGame == (counted != 0 ? lastGame : before.lastGame),
            "a fact does not remember the game it was seen in");
    if (outcome == FactOutcome::Right && counted != 0 && before.timed != INT_MAX) {
        const int time = std::min(ms, MaxAnswerMs);
        Require(after.bestMs == (before.timed == 0 ? time : std::min(before.bestMs, time)),
                "the best time is not the fastest right answer");
    }
    const RecentAnswer* last = after.recent.empty() ? nullptr : &after.recent.back();
    Require(counted == 0 || (last != nullptr && last->right == (outcome == FactOutcome::Right) &&
                             (last->right || last->ms == 0)),
            "the newest recent answer is not the verdict just counted");
}

// One verdict. A fact already kept stays where it is and a new one comes last; a full
// history must drop its least recently seen fact for it, the first asked of those.
void PlayFact(ProgressHistory& history, const ProgressPlay& play, FactOutcome outcome, int game,
              std::vector<int>& times) {
    const Problem problem = ProblemOf(play);
    const int gameNumber = (play.kind & 0x20) != 0 ? play.b - 128 : game;
    const int ms = outcome == FactOutcome::Skipped ? -1 : play.time * 2400;
    std::vector<FactRecord>& facts = history.facts;
    const FactRecord* found =
        history.FindFact(problem.operation, problem.operandA, problem.operandB);
    const FactRecord before = found != nullptr ? *found : FactRecord();
    const std::size_t index = found != nullptr ? static_cast<std::size_t>(found - facts.data()) : 0;
    const std::size_t size = facts.size();
    const bool dropping = found == nullptr && size == static_cast<std::size_t>(MaxProgressFacts);
    const FactRecord dropped =
        dropping ? *std::min_element(facts.begin(), facts.end(),
                                     [](const FactRecord& x, const FactRecord& y) {
                                         return x.lastGame < y.lastGame;
                                     })
                 : FactRecord();
    history.RecordFact(problem, outcome, ms, gameNumber);
    const FactRecord* after =
        facts.empty() ? nullptr : (found != nullptr ? &facts[index] : &facts.back());
    if (std::find(std::begin(Operations), std::end(Operations), problem.operation) ==
        std::end(Operations)) {
        Require(!IsFact(after, problem) && facts.size() == size,
                "a fact of an unknown operation was kept");
        return;
    }
    Require(IsFact(after, problem), "a verdict was not recorded where it belongs");
    Require(!dropping ||
                history.FindFact(dropped.operation, dropped.operandA, dropped.operandB) == nullptr,
            "a full history kept its least recently seen fact");
    CheckVerdict(before, *after, outcome, ms, std::clamp(gameNumber, 0, history.gamesPlayed));
    if (outcome == FactOutcome::Right) {
        times.push_back(ms);
    }
    // A wrong try, then the right answer at last.
    if (outcome == FactOutcome::Wrong && (play.kind & 0x40) != 0) {
        history.RecordLateRight(problem, ms + 1200);
        times.push_back(ms + 1200);
    }
}

// Facts chosen from a play's bytes, valid or not as they fall.
FactChoice ChoiceOf(const ProgressPlay& play) {
    FactChoice choice;
    choice.tables = static_cast<std::uint16_t>(play.a * 257u + play.b);
    choice.typedTable = play.time % 2 != 0 ? play.time / 2 : 0;
    choice.otherFactorMax = play.b % 2 != 0 ? LongOtherFactor : ShortOtherFactor;
    choice.band = static_cast<SumBand>(play.a % 5);
    choice.pace = (play.kind & 0x80) != 0 ? Pace::Calm : Pace::Clock;
    choice.calmRound = CalmRoundLengths[play.b % 3];
    return choice;
}

GameRecord GameOf(const ProgressPlay& play, const std::vector<int>& times, int number) {
    GameRecord game;
    game.number = (play.kind & 0x20) != 0 ? play.b - 128 : number;
    game.when = play.a == 0xFF ? std::string(reinterpret_cast<const char*>(&play), sizeof play)
                               : "2026-12-08 19:" + std::to_string(play.time % 60);
    game.difficulty = play.a % 5 - 1;
    game.operations = OperationTexts[play.b % 4];
    game.score = static_cast<std::uint32_t>(play.a * play.b * 16777619u);
    game.level = play.time - 8;
    game.right = play.b;
    game.wrong = play.a - 64;
    game.medianMs = MedianMs(times);
    // As a game of chosen facts records them.
    game.facts = (play.kind & 0x40) != 0 ? DescribeFacts(ChoiceOf(play)) : std::string();
    game.calm = (play.kind & 0x80) != 0;
    return game;
}

// A milestone from a play's bytes, as a game's end may earn one, on the game's date.
Milestone MilestoneOf(const ProgressPlay& play, const GameRecord& game) {
    return {Operations[play.b & 3], 1 + play.time % 100, game.when.substr(0, 10)};
}

void PlayGameEnd(ProgressHistory& history, const ProgressPlay& play, std::vector<int>& times) {
    const std::size_t games = history.games.size();
    const GameRecord game = GameOf(play, times, history.gamesPlayed);
    history.RecordGame(game);
    times.clear();
    Require(history.games.size() == std::min(games + 1, static_cast<std::size_t>(MaxProgressGames)),
            "a game was not kept or an old one not dropped");
    const GameRecord& kept = history.games.back();
    Require(kept.score == game.score && kept.medianMs == std::clamp(game.medianMs, 0, MaxAnswerMs),
            "the newest game is not the one recorded");
    Require(kept.number >= 0 && kept.number <= history.gamesPlayed,
            "a game's number is not one counted");
    if ((play.kind & 0x10) != 0) {
        const std::size_t earned = history.milestones.size();
        const bool added = history.EarnMilestone(MilestoneOf(play, kept));
        Require(history.milestones.size() == earned + (added ? 1 : 0) &&
                    history.milestones.size() <= static_cast<std::size_t>(MaxMilestones),
                "a milestone was earned twice or beyond the most kept");
    }
    // The threshold as the progress screen steps it.
    if ((play.kind & 0x01) != 0) {
        history.options.fluentSeconds = NextFluentSeconds(history.options.fluentSeconds);
    }
}

// The session: a game begins, the plays are recorded, and the last game ends.
void Play(ProgressHistory& history, const ProgressFuzzInput& input) {
    if (input.fill) {
        Fill(history);
    }
    std::vector<int> times;
    int game = history.BeginGame();
    for (const ProgressPlay& play : input.plays) {
        const int verdict = (play.kind >> 2) & 3;
        if (verdict == 3) {
            // The next game's facts chosen, when the screen could have set them.
            if ((play.kind & 0x40) != 0 && ChoiceOf(play).Valid()) {
                history.options.facts = ChoiceOf(play);
            }
            PlayGameEnd(history, play, times);
            game = history.BeginGame();
        } else {
            PlayFact(history, play, static_cast<FactOutcome>(verdict), game, times);
        }
    }
    PlayGameEnd(history, ProgressPlay(), times);
    CheckHolds(history);
}

// A clean save: the file then holds exactly the history's bytes (the strict reader takes
// no other bytes for it) and loads back as it, and saving it again writes nothing. A save
// that may not write leaves every file alone, and the bytes it would have written still
// read back as the history.
void CheckCleanSave(MemoryFileStore store, ProgressFileState state,
                    const ProgressHistory& history) {
    const auto before = store.files;
    const bool saved = SaveProgressFile(store, history, state);
    Require(saved == state.writable, "a save failed without a fault");
    if (!saved) {
        Require(store.files.size() == before.size(), "a save that may not write wrote");
        for (const auto& entry : before) {
            Require(store.Bytes(entry.first) == entry.second.bytes,
                    "a save that may not write changed a file");
        }
        ProgressHistory read;
        Require(ReadProgressBytes(ProgressFileBytes(history), read) && SameHistory(read, history),
                "a history's file does not read back as the same history");
        return;
    }
    for (const int version : {FirstProgressVersion, ChosenFactsVersion}) {
        const std::string older = OlderProgressPath(SaveFolder, version);
        Require(!store.Has(older) && !store.Has(older + ".tmp"),
                "an upgrade left its copy of the earlier version");
    }
    ProgressFileState next;
    Require(SameHistory(Load(store, next), history), "a save did not load back as saved");
    Require(next.savedBytes == store.Bytes(Path(SaveFolder, "progress.dat")),
            "a save did not read back byte for byte");
    const int steps = store.steps;
    Require(SaveProgressFile(store, history, next) && store.steps == steps,
            "an unchanged history was written again");
}

// A save with the input's fault: the next start finds the old history or the new one.
void CheckFaultedSave(MemoryFileStore& store, ProgressFileState& state,
                      const ProgressFuzzInput& input, const ProgressHistory& loaded,
                      const ProgressHistory& history) {
    if (input.faultStep != ProgressFuzzInput::NoFault) {
        const int step = store.steps + input.faultStep % FaultSteps;
        (input.crash ? store.crashStep : store.failStep) = step;
    }
    const std::string setAside = store.Bytes(Path(SaveFolder, "progress.dat.bad"));
    const std::string older = state.olderBytes;
    const int olderVersion = state.olderVersion;
    SaveProgressFile(store, history, state);
    store.Restart();
    // The old bytes go only with a finished upgrade, whose file is then in their place.
    const std::string now = store.Bytes(Path(SaveFolder, "progress.dat"));
    Require(older.empty() || now == older || now == ProgressFileBytes(history) ||
                store.Bytes(OlderProgressPath(SaveFolder, olderVersion)) == older,
            "a faulted upgrade lost the earlier version's bytes");
    ProgressFileState next;
    const ProgressHistory reloaded = Load(store, next);
    Require(SameHistory(reloaded, loaded) || SameHistory(reloaded, history),
            "after a faulted save the history is neither the old nor the new one");
    Require(store.Bytes(Path(SaveFolder, "progress.dat.bad")) == setAside,
            "a faulted save left a file that was set aside");
}

// The progress screen's figures and the export over whatever the load and the session
// left: within their bounds, and one exported line per fact, game and milestone besides
// each file's header.
void CheckSummary(const ProgressHistory& history) {
    Require(SlowestFacts(history, 10).size() <= 10, "more slowest facts than asked for");
    for (const FactRecord* fact : MostMissedFacts(history, 10)) {
        Require(fact->wrong + fact->skipped > 0, "a fact never missed among the most missed");
    }
    for (std::uint8_t operation : Operations) {
        const OperationFigures figures = FiguresFor(history, operation);
        Require(figures.right >= 0 && figures.right <= figures.asked, "an operation's tally");
        Require(figures.medianMs >= -1 && figures.medianMs <= MaxAnswerMs, "a median time");
    }
    for (int a = 1; a <= 10; ++a) {
        for (int b = 1; b <= 10; ++b) {
            GridCellColour(history, OpMultiply, a, b);
            GridCellColour(history, OpAdd, a, b);
        }
    }
    for (const FactRecord& fact : history.facts) {
        Require(!FactLine(fact).empty(), "an empty fact line");
    }
    Require(ChartedGames(history).size() <= static_cast<std::size_t>(ChartGames),
            "more games charted than the chart holds");
    for (const FluencyCount& count : FluencyCounts(history)) {
        Require(count.fluent >= 0 && count.fluent <= count.facts, "a fluency count");
    }
    // One line per fact, game and milestone besides each file's header.
    const std::pair<std::string, std::size_t> files[] = {
        {FactsCsvText(history), history.facts.size()},
        {GamesCsvText(history), history.games.size()},
        {MilestonesCsvText(history), history.milestones.size()}};
    for (const auto& [csv, rows] : files) {
        const auto lines = static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n'));
        Require(lines == rows + 1, "an exported line that is not a header or a row");
    }
}

// The milestones a game's end earns: each complete, none earned again, none taken away.
void CheckMilestones(ProgressHistory history) {
    const std::vector<Milestone> before = history.milestones;
    const std::vector<Milestone> earned = EarnMilestones(history, "2026-12-09");
    Require(history.milestones.size() ==
                std::min(before.size() + earned.size(), static_cast<std::size_t>(MaxMilestones)),
            "milestones were taken away or lost");
    Require(EarnMilestones(history, "2026-12-10").empty(), "a milestone was earned twice");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ProgressFuzzInput input = DecodeProgressFuzzInput(data, size);
    MemoryFileStore store = StoreOf(input);
    const MemoryFileStore initial = store;
    ProgressFileState state;
    ProgressHistory history = Load(store, state);
    CheckLoad(initial, store, input, history, state);
    CheckSecondDamage(store, input);

    const ProgressHistory loaded = history;
    Play(history, input);
    CheckSummary(history);
    CheckMilestones(history);
    CheckCleanSave(store, state, history);
    CheckFaultedSave(store, state, input, loaded, history);
    return 0;
}
