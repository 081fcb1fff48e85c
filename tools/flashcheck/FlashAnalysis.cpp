#include "FlashAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>

namespace flashing {

namespace {

// sRGB decoding, one table for the 256 byte values.
const std::array<float, 256>& LinearOf() {
  static const std::array<float, 256> table = [] {
    std::array<float, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const double c = i / 255.0;
      t[i] = static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return t;
  }();
  return table;
}

float Luminance(float r, float g, float b) { return 0.2126f * r + 0.7152f * g + 0.0722f * b; }
float Redness(float r, float g, float b) { return std::max(0.0f, (r - g - b) * 320.0f); }
bool Saturated(float r, float g, float b) {
  const float sum = r + g + b;
  return sum > 0 && r / sum >= SaturatedRedShare;
}

// Luminance changes count from a tenth; float sums of exact tenths may land a
// hair below it.
constexpr float Slack = 1e-5f;

}  // namespace

// One cell's rises and falls of one measure, as alternating legs between
// turning points: a leg turns round once the value has come back by the
// threshold from the furthest point it reached.
struct FlashAnalysis::Leg {
  bool red = false;
  bool started = false;
  int direction = 0;  // +1 rising, -1 falling, 0 before the first leg
  float base = 0, extreme = 0;
  bool baseSaturated = false, extremeSaturated = false;
  float low = 0, high = 0;  // before the first leg: the range seen so far
  bool lowSaturated = false, highSaturated = false;
  long countedAt = -1;  // the frame this leg became a transition; -1 not (yet)

  bool Far(float from, float to) const {
    return red ? std::fabs(to - from) > RedTransition : std::fabs(to - from) >= TransitionLuminance - Slack;
  }
  bool IsTransition() const {
    if (!Far(base, extreme)) return false;
    return red ? baseSaturated || extremeSaturated : std::min(base, extreme) < DarkerStateBelow;
  }
  void Turn(int toward, float from, bool fromSaturated, float value, bool saturated) {
    direction = toward;
    base = from;
    baseSaturated = fromSaturated;
    extreme = value;
    extremeSaturated = saturated;
    countedAt = -1;
  }
  void Follow(float value, bool saturated, long frame) {
    if (!started) {
      started = true;
      low = high = value;
      lowSaturated = highSaturated = saturated;
      return;
    }
    if (direction == 0) {
      if (value < low) low = value, lowSaturated = saturated;
      if (value > high) high = value, highSaturated = saturated;
      if (Far(low, high)) {
        if (value >= high)
          Turn(+1, low, lowSaturated, value, saturated);
        else
          Turn(-1, high, highSaturated, value, saturated);
      }
    } else if (direction * (value - extreme) >= 0) {
      extreme = value;  // further the same way
      extremeSaturated = saturated;
    } else if (Far(extreme, value)) {
      Turn(-direction, extreme, extremeSaturated, value, saturated);
    }
    if (direction != 0 && countedAt < 0 && IsTransition()) countedAt = frame;
  }
};

struct FlashAnalysis::Cell {
  Leg light;
  Leg red{true};
  float luminance = 0, redness = 0;
  bool saturated = false;
};

struct FlashAnalysis::Screen {
  int direction = 0;
  long lastTransition = -1;
  std::deque<long> recent;  // its transitions within the last second
  bool failing = false;
};

FlashAnalysis::FlashAnalysis(int width, int height, int cellWidth, int cellHeight, int framesPerSecond)
    : width_(width),
      height_(height),
      cellWidth_(cellWidth),
      cellHeight_(cellHeight),
      cellsWide_(width / cellWidth),
      cellsHigh_(height / cellHeight),
      framesPerSecond_(framesPerSecond),
      cells_(static_cast<std::size_t>(cellsWide_ * cellsHigh_)),
      screens_(2),
      linearSums_(cells_.size() * 3) {}

FlashAnalysis::~FlashAnalysis() = default;

void FlashAnalysis::Add(const std::uint8_t* rgba, int stride) {
  if (stride == 0) stride = width_ * 4;
  const auto& linear = LinearOf();
  std::fill(linearSums_.begin(), linearSums_.end(), 0.0f);
  for (int y = 0; y < cellsHigh_ * cellHeight_; ++y) {
    const std::uint8_t* p = rgba + static_cast<std::size_t>(y) * stride;
    float* sums = &linearSums_[static_cast<std::size_t>(y / cellHeight_ * cellsWide_) * 3];
    for (int cx = 0; cx < cellsWide_; ++cx, sums += 3) {
      float r = 0, g = 0, b = 0;
      for (int x = 0; x < cellWidth_; ++x, p += 4) r += linear[p[0]], g += linear[p[1]], b += linear[p[2]];
      sums[0] += r, sums[1] += g, sums[2] += b;
    }
  }

  const float perCell = 1.0f / static_cast<float>(cellWidth_ * cellHeight_);
  std::array<std::array<int, 2>, 2> stepped{};  // [red][up]
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    Cell& cell = cells_[i];
    const float r = linearSums_[i * 3] * perCell, g = linearSums_[i * 3 + 1] * perCell,
                b = linearSums_[i * 3 + 2] * perCell;
    const float luminance = Luminance(r, g, b), redness = Redness(r, g, b);
    const bool saturated = Saturated(r, g, b);
    if (frames_ > 0) {
      const float dl = luminance - cell.luminance;
      if (std::fabs(dl) >= TransitionLuminance - Slack && std::min(luminance, cell.luminance) < DarkerStateBelow)
        ++stepped[0][dl > 0];
      const float dr = redness - cell.redness;
      if (std::fabs(dr) > RedTransition && (saturated || cell.saturated)) ++stepped[1][dr > 0];
    }
    cell.luminance = luminance, cell.redness = redness, cell.saturated = saturated;
    cell.light.Follow(luminance, false, frames_);
    cell.red.Follow(redness, saturated, frames_);
  }
  lastStep_ = {frames_, 0, false};
  for (int red = 0; red < 2; ++red) {
    const float share = static_cast<float>(std::max(stepped[red][0], stepped[red][1])) / static_cast<float>(cells_.size());
    const StepChange step{frames_, share, red == 1};
    if (share > largestStep_.share) largestStep_ = step;
    if (share > lastStep_.share) lastStep_ = step;
    if (share >= ScreenShare) suddenSteps_.push_back(step);
  }
  AddSame();
}

