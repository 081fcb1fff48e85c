#pragma once
// Captions, for a player who turns them on (--captions): a few words at the
// top of the screen for each sound that tells the story, up from the frame the
// sound starts for as long as it plays (a looping one: until it is stopped),
// and never for less than two seconds; two or three at once stack. Without
// the option nothing is drawn or asked of the sound; only when each captioned
// sound last started is noted, so that captions turned on in the pause menu
// can show a sound that is playing then, for the time it has left.

#include <array>

#include "core/SoundCatalog.h"
#include "platform/Platform.h"

// The words of one sound: a persistent sound by its catalog id, or a sound
// played once by its file.
struct CaptionEntry {
  SoundId sound;     // SoundCount for a file played once
  const char* file;  // null for a persistent sound
  const char* words;
};

inline constexpr std::array<CaptionEntry, 25> CaptionTable = {{
    // Persistent: up while the engine says it plays.
    {TelephoneSound, nullptr, "[TELEPHONE RINGING]"},
    {HeavyBreathingSound, nullptr, "[HEAVY BREATHING]"},
    {GiberishSound, nullptr, "[GARBLED TV VOICES]"},
    // Played once: up for as long as the file plays.
    {SoundCount, IdkWhatToNameThisFile, "[EERIE CALL, FAR OFF]"},
    {SoundCount, ItWalkingOnGrassFile, "[STEPS IN THE GRASS]"},
    {SoundCount, ItRunningOnGrassFile, "[RUNNING IN GRASS]"},
    {SoundCount, CreepyNoiseFile, "[CHITTERING, A GROWL]"},
    {SoundCount, WhatEvenIsThisFile, "[CREAKING, WHISPERS]"},
    {SoundCount, ScaryScreechFile, "[A PIERCING SCREECH]"},
    {SoundCount, CameraFlashFile, "[CAMERA SHUTTER]"},
    {SoundCount, HeheFile, "[SOMEONE GIGGLES]"},
    {SoundCount, KnockKnockFile, "[KNOCK, KNOCK]"},
    {SoundCount, KnockKnockKnockFile, "[KNOCK, KNOCK, KNOCK]"},
    {SoundCount, GlassShatterFile, "[GLASS SHATTERS]"},
    {SoundCount, DoorOpenFile, "[DOOR CREAKS OPEN]"},
    {SoundCount, ItWalkingInYourRoomFile, "[STEPS IN THE ROOM]"},
    {SoundCount, MoansAndGroansFile, "[MOANS AND GROANS]"},
    {SoundCount, CreepyYellFile, "[AN INHUMAN YELL]"},
    {SoundCount, WoodRunningFile, "[RUNNING ON WOOD]"},
    {SoundCount, ItGettingAwayScareFile, "[MUSIC CRASHES]"},
    {SoundCount, JumpscareFile, "[A SHRIEK!]"},
    {SoundCount, HorrorDeathFile, "[DEATHLY CHOIR]"},
    {SoundCount, EngineStartupFile, "[ENGINE STARTS]"},
    {SoundCount, CaughtFishFile, "[SPLASH! CAUGHT ONE!]"},
    {SoundCount, ErrorFile, "[BUZZ. IT GOT AWAY.]"},
}};

inline constexpr float CaptionMinimumSeconds = 2;
inline constexpr int CaptionRows = 3;
// When a caption above goes, the ones below rise into its place over a fifth
// of a second rather than jumping a row in one frame.
inline constexpr float CaptionRiseSeconds = 0.2f;

// The caption layer's own record, apart from GameState: the captions up, top
// to bottom in the order they came, and how long each captioned file plays
// (read from the files themselves before the first frame).
struct CaptionBoard {
  struct Shown {
    int entry = -1;       // in CaptionTable; -1 for an empty row
    float seconds = 0;    // how long it has been up
    float below = 0;      // rows it still stands below its own, rising
  };
  std::array<Shown, CaptionRows> shown{};
  std::array<float, CaptionTable.size()> fileSeconds{};
  // Whether captions are up: otherwise a sound that starts is only noted.
  bool showing = true;
  // How long ago, in the game's time, each captioned sound last started
  // (negative: never), captions on or off.
  std::array<float, CaptionTable.size()> startedAgo = [] {
    std::array<float, CaptionTable.size()> never;
    never.fill(-1);
    return never;
  }();
};

// Before the first frame: the letters are made crisp, and each captioned
// file's length is read from the file.
void StartCaptions(CaptionBoard& board, Platform& platform);

// The audio the game plays through: every call is passed on unchanged, in
// order, and while captions are showing the words of a captioned sound are
// put up as it starts (again from the top of its time, if they are up
// already; when every row is taken, the oldest gives way).
class CaptionedAudio final : public Audio {
 public:
  CaptionedAudio(Audio& audio, CaptionBoard& board) : audio_(audio), board_(board) {}

  void Start(SoundId sound) override;
  void Stop(SoundId sound) override { audio_.Stop(sound); }
  void SetLooping(SoundId sound) override { audio_.SetLooping(sound); }
  void PlayOnce(const char* path) override;
  bool IsPlaying(SoundId sound) override { return audio_.IsPlaying(sound); }
  float FileSeconds(const char* path) override { return audio_.FileSeconds(path); }

 private:
  Audio& audio_;
  CaptionBoard& board_;
};

// The caption layer, after the fade: takes down each caption whose sound has
// ended once its two seconds have passed (those below rise into its place),
// draws the others, each on its dark box at the top right, and ages them and
// moves them on by the frame's time.
void DrawCaptions(CaptionBoard& board, float deltaTime, Platform& platform);

// After every game frame, captions on or off: the sounds noted as started
// grow older by the frame's time.
void AgeStartedSounds(CaptionBoard& board, float deltaTime);

// Captions turned on during play (the pause menu): every captioned sound
// still playing is put up at once, as old as its sound, so it stays for the
// time the sound has left (and the two seconds from its start); the newest
// three, oldest at the top. Turned off: every caption comes down, and sounds
// are only noted from then on.
void ShowCaptionsOfSoundsPlaying(CaptionBoard& board, Audio& audio);
void HideCaptions(CaptionBoard& board);
