#include "progress/milestones.h"

#include <string>

#include "progress/fluency_count.h"
#include "text/translate.h"

namespace {

bool IsTable(std::uint8_t operation) {
    return operation == OpMultiply || operation == OpDivide;
}

// A milestone's words, their pattern given by wording from the English.
std::string MilestoneWords(const Milestone& milestone, const char* (*wording)(const char*)) {
    const std::string sign(1, static_cast<char>(milestone.operation));
    const std::string number = std::to_string(milestone.number);
    if (IsTable(milestone.operation)) {
        // Translators: a table learnt, {1} its number, {2} its sign: "7 x table".
        return FormatText(wording(TrMark("{1} {2} table")), {number, sign});
    }
    // Translators: sums or differences learnt, {1} the sign + or -, {2} the bound: "+ within 10".
    return FormatText(wording(TrMark("{1} within {2}")), {sign, number});
}

// The tables a milestone may be earned for: 1 to the other factor's bound, and the typed one.
std::vector<int> CandidateTables(const FactChoice& choice) {
    std::vector<int> tables;
    for (int table = 1; table <= choice.otherFactorMax; ++table) {
        tables.push_back(table);
    }
    if (choice.typedTable > choice.otherFactorMax) {
        tables.push_back(choice.typedTable);
    }
    return tables;
}

// The bounds of the bands a player can choose: 10, 20 and 100.
std::vector<int> CandidateBands() {
    std::vector<int> bounds;
    for (SumBand band : {SumBand::Within10, SumBand::Within20, SumBand::Within100}) {
        FactChoice choice;
        choice.band = band;
        bounds.push_back(choice.BandLimit());
    }
    return bounds;
}

void Earn(ProgressHistory& history, const Milestone& milestone, std::vector<Milestone>& earned) {
    if (history.EarnMilestone(milestone)) {
        earned.push_back(milestone);
    }
}

} // namespace

std::vector<Milestone> EarnMilestones(ProgressHistory& history, const std::string& date) {
    const FluentFacts fluent(history);
    const FactChoice& choice = history.options.facts;
    std::vector<Milestone> earned;
    for (std::uint8_t operation : {OpMultiply, OpDivide}) {
        for (int table : CandidateTables(choice)) {
            if (fluent.All(TableFacts(operation, table, choice.otherFactorMax))) {
                Earn(history, Milestone{operation, table, date}, earned);
            }
        }
    }
    for (std::uint8_t operation : {OpAdd, OpSubtract}) {
        for (int bound : CandidateBands()) {
            if (fluent.All(BandFacts(operation, bound))) {
                Earn(history, Milestone{operation, bound, date}, earned);
            }
        }
    }
    return earned;
}

std::string MilestoneText(const Milestone& milestone) {
    return MilestoneWords(milestone, Tr);
}

std::string MilestoneFileText(const Milestone& milestone) {
    return MilestoneWords(milestone, [](const char* english) { return english; });
}
