// The game's texts made of a pattern and numbers: in English they read as the records'
// texts do, and in a language with its own patterns the numbers land where the translation
// puts them, with the pace named as the summary's word rather than the choice's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/facts_screen.h"
#include "game/milestone_badges.h"
#include "support/fact_choices.h"
#include "support/shown_language.h"

namespace {

const TextPairs Patterns = {
    {"Facts: {1}", "Hechos: {1}"},
    {"{1} to 12", "{1} hasta el 12"},
    {"within {1}", "sumas hasta {1}"},
    {"Calm, {1} problems", "{1} problemas en calma"},
    {"chosen pace\x04"
     "Calm",
     "En calma"},
    {"Calm", "Calma"},
    {"+{1} more", "{1} mas"},
};

} // namespace

TEST(TranslatedGameTexts, TheFactsSummaryInEnglishNamesTheFactsAsTheRecordsDo) {
    const OperationChoice all;
    const std::vector<FactChoice> choices = {
        ChoiceOf({7}),
        ChoiceOf({2, 5, 10, 17}, SumBand::Within20, LongOtherFactor),
        ChoiceOf({}, SumBand::Within100),
        ChoiceOf({3, 4}, SumBand::Levels, LongOtherFactor),
    };
    for (const FactChoice& choice : choices) {
        EXPECT_EQ(FactsSummary(choice, all), "Facts: " + DescribeFacts(choice));
    }
}

TEST(TranslatedGameTexts, PatternsPlaceTheirNumbersWhereTheTranslationPutsThem) {
    const OperationChoice all;
    ShownLanguageGuard language(PseudoLanguage(), Patterns);
    const struct {
        FactChoice choice;
        std::string summary;
    } cases[] = {
        {ChoiceOf({7}, SumBand::Levels, LongOtherFactor), "Hechos: 7 hasta el 12"},
        {ChoiceOf({2, 5}, SumBand::Within20), "Hechos: 2, 5; sumas hasta 20"},
        {ChoiceOf({7}, SumBand::Levels, ShortOtherFactor, Pace::Calm), "Hechos: 7; En calma"},
        {ChoiceOf({}, SumBand::Levels, ShortOtherFactor, Pace::Calm, 50),
         "Hechos: 50 problemas en calma"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FactsSummary(c.choice, all), c.summary);
    }
    EXPECT_EQ(MoreBadgesText(3), "3 mas");
}
