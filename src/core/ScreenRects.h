#pragma once
#include "platform/Geometry.h"

// Fixed places on the 800 by 600 logical screen.
inline constexpr FRect ScreenRect{0, 0, 800, 600};
inline constexpr FRect DialogueBoxRect{0, 450, 800, 150};
inline constexpr FRect PromptRect{320, 20, 180, 60};      // Move, Use, click a lot
inline constexpr FRect WalkPromptRect{360, 20, 140, 40};  // hold W
inline constexpr FRect ItemRect{680, 400, 90, 200};       // lighter, water bottle
inline constexpr FRect RodRect{580, 200, 190, 400};
inline constexpr FRect FoodRect{550, 400, 250, 200};
inline constexpr FRect NextDayCardRect{280, 200, 200, 100};

// Source rectangles of the four static frames. The widths grow as listed; a
// source wider than the sheet is clipped to it.
inline constexpr FRect StaticFrameRects[4] = {
    {0, 0, 128, 128}, {128, 0, 256, 128}, {256, 0, 384, 128}, {384, 0, 512, 128}};
