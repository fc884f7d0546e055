// Styled layout: one pass over the text that turns each visible byte into a LayoutRecord
// in the font's buffer, reading colour tags, colouring brackets by depth, and wrapping
// back to the last break character when a glyph would cross the right limit.
// Pure table arithmetic; the surface's size comes through LayoutViewportWidth/Height.
#include <cstddef>
#include <cstring>

#include "render/surface.h"
#include "text/font.h"
#include "text/text.h"

namespace {

struct TagColourEntry {
    const char* tag;
    ColorRef colour;
};

// Known colour tags, matched whole and case-sensitively in this order ("[/]" is separate).
constexpr TagColourEntry TagColours[] = {
    {"[green]", 0x00FF00},     {"[yellow]", 0x00FFFF}, {"[red]", 0x0000FF},
    {"[magenta]", 0xFF00FF},   {"[white]", 0xFFFFFF},  {"[gray]", 0x7D7D7D},
    {"[lightgray]", 0xC8C8C8},
};
// The tag that returns to the style's colour.
constexpr char DefaultColourTag[] = "[/]";
// Colours of "(" and ")" by nesting depth modulo 3: blue, magenta, green.
constexpr ColorRef BracketColours[3] = {0xFF0000, 0xFF00FF, 0x00FF00};

bool SameTag(const char* tag, std::size_t length, const char* known) {
    return std::strlen(known) == length && std::memcmp(tag, known, length) == 0;
}

// Compares the tag in place, so reading a tag allocates nothing.
bool MatchTag(const char* tag, std::size_t length, ColorRef defaultColour, ColorRef* out) {
    for (const TagColourEntry& entry : TagColours) {
        if (SameTag(tag, length, entry.tag)) {
            *out = entry.colour;
            return true;
        }
    }
    if (SameTag(tag, length, DefaultColourTag)) {
        *out = defaultColour;
        return true;
    }
    return false;
}

// Where a wrapping line goes back to: just after the last break character placed.
struct BreakPoint {
    bool valid = false;
    std::size_t next = 0;
    int slot = 0;
    ColorRef colour = 0;
    int depth = 0;
};

// The state of one layout pass over one text.
class LayoutPass {
  public:
    LayoutPass(Font& target, const char* source, int startX, int startY, const TextStyle& with)
        : font(target), text(source), length(std::strlen(source)), style(with), x0(startX),
          cx(startX), cy(startY), lineAdvance(target.height + with.lineSpacing),
          rightLimit(LayoutViewportWidth() - with.rightMargin),
          bottomLimit(ClipRect.bottom != 0 ? ClipRect.bottom : LayoutViewportHeight()),
          colour(with.colour) {
        capacity = length < static_cast<std::size_t>(LayoutCapacity) ? static_cast<int>(length)
                                                                     : LayoutCapacity;
    }

    // Lays the whole text out; returns the line count and leaves the records placed.
    int Run();
    int Placed() const { return slot; }
    std::size_t Length() const { return length; }

  private:
    // Each step returns false when the layout stops.
    bool LineFeed();
    void SkipTag();
    bool PlaceGlyph(unsigned char c);
    bool StartNewLine();
    ColorRef BracketColour(unsigned char c);
    int Advance(unsigned char c) const;
    bool IsBreakChar(unsigned char c) const;

    Font& font;
    const char* text;
    std::size_t length;
    const TextStyle& style;
    int x0;
    int cx;
    int cy;
    int lineAdvance;
    int rightLimit;
    int bottomLimit;
    ColorRef colour;
    int capacity = 0;
    std::size_t next = 0;
    int slot = 0;
    int depth = 0;
    int lines = 1;
    BreakPoint breakPoint;
};

int LayoutPass::Run() {
    while (next < length && slot < capacity) {
        auto c = static_cast<unsigned char>(text[next]);
        if (style.lowercase && c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + ('a' - 'A'));
        }
        bool going = true;
        if (c == '\n') {
            going = LineFeed();
        } else if (c == '[' && style.markup) {
            SkipTag();
        } else {
            going = PlaceGlyph(c);
        }
        if (!going) {
            break;
        }
    }
    return lines;
}