void FlashAnalysis::AddSame() {
  if (lastStep_.frame != frames_) lastStep_ = {frames_, 0, false};
  const float quarter = ScreenShare * static_cast<float>(cells_.size());
  for (int red = 0; red < 2; ++red) {
    Screen& screen = screens_[red];
    // The cells that made a transition each way since the screen's last one,
    // within the last second.
    std::array<int, 2> fresh{};  // [up]
    for (const Cell& cell : cells_) {
      const Leg& leg = red ? cell.red : cell.light;
      if (leg.countedAt > screen.lastTransition && frames_ - leg.countedAt < framesPerSecond_)
        ++fresh[leg.direction > 0];
    }
    // One transition a frame at most, and always the other way from the last.
    int way = 0;
    for (int up : {1, 0})
      if (static_cast<float>(fresh[up]) >= quarter && screen.direction != (up ? +1 : -1) &&
          (way == 0 || fresh[up] > fresh[way > 0]))
        way = up ? +1 : -1;
    if (way != 0) {
      screen.direction = way;
      screen.lastTransition = frames_;
      screen.recent.push_back(frames_);
      transitions_.push_back({frames_, way > 0, red == 1});
    }
    CountWindows(red == 1);
  }
  ++frames_;
}

void FlashAnalysis::CountWindows(bool red) {
  Screen& screen = screens_[red];
  while (!screen.recent.empty() && screen.recent.front() <= frames_ - framesPerSecond_) screen.recent.pop_front();
  const int count = static_cast<int>(screen.recent.size());
  if (count > 2 * MostFlashesPerSecond) {
    if (!screen.failing) failing_.push_back({frames_, frames_, count, red});
    // The stretch of this kind is the last one of its kind in the list.
    for (auto it = failing_.rbegin(); it != failing_.rend(); ++it) {
      if (it->red != red) continue;
      it->lastFrame = frames_;
      it->mostTransitions = std::max(it->mostTransitions, count);
      break;
    }
    screen.failing = true;
  } else {
    screen.failing = false;
  }
}

}  // namespace flashing
