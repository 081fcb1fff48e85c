#pragma once
// The narrow interfaces through which the game reaches the outside world.
// The game logic only ever sees these; the SDL and miniaudio implementations
// live beside this file, and the tests substitute a recording stand-in.

#include <cstdint>

#include "platform/Geometry.h"

// Pictures and persistent sounds are named by the game's catalogs, which build
// on this folder; the platform knows them only as numbers below these
// capacities, the sizes of the blocks it keeps them in.
enum TextureId : int;
enum SoundId : int;
inline constexpr int TextureCapacity = 128;
inline constexpr int SoundCapacity = 16;

// Keyboard scancodes the game reads; the numbers are SDL's (the same in SDL 2 and 3).
enum Scancode : int {
  ScancodeA = 4,
  ScancodeD = 7,
  ScancodeS = 22,
  ScancodeW = 26,
  ScancodeRight = 79,
  ScancodeLeft = 80,
  ScancodeDown = 81,
  ScancodeUp = 82,
  ScancodeLeftShift = 225,
  ScancodeRightShift = 229,
};

// The one event a frame takes from the queue, reduced to what the game tells apart.
enum class InputEvent {
  None,            // the queue was empty
  Quit,            // the window was closed (or the process asked to quit)
  ReturnReleased,  // key-up of Return (or a gamepad's south button let go)
  ShiftReleased,   // key-up of either Shift key (or a gamepad's Back)
  // Beside the described game: the player asks for the pause menu (Escape let
  // go, a pad's Start, the web page's pause button), or the window lost the
  // player's attention (its focus, a hidden browser tab).
  Pause,
  // Beside the described game, for a player who cannot see it: speech turned
  // on or off (V let go, a pad's west button), and "what is here, and which
  // way" (Space let go, a pad's north button, the page's touch key for it).
  SpeechSwitch,
  Describe,
  Other,           // anything else: dropped by the platform, never a frame's event
};

// What the pause menu takes from the queue while it is open: a move of the
// lit item or a change of its value (arrows, W A S D, a pad's D-pad or stick,
// all on the press and its repeats), a choice (Return or a pad's south
// button, let go), a resume (Escape, a pad's Start or east button), the
// window closed, or the pointer (a mouse or a finger) moved or let go at a
// place of the 800 by 600 screen (a finger's lift is a Tap); and, as in the
// game, speech switched or asked to say where things stand (V, Space, the
// pad's west and north buttons).
struct MenuEvent {
  enum class Kind { None, Up, Down, Left, Right, Choose, Resume, Quit, Point, Click, Tap, SpeechSwitch, Describe } kind =
      Kind::None;
  float x = 0, y = 0;  // for Point, Click and Tap
};

class Drawing {
 public:
  virtual ~Drawing() = default;
  virtual void Clear() = 0;
  virtual void Present() = 0;
  virtual void SetDrawColor(Rgba color) = 0;
  // Alpha-blended: the renderer's draw blend mode is set to blend at start-up.
  virtual void FillRect(const FRect& dest) = 0;
  // A null source draws the whole texture; a source larger than the texture
  // is clipped to it and the clipped part stretched over the whole destination.
  virtual void DrawTexture(TextureId texture, const FRect* source, const FRect& dest) = 0;
  virtual void SetTextureBlend(TextureId texture) = 0;
  virtual void SetTextureAlpha(TextureId texture, std::uint8_t alpha) = 0;
  virtual void SetTextureNearest(TextureId texture) = 0;
};

class Audio {
 public:
  virtual ~Audio() = default;
  // Starting a playing sound changes nothing; stopping pauses it where it is.
  virtual void Start(SoundId sound) = 0;
  virtual void Stop(SoundId sound) = 0;
  // Looping, once set, stays set for the rest of the run.
  virtual void SetLooping(SoundId sound) = 0;
  // Fire and forget: the file is opened and played once; a missing one is silence.
  virtual void PlayOnce(const char* path) = 0;

  // Two questions that only what a player may turn on asks (the captions, to
  // keep words up while their sound plays); the described game asks neither.
  // Whether a persistent sound is playing now: false once stopped or played
  // to its end, and for a sound whose file failed to load.
  virtual bool IsPlaying(SoundId sound) = 0;
  // How long the file plays, in seconds, as its own decoder reports it; 0 for
  // a file that is missing or does not decode.
  virtual float FileSeconds(const char* path) = 0;
};

class Input {
 public:
  virtual ~Input() = default;
  // Takes at most one event the game acts on (quit, Return or Shift released),
  // dropping whatever else was queued before it; a burst of presses is
  // spread over frames, one a frame, and none is lost.
  virtual InputEvent PollEvent() = 0;
  // Refreshes the held-key snapshot that IsHeld reads. A gamepad's D-pad and
  // left stick hold the arrow keys in it, its Back a Shift.
  virtual void PumpEvents() = 0;
  virtual bool IsHeld(Scancode key) const = 0;
  // While the pause menu is open, instead of PollEvent: at most one menu
  // event, dropping whatever else was queued before it.
  virtual MenuEvent PollMenuEvent() { return {}; }
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since start-up, never wrapping within a session.
  virtual std::uint64_t TicksMs() = 0;
};

// Everything a frame of the game may touch outside GameState.
struct Platform {
  Drawing& drawing;
  Audio& audio;
  Input& input;
  Clock& clock;
};
