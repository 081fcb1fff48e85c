#pragma once
// One picture showing every picture of the catalog as a small thumbnail with
// its name, for looking the whole set over at a glance.

#include <vector>

#include "PngFile.h"

namespace art {

// images[id] is the picture of texture id.
RgbaImage MakeContactSheet(const std::vector<RgbaImage>& images);

}  // namespace art
