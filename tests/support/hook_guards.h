// Scoped settings of the program's test hooks: each is switched off again when its guard
// goes, so a test that stops at a failed ASSERT leaves nothing set for the next one.
#pragma once

#include "render/primitives.h"
#include "text/text.h"

// Layout wraps against width x height instead of the surface while the guard lives.
class LayoutViewportGuard {
  public:
    LayoutViewportGuard(int width, int height) { SetLayoutViewportForTests(width, height); }
    ~LayoutViewportGuard() { SetLayoutViewportForTests(0, 0); }
    LayoutViewportGuard(const LayoutViewportGuard&) = delete;
    LayoutViewportGuard& operator=(const LayoutViewportGuard&) = delete;

    // A new size for the rest of the guard's life.
    void Set(int width, int height) { SetLayoutViewportForTests(width, height); }
};

// The observer hears of every text draw while the guard lives.
class TextObserverGuard {
  public:
    explicit TextObserverGuard(TextObserver observer) { SetTextObserver(observer); }
    ~TextObserverGuard() { SetTextObserver(nullptr); }
    TextObserverGuard(const TextObserverGuard&) = delete;
    TextObserverGuard& operator=(const TextObserverGuard&) = delete;
};

// The observer hears of every DrawBox while the guard lives.
class BoxObserverGuard {
  public:
    explicit BoxObserverGuard(BoxObserver observer) { SetBoxObserver(observer); }
    ~BoxObserverGuard() { SetBoxObserver(nullptr); }
    BoxObserverGuard(const BoxObserverGuard&) = delete;
    BoxObserverGuard& operator=(const BoxObserverGuard&) = delete;
};
