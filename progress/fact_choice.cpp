#include "progress/fact_choice.h"

#include <algorithm>
#include <iterator>

#include "base/number_text.h"

namespace {

constexpr int SumBandLimits[SumBandCount] = {0, 10, 20, 100};
constexpr std::uint16_t ListedTableBits = (1u << LastListedTable) - 1;

void AppendTables(std::string& out, const FactChoice& choice) {
    const std::vector<int> tables = choice.Tables();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendDecimal(out, tables[i]);
    }
    if (choice.otherFactorMax == LongOtherFactor) {
        out += " to 12";
    }
}

} // namespace

bool FactChoice::HasTable(int table) const {
    if (table >= FirstListedTable && table <= LastListedTable) {
        return (tables >> (table - 1) & 1u) != 0;
    }
    return table != 0 && table == typedTable;
}

void FactChoice::SetTable(int table, bool on) {
    if (table < FirstListedTable || table > LastListedTable) {
        return;
    }
    const auto bit = static_cast<std::uint16_t>(1u << (table - 1));
    tables = static_cast<std::uint16_t>(on ? tables | bit : tables & ~bit);
}

std::vector<int> FactChoice::Tables() const {
    std::vector<int> chosen;
    for (int table = FirstListedTable; table <= LastListedTable; ++table) {
        if (HasTable(table)) {
            chosen.push_back(table);
        }
    }
    if (typedTable != 0) {
        chosen.push_back(typedTable);
    }
    return chosen;
}

int FactChoice::BandLimit() const {
    const auto index = static_cast<int>(band);
    return index < SumBandCount ? SumBandLimits[index] : 0;
}

bool FactChoice::Valid() const {
    const bool roundKnown = std::find(std::begin(CalmRoundLengths), std::end(CalmRoundLengths),
                                      calmRound) != std::end(CalmRoundLengths);
    return (tables & ~ListedTableBits) == 0 && (typedTable == 0 || TypedTableAllowed(typedTable)) &&
           (otherFactorMax == ShortOtherFactor || otherFactorMax == LongOtherFactor) &&
           static_cast<int>(band) < SumBandCount && (pace == Pace::Clock || pace == Pace::Calm) &&
           roundKnown;
}

bool operator==(const FactChoice& a, const FactChoice& b) {
    return a.tables == b.tables && a.typedTable == b.typedTable &&
           a.otherFactorMax == b.otherFactorMax && a.band == b.band && a.pace == b.pace &&
           a.calmRound == b.calmRound;
}

bool operator!=(const FactChoice& a, const FactChoice& b) {
    return !(a == b);
}

bool TypedTableAllowed(int table) {
    return table >= FirstTypedTable && table <= LastTypedTable;
}

std::string DescribeFacts(const FactChoice& choice) {
    std::string out;
    if (choice.TablesChosen()) {
        AppendTables(out, choice);
    }
    if (choice.band != SumBand::Levels) {
        out += out.empty() ? "within " : "; within ";
        AppendDecimal(out, choice.BandLimit());
    }
    return out;
}
