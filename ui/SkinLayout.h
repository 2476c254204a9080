#pragma once
// Control rectangles of the skinned windows (left, top, width, height), written by
// tools/make-pictures together with the pictures they must match. Do not edit.

struct TSkinRect {
    int Left, Top, Width, Height;
};

namespace MainSkin {
const int Width = 612, Height = 552;
const TSkinRect About = {22, 10, 230, 46};
const TSkinRect minim = {520, 16, 34, 32};
const TSkinRect exit1 = {560, 16, 34, 32};
const TSkinRect privacy_meter = {40, 116, 240, 176};
const TSkinRect scan = {318, 90, 266, 84};
const TSkinRect Label1 = {318, 182, 266, 44};
const TSkinRect Status = {28, 314, 556, 24};
const TSkinRect panic = {28, 354, 264, 60};
const TSkinRect Label2 = {310, 358, 274, 52};
const TSkinRect options = {28, 432, 176, 48};
const TSkinRect scheduler = {218, 432, 176, 48};
const TSkinRect help = {408, 432, 176, 48};
const TSkinRect Hint = {40, 510, 532, 22};
}  // namespace MainSkin

namespace ResultsSkin {
const int Width = 480, Height = 430;
const TSkinRect exit1 = {434, 10, 34, 32};
const TSkinRect solve_all = {72, 62, 128, 44};
const TSkinRect solve = {210, 62, 98, 44};
const TSkinRect export1 = {318, 62, 99, 44};
const TSkinRect Output = {72, 120, 345, 257};
const TSkinRect ResultsStatus = {72, 388, 345, 20};
}  // namespace ResultsSkin
