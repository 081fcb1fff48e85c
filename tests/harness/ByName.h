#pragma once
// Pictures and sounds by the names the record uses. The game's catalogs give
// the names; a test of its own holds those names and files against the record.

#include <string>

#include "core/SoundCatalog.h"
#include "core/TextureCatalog.h"
#include "platform/Geometry.h"
#include "record/ScreenPlaces.h"

inline std::string NameOf(TextureId texture) {
  return texture >= 0 && texture < TextureCount ? TextureCatalog[texture].name : "no picture";
}

inline TextureId TextureNamed(const std::string& name) {
  for (int id = 0; id < TextureCount; ++id)
    if (name == TextureCatalog[id].name) return static_cast<TextureId>(id);
  return TextureCount;
}

inline SoundId SoundNamed(const std::string& name) {
  for (int id = 0; id < SoundCount; ++id)
    if (name == SoundCatalog[id].name) return static_cast<SoundId>(id);
  return SoundCount;
}

inline FRect Rect(const record::Place& p) { return FRect{p.x, p.y, p.w, p.h}; }

inline Rgba Colour(const record::Colour& c, int alpha) {
  return Rgba{static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g), static_cast<std::uint8_t>(c.b),
              static_cast<std::uint8_t>(alpha)};
}
