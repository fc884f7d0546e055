// The window sizes the layout tests walk: both orientations of the common shapes, the
// nearly-square 500 x 480, squares, windows just taller than wide, the extremes of the
// allowed range (largest 3840 x 2160, smallest side 240), and sizes where setup switches
// or progress labels once went missing.
#pragma once

struct ClientSize {
    int width;
    int height;
};

constexpr ClientSize LayoutGridSizes[] = {
    {240, 240},  {320, 240},  {240, 320},   {400, 240},   {240, 400},   {480, 320},   {320, 480},
    {640, 480},  {480, 640},  {500, 480},   {640, 640},   {640, 360},   {360, 640},   {800, 480},
    {800, 600},  {600, 800},  {1024, 768},  {768, 1024},  {1280, 720},  {720, 1280},  {1280, 1024},
    {1600, 900}, {900, 1600}, {1920, 1080}, {1080, 1920}, {2560, 1440}, {1215, 2160}, {3840, 2160},
    {1920, 240}, {240, 960},  {2160, 2160}, {3840, 240},  {480, 520},   {720, 760},   {800, 800},
    {700, 600},  {640, 520},  {640, 580},   {540, 720},   {800, 1000},  {810, 610},
};
