/* Latency probe: sends one input to an X window with XTest and times how long the X
 * server takes to show its effect, reading a watched rectangle of the window with XGetImage
 * until it differs from what it showed before. A return input may follow each trial (timed
 * too with --measure-back). Prints one line: samples, median, 95th percentile, slowest, in
 * ms; --trace lists each input's send and show times on stderr. Built by scripts/latency.sh.
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <getopt.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

/* Most samples one run keeps. */
#define MAX_SAMPLES 1000

enum ActionKind { ACTION_NONE, ACTION_KEY, ACTION_CLICK, ACTION_MOVE };

struct Action {
    enum ActionKind kind;
    KeyCode key;
    int x, y; /* client coordinates */
};

struct Options {
    Window window;
    int watchX, watchY, watchW, watchH;
    int trials;
    int minPixels;
    int timeoutMs;
    int settleMs;
    int measureBack;
    int trace;
    const char* label;
    struct Action forth;
    struct Action back;
    struct Action before; /* sent untimed before each trial, e.g. the pointer onto a key */
};

struct Samples {
    double ms[MAX_SAMPLES];
    int count;
    int timeouts;
};

static Display* display;
static int originX, originY; /* the window's client origin on the root */

/* The raw monotonic clock: the one Wine's QueryPerformanceCounter reads, so --trace times
 * line up with timestamps taken inside a program under Wine. */
static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC_RAW, &t);
    return (double)t.tv_sec * 1000.0 + (double)t.tv_nsec / 1e6;
}

static void SleepMs(double ms) {
    struct timespec t;
    t.tv_sec = (time_t)(ms / 1000.0);
    t.tv_nsec = (long)((ms - (double)t.tv_sec * 1000.0) * 1e6);
    nanosleep(&t, NULL);
}

static void Fail(const char* what) {
    fprintf(stderr, "latency_probe: %s\n", what);
    exit(2);
}

static XImage* Snapshot(const struct Options* o) {
    XImage* image = XGetImage(display, o->window, o->watchX, o->watchY, (unsigned)o->watchW,
                              (unsigned)o->watchH, AllPlanes, ZPixmap);
    if (image == NULL) {
        Fail("XGetImage failed (is the watched rectangle inside the window?)");
    }
    return image;
}

/* Number of pixels that differ between two snapshots of the same rectangle. */
static int DifferentPixels(XImage* a, XImage* b) {
    int changed = 0;
    for (int y = 0; y < a->height; ++y) {
        for (int x = 0; x < a->width; ++x) {
            changed += XGetPixel(a, x, y) != XGetPixel(b, x, y);
        }
    }
    return changed;
}

static void Send(const struct Action* a) {
    switch (a->kind) {
    case ACTION_KEY:
        XTestFakeKeyEvent(display, a->key, True, 0);
        XTestFakeKeyEvent(display, a->key, False, 0);
        break;
    case ACTION_CLICK:
        XTestFakeMotionEvent(display, -1, originX + a->x, originY + a->y, 0);
        XTestFakeButtonEvent(display, 1, True, 0);
        XTestFakeButtonEvent(display, 1, False, 0);
        break;
    case ACTION_MOVE: XTestFakeMotionEvent(display, -1, originX + a->x, originY + a->y, 0); break;
    case ACTION_NONE: break;
    }
    XFlush(display);
}

/* Sends the action and waits for the watched rectangle to change; the delay in ms, or a
 * negative value after the timeout. */
static double TimeAction(const struct Options* o, const struct Action* a) {
    XImage* before = Snapshot(o);
    const double start = NowMs();
    Send(a);
    double shown = -1.0;
    while (NowMs() - start < o->timeoutMs) {
        XImage* now = Snapshot(o);
        const double seen = NowMs();
        const int changed = DifferentPixels(before, now);
        XDestroyImage(now);
        if (changed >= o->minPixels) {
            shown = seen - start;
            break;
        }
    }
    if (o->trace) {
        fprintf(stderr, "sent %.3f shown %.3f\n", start, shown < 0 ? -1.0 : start + shown);
    }
    XDestroyImage(before);
    return shown;
}

static void Record(struct Samples* s, double ms) {
    if (ms < 0) {
        ++s->timeouts;
    } else if (s->count < MAX_SAMPLES) {
        s->ms[s->count++] = ms;
    }
}

/* A pause of settleMs plus up to one frame period more, so inputs land at every phase of
 * the program's frame. */
static void Settle(const struct Options* o) {
    SleepMs(o->settleMs + (double)(rand() % 2500) / 100.0);
}

static int CompareDoubles(const void* a, const void* b) {
    const double x = *(const double*)a;
    const double y = *(const double*)b;
    return (x > y) - (x < y);
}

static double Percentile(const struct Samples* s, int percent) {
    int i = s->count * percent / 100;
    if (i >= s->count) {
        i = s->count - 1;
    }
    return s->ms[i];
}

static void ParseRect(const char* text, struct Options* o) {
    if (sscanf(text, "%d,%d,%d,%d", &o->watchX, &o->watchY, &o->watchW, &o->watchH) != 4 ||
        o->watchW <= 0 || o->watchH <= 0) {
        Fail("--watch wants x,y,w,h");
    }
}

