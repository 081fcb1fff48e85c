// Makes every sound of the game's catalog into Assets/Audio/ and prints what
// came out: length, peak, RMS and loudness of each file as decoded.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Sounds.h"
#include "core/SoundCatalog.h"
#include "sounds/SoundBook.h"

namespace {

struct Job {
  std::string file;  // under Audio/
  bool looped;
  const sound::Recipe* recipe;
};

std::string UnderAudio(std::string_view path) {
  constexpr std::string_view prefix = "Assets/Audio/";
  if (path.substr(0, prefix.size()) != prefix)
    throw std::runtime_error("sound path outside Assets/Audio/: " + std::string(path));
  return std::string(path.substr(prefix.size()));
}

std::vector<Job> CatalogJobs() {
  std::vector<Job> jobs;
  for (const SoundEntry& entry : SoundCatalog) jobs.push_back({UnderAudio(entry.path), entry.looped, nullptr});
  for (const char* path : PlayOnceSoundFiles) jobs.push_back({UnderAudio(path), false, nullptr});
  for (Job& job : jobs) {
    job.recipe = sound::FindRecipe(job.file);
    if (!job.recipe) throw std::runtime_error("no recipe for " + job.file);
  }
  if (jobs.size() != sound::SoundRecipes().size())
    throw std::runtime_error("the sound book and the catalog disagree");
  return jobs;
}

void WriteFile(const std::filesystem::path& path, const sound::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

const char* RoleName(sound::Role role) {
  switch (role) {
    case sound::Role::Bed: return "bed";
    case sound::Role::Effect: return "effect";
    case sound::Role::Scare: return "scare";
  }
  return "?";
}

}  // namespace

void MakeSounds(const std::filesystem::path& assetsDir) {
  const auto started = std::chrono::steady_clock::now();
  const std::vector<Job> jobs = CatalogJobs();
  const std::filesystem::path audioDir = assetsDir / "Audio";
  std::filesystem::create_directories(audioDir);

  // The sounds are independent; make them on every core.
  std::vector<sound::MadeSound> made(jobs.size());
  std::vector<std::string> errors(jobs.size());
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (std::size_t i; (i = next++) < jobs.size();) {
      try {
        made[i] = sound::MakeSound(*jobs[i].recipe, jobs[i].looped);
        WriteFile(audioDir / jobs[i].file, made[i].mp3);
      } catch (const std::exception& e) {
        errors[i] = jobs[i].file + ": " + e.what();
      }
    }
  };
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (std::thread& t : pool) t.join();
  for (const std::string& e : errors)
    if (!e.empty()) throw std::runtime_error(e);

  std::printf("%-26s %-6s %4s %3s %7s %8s %8s %9s %7s %7s\n", "sound", "role", "loop", "ch", "seconds",
              "peak dB", "RMS dB", "loud dB", "KiB", "made s");
  std::size_t total = 0;
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const sound::MadeSound& m = made[i];
    total += m.mp3.size();
    std::printf("%-26s %-6s %4s %3d %7.2f %8.1f %8.1f %9.1f %7.1f %7.2f\n", m.file.c_str(),
                RoleName(jobs[i].recipe->role), jobs[i].looped ? "yes" : "", m.channels, m.seconds,
                m.peakDb, m.rmsDb, m.loudnessDb, m.mp3.size() / 1024.0, m.makingSeconds);
  }
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%zu sounds, %.1f KiB in Audio/, made in %.1f s\n", jobs.size(), total / 1024.0, elapsed);
}
