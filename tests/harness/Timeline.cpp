#include "Timeline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

#include "FrameDriver.h"
#include "ScreenReader.h"
#include "world/Hotspots.h"

// A player on a timetable: a press comes a whole number of intervals after
// what it answers first showed (a line, a prompt), never "as soon as a frame
// allows", so its presses fall at the same game time on every display whose
// frames divide half a second.
class PacedPlayer {
 public:
  PacedPlayer(const PacedPlayer&) = default;
  explicit PacedPlayer(PlayerPlan plan) : plan_(plan) {}

  // Looks at the frame just drawn (at `now`) and sets the input for the frame
  // that will be drawn at `next`.
  void Decide(const GameState& state, const RecordingDrawing& frame, ScriptedInput& input, double now, double next) {
    input.ReleaseAll();
    // A closing screen: look at it until it has settled (its tint gone), then
    // hold Shift to leave.
    if (frame.Drew(ThxForPlayTexture) && state.ShiftQuitAllowed) {
      if (closingSince_ < 0) closingSince_ = now;
      if (next >= closingSince_ + 3.0 - 1e-6) input.Hold(ScancodeLeftShift);
      return;
    }
    if (plan_.dieOnceInBedroom && !died_) {
      if (state.SceneIndex == 83 && state.ThreatActive) waitingToDie_ = true;
      if (waitingToDie_) {
        if (state.SceneIndex != 82) return;
        waitingToDie_ = false;
        died_ = true;
      }
    }
    if (frame.Drew(WalkTexture) || (state.Animating && state.AnimationKind == WalkToLake)) {
      if (!(plan_.standStillInLastWalk && state.SceneIndex == 90)) input.Hold(ScancodeW);
    }

    // What is there to answer, and how quickly a person presses for it.
    const bool lineShown = DialogueBandShown(frame) && !DrawnDialogueText(frame).empty();
    const char* shown = lineShown                    ? "line"
                        : frame.Drew(ClickALotTexture) ? "bite"
                        : frame.Drew(UseTexture)       ? "use"
                        : frame.Drew(MoveTexture)      ? "move"
                                                       : "";
    if (shown != shown_) {
      shown_ = shown;
      since_ = now;
      presses_ = 0;
    }
    if (*shown) {
      const double interval = std::string(shown) == "bite" ? 0.25 : 0.5;
      if (next >= since_ + interval * (presses_ + 1) - 1e-6) {
        input.events.push_back(InputEvent::ReturnReleased);
        ++presses_;
      }
      return;
    }
    WalkTowardExit(state, input);
  }

 private:
  static void WalkTowardExit(const GameState& state, ScriptedInput& input) {
    const HotspotWindow* window = FindHotspotWindow(state.SceneIndex);
    if (!window) return;
    const bool hasLower = std::isfinite(window->lower);
    const bool hasUpper = std::isfinite(window->upper);
    float target = -650;
    if (hasLower && hasUpper) target = (window->lower + window->upper) / 2;
    else if (hasLower) target = std::fmin(window->lower + 60, -10);
    else if (hasUpper) target = std::fmax(window->upper - 60, -1140);
    const float x = state.BackgroundRect.x;
    if (x < target - 8) input.Hold(ScancodeLeft);
    if (x > target + 8) input.Hold(ScancodeRight);
  }

  PlayerPlan plan_;
  const char* shown_ = "";
  double since_ = 0;
  int presses_ = 0;
  bool waitingToDie_ = false;
  bool died_ = false;
  double closingSince_ = -1;
};

namespace {

// Draws and sounds that the random draws choose, or that only echo a press.
bool Noise(const std::string& path) {
  return path == ClickFile || path == BrushTeethOneFile || path == BrushTeethTwoFile || path == BrushTeethThreeFile;
}

bool WhiteFlashDrawn(const RecordingDrawing& frame) {
  for (const DrawCall& fill : frame.Fills())
    if (fill.color == Rgba{255, 255, 255, 255} && fill.dest.w == 800 && fill.dest.h == 600) return true;
  return false;
}

class Recorder {
 public:
  Recorder(std::vector<TimelineEvent>& events, const std::vector<bool>& playing) : events_(events) {
    for (int id = 0; id < SoundCount; ++id) playing_[id] = playing[id];
    Add("scene begins");
  }

