// The frame layout checks: the recorder behind the DrawBox and text observers, rectangle
// tests over the input list and the recorded texts and boxes, and the failure lines.
#include "support/layout_checks.h"

#include <algorithm>
#include <cstdio>

#include "render/primitives.h"
#include "text/text.h"

namespace {

std::vector<DrawnText> RecordedTexts;
std::vector<Rect> RecordedBoxes;

void RecordText(const TextRun& run) {
    RecordedTexts.push_back({run.text, Rect{run.x, run.y, run.x + run.width, run.y + run.height}});
}

void RecordBox(int x, int y, int w, int h, int thickness) {
    const int outline = thickness > 0 ? 1 : 0;
    RecordedBoxes.push_back(Rect{x, y, x + w + outline, y + h + outline});
}

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// Overlap by at least one pixel; touching edges do not count.
bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const Rect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%d,%d)-(%d,%d)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string DescribeControl(Widget* widget) {
    const std::string name = widget->label.empty() ? "unlabelled" : "\"" + widget->label + "\"";
    return "control " + name + " " + Describe(widget->hitArea);
}

std::string DescribeText(const DrawnText& text) {
    return "text \"" + text.text + "\" " + Describe(text.area);
}

bool Allowed(const Widget* widget, const LayoutAllowances& allowances) {
    const auto& underlays = allowances.underlays;
    return std::find(underlays.begin(), underlays.end(), widget) != underlays.end();
}

// Whether the overlap of two controls, earlier drawn before later, is the design.
bool AllowedOverlap(Widget* earlier, Widget* later, const LayoutAllowances& allowances) {
    if (earlier->passThrough && later->passThrough && Contains(later->hitArea, earlier->hitArea)) {
        return true; // a container registers after its entries; a press reaches both
    }
    return Allowed(later, allowances);
}

void CheckControls(const Rect& window, const LayoutAllowances& allowances,
                   std::vector<std::string>& problems) {
    const int count = RegisteredWidgetCount();
    for (int i = 0; i < count; ++i) {
        Widget* widget = RegisteredWidget(i);
        if (IsEmpty(widget->hitArea)) {
            problems.push_back(DescribeControl(widget) + " has an empty hit area");
        } else if (!Contains(window, widget->hitArea)) {
            problems.push_back(DescribeControl(widget) + " is not inside the window");
        }
        for (int j = i + 1; j < count; ++j) {
            Widget* later = RegisteredWidget(j);
            if (Overlaps(widget->hitArea, later->hitArea) &&
                !AllowedOverlap(widget, later, allowances)) {
                problems.push_back(DescribeControl(widget) + " overlaps " + DescribeControl(later));
            }
        }
    }
}

// A text that crosses into a control or box must lie wholly inside it.
void CheckTextOwners(const DrawnText& text, const std::vector<Rect>& boxes,
                     std::vector<std::string>& problems) {
    for (int i = 0; i < RegisteredWidgetCount(); ++i) {
        Widget* widget = RegisteredWidget(i);
        if (Overlaps(text.area, widget->hitArea) && !Contains(widget->hitArea, text.area)) {
            problems.push_back(DescribeText(text) + " crosses the edge of " +
                               DescribeControl(widget));
        }
    }
    for (const Rect& box : boxes) {
        if (Overlaps(text.area, box) && !Contains(box, text.area)) {
            problems.push_back(DescribeText(text) + " crosses the edge of box " + Describe(box));
        }
    }
}

void CheckTexts(const Rect& window, const FrameLayoutRecorder& recorder,
                std::vector<std::string>& problems) {
    const std::vector<DrawnText>& texts = recorder.Texts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const DrawnText& text = texts[i];
        if (!Contains(window, text.area)) {
            problems.push_back(DescribeText(text) + " is not inside the window");
        }
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            if (Overlaps(text.area, texts[j].area)) {
                problems.push_back(DescribeText(text) + " overlaps " + DescribeText(texts[j]));
            }
        }
        CheckTextOwners(text, recorder.Boxes(), problems);
    }
}

