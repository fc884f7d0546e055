#include "game/round_summary_screen.h"

#include <algorithm>

#include "base/geometry.h"
#include "base/key_translation.h"
#include "game/panel_drawing.h"
#include "progress/progress_summary.h"
#include "text/translate.h"

namespace {

constexpr ColorRef HeadingColour = 0xFF0000;

void DrawCentred(const std::string& text, int width, int y, ColorRef colour) {
    TextStyle style = MarkupStyle(colour);
    style.boxWidth = width;
    DrawText(text.c_str(), 0, y, style);
}

// How many of items fit in width after lead.
std::size_t FittingCount(const char* lead, const std::vector<std::string>& items, int width) {
    std::size_t count = items.size();
    while (count > 0 && TextWidth(ListLine(lead, items, count).c_str()) > width) {
        --count;
    }
    return count;
}

// lead and as many of items as fit in width; lead alone when not even one does.
std::string FittedList(const char* lead, const std::vector<std::string>& items, int width) {
    return ListLine(lead, items, FittingCount(lead, items, width));
}

// "Now fluent:" and as many of the facts as fit in width at top, when one does and the line
// is inside the window.
void DrawNowFluent(const std::vector<std::string>& facts, int width, int height, int top) {
    const int f = FontHeight();
    const char* lead = Tr(NowFluentLead);
    const std::size_t count = FittingCount(lead, facts, width - 2 * f);
    if (count > 0 && top + f <= height) {
        DrawCentred(ListLine(lead, facts, count), width, top, Ink);
    }
}

} // namespace

RoundSummaryScreen::RoundSummaryScreen() {
    okButton.label = TrMark("OK");
    practiseButton.label = TrMark("Practise misses");
}

void RoundSummaryScreen::Open(const RoundSummary& figures) {
    summary = figures;
    okButton.clickLatch = false;
    practiseButton.clickLatch = false;
}

RoundSummaryRequest RoundSummaryScreen::OnKey(int key) const {
    switch (key) {
    case KeyCode::Return:
    case KeyCode::Space:
    case KeyCode::Escape: return RoundSummaryRequest::Leave;
    case 'P': return AnyMissed() ? RoundSummaryRequest::Practise : RoundSummaryRequest::None;
    default: return RoundSummaryRequest::None;
    }
}

RoundSummaryRequest RoundSummaryScreen::ReadLatches() {
    const bool practise = practiseButton.WasClicked() && AnyMissed();
    if (okButton.WasClicked()) {
        return RoundSummaryRequest::Leave;
    }
    return practise ? RoundSummaryRequest::Practise : RoundSummaryRequest::None;
}

std::vector<std::string> RoundSummaryScreen::BodyLines(int width) const {
    std::vector<std::string> lines{RightFirstTryLine(summary)};
    if (summary.medianMs >= 0) {
        lines.push_back(FormatText(Tr("Median time {1}"), {SecondsText(summary.medianMs)}));
    }
    if (!summary.slowest.empty()) {
        lines.push_back(FittedList(Tr("Slowest:"), summary.slowest, width));
    }
    lines.push_back(AnyMissed() ? FittedList(Tr("Missed:"), summary.missed, width)
                                : Tr("Nothing missed"));
    return lines;
}

void RoundSummaryScreen::Draw(int width, int height, const std::string& playerName) {
    const int f = FontHeight();
    // The body's lines a line and a half apart, so their glyphs never touch.
    const int step = f + f / 2;
    const std::vector<std::string> lines = BodyLines(width - 2 * f);
    const int bodyHeight = static_cast<int>(lines.size()) * step;
    // Heading and a blank line, the body, the kept-apart line between blank lines, OK
    // (three lines high), a line and "Practise misses" (two): centred as a block.
    const int block = 2 * f + bodyHeight + 3 * f + 3 * f + (AnyMissed() ? 3 * f : 0);
    int y = std::max(0, (height - block) / 2);
    if (!playerName.empty() && y >= 2 * f) {
        // Plain, so a name's accented letters are never taken for symbols.
        const int nameWidth = PlainTextWidth(playerName.c_str());
        DrawPlainText(playerName.c_str(), CenterOffset(width, nameWidth), y - 2 * f, Ink);
    }
    DrawCentred(Tr("Round over"), width, y, HeadingColour);
    y += 2 * f;
    for (const std::string& line : lines) {
        DrawCentred(line, width, y, Ink);
        y += step;
    }
    y += 2 * f - step; // a blank line under the last
    DrawCentredFitted(Tr(CalmKeptApartLine), width, y, Ink, keptApartFont);
    y += 2 * f;
    okButton.SetSize(std::max(TextWidth(okButton.ShownLabel()) + 4 * f, 6 * f), 3 * f);
    okButton.SetPosition(CenterOffset(width, okButton.GetWidth()), y);
    okButton.Draw();
    y += 4 * f;
    if (AnyMissed()) {
        practiseButton.SetSize(TextWidth(practiseButton.ShownLabel()) + 2 * f, 2 * f);
        practiseButton.SetPosition(CenterOffset(width, practiseButton.GetWidth()), y);
        if (y + practiseButton.GetHeight() <= height) {
            practiseButton.Draw();
        }
    }
    // A blank line under the room "Practise misses" takes, whether it is drawn or not.
    DrawNowFluent(summary.nowFluent, width, height, y + 3 * f);
}
