#include "progress/fluency.h"

#include <algorithm>

bool FluentSecondsAllowed(int seconds) {
    return std::find(std::begin(FluentSecondsChoices), std::end(FluentSecondsChoices), seconds) !=
           std::end(FluentSecondsChoices);
}

int NextFluentSeconds(int seconds) {
    for (int i = 0; i + 1 < FluentSecondsChoiceCount; ++i) {
        if (FluentSecondsChoices[i] == seconds) {
            return FluentSecondsChoices[i + 1];
        }
    }
    return FluentSecondsChoices[0];
}

bool IsFluent(const FactRecord& fact, int fluentSeconds) {
    const int limitMs = fluentSeconds * 1000;
    const auto quick = std::count_if(
        fact.recent.begin(), fact.recent.end(),
        [limitMs](const RecentAnswer& answer) { return answer.right && answer.ms <= limitMs; });
    return quick >= FluentAnswersNeeded;
}

FactState StateOf(const FactRecord* fact, int fluentSeconds) {
    if (fact == nullptr || fact->asked == 0) {
        return FactState::New;
    }
    return IsFluent(*fact, fluentSeconds) ? FactState::Fluent : FactState::Learning;
}
