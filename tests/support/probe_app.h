// A bare Application for window tests: each frame runs a script, and the events and
// exits it receives are counted. A run that goes past 400 frames ends itself, so a stuck
// test fails instead of hanging.
#pragma once

#include <functional>

#include "app/application.h"

class ProbeApp : public Application {
  public:
    explicit ProbeApp(const char* name) {
        title = name;
        width = 640;
        height = 480;
        resizable = false;
    }
    void OnStart() override { ++starts; }
    void OnExit() override { ++exits; }
    void DrawFrame() override {
        animating = true;
        ++frames;
        if (script) {
            script(*this);
        }
        if (frames > 400) {
            RequestQuit(); // a stuck test ends instead of hanging
        }
    }
    void OnActivate() override { ++activations; }
    void OnDeactivate() override { ++deactivations; }
    void OnResize(int, int) override { ++resizes; }
    void OnMouseDown(int, int) override { ++downs; }
    void OnMouseUp(int, int) override { ++ups; }
    void OnDoubleClick(int, int) override { ++doubleClicks; }
    bool OnKeyDown(int key, KeyBindings*) override {
        lastKey = key;
        return true;
    }

    std::function<void(ProbeApp&)> script;
    int starts = 0;
    int exits = 0;
    int frames = 0;
    int downs = 0;
    int ups = 0;
    int doubleClicks = 0;
    int lastKey = 0;
    int activations = 0;
    int deactivations = 0;
    int resizes = 0;
};
