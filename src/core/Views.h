#pragma once
#include "platform/Geometry.h"

// Where the backdrop is drawn, for the three kinds of view the scenes use.
inline constexpr FRect RoomView{-650, -200, 2000, 1000};    // rooms and places walked through
inline constexpr FRect ScreenView{0, 0, 800, 600};          // close-ups and animation frames
inline constexpr FRect CloseView{-1300, -700, 3000, 2000};  // the zoomed-in kitchen tables
