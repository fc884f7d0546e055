// The program's version, shared by the version resource in quickfigure.rc and by the game,
// which shows it on the options screen and writes it into its data files. Plain #defines
// so that the resource compiler's preprocessor can read them too.
#pragma once

#define QF_VERSION_MAJOR 1
#define QF_VERSION_MINOR 1
// As the options screen spells it after its "v": the minor part with two digits.
#define QF_VERSION_TEXT "1.01"
