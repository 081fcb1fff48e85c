// Start-up against a bare window: runs the timed start-up of the game and the
// bare-window program in alternating pairs (the order inside a pair alternating
// too), each from a fresh process, and prints the medians. A process's start-up
// is the time from just before it is spawned to the return of its first
// present, both on the machine's monotonic clock. Runs in the working directory
// it is given (which must hold Assets/), on the display in DISPLAY.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "Stats.h"

extern char** environ;

namespace {

using Fields = std::map<std::string, std::string>;

struct Run {
  bool ok = false;
  std::int64_t spawnedAtNs = 0;
  Fields fields;

  std::int64_t Ns(const std::string& key) const {
    const auto found = fields.find(key);
    return found == fields.end() ? 0 : std::atoll(found->second.c_str());
  }
  double StartupMs() const { return NsToMs(Ns("first_present_at_ns") - spawnedAtNs); }
  double ToMainMs() const { return NsToMs(Ns("main_at_ns") - spawnedAtNs); }
};

Fields ParseFields(const std::string& line) {
  Fields fields;
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    const std::size_t equals = word.find('=');
    if (equals != std::string::npos) fields[word.substr(0, equals)] = word.substr(equals + 1);
  }
  return fields;
}

// Spawns the program with stdout to a pipe and stderr appended to `logPath`,
// and reads its one line of figures. Gives up on a program that takes longer
// than a minute.
Run RunOnce(const std::string& program, const std::string& logPath) {
  Run run;
  int out[2];
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

  pid_t pid = 0;
  run.spawnedAtNs = MonotonicNs();
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    std::fprintf(stderr, "could not start %s: %s\n", program.c_str(), std::strerror(spawned));
    return run;
  }

  std::string output;
  const std::int64_t deadline = run.spawnedAtNs + 60'000'000'000LL;
  char buffer[4096];
  for (;;) {
    const std::int64_t left = deadline - MonotonicNs();
    if (left <= 0) {
      std::fprintf(stderr, "%s took over a minute; stopping it\n", program.c_str());
      kill(pid, SIGKILL);
      break;
    }
    pollfd fd{out[0], POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left / 1'000'000) + 1) <= 0) continue;
    const ssize_t got = read(out[0], buffer, sizeof buffer);
    if (got <= 0) break;
    output.append(buffer, static_cast<std::size_t>(got));
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.fields = ParseFields(output);
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.fields["status"] == "0" &&
           run.Ns("first_present_at_ns") > 0;
  if (!run.ok) std::fprintf(stderr, "%s failed (status %d): %s\n", program.c_str(), status, output.c_str());
  return run;
}

void Usage(const char* self) {
  std::fprintf(stderr, "usage: %s --game PROGRAM --bare PROGRAM [--pairs N] [--log FILE]\n", self);
}

}  // namespace

