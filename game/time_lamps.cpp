// Lamp colours: each lamp covers a band of seconds, turning red, yellow, then green.
#include "game/time_lamps.h"

namespace {

struct LampBands {
    int redFrom;    // below this: off
    int yellowFrom; // red below this
    int greenFrom;  // yellow below this
};

constexpr LampBands Bands[3] = {{0, 10, 15}, {20, 25, 35}, {45, 50, 60}};
constexpr int BlinkBelowSeconds = 5;

ColorRef LampColour(const LampBands& band, int seconds) {
    if (seconds < band.redFrom) {
        return LampOff;
    }
    if (seconds < band.yellowFrom) {
        return LampRed;
    }
    return seconds < band.greenFrom ? LampYellow : LampGreen;
}

} // namespace

bool LampsBlink(int remainingSeconds) {
    return remainingSeconds < BlinkBelowSeconds;
}

void LampColours(int remainingSeconds, bool blinkPhase, ColorRef lamps[3]) {
    for (int i = 0; i < 3; ++i) {
        lamps[i] = LampsBlink(remainingSeconds) ? (blinkPhase ? LampRed : LampOff)
                                                : LampColour(Bands[i], remainingSeconds);
    }
}
