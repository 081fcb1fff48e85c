#pragma once
// Words in the letters of "Captions.png", as the captions and the pause menu
// write them: each letter's cell drawn `scale` times its size, a sheet pixel
// between letters and three for a space (or any sign the sheet does not have).

#include <string_view>

#include "platform/Platform.h"

float LetteringWidth(std::string_view words, float scale);
// From (x, y), the top left of the first letter.
void DrawLettering(Drawing& drawing, std::string_view words, float x, float y, float scale);
