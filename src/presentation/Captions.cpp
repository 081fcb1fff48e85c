#include "presentation/Captions.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/TextureCatalog.h"
#include "presentation/CaptionLetters.h"
#include "presentation/Lettering.h"

namespace {

// The letters at three times the sheet's size (15 pixels high, like the
// dialogue's), a sheet pixel between letters and three for a space; each
// caption on its own dark box a sheet pixel wider all round, right-aligned at
// the top right of the screen: beside the prompts (which end at x 500), and
// above everything a thought points at (of which nothing on the right half
// of the screen comes higher than y 80; three rows end at 73).
constexpr float Scale = 3;
constexpr float Padding = Scale;
constexpr float BoxRight = 796;
constexpr float FirstBoxTop = 4;
constexpr float BoxHeight = CaptionGlyphHeight * Scale + 2 * Padding;
constexpr float RowPitch = BoxHeight + 3;

// Where the caption `words` stands at `row` (0 at the top; between two rows
// while it rises): its dark box.
FRect CaptionBox(const char* words, float row) {
  const float width = LetteringWidth(words, Scale) + 2 * Padding;
  return FRect{BoxRight - width, FirstBoxTop + row * RowPitch, width, BoxHeight};
}

// The captions close up their rows in order; each that moves up starts its
// rise from where it stood.
void CloseUp(std::array<CaptionBoard::Shown, CaptionRows>& shown, auto gone) {
  int to = 0;
  for (int from = 0; from < CaptionRows; ++from) {
    CaptionBoard::Shown s = shown[static_cast<std::size_t>(from)];
    if (s.entry < 0 || gone(s)) continue;
    s.below += static_cast<float>(from - to);
    shown[static_cast<std::size_t>(to++)] = s;
  }
  for (; to < CaptionRows; ++to) shown[static_cast<std::size_t>(to)] = {};
}

int EntryOf(SoundId sound) {
  for (std::size_t i = 0; i < CaptionTable.size(); ++i)
    if (!CaptionTable[i].file && CaptionTable[i].sound == sound) return static_cast<int>(i);
  return -1;
}

int EntryOf(const char* path) {
  for (std::size_t i = 0; i < CaptionTable.size(); ++i)
    if (CaptionTable[i].file && std::strcmp(CaptionTable[i].file, path) == 0) return static_cast<int>(i);
  return -1;
}

void PutUp(CaptionBoard& board, int entry) {
  if (entry < 0) return;
  board.startedAgo[static_cast<std::size_t>(entry)] = 0;
  if (!board.showing) return;
  auto& shown = board.shown;
  const auto same = std::find_if(shown.begin(), shown.end(), [&](const auto& s) { return s.entry == entry; });
  if (same != shown.end()) {
    same->seconds = 0;
    return;
  }
  // A new caption takes its row at once, and those still rising stand in
  // their rows with it: no two ever overlap, and none stands below the third.
  for (CaptionBoard::Shown& s : shown) s.below = 0;
  auto free = std::find_if(shown.begin(), shown.end(), [](const auto& s) { return s.entry < 0; });
  if (free == shown.end()) {
    std::rotate(shown.begin(), shown.begin() + 1, shown.end());  // the oldest gives way
    free = shown.end() - 1;
  }
  *free = {entry, 0, 0};
}

bool SoundOver(const CaptionBoard& board, const CaptionBoard::Shown& shown, Audio& audio) {
  const CaptionEntry& entry = CaptionTable[static_cast<std::size_t>(shown.entry)];
  if (entry.file) return shown.seconds >= board.fileSeconds[static_cast<std::size_t>(shown.entry)];
  return !audio.IsPlaying(entry.sound);
}

void DrawCaption(Drawing& drawing, const char* words, float row) {
  const FRect box = CaptionBox(words, row);
  drawing.DrawTexture(CaptionsTexture, &CaptionBackingPixel, box);
  DrawLettering(drawing, words, box.x + Padding, box.y + Padding, Scale);
}

}  // namespace

void StartCaptions(CaptionBoard& board, Platform& platform) {
  platform.drawing.SetTextureNearest(CaptionsTexture);
  for (std::size_t i = 0; i < CaptionTable.size(); ++i)
    if (CaptionTable[i].file) board.fileSeconds[i] = platform.audio.FileSeconds(CaptionTable[i].file);
}

void CaptionedAudio::Start(SoundId sound) {
  audio_.Start(sound);
  PutUp(board_, EntryOf(sound));
}

void CaptionedAudio::PlayOnce(const char* path) {
  audio_.PlayOnce(path);
  PutUp(board_, EntryOf(path));
}

void DrawCaptions(CaptionBoard& board, float deltaTime, Platform& platform) {
  auto& shown = board.shown;
  // The minimum first: a sound is asked after only once it has passed.
  CloseUp(shown, [&](const CaptionBoard::Shown& s) {
    return s.seconds >= CaptionMinimumSeconds && SoundOver(board, s, platform.audio);
  });
  for (int row = 0; row < CaptionRows && shown[static_cast<std::size_t>(row)].entry >= 0; ++row) {
    CaptionBoard::Shown& s = shown[static_cast<std::size_t>(row)];
    DrawCaption(platform.drawing, CaptionTable[static_cast<std::size_t>(s.entry)].words,
                static_cast<float>(row) + s.below);
    s.seconds += deltaTime;
    s.below = std::max(0.0f, s.below - deltaTime / CaptionRiseSeconds);
  }
}

void AgeStartedSounds(CaptionBoard& board, float deltaTime) {
  for (float& ago : board.startedAgo)
    if (ago >= 0) ago += deltaTime;
}

void ShowCaptionsOfSoundsPlaying(CaptionBoard& board, Audio& audio) {
  board.showing = true;
  board.shown = {};
  std::vector<int> playing;
  for (std::size_t i = 0; i < CaptionTable.size(); ++i) {
    const float ago = board.startedAgo[i];
    if (ago < 0) continue;
    const CaptionEntry& entry = CaptionTable[i];
    if (entry.file ? ago < board.fileSeconds[i] : audio.IsPlaying(entry.sound)) playing.push_back(static_cast<int>(i));
  }
  std::sort(playing.begin(), playing.end(),
            [&](int a, int b) { return board.startedAgo[static_cast<std::size_t>(a)] > board.startedAgo[static_cast<std::size_t>(b)]; });
  const std::size_t first = playing.size() > CaptionRows ? playing.size() - CaptionRows : 0;
  for (std::size_t i = first; i < playing.size(); ++i)
    board.shown[i - first] = {playing[i], board.startedAgo[static_cast<std::size_t>(playing[i])], 0};
}

void HideCaptions(CaptionBoard& board) {
  board.showing = false;
  board.shown = {};
}
