#include "shell/shrunk_font.h"

#include <algorithm>

#include "shell/game_shell.h"
#include "text/font.h"
#include "text/text.h"
#include "text/text_style.h"
#include "text/translate.h"

ShrunkFont::~ShrunkFont() {
    if (font != nullptr) {
        font->Destroy();
        delete font;
    }
}

Font* ShrunkFont::Fit(const std::string& text, int width, int height) {
    const Font* current = CurrentFont();
    if (current == nullptr) {
        return nullptr;
    }
    const int largest = current->pixelSize;
    if (font != nullptr && !measuredFit && fittedSize == largest && fittedText == text &&
        fittedWidth == width && fittedHeight == height) {
        return font;
    }
    measuredFit = false;
    fittedSize = largest;
    fittedText = text;
    fittedWidth = width;
    fittedHeight = height;
    // Sizes scale widths and heights nearly in proportion: start there, then step down.
    const int measured = std::max(1, Measure(*current, text));
    int size = std::min(
        {largest, largest * width / measured, largest * height / std::max(1, current->Height())});
    size = std::max(size, SmallestFontSize);
    ResizeDigitFont(font, ShellFontFace, size);
    while (font != nullptr && size > SmallestFontSize &&
           (Measure(*font, text) > width || font->Height() > height)) {
        ResizeDigitFont(font, ShellFontFace, --size);
    }
    return font;
}

Font* ShrunkFont::FitMeasured(const std::function<int()>& measure, int width,
                              const std::string& key) {
    Font* current = CurrentFont();
    if (current == nullptr) {
        return nullptr;
    }
    const int largest = current->pixelSize;
    if (font != nullptr && measuredFit && fittedSize == largest && measuredWidth == width &&
        measuredLanguage == &ShownLanguage() && measuredKey == key) {
        return font;
    }
    measuredFit = true;
    measuredKey = key;
    fittedSize = largest;
    measuredWidth = width;
    measuredLanguage = &ShownLanguage();
    int size = largest;
    do {
        ResizeDigitFont(font, ShellFontFace, --size);
        SetCurrentFont(font);
    } while (font != nullptr && size > SmallestFontSize && measure() > width);
    SetCurrentFont(current);
    return font;
}

int ShrunkFont::Measure(const Font& measuring, const std::string& text) const {
    return plainText ? measuring.MeasurePlain(text.c_str()) : measuring.MeasureText(text.c_str());
}

void DrawCentredFitted(const std::string& text, int width, int y, ColorRef colour,
                       ShrunkFont& fitted) {
    TextStyle style = MarkupStyle(colour);
    style.boxWidth = width;
    Font* font =
        TextWidth(text.c_str()) <= width ? CurrentFont() : fitted.Fit(text, width, FontHeight());
    DrawInFont(font, [&] { DrawText(text.c_str(), 0, y, style); });
}
