#pragma once
// The record of walking, copied by hand from the game's description: which
// keys slide the backdrop which way, the bounds tested before each move (the
// same for every scene), and the scenes where nothing moves. Nothing here is
// taken from the game's code.

#include <vector>

namespace record::walking {

struct Direction {
  int key;       // scancode
  int otherKey;  // the letter that does the same
  bool horizontal;
  float sign;    // the move: + or - WalkSpeed * DeltaTime
  float bound;   // the move is tested against this before it is made
};

// Left/A: x < 0, x grows. Right/D: x > -1150, x falls. Down/S: y > -400, y
// falls. Up/W: y < 0, y grows.
inline constexpr Direction Left{80, 4, true, +1, 0};
inline constexpr Direction Right{79, 7, true, -1, -1150};
inline constexpr Direction Down{81, 22, false, -1, -400};
inline constexpr Direction Up{82, 26, false, +1, 0};
inline constexpr Direction Directions[] = {Left, Right, Down, Up};

inline const std::vector<int> NoWalkScenes = {5, 7, 10, 13, 26, 39, 53, 56, 57, 69, 71, 72, 73, 85, 92, 93};

inline constexpr float SpeedAfterFade = 250;  // px/s

}  // namespace record::walking
