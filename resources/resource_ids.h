// The numbers under which the program's resources are stored: the resource script stores
// them under these and the code loads them by these. Plain #defines so that the resource
// compiler's preprocessor can read them too.
#pragma once

// The window icon group.
#define QF_ICON_GROUP 118

// The shell's artwork: title logo and sprite sheet, large, compact (half scale) and double
// (twice the scale).
#define QF_BITMAP_TITLE_LARGE 106
#define QF_BITMAP_SHEET_LARGE 107
#define QF_BITMAP_TITLE_COMPACT 120
#define QF_BITMAP_SHEET_COMPACT 130
#define QF_BITMAP_SHEET_DOUBLE 140
#define QF_BITMAP_TITLE_DOUBLE 141

// Sounds.
#define QF_SOUND_CORRECT 108
#define QF_SOUND_WRONG 110
#define QF_SOUND_CLICK 111
#define QF_SOUND_START 112
#define QF_SOUND_GAME_OVER 113
#define QF_SOUND_TICK 114
#define QF_SOUND_CHALLENGE 115