bool LayoutPass::LineFeed() {
    if (next + 1 == length) {
        return false; // a trailing line feed adds no line
    }
    ++next;
    breakPoint.valid = false; // a later wrap never moves text back over a line feed
    cx = x0;
    cy += lineAdvance;
    ++lines;
    return cy <= bottomLimit;
}

void LayoutPass::SkipTag() {
    const char* start = text + next;
    const void* close = std::memchr(start, ']', length - next);
    // An unclosed tag runs to the end of the text and swallows it.
    const std::size_t tagLength =
        close != nullptr ? static_cast<std::size_t>(static_cast<const char*>(close) - start) + 1
                         : length - next;
    MatchTag(start, tagLength, style.colour, &colour);
    next += tagLength;
}

bool LayoutPass::PlaceGlyph(unsigned char c) {
    const ColorRef glyphColour = style.bracketColours ? BracketColour(c) : colour;
    const int advance = Advance(c);
    // A glyph that does not fit starts a new line, unless it is already the line's first:
    // then it stays, alone, rather than leaving an empty line above it.
    if (cx + advance > rightLimit && cx > x0) {
        if (!StartNewLine()) {
            return false;
        }
        if (breakPoint.valid) {
            next = breakPoint.next;
            slot = breakPoint.slot;
            colour = breakPoint.colour;
            depth = breakPoint.depth;
            breakPoint.valid = false;
            return true; // the bytes after the break are laid out again on the new line
        }
    }
    font.layoutBuffer[slot] = LayoutRecord{cx, cy, advance + 1, glyphColour, c};
    cx += advance;
    ++slot;
    ++next;
    if (IsBreakChar(c)) {
        breakPoint = BreakPoint{true, next, slot, colour, depth};
    }
    return true;
}

bool LayoutPass::StartNewLine() {
    cx = x0;
    cy += lineAdvance;
    ++lines;
    return cy <= bottomLimit;
}

// The colour of c's own record, keeping the bracket depth: only brackets at a depth of 0 or
// more are coloured, so surplus ")" keep the current colour.
ColorRef LayoutPass::BracketColour(unsigned char c) {
    if (c == '(') {
        const ColorRef result = depth >= 0 ? BracketColours[depth % 3] : colour;
        ++depth;
        return result;
    }
    if (c == ')') {
        --depth;
        return depth >= 0 ? BracketColours[depth % 3] : colour;
    }
    return colour;
}

int LayoutPass::Advance(unsigned char c) const {
    if (font.fixedMode) {
        return c == ' ' ? font.fixedAdvance >> 1 : font.fixedAdvance;
    }
    return font.CharWidth(c);
}

bool LayoutPass::IsBreakChar(unsigned char c) const {
    for (int i = 0; i < font.breakCharCount; ++i) {
        if (static_cast<unsigned char>(font.breakChars[i]) == c) {
            return true;
        }
    }
    return false;
}

} // namespace

bool Font::TagColour(const char* tag, ColorRef defaultColour, ColorRef* out) const {
    return tag != nullptr && MatchTag(tag, std::strlen(tag), defaultColour, out);
}

int Font::Layout(const char* text, int x, int y, const TextStyle& style, int* lines) {
    layoutCount = 0;
    int lineCount = 1;
    int length = 0;
    if (text != nullptr && *text != '\0' && layoutBuffer != nullptr) {
        LayoutPass pass(*this, text, x, y, style);
        lineCount = pass.Run();
        layoutCount = pass.Placed();
        length = static_cast<int>(pass.Length());
    }
    if (lines != nullptr) {
        *lines = lineCount;
    }
    return length;
}
