#include "progress/progress_export.h"

#include <algorithm>

#include "base/number_text.h"
#include "progress/operations.h"
#include "progress/progress_summary.h"

namespace {

// Each operation's sign as a spreadsheet shows it.
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

void AppendFactRows(std::string& csv, const ProgressHistory& history) {
    csv += "fact,asked,right,wrong,skipped,average seconds,best seconds,last game\r\n";
    for (const FactRecord& fact : history.facts) {
        AppendCsvText(csv, Utf8Signs(FactText(fact)));
        for (int value : {fact.asked, fact.right, fact.wrong, fact.skipped}) {
            AppendCsvNumber(csv, value);
        }
        AppendCsvSeconds(csv, FactMeanMs(fact));
        AppendCsvSeconds(csv, fact.right > 0 ? fact.bestMs : -1);
        AppendCsvNumber(csv, fact.lastGame);
        csv += "\r\n";
    }
}

void AppendGameRows(std::string& csv, const ProgressHistory& history) {
    csv += "date,difficulty,operations,score,level,right,wrong,median seconds\r\n";
    for (const GameRecord& game : history.games) {
        AppendCsvText(csv, game.when);
        csv += ',';
        AppendCsvText(csv, DifficultyNames[std::clamp(game.difficulty, 0, DifficultyCount - 1)]);
        csv += ',';
        AppendCsvText(csv, Utf8Signs(game.operations));
        csv += ',';
        csv += std::to_string(game.score);
        for (int value : {game.level, game.right, game.wrong}) {
            AppendCsvNumber(csv, value);
        }
        // A game without a timed answer has no median (its record holds 0).
        AppendCsvSeconds(csv, game.right + game.wrong > 0 ? game.medianMs : -1);
        csv += "\r\n";
    }
}

} // namespace

std::string ProgressCsvText(const ProgressHistory& history) {
    std::string csv = "\xEF\xBB\xBF"; // marks the text as UTF-8 for spreadsheets
    AppendFactRows(csv, history);
    csv += "\r\n";
    AppendGameRows(csv, history);
    return csv;
}
