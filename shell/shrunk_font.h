// ShrunkFont: the shell font's face at a smaller size, for text that does not fit in the
// current font; made anew only when what it must fit changes.
#pragma once

#include <functional>
#include <string>

#include "base/color.h"
#include "text/languages.h"
#include "text/text.h"

// The least size a shrunk font goes down to.
constexpr int SmallestFontSize = 6;

class ShrunkFont {
  public:
    // A font for plain text (typed names) measures it as DrawPlainText draws it.
    explicit ShrunkFont(bool forPlainText = false) : plainText(forPlainText) {}
    ~ShrunkFont();
    ShrunkFont(const ShrunkFont&) = delete;
    ShrunkFont& operator=(const ShrunkFont&) = delete;
    // The largest font, no larger than the current one, in which text is at most width wide
    // and the font at most height high (or the smallest one made); null when none can be made.
    Font* Fit(const std::string& text, int width, int height);
    // The largest font, smaller than the current one, in which measure() (taken with it
    // current) is at most width, or the smallest one; the current font is current again
    // after. Fitted again only when width, the current font's size, the shown language or
    // key changes, so measure must depend on nothing else.
    Font* FitMeasured(const std::function<int()>& measure, int width,
                      const std::string& key = std::string());

  private:
    int Measure(const Font& measuring, const std::string& text) const;

    bool plainText;
    Font* font = nullptr;
    int fittedSize = 0;
    std::string fittedText;
    int fittedWidth = 0;
    int fittedHeight = 0;
    // What FitMeasured last fitted, when it made the font.
    bool measuredFit = false;
    int measuredWidth = 0;
    std::string measuredKey;
    const Language* measuredLanguage = nullptr;
};

// Draws with font current (when there is one), then makes the previous font current again.
template <typename Drawing> void DrawInFont(Font* font, Drawing draw) {
    Font* previous = CurrentFont();
    if (font != nullptr) {
        SetCurrentFont(font);
    }
    draw();
    SetCurrentFont(previous);
}

// A line with markup centred across width at y; a line wider than that (a long translation
// in a narrow window) takes a smaller size from fitted.
void DrawCentredFitted(const std::string& text, int width, int y, ColorRef colour,
                       ShrunkFont& fitted);
