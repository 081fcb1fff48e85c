#pragma once
// Pictures and sounds by the names the record uses (RecordFields.h looks them
// up in the game's catalogs; a test of its own holds those names and files
// against the record), and the record's places and colours as the game's.

#include <cstdint>

#include "RecordFields.h"
#include "platform/Geometry.h"
#include "record/ScreenPlaces.h"

inline FRect Rect(const record::Place& p) { return FRect{p.x, p.y, p.w, p.h}; }

inline Rgba Colour(const record::Colour& c, int alpha) {
  return Rgba{static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b),
              static_cast<std::uint8_t>(alpha)};
}
