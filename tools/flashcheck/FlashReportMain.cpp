// The flash check on whole play-throughs, with a report scene by scene: the
// frames of each ending are drawn off screen at 60 a second and analysed (see
// FlashAnalysis.h and OffscreenPlay.h). Run from a folder holding Assets/.
//
//   tarnwick_flash_report [--reduce-flashing] [--ending drive-away|jumpscare|game-over]
//                         [--all-scenes] [--full-size] [--save DIR FIRST LAST]
//
// Without --ending, all three. Scenes where nothing came near a flash are
// left out of the table unless --all-scenes. --full-size draws the frames at
// 800 by 600 instead of 200 by 150 (the same cells of the screen; slower). --save writes the frames FIRST to LAST (of each
// ending played) as PNG files into DIR, at 800 by 600, for looking at.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Endings.h"
#include "FlashAnalysis.h"
#include "OffscreenPlay.h"
#include "pictures/PngFile.h"

namespace {

struct SceneFigures {
  long first = 0;  // its first frame
  long frames = 0;
  int light = 0, red = 0;  // screen transitions
  int steps = 0;           // single frame-to-frame steps over the threshold
  float largest = 0;       // largest one-way share of one step
};

std::string SceneName(int scene) { return scene == TitleScene ? "title" : std::to_string(scene); }

std::string Clock(long frame) {
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%05.2f", frame / 3600, (frame % 3600) / 60.0);
  return text;
}

// The frame enlarged four times each way, pixel for pixel, as a PNG.
void Save(const std::filesystem::path& path, const std::uint8_t* rgba, OffscreenSize size) {
  const int d = size.divisor;
  art::RgbaImage image{800, 600, {}};
  image.rgba.resize(static_cast<std::size_t>(image.width * image.height * 4));
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* from = rgba + ((y / d) * size.Width() + x / d) * 4;
      std::uint8_t* to = &image.rgba[static_cast<std::size_t>((y * image.width + x) * 4)];
      to[0] = from[0], to[1] = from[1], to[2] = from[2], to[3] = 255;
    }
  art::WritePng(path, image);
}

int Report(const Ending& ending, GameOptions options, OffscreenSize size, bool all, const char* saveDir,
           long saveFirst, long saveLast) {
  flashing::FlashAnalysis analysis = AnalysisFor(size);
  std::map<int, SceneFigures> figures;
  std::vector<int> order;
  const DrawnFrameLook look = [&](long frame, int scene, const std::uint8_t* rgba) {
    if (!figures.count(scene)) order.push_back(scene), figures[scene].first = frame;
    SceneFigures& f = figures[scene];
    ++f.frames;
    const flashing::StepChange step = analysis.LastStep();
    f.largest = std::max(f.largest, step.share);
    if (step.share >= flashing::ScreenShare) ++f.steps;
    if (saveDir && frame >= saveFirst && frame <= saveLast) {
      char name[64];
      std::snprintf(name, sizeof name, "%s-%s-%06ld-scene%s.png", ending.name,
                    options.ReduceFlashing ? "reduced" : "described", frame, SceneName(scene).c_str());
      Save(std::filesystem::path(saveDir) / name, rgba, size);
    }
  };
  const OffscreenRun run = PlayOffscreen(ending.plan, options, analysis, size, look);
  for (const auto& t : analysis.Transitions()) {
    SceneFigures& f = figures[run.sceneOf[t.frame]];
    (t.red ? f.red : f.light) += 1;
  }

  std::printf("\n%s ending, %s: %ld frames (%s), %ld drawn anew; exit status %d%s\n", ending.name,
              options.ReduceFlashing ? "with --reduce-flashing" : "the game as described", analysis.Frames(),
              Clock(analysis.Frames()).c_str(), run.drawn, run.exitStatus, run.finished ? "" : ", NOT FINISHED");
  std::printf("  scene      from   frames  transitions  red  steps over  largest step\n");
  for (int scene : order) {
    const SceneFigures& f = figures[scene];
    if (!all && f.light == 0 && f.red == 0 && f.steps == 0 && f.largest < 0.10f) continue;
    std::printf("  %5s  %8s  %7ld  %11d  %3d  %10d  %10.0f %%\n", SceneName(scene).c_str(), Clock(f.first).c_str(),
                f.frames, f.light, f.red, f.steps, f.largest * 100);
  }
  int light = 0, red = 0;
  for (const auto& t : analysis.Transitions()) (t.red ? red : light) += 1;
  std::printf("  (scenes whose largest step is under 10 %% of the screen and that have no transition are left out)\n");
  std::printf("  all: %d transitions (%d flashes), %d red; %zu frame-to-frame steps over the threshold; largest step %.0f %% at %s\n",
              light, light / 2, red, analysis.SuddenSteps().size(), analysis.LargestStep().share * 100,
              Clock(analysis.LargestStep().frame).c_str());
  for (const auto& step : analysis.SuddenSteps())
    std::printf("    step at %s (frame %ld), scene %s: %.0f %% of the screen%s\n", Clock(step.frame).c_str(), step.frame,
                SceneName(run.sceneOf[step.frame]).c_str(), step.share * 100, step.red ? ", red" : "");
  if (analysis.Failing().empty()) std::printf("  no second holds more than three flashes\n");
  for (const auto& f : analysis.Failing())
    std::printf("  FAILS: %s to %s, scene %s: %d %stransitions in one second\n", Clock(f.firstFrame).c_str(),
                Clock(f.lastFrame).c_str(), SceneName(run.sceneOf[f.firstFrame]).c_str(), f.mostTransitions,
                f.red ? "red " : "");
  return run.finished && run.exitStatus == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  GameOptions options;
  const char* only = nullptr;
  bool all = false;
  OffscreenSize size;
  const char* saveDir = nullptr;
  long saveFirst = 0, saveLast = -1;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--reduce-flashing")) {
      options.ReduceFlashing = true;
    } else if (!std::strcmp(argv[i], "--full-size")) {
      size.divisor = 1;
    } else if (!std::strcmp(argv[i], "--all-scenes")) {
      all = true;
    } else if (!std::strcmp(argv[i], "--ending") && i + 1 < argc) {
      only = argv[++i];
    } else if (!std::strcmp(argv[i], "--save") && i + 3 < argc) {
      saveDir = argv[++i];
      saveFirst = std::atol(argv[++i]);
      saveLast = std::atol(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--reduce-flashing] [--ending NAME] [--all-scenes] [--full-size] [--save DIR FIRST LAST]\n", argv[0]);
      return 2;
    }
  }
  if (saveDir) std::filesystem::create_directories(saveDir);
  int status = 0;
  for (const Ending& ending : Endings)
    if (!only || !std::strcmp(only, ending.name)) status |= Report(ending, options, size, all, saveDir, saveFirst, saveLast);
  return status;
}