int RegistrationIndex(const Widget* widget) {
    for (int i = 0; i < RegisteredWidgetCount(); ++i) {
        if (RegisteredWidget(i) == widget) {
            return i;
        }
    }
    return -1;
}

// The key is reachable: a press anywhere on it reaches it before any other control.
void CheckKeyReachable(Widget* key, int index, const Rect& window,
                       std::vector<std::string>& problems) {
    if (IsEmpty(key->hitArea) || !Contains(window, key->hitArea)) {
        problems.push_back("key " + DescribeControl(key) + " is empty or not inside the window");
    }
    for (int i = 0; i < index; ++i) {
        Widget* earlier = RegisteredWidget(i);
        if (Overlaps(earlier->hitArea, key->hitArea)) {
            problems.push_back("key " + DescribeControl(key) + " is covered by " +
                               DescribeControl(earlier));
        }
    }
}

} // namespace

FrameLayoutRecorder::FrameLayoutRecorder() : texts(&RecordText), boxes(&RecordBox) {
    Clear();
}

void FrameLayoutRecorder::Clear() {
    RecordedTexts.clear();
    RecordedBoxes.clear();
}

const std::vector<DrawnText>& FrameLayoutRecorder::Texts() const {
    return RecordedTexts;
}

const std::vector<Rect>& FrameLayoutRecorder::Boxes() const {
    return RecordedBoxes;
}

std::vector<std::string> CheckFrameLayout(const FrameLayoutRecorder& recorder, int width,
                                          int height, const LayoutAllowances& allowances) {
    const Rect window{0, 0, width, height};
    std::vector<std::string> problems;
    CheckControls(window, allowances, problems);
    CheckTexts(window, recorder, problems);
    return problems;
}

std::vector<std::string> CheckControlsDrawn(const std::vector<Widget*>& controls) {
    std::vector<std::string> problems;
    for (Widget* control : controls) {
        if (RegistrationIndex(control) < 0) {
            problems.push_back(DescribeControl(control) + " was not drawn");
        }
    }
    return problems;
}

std::vector<std::string> CheckTextsDrawn(const FrameLayoutRecorder& recorder,
                                         const std::vector<ExpectedText>& expected) {
    std::vector<std::string> problems;
    for (const ExpectedText& wanted : expected) {
        const std::vector<DrawnText>& texts = recorder.Texts();
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const DrawnText& drawn) {
            const Point centre{(drawn.area.left + drawn.area.right) / 2,
                               (drawn.area.top + drawn.area.bottom) / 2};
            return drawn.text == wanted.text && PointInRect(centre, wanted.band);
        });
        if (!found) {
            problems.push_back("text \"" + wanted.text + "\" was not drawn in " +
                               Describe(wanted.band));
        }
    }
    return problems;
}

std::vector<std::string> CheckKeypad(ButtonGrid& keypad, int width, int height) {
    const Rect window{0, 0, width, height};
    std::vector<std::string> problems;
    int drawnKeys = 0;
    for (int i = 0; i < keypad.rows * keypad.columns && i < ButtonGrid::Capacity; ++i) {
        Button& key = keypad.Item(i);
        const int index = RegistrationIndex(&key);
        if (index < 0) {
            continue; // a placeholder or a cell the wide "0" covers
        }
        ++drawnKeys;
        CheckKeyReachable(&key, index, window, problems);
        const Rect& hit = key.hitArea;
        if (hit.right - hit.left < MinimumKeySide || hit.bottom - hit.top < MinimumKeySide) {
            problems.push_back("key " + DescribeControl(&key) + " is smaller than " +
                               std::to_string(MinimumKeySide) + " px on a side");
        }
    }
    if (drawnKeys != 10) {
        problems.push_back("the keypad drew " + std::to_string(drawnKeys) + " keys, not 10");
    }
    return problems;
}

std::string FailureLines(const std::vector<std::string>& failures) {
    std::string lines;
    for (const std::string& failure : failures) {
        lines += failure + "\n";
    }
    return lines;
}
