#include "RecordFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

struct Access {
  std::function<double(const GameState&)> get;
  std::function<void(GameState&, double)> set;
};

template <typename T>
Access Of(T GameState::*field) {
  return {[field](const GameState& s) { return static_cast<double>(s.*field); },
          [field](GameState& s, double v) {
            if constexpr (std::is_same_v<T, bool>)
              s.*field = v != 0;
            else
              s.*field = static_cast<T>(v);
          }};
}

const std::map<std::string, Access>& Fields() {
  static const std::map<std::string, Access> fields = {
      {"SceneIndex", Of(&GameState::SceneIndex)},
      {"UseReady", Of(&GameState::UseReady)},
      {"ExitReady", Of(&GameState::ExitReady)},
      {"UseActive", Of(&GameState::UseActive)},
      {"DialogueActive", Of(&GameState::DialogueActive)},
      {"MessageIndex", Of(&GameState::MessageIndex)},
      {"Animating", Of(&GameState::Animating)},
      {"AnimationKind", Of(&GameState::AnimationKind)},
      {"AnimationFrame", Of(&GameState::AnimationFrame)},
      {"AnimationLoops", Of(&GameState::AnimationLoops)},
      {"NightTint", Of(&GameState::NightTint)},
      {"FootstepSurface", Of(&GameState::FootstepSurface)},
      {"EatTimer", Of(&GameState::EatTimer)},
      {"FadeSpeed", Of(&GameState::FadeSpeed)},
      {"FadingOut", Of(&GameState::FadingOut)},
      {"RodVisible", Of(&GameState::RodVisible)},
      {"FishingActive", Of(&GameState::FishingActive)},
      {"NextDayHold", Of(&GameState::NextDayHold)},
      {"NextDayTimer", Of(&GameState::NextDayTimer)},
      {"ThreatActive", Of(&GameState::ThreatActive)},
      {"GameOverShown", Of(&GameState::GameOverShown)},
      {"ShiftQuitAllowed", Of(&GameState::ShiftQuitAllowed)},
      {"DriveAwayTimer", Of(&GameState::DriveAwayTimer)},
      {"BrushingActive", Of(&GameState::BrushingActive)},
      {"BrushStrokes", Of(&GameState::BrushStrokes)},
      {"Drinking", Of(&GameState::Drinking)},
      {"PhotoShown", Of(&GameState::PhotoShown)},
  };
  return fields;
}

}  // namespace

TextureId TextureNamed(const std::string& name) {
  for (int i = 0; i < TextureCount; ++i)
    if (name == TextureCatalog[i].name) return static_cast<TextureId>(i);
  ADD_FAILURE() << "no picture named " << name;
  return TextureCount;
}

SoundId SoundNamed(const std::string& name) {
  for (int i = 0; i < SoundCount; ++i)
    if (name == SoundCatalog[i].name) return static_cast<SoundId>(i);
  ADD_FAILURE() << "no sound named " << name;
  return SoundCount;
}

std::string NameOf(TextureId texture) {
  return texture >= 0 && texture < TextureCount ? TextureCatalog[texture].name : "(none)";
}

const std::vector<std::string>& RecordedFieldNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const auto& [name, access] : Fields()) all.push_back(name);
    return all;
  }();
  return names;
}

bool IsRecordedField(const std::string& name) { return Fields().count(name) != 0; }

double FieldValue(const GameState& state, const std::string& name) {
  const auto found = Fields().find(name);
  if (found == Fields().end()) {
    ADD_FAILURE() << "no field named " << name;
    return -12345;
  }
  return found->second.get(state);
}

void SetFieldValue(GameState& state, const std::string& name, double value) {
  const auto found = Fields().find(name);
  if (found == Fields().end()) {
    ADD_FAILURE() << "no field named " << name;
    return;
  }
  found->second.set(state, value);
}

bool IsFlagField(const std::string& name) {
  GameState probe;
  SetFieldValue(probe, name, 2);
  return FieldValue(probe, name) == 1;
}

std::map<SoundId, std::vector<SoundCall::Kind>> PersistentCallsBySound(const std::vector<SoundCall>& calls) {
  std::map<SoundId, std::vector<SoundCall::Kind>> bySound;
  for (const SoundCall& call : calls)
    if (call.kind != SoundCall::Kind::PlayOnce) bySound[call.sound].push_back(call.kind);
  return bySound;
}
