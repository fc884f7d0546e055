#include "progress/progress_export.h"

#include <algorithm>

#include "base/number_text.h"
#include "progress/fluency.h"
#include "progress/milestones.h"
#include "progress/operations.h"
#include "progress/progress_summary.h"

namespace {

constexpr char Utf8Mark[] = "\xEF\xBB\xBF"; // marks the text as UTF-8 for spreadsheets

// Each operation's code in text replaced by its sign as a spreadsheet shows it.
std::string Utf8Signs(const std::string& text) {
    std::string out;
    for (char c : text) {
        const OperationInfo* operation = FindOperation(static_cast<std::uint8_t>(c));
        if (operation != nullptr) {
            out += operation->sign;
        } else {
            out += c;
        }
    }
    return out;
}

std::string SignOf(std::uint8_t code) {
    const OperationInfo* operation = FindOperation(code);
    return operation != nullptr ? operation->sign : "";
}

// Whether a game record's operations text holds this operation: the signs' codes
// (" +  -  x  \x89 ") or, for a game of one operation, its name ("Add").
bool Names(const std::string& operations, const OperationInfo& operation) {
    return operations == operation.name ||
           operations.find(static_cast<char>(operation.code)) != std::string::npos;
}

// The operations a game had in table order, by their signs, single-space separated
// ("+ - x \xC3\xB7"), one form whichever the record holds.
std::string OperationSigns(const std::string& operations) {
    std::string signs;
    for (const OperationInfo& operation : OperationTable) {
        if (Names(operations, operation)) {
            signs += signs.empty() ? "" : " ";
            signs += operation.sign;
        }
    }
    return signs;
}

// Quoted, with inner quotes doubled: any text is one field.
void AppendCsvText(std::string& row, const std::string& text) {
    row += '"';
    for (char c : text) {
        row += c;
        if (c == '"') {
            row += '"';
        }
    }
    row += '"';
}

void AppendCsvNumber(std::string& row, int value) {
    row += ',';
    AppendDecimal(row, value);
}

// An empty field for a time that was never taken.
void AppendCsvSeconds(std::string& row, int ms) {
    row += ',';
    if (ms >= 0) {
        row += TenthsText(ms);
    }
}

void AppendFactRow(std::string& csv, const FactRecord& fact, int fluentSeconds) {
    AppendCsvText(csv, Utf8Signs(FactText(fact)));
    csv += ',';
    AppendCsvText(csv, SignOf(fact.operation));
    for (int value : {fact.asked, fact.right, fact.wrong, fact.skipped}) {
        AppendCsvNumber(csv, value);
    }
    AppendCsvSeconds(csv, FactMeanMs(fact));
    AppendCsvSeconds(csv, fact.timed > 0 ? fact.bestMs : -1);
    AppendCsvNumber(csv, fact.lastGame);
    csv += ',';
    AppendCsvText(csv, IsFluent(fact, fluentSeconds) ? "yes" : "no");
    csv += "\r\n";
}

void AppendGameRow(std::string& csv, const GameRecord& game) {
    // An old game, recorded before games were numbered, has none to match a fact's last game.
    if (game.number != 0) {
        AppendDecimal(csv, game.number);
    }
    for (const std::string& text :
         {game.when,
          std::string(DifficultyNames[std::clamp(game.difficulty, 0, DifficultyCount - 1)]),
          OperationSigns(game.operations), game.facts, std::string(game.calm ? "calm" : "clock")}) {
        csv += ',';
        AppendCsvText(csv, text);
    }
    csv += ',';
    csv += std::to_string(game.score);
    for (int value : {game.level, game.right, game.wrong}) {
        AppendCsvNumber(csv, value);
    }
    // A game without a timed answer has no median (its record holds 0).
    AppendCsvSeconds(csv, game.medianMs > 0 ? game.medianMs : -1);
    csv += "\r\n";
}

} // namespace

std::string FactsCsvText(const ProgressHistory& history) {
    std::string csv = Utf8Mark;
    csv += "fact,operation,asked,right,wrong,skipped,average seconds,best seconds,last game,"
           "fluent\r\n";
    for (const FactRecord& fact : history.facts) {
        AppendFactRow(csv, fact, history.options.fluentSeconds);
    }
    return csv;
}

std::string GamesCsvText(const ProgressHistory& history) {
    std::string csv = Utf8Mark;
    csv += "game,date,difficulty,operations,facts,pace,score,level,right,wrong,median seconds\r\n";
    for (const GameRecord& game : history.games) {
        AppendGameRow(csv, game);
    }
    return csv;
}

std::string MilestonesCsvText(const ProgressHistory& history) {
    std::string csv = Utf8Mark;
    csv += "milestone,date\r\n";
    for (const Milestone& milestone : history.milestones) {
        AppendCsvText(csv, Utf8Signs(MilestoneFileText(milestone)));
        csv += ',';
        AppendCsvText(csv, milestone.date);
        csv += "\r\n";
    }
    return csv;
}
