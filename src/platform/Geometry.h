#pragma once
#include <cstdint>

// A float rectangle in logical screen pixels (or texture pixels for a source).
struct FRect {
  float x = 0;
  float y = 0;
  float w = 0;
  float h = 0;
  friend bool operator==(const FRect&, const FRect&) = default;
};

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};