  void AfterFrame(const GameState& before, const GameState& s, const RecordingPlatform& rec, bool byInput,
                  double seconds) {
    seconds_ = seconds;
    byInput_ = byInput;
    if (s.SceneIndex != before.SceneIndex) Add("scene " + std::to_string(s.SceneIndex));
    for (const SoundCall& call : rec.audio.calls)
      if (call.kind == SoundCall::Kind::PlayOnce && !Noise(call.path)) Add("play " + call.path);
    for (int id = 0; id < SoundCount; ++id) {
      if (rec.audio.playing[id] != playing_[id])
        Add(std::string(rec.audio.playing[id] ? "start " : "stop ") + SoundCatalog[id].name);
      playing_[id] = rec.audio.playing[id];
    }
    // The views of the last night's set pieces: the closet's slats, the
    // creature's sheet, the drive away (jumps, not walking).
    const bool setPiece = s.SceneIndex == 85 || s.SceneIndex == 86 || s.SceneIndex == 92;
    if (setPiece && s.SceneIndex == before.SceneIndex && std::fabs(s.BackgroundRect.x - before.BackgroundRect.x) >= 500)
      Add("view x " + std::to_string(static_cast<int>(s.BackgroundRect.x)));
    if ((before.FadingOut || before.FadingIn) && !s.FadingOut && !s.FadingIn) Add("fade ends");
    if (before.FadeAlpha > 0 && s.FadeAlpha <= 0) Add("black gone");
    if (before.NightTint > 0 && s.NightTint == 0) Add("tint gone");
    const bool white = WhiteFlashDrawn(rec.drawing);
    if (white != white_) Add(white ? "flash on" : "flash off");
    white_ = white;
    const std::string line = DialogueBandShown(rec.drawing) ? DrawnDialogueText(rec.drawing) : "(no box)";
    if (line != line_ && !line.empty()) Add("line " + line);
    if (!line.empty()) line_ = line;
  }

 private:
  void Add(const std::string& what) { events_.push_back({seconds_, what, ++counts_[what], byInput_}); }

  std::vector<TimelineEvent>& events_;
  std::map<std::string, int> counts_;
  bool playing_[SoundCount] = {};
  bool white_ = false;
  std::string line_;
  double seconds_ = 0;
  bool byInput_ = false;
};

// Runs frames from `driver`'s state with `player` until `stop` holds after a
// frame, handing each frame to `seen`.
template <typename Stop, typename Seen>
void Play(FrameDriver& driver, PacedPlayer& player, const FrameSchedule& schedule, Stop stop, Seen seen) {
  long gameMs = 0;
  std::set<int> heldBefore;
  constexpr long LimitMs = 1800 * 1000;  // the story takes about ten minutes
  for (long frame = 0; !driver.quit && gameMs < LimitMs; ++frame) {
    const int ms = schedule(frame);
    const int gameStep = std::min(ms, 50);  // the frame clock's clamp
    player.Decide(driver.state, driver.rec.drawing, driver.rec.input, gameMs / 1000.0, (gameMs + gameStep) / 1000.0);
    const bool pressing = !driver.rec.input.events.empty();
    const bool keysChanged = driver.rec.input.held != heldBefore;
    heldBefore = driver.rec.input.held;
    const GameState before = driver.state;
    driver.Frame(ms);
    gameMs += gameStep;
    seen(before, pressing || keysChanged, gameMs / 1000.0);
    if (stop(before)) return;
  }
}

}  // namespace

std::vector<SceneStart> PlayAndSaveEachScene(PlayerPlan plan) {
  std::vector<SceneStart> starts;
  std::srand(1);
  FrameDriver driver;
  PacedPlayer player(plan);
  const auto playing = [&] { return std::vector<bool>(driver.rec.audio.playing, driver.rec.audio.playing + SoundCount); };
  starts.push_back({driver.state, std::make_shared<PacedPlayer>(player), driver.state.SceneIndex, playing()});
  Play(
      driver, player, FixedRate(60), [](const GameState&) { return false; },
      [&](const GameState& before, bool, double) {
        if (driver.state.SceneIndex != before.SceneIndex)
          starts.push_back({driver.state, std::make_shared<PacedPlayer>(player), driver.state.SceneIndex, playing()});
      });
  if (!(driver.quit && driver.state.ShiftQuitAllowed)) starts.clear();
  return starts;
}

std::vector<TimelineEvent> RecordScene(const SceneStart& start, FrameSchedule schedule, unsigned seed) {
  std::vector<TimelineEvent> events;
  std::srand(seed);
  FrameDriver driver(start.state);
  // Frames of the 60 Hz run end at n * 1000 / 60 ms; going on from there keeps
  // the sixtieths of a second where they were.
  driver.ContinueFrom(static_cast<double>(start.state.SixtiethsSoFar) * 1000.0 / 60.0);
  PacedPlayer player = *start.player;
  for (int id = 0; id < SoundCount; ++id) driver.rec.audio.playing[id] = start.playing[id];
  Recorder recorder(events, start.playing);
  Play(
      driver, player, schedule, [&](const GameState&) { return driver.state.SceneIndex != start.scene; },
      [&](const GameState& before, bool byInput, double seconds) {
        recorder.AfterFrame(before, driver.state, driver.rec, byInput, seconds);
      });
  return events;
}
