#pragma once
// The record of the next-day card, copied by hand from the game's description:
// the black held with the card between two days, at home after the television
// (scene 13) and after the first night in the cabin (scene 49).

namespace record::nextday {

inline constexpr const char* Card = "NextDayTexture";
struct Rect {
  float x, y, w, h;
};
inline constexpr Rect CardRect{280, 200, 200, 100};

inline constexpr float HoldSeconds = 6.0f;      // NextDayTimer, counted while the hold is set
inline constexpr float TelevisionSeconds = 5.0f; // scene 13 before the fade with the hold begins
inline constexpr int CardAbove = 229;            // the card is drawn while the black is above this
inline constexpr int Pinned = 255;               // and the black is pinned here meanwhile
// NextDayTimer is lowered by the frame's time in the timed-events step of every
// frame that finds the hold set, and the morning comes on the first frame it is
// below 0 after the subtraction. At home the television sets the hold in that
// same step, just before; in the cabin row 48 sets it at the end of a frame.

struct Morning {
  int from;
  int to;
  const char* bed;
  int firstLine;
};
inline constexpr Morning AtHome{13, 14, "HouseBedRoomBedTexture", 16};
inline constexpr Morning InTheCabin{49, 50, "CabinBedTexture", 84};
inline constexpr Rect RoomView{-650, -200, 2000, 1000};

}  // namespace record::nextday
