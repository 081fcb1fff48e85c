#include "FrameDriver.h"

#include <cmath>

GameState GameStartState() {
  GameState state = InitialGameState();
  EnterGameFromTitle(state);
  return state;
}

FrameDriver::FrameDriver(GameState start) : state(start) {
  rec.clock.now = 0;
  state.LastTicks = 0;
}

FrameResult FrameDriver::Frame(double ms) {
  rec.ClearRecords();
  exactMs_ += ms;
  rec.clock.now = static_cast<std::uint64_t>(std::floor(exactMs_ + 1e-6));
  ++frames;
  const FrameResult result = RunGameFrame(state, rec.platform);
  if (result == FrameResult::Quit) quit = true;
  return result;
}

void FrameDriver::ContinueFrom(double exactMs) {
  exactMs_ = exactMs;
  rec.clock.now = static_cast<std::uint64_t>(std::floor(exactMs + 1e-6));
  state.LastTicks = rec.clock.now;
}

void FrameDriver::SetRate(double hz) { frameMs_ = 1000.0 / hz; }

FrameResult FrameDriver::Step() { return Frame(frameMs_); }

bool FrameDriver::RunUntil(const std::function<bool(const GameState&)>& done, int maxFrames) {
  for (int i = 0; i < maxFrames; ++i) {
    if (done(state)) return true;
    if (Step() == FrameResult::Quit) return done(state);
  }
  return done(state);
}

void FrameDriver::RunSeconds(double seconds) {
  const int count = static_cast<int>(std::lround(seconds * 1000.0 / frameMs_));
  for (int i = 0; i < count && !quit; ++i) Step();
}
