// The screen gallery: plays the real game in a real window through every screen at each
// window size below (640 x 480, the small 240 x 320 and 320 x 240, the tall 480 x 640 and
// the large 1280 x 960 and 1920 x 1080), and saves each settled frame as a BMP named after
// its screen, prefixed by its size (none at 640 x 480, "tall_" at 240 x 320), in the folder
// given as the first argument (default: the current folder). At 640 x 480 the main menu, the
// setup and the progress screens are saved again in French and in German, prefixed "fr_"
// and "de_". Exits non-zero when a screen was not reached.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "shell/language_file.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/history_builder.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"
#include "tools/gallery/surface_bitmap.h"

namespace {

struct WindowShape {
    int width;
    int height;
    const char* prefix;
};

// "w" wide, "t" tall, then the client size.
constexpr WindowShape Shapes[] = {
    {640, 480, ""},          {240, 320, "tall_"},       {320, 240, "w320x240_"},
    {480, 640, "t480x640_"}, {1280, 960, "w1280x960_"}, {1920, 1080, "w1920x1080_"},
};

// The translated pictures: a few screens, where most of the text is.
constexpr const char* TranslatedLanguages[] = {"fr", "de"};
const std::vector<std::string> TranslatedScreens = {"main_menu", "setup", "progress"};

// Runs one game through every screen and saves each one named in screens (all when empty),
// in the language chosen as a player chooses it (English without one); returns the number of
// screens not saved.
int SaveEveryScreen(const WindowShape& shape, const std::string& folder,
                    const std::vector<std::string>& screens = {},
                    const Language* language = nullptr) {
    TemporaryDataFolder data(std::string("gallery-") + shape.prefix);
    if (language != nullptr) {
        std::ofstream(data.File("language.dat"), std::ios::binary) << LanguageFileBytes(*language);
    }
    SoundRecorder silence;
    FakeClock clock;
    ScriptedGame game(TourOptions);
    game.width = shape.width;
    game.height = shape.height;
    // The progress screen is pictured with weeks of play behind it.
    SampleHistoryMaker(20261208).Fill(game.progress.history, 27);
    int failures = 0;
    ScreenTour tour(game, EveryScreen(game, clock), [&](const TourStop& stop) {
        if (language != nullptr && &ShownLanguage() != language) {
            std::printf("%s%s: not shown in %s\n", shape.prefix, stop.name.c_str(), language->code);
            ++failures;
            return;
        }
        if (!screens.empty() &&
            std::find(screens.begin(), screens.end(), stop.name) == screens.end()) {
            return;
        }
        const std::string path = folder + "/" + shape.prefix + stop.name + ".bmp";
        const bool saved = SaveSurfaceBitmap(path);
        failures += saved ? 0 : 1;
        std::printf("%-32s %s\n", path.c_str(), saved ? "saved" : "NOT SAVED");
    });
    game.Run();
    for (const std::string& name : tour.missed) {
        std::printf("%s%s: the screen shown was not the one expected\n", shape.prefix,
                    name.c_str());
    }
    if (!tour.Finished()) {
        std::printf("%sthe tour stopped early after %d frames\n", shape.prefix, game.frames);
        ++failures;
    }
    return failures + static_cast<int>(tour.missed.size());
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    int failures = 0;
    for (const WindowShape& shape : Shapes) {
        failures += SaveEveryScreen(shape, folder);
    }
    for (const char* code : TranslatedLanguages) {
        const std::string prefix = std::string(code) + "_";
        failures += SaveEveryScreen({640, 480, prefix.c_str()}, folder, TranslatedScreens,
                                    FindLanguage(code));
    }
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