int main(int argc, char** argv) {
  std::string game, bare, logPath = "/dev/null";
  int pairs = 15;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) {
      Usage(argv[0]);
      return 2;
    }
    if (arg == "--game") game = argv[++i];
    else if (arg == "--bare") bare = argv[++i];
    else if (arg == "--pairs") pairs = std::atoi(argv[++i]);
    else if (arg == "--log") logPath = argv[++i];
    else {
      Usage(argv[0]);
      return 2;
    }
  }
  if (game.empty() || bare.empty() || pairs < 1) {
    Usage(argv[0]);
    return 2;
  }

  // One pair first to warm the file cache and the display server; not counted.
  if (!RunOnce(game, logPath).ok || !RunOnce(bare, logPath).ok) return 1;

  std::vector<Run> games, bares;
  for (int pair = 0; pair < pairs; ++pair) {
    Run first = RunOnce(pair % 2 == 0 ? game : bare, logPath);
    Run second = RunOnce(pair % 2 == 0 ? bare : game, logPath);
    if (!first.ok || !second.ok) return 1;
    games.push_back(pair % 2 == 0 ? first : second);
    bares.push_back(pair % 2 == 0 ? second : first);
  }

  std::vector<double> gameMs, bareMs, ratios, gameToMain, bareToMain;
  std::vector<double> texturesMs, soundsMs, loadsMs, textureShare, soundShare, loadShare;
  std::map<std::string, std::vector<double>> stepsMs;
  const char* steps[] = {"init_ns", "window_ns", "renderer_ns", "audio_ns", "display_ns"};
  std::vector<double> restMs;
  for (int i = 0; i < pairs; ++i) {
    const Run& g = games[i];
    const Run& b = bares[i];
    gameMs.push_back(g.StartupMs());
    bareMs.push_back(b.StartupMs());
    ratios.push_back(g.StartupMs() / b.StartupMs());
    gameToMain.push_back(g.ToMainMs());
    bareToMain.push_back(b.ToMainMs());
    const double textures = NsToMs(g.Ns("textures_ns"));
    const double sounds = NsToMs(g.Ns("sounds_ns"));
    texturesMs.push_back(textures);
    soundsMs.push_back(sounds);
    loadsMs.push_back(textures + sounds);
    textureShare.push_back(100 * textures / g.StartupMs());
    soundShare.push_back(100 * sounds / g.StartupMs());
    loadShare.push_back(100 * (textures + sounds) / g.StartupMs());
    double accounted = g.ToMainMs() + textures + sounds;
    for (const char* step : steps) {
      stepsMs[step].push_back(NsToMs(g.Ns(step)));
      accounted += NsToMs(g.Ns(step));
    }
    restMs.push_back(g.StartupMs() - accounted);
  }

  const double ratioOfMedians = Median(gameMs) / Median(bareMs);
  std::printf("start-up: process spawn to the first presented frame, %d pairs (order alternating), "
              "after one warm-up pair; renderer %s\n",
              pairs, bares[0].fields["renderer"].c_str());
  std::printf("  %-36s %9s %9s %9s\n", "", "median", "min", "max");
  std::printf("  %-36s %6.1f ms %6.1f ms %6.1f ms\n", "game, to its first title frame", Median(gameMs),
              Smallest(gameMs), Largest(gameMs));
  std::printf("  %-36s %6.1f ms %6.1f ms %6.1f ms\n", "bare window, to its first frame", Median(bareMs),
              Smallest(bareMs), Largest(bareMs));
  std::printf("  game / bare window (of the medians) %6.2f      (median of the pairs' ratios %.2f)\n",
              ratioOfMedians, Median(ratios));
  // The bare window's own steps, to set beside the game's.
  std::map<std::string, std::vector<double>> bareSteps;
  for (const Run& b : bares)
    for (const char* step : {"init_ns", "window_ns", "renderer_ns", "display_ns", "first_present_call_ns"})
      bareSteps[step].push_back(NsToMs(b.Ns(step)));
  std::vector<double> firstPresentMs;
  for (const Run& g : games) firstPresentMs.push_back(NsToMs(g.Ns("first_present_call_ns")));

  std::printf("  where the start-up goes (medians):          game    bare window\n");
  const auto row = [](const char* name, double game, const char* note = "") {
    std::printf("    %-36s %6.1f ms%s\n", name, game, note);
  };
  const auto pair = [](const char* name, double game, double bare) {
    std::printf("    %-36s %6.1f ms  %6.1f ms\n", name, game, bare);
  };
  pair("spawn to main (loading libraries)", Median(gameToMain), Median(bareToMain));
  pair("SDL init (the game: video and audio)", Median(stepsMs["init_ns"]), Median(bareSteps["init_ns"]));
  pair("window", Median(stepsMs["window_ns"]), Median(bareSteps["window_ns"]));
  pair("renderer", Median(stepsMs["renderer_ns"]), Median(bareSteps["renderer_ns"]));
  row("audio engine", Median(stepsMs["audio_ns"]));
  pair("full screen, blending, logical size, vsync", Median(stepsMs["display_ns"]), Median(bareSteps["display_ns"]));
  std::printf("    %-36s %6.1f ms            %5.1f%% of the game's start-up\n", "110 textures (load, free, check)",
              Median(texturesMs), Median(textureShare));
  std::printf("    %-36s %6.1f ms            %5.1f%% of the game's start-up\n", "14 sounds", Median(soundsMs),
              Median(soundShare));
  std::printf("    %-36s %6.1f ms            %5.1f%% of the game's start-up\n", "textures and sounds together",
              Median(loadsMs), Median(loadShare));
  row("settings and the first frame's drawing", Median(restMs) - Median(firstPresentMs));
  pair("the first present", Median(firstPresentMs), Median(bareSteps["first_present_call_ns"]));
  std::vector<double> bareHwmMb;
  for (const Run& b : bares) bareHwmMb.push_back(static_cast<double>(b.Ns("hwm_kb")) / 1024);
  std::printf("  the bare window's peak resident size (VmHWM): %.1f MB (median)\n", Median(bareHwmMb));
  // The CPU time of the one thread up to the first frame: the work that the
  // game adds to what the bare window does, whatever else the machine runs.
  // The rest of either start-up is waiting (chiefly the 100 ms in which SDL
  // waits for a window manager to answer the switch to full screen).
  std::vector<double> gameCpuMs, bareCpuMs;
  for (const Run& g : games) gameCpuMs.push_back(NsToMs(g.Ns("main_cpu_ns")));
  for (const Run& b : bares) bareCpuMs.push_back(NsToMs(b.Ns("main_cpu_ns")));
  const double addedCpu = Median(gameCpuMs) - Median(bareCpuMs);
  std::printf("  CPU time of the one thread to its first frame (medians): game %.1f ms, bare window %.1f ms\n",
              Median(gameCpuMs), Median(bareCpuMs));
  std::printf("    the game's added work, %.1f ms, over the bare window's %.1f ms start-up gives a floor of %.2f\n",
              addedCpu, Median(bareMs), (Median(bareMs) + addedCpu) / Median(bareMs));
  std::printf("    the game's CPU time by step (medians):");
  for (const char* step : {"init", "renderer", "audio", "display", "textures", "sounds", "first_present_call"}) {
    std::vector<double> cpu;
    for (const Run& g : games) cpu.push_back(NsToMs(g.Ns(std::string(step) + "_cpu_ns")));
    std::printf(" %s %.1f", step, Median(cpu));
  }
  std::printf(" ms\n");
  std::printf("  target: start-up within 1.25 times the bare window's: %s (%.2f)\n",
              ratioOfMedians <= 1.25 ? "met" : "NOT met", ratioOfMedians);
  return 0;
}
