#pragma once
// The one palette every picture is painted in: thirty-two dark colours and
// "no colour" for the transparent parts of sprites. Cold greys and blues for
// the house and the night, browns and greens for the cabin and the forest,
// warm amber only for lamps, screens and fire, and a dull red.

#include <array>
#include <cstdint>
#include <span>

#include "platform/Geometry.h"

namespace art {

enum Color : std::uint8_t {
  Clear,       // transparent
  Ink,         // near black, a little blue
  NightDeep,
  Night,
  Dusk,
  Slate,
  SlateLight,
  Cold,
  PaleCold,
  Dawn,        // pale morning light
  Bone,        // the lightest colour, warm off-white
  WoodDeep,
  Wood,
  WoodLight,
  Tan,
  Sand,
  PineDeep,
  Pine,
  Moss,
  Leaf,
  Sage,
  Fog,
  EmberDeep,
  Ember,
  Amber,
  Flame,
  RedDeep,
  Red,         // dull red
  Skin,
  SkinShadow,
  Blush,       // dawn pink, cartoon colours
  Teal,        // lake water, screens
  Sky,         // pale screen and sky blue
  ColorCount
};

inline constexpr std::array<Rgba, ColorCount> Palette = {{
    {0, 0, 0, 0},
    {7, 7, 11, 255},
    {13, 15, 26, 255},
    {22, 27, 44, 255},
    {35, 42, 62, 255},
    {56, 65, 86, 255},
    {84, 94, 114, 255},
    {120, 130, 146, 255},
    {164, 172, 182, 255},
    {206, 208, 210, 255},
    {232, 228, 216, 255},
    {36, 24, 20, 255},
    {62, 41, 30, 255},
    {96, 64, 42, 255},
    {138, 100, 66, 255},
    {178, 146, 104, 255},
    {12, 24, 20, 255},
    {22, 40, 30, 255},
    {42, 62, 40, 255},
    {74, 94, 56, 255},
    {110, 124, 96, 255},
    {140, 150, 146, 255},
    {92, 36, 18, 255},
    {158, 72, 26, 255},
    {214, 132, 44, 255},
    {246, 206, 108, 255},
    {56, 12, 14, 255},
    {112, 26, 26, 255},
    {160, 112, 86, 255},
    {102, 66, 52, 255},
    {168, 108, 112, 255},
    {52, 96, 112, 255},
    {96, 136, 160, 255},
}};

// A ramp is a run of palette colours from dark to light; a value 0..1 along it
// is dithered between its two nearest colours.
using Ramp = std::span<const Color>;

inline constexpr Color GreyRamp[] = {Ink, NightDeep, Night, Dusk, Slate, SlateLight, Cold, PaleCold, Dawn, Bone};
inline constexpr Color WoodRamp[] = {Ink, WoodDeep, Wood, WoodLight, Tan, Sand};
inline constexpr Color ForestRamp[] = {Ink, PineDeep, Pine, Moss, Leaf, Sage, Fog};
inline constexpr Color FireRamp[] = {EmberDeep, Ember, Amber, Flame, Bone};
inline constexpr Color WarmRamp[] = {Ink, WoodDeep, EmberDeep, Ember, Amber, Flame};
inline constexpr Color SkinRamp[] = {WoodDeep, SkinShadow, Skin, Sand};
inline constexpr Color RedRamp[] = {Ink, RedDeep, Red, Blush};
inline constexpr Color WaterRamp[] = {Ink, NightDeep, Night, Teal, Sky, PaleCold};
inline constexpr Color SkyRamp[] = {NightDeep, Night, Dusk, Slate, SlateLight, Cold, PaleCold, Dawn};
inline constexpr Color DawnSkyRamp[] = {Dusk, Slate, SlateLight, Blush, Sand, Dawn, Bone};

}  // namespace art
