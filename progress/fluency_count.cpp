#include "progress/fluency_count.h"

#include <string>

#include "progress/fluency.h"
#include "text/translate.h"

namespace {

// The addition grid's rows and columns when no band is chosen.
constexpr int AdditionGridSize = 10;

// The operation's row of OperationTable; -1 for a code that is no operation.
int OperationIndex(std::uint8_t code) {
    const OperationInfo* operation = FindOperation(code);
    return operation == nullptr ? -1 : static_cast<int>(operation - OperationTable);
}

std::uint64_t OperandsKey(int operandA, int operandB) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(operandA)) << 32 |
           static_cast<std::uint32_t>(operandB);
}

std::vector<Problem> AdditionGrid() {
    std::vector<Problem> facts;
    for (int a = 1; a <= AdditionGridSize; ++a) {
        for (int b = 1; b <= AdditionGridSize; ++b) {
            facts.push_back(Problem{a, OpAdd, b});
        }
    }
    return facts;
}

std::vector<int> RangeTables(const FactChoice& choice) {
    if (choice.TablesChosen()) {
        return choice.Tables();
    }
    std::vector<int> tables;
    for (int table = 1; table <= choice.otherFactorMax; ++table) {
        tables.push_back(table);
    }
    return tables;
}

bool Practised(const ProgressHistory& history, std::uint8_t operation) {
    for (const FactRecord& fact : history.facts) {
        if (fact.operation == operation && fact.asked > 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<Problem> TableFacts(std::uint8_t operation, int table, int otherFactorMax) {
    std::vector<Problem> facts;
    for (int k = 1; k <= otherFactorMax; ++k) {
        if (operation == OpDivide) {
            facts.push_back(Problem{table * k, OpDivide, table});
        } else {
            facts.push_back(Problem{table, OpMultiply, k});
        }
    }
    return facts;
}

std::vector<Problem> BandFacts(std::uint8_t operation, int bound) {
    std::vector<Problem> facts;
    for (int a = 1; a <= bound; ++a) {
        if (operation == OpSubtract) {
            for (int b = 1; b <= a; ++b) {
                facts.push_back(Problem{a, OpSubtract, b});
            }
        } else {
            for (int b = 1; a + b <= bound; ++b) {
                facts.push_back(Problem{a, OpAdd, b});
            }
        }
    }
    return facts;
}

std::vector<Problem> RangeFacts(std::uint8_t operation, const FactChoice& choice) {
    if (operation == OpMultiply || operation == OpDivide) {
        std::vector<Problem> facts;
        for (int table : RangeTables(choice)) {
            const std::vector<Problem> row = TableFacts(operation, table, choice.otherFactorMax);
            facts.insert(facts.end(), row.begin(), row.end());
        }
        return facts;
    }
    const int bound = choice.BandLimit();
    if (bound > 0) {
        return BandFacts(operation, bound);
    }
    return operation == OpAdd ? AdditionGrid() : BandFacts(operation, AdditionGridSize);
}

FluentFacts::FluentFacts(const ProgressHistory& history) {
    for (const FactRecord& fact : history.facts) {
        const int index = OperationIndex(fact.operation);
        if (index >= 0 && IsFluent(fact, history.options.fluentSeconds)) {
            fluent[index].insert(OperandsKey(fact.operandA, fact.operandB));
        }
    }
}

bool FluentFacts::Has(const Problem& problem) const {
    const int index = OperationIndex(problem.operation);
    const Problem shown = AsShown(problem);
    return index >= 0 && fluent[index].count(OperandsKey(shown.operandA, shown.operandB)) > 0;
}

int FluentFacts::Count(const std::vector<Problem>& problems) const {
    int count = 0;
    for (const Problem& problem : problems) {
        count += Has(problem) ? 1 : 0;
    }
    return count;
}

bool FluentFacts::All(const std::vector<Problem>& problems) const {
    for (const Problem& problem : problems) {
        if (!Has(problem)) {
            return false;
        }
    }
    return true;
}

std::vector<FluencyCount> FluencyCounts(const ProgressHistory& history) {
    const FluentFacts fluent(history);
    std::vector<FluencyCount> counts;
    for (const OperationInfo& operation : OperationTable) {
        if (!Practised(history, operation.code)) {
            continue;
        }
        const std::vector<Problem> facts = RangeFacts(operation.code, history.options.facts);
        counts.push_back(
            FluencyCount{operation.code, fluent.Count(facts), static_cast<int>(facts.size())});
    }
    return counts;
}

std::string FluencyLine(const FluencyCount& count) {
    const OperationInfo* operation = FindOperation(count.operation);
    // Translators: "Multiplication: 63 of 100 facts fluent".
    return FormatText(Tr("{1}: {2} of {3} facts fluent"),
                      {operation != nullptr ? Tr(operation->noun) : "",
                       std::to_string(count.fluent), std::to_string(count.facts)});
}
