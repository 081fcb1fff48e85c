#include "TimedSystem.h"

#include <type_traits>

#include "BenchClock.h"

namespace {

// Runs `step` and adds its duration to `total` and the thread's CPU time in it
// to `cpu`; returns what the step returned.
template <typename Step>
auto Timed(std::int64_t& total, std::int64_t& cpu, Step&& step) {
  const std::int64_t start = MonotonicNs();
  const std::int64_t startCpu = ThreadCpuNs();
  if constexpr (std::is_void_v<decltype(step())>) {
    step();
    total += MonotonicNs() - start;
    cpu += ThreadCpuNs() - startCpu;
  } else {
    auto result = step();
    total += MonotonicNs() - start;
    cpu += ThreadCpuNs() - startCpu;
    return result;
  }
}

}  // namespace

TimedSystem::TimedSystem(System& inner) : inner_(inner) {}

void TimedSystem::InitSubsystems() {
  Timed(times_.initSubsystemsNs, times_.initSubsystemsCpuNs, [&] { inner_.InitSubsystems(); });
}

bool TimedSystem::CreateWindow() {
  return Timed(times_.windowNs, times_.windowCpuNs, [&] { return inner_.CreateWindow(); });
}

bool TimedSystem::CreateRenderer() {
  return Timed(times_.rendererNs, times_.rendererCpuNs, [&] { return inner_.CreateRenderer(); });
}

bool TimedSystem::InitAudioEngine() {
  return Timed(times_.audioEngineNs, times_.audioEngineCpuNs, [&] { return inner_.InitAudioEngine(); });
}

void TimedSystem::ConfigureDisplay() {
  Timed(times_.displayNs, times_.displayCpuNs, [&] { inner_.ConfigureDisplay(); });
}

void TimedSystem::LoadTexture(TextureId texture, const char* path) {
  Timed(times_.texturesNs, times_.texturesCpuNs, [&] { inner_.LoadTexture(texture, path); });
}

void TimedSystem::FreeSurfaces() {
  Timed(times_.texturesNs, times_.texturesCpuNs, [&] { inner_.FreeSurfaces(); });
}

bool TimedSystem::TextureLoaded(TextureId texture) {
  return Timed(times_.texturesNs, times_.texturesCpuNs, [&] { return inner_.TextureLoaded(texture); });
}

void TimedSystem::CreateSound(SoundId sound, const char* path) {
  Timed(times_.soundsNs, times_.soundsCpuNs, [&] { inner_.CreateSound(sound, path); });
}

Platform& TimedSystem::GamePlatform() {
  if (!platform_) {
    times_.platformAtNs = MonotonicNs();
    Platform& inner = inner_.GamePlatform();
    drawing_.emplace(inner.drawing, times_);
    input_.emplace(inner.input, *this);
    platform_.emplace(Platform{*drawing_, inner.audio, *input_, inner.clock});
  }
  return *platform_;
}

void TimedSystem::PresentWatch::Clear() {
  if (times_.presents == 0 && times_.firstClearAtNs == 0) times_.firstClearAtNs = MonotonicNs();
  inner_.Clear();
}

void TimedSystem::PresentWatch::Present() {
  const std::int64_t start = MonotonicNs();
  const std::int64_t startCpu = ThreadCpuNs();
  inner_.Present();
  const std::int64_t now = MonotonicNs();
  if (times_.presents == 0) {
    times_.firstPresentCallCpuNs = ThreadCpuNs() - startCpu;
    times_.firstPresentAtNs = now;
    times_.firstPresentCallNs = now - start;
    times_.firstPresentCpuNs = ThreadCpuNs();
  }
  times_.lastPresentAtNs = now;
  ++times_.presents;
}

bool TimedSystem::TimeToQuit() const {
  if (quitAfterPresents_ > 0 && times_.presents >= quitAfterPresents_) return true;
  return quitAfterNs_ > 0 && times_.presents > 0 && MonotonicNs() - times_.firstPresentAtNs >= quitAfterNs_;
}

InputEvent TimedSystem::QuittingInput::PollEvent() {
  if (owner_.TimeToQuit()) return InputEvent::Quit;
  return inner_.PollEvent();
}