static void ParsePoint(const char* text, struct Action* a, enum ActionKind kind) {
    a->kind = kind;
    if (sscanf(text, "%d,%d", &a->x, &a->y) != 2) {
        Fail("a point wants x,y");
    }
}

static void ParseKey(const char* name, struct Action* a) {
    const KeySym sym = XStringToKeysym(name);
    a->kind = ACTION_KEY;
    a->key = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
    if (a->key == 0) {
        Fail("unknown key name");
    }
}

static void Usage(void) {
    fputs("usage: latency_probe --window ID --watch x,y,w,h (--key K | --click x,y | --move x,y)\n"
          "       [--back-key K | --back-move x,y] [--measure-back] [--before-move x,y]\n"
          "       [--trials N] [--min-pixels N] [--timeout-ms N] [--settle-ms N] [--label T]\n"
          "       [--trace] (each timed input's send and show times on stderr)\n",
          stderr);
    exit(2);
}

static void ParseOptions(int argc, char** argv, struct Options* o) {
    static const struct option longOptions[] = {{"window", required_argument, 0, 'w'},
                                                {"watch", required_argument, 0, 'r'},
                                                {"key", required_argument, 0, 'k'},
                                                {"click", required_argument, 0, 'c'},
                                                {"move", required_argument, 0, 'm'},
                                                {"back-key", required_argument, 0, 'K'},
                                                {"back-move", required_argument, 0, 'M'},
                                                {"before-move", required_argument, 0, 'B'},
                                                {"measure-back", no_argument, 0, 'b'},
                                                {"trials", required_argument, 0, 'n'},
                                                {"min-pixels", required_argument, 0, 'p'},
                                                {"timeout-ms", required_argument, 0, 't'},
                                                {"settle-ms", required_argument, 0, 's'},
                                                {"label", required_argument, 0, 'l'},
                                                {"trace", no_argument, 0, 'T'},
                                                {0, 0, 0, 0}};
    int c;
    while ((c = getopt_long(argc, argv, "", longOptions, NULL)) != -1) {
        switch (c) {
        case 'w': o->window = (Window)strtoul(optarg, NULL, 0); break;
        case 'r': ParseRect(optarg, o); break;
        case 'k': ParseKey(optarg, &o->forth); break;
        case 'c': ParsePoint(optarg, &o->forth, ACTION_CLICK); break;
        case 'm': ParsePoint(optarg, &o->forth, ACTION_MOVE); break;
        case 'K': ParseKey(optarg, &o->back); break;
        case 'M': ParsePoint(optarg, &o->back, ACTION_MOVE); break;
        case 'B': ParsePoint(optarg, &o->before, ACTION_MOVE); break;
        case 'b': o->measureBack = 1; break;
        case 'n': o->trials = atoi(optarg); break;
        case 'p': o->minPixels = atoi(optarg); break;
        case 't': o->timeoutMs = atoi(optarg); break;
        case 's': o->settleMs = atoi(optarg); break;
        case 'l': o->label = optarg; break;
        case 'T': o->trace = 1; break;
        default: Usage();
        }
    }
    if (o->window == 0 || o->watchW == 0 || o->forth.kind == ACTION_NONE) {
        Usage();
    }
}

static void FindOrigin(Window window) {
    Window child;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &originX,
                               &originY, &child)) {
        Fail("the window is not on this display");
    }
}

static void RunTrials(const struct Options* o, struct Samples* s) {
    for (int i = 0; i < o->trials; ++i) {
        if (o->before.kind != ACTION_NONE) {
            Send(&o->before);
        }
        Settle(o);
        Record(s, TimeAction(o, &o->forth));
        if (o->back.kind == ACTION_NONE) {
            continue;
        }
        Settle(o);
        if (o->measureBack) {
            Record(s, TimeAction(o, &o->back));
        } else {
            Send(&o->back);
        }
    }
}

int main(int argc, char** argv) {
    display = XOpenDisplay(NULL);
    if (display == NULL) {
        Fail("cannot open the display");
    }
    struct Options o = {0};
    o.trials = 40;
    o.minPixels = 1;
    o.timeoutMs = 500;
    o.settleMs = 60;
    o.label = "latency";
    ParseOptions(argc, argv, &o);
    int dummy;
    if (!XTestQueryExtension(display, &dummy, &dummy, &dummy, &dummy)) {
        Fail("the X server has no XTest extension");
    }
    srand(12345);
    FindOrigin(o.window);
    XSetInputFocus(display, o.window, RevertToParent, CurrentTime);
    XSync(display, False);

    static struct Samples s;
    RunTrials(&o, &s);
    if (s.count == 0) {
        printf("%-38s no change seen in %d tries\n", o.label, s.timeouts);
        return 1;
    }
    qsort(s.ms, (size_t)s.count, sizeof s.ms[0], CompareDoubles);
    printf("%-38s n=%-4d median %6.1f ms  p95 %6.1f ms  max %6.1f ms", o.label, s.count,
           Percentile(&s, 50), Percentile(&s, 95), s.ms[s.count - 1]);
    if (s.timeouts > 0) {
        printf("  (%d without a change in %d ms)", s.timeouts, o.timeoutMs);
    }
    printf("\n");
    return 0;
}
