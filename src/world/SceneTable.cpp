#include "world/SceneTable.h"

#include "core/Views.h"

namespace {

using S = RowSets;
using C = SoundCommand;

// Rows that leave the backdrop or the view as they were say so.
constexpr std::nullopt_t Unchanged = std::nullopt;

constexpr FRect LivingRoomTwoView{-650, -200, 2100, 1000};
constexpr FRect ClosetView{0, 0, 2400, 600};
constexpr FRect GetAwayView{-650, -200, 14000, 1000};
constexpr FRect LakeStripView{0, 0, 24000, 600};
constexpr FRect DriveAwayView{0, 0, 12000, 600};

// One row per scene left through a fade; the row moves the story from its
// scene to the next and sets what the next scene shows.
constexpr SceneRow Rows[] = {
    {.scene = 1, .backdrop = LivingRoomTexture, .view = RoomView},
    {.scene = 2, .backdrop = KitchenTexture, .view = RoomView},
    {.scene = 3, .backdrop = BathroomTexture, .view = RoomView},
    {.scene = 4, .backdrop = BathroomSinkTexture, .view = ScreenView, .effects = {{{S::UseReady, 1}}}},
    {.scene = 5, .backdrop = KitchenTwoTexture, .view = RoomView},
    {.scene = 6, .backdrop = KitchenCloseTexture, .view = ScreenView},
    {.scene = 7, .backdrop = LivingRoomTwoTexture, .view = LivingRoomTwoView, .effects = {{{S::Dialogue, 7}}}},
    {.scene = 8, .backdrop = BedRoomThreeTexture, .view = RoomView},
    {.scene = 9, .backdrop = ComputerOffTexture, .view = ScreenView, .effects = {{{S::UseReady, 1}}}},
    {.scene = 10, .backdrop = HouseBedRoomMiddleTexture, .view = RoomView, .effects = {{{S::Dialogue, 13}}}},
    {.scene = 11, .backdrop = LivingRoomTexture, .view = RoomView},
    {.scene = 12, .backdrop = HouseTelevisionTexture, .view = ScreenView,
     .sounds = {{{C::Start, KittySongSound}}}},
    {.scene = 14, .backdrop = HouseBedRoomMiddleTexture, .view = RoomView, .guard = RowGuard::NoDialogueNoHold,
     .effects = {{{S::AnimationKind, GetOutOfBed}, {S::Animating, 1}}}},
    {.scene = 15, .backdrop = LivingRoomTexture, .view = RoomView, .effects = {{{S::Animating, 0}}}},
    {.scene = 16, .backdrop = NeighborhoodTexture, .view = RoomView, .effects = {{{S::FootstepSurface, 1}}}},
    {.scene = 17, .backdrop = Unchanged, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationKind, CarRideOne}, {S::AnimationFrame, 0}}},
     .sounds = {{{C::StartLooping, CarDrivingSound}}}},
    {.scene = 18, .backdrop = ForestEntranceTexture, .view = RoomView, .guard = RowGuard::NotAnimating,
     .sounds = {{{C::Stop, CarDrivingSound}, {C::StartLooping, ScaryAmbienceSound}}}},
    {.scene = 19, .backdrop = ForestWalkOneTexture, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationLoops, 0}, {S::AnimationFrame, 0}, {S::AnimationKind, ForestWalk}}},
     .sounds = {{{C::StartLooping, BirdsSound}, {C::StartLooping, ForestWalkSound}}}},
    {.scene = 21, .backdrop = ForestCabinTexture, .view = RoomView,
     .effects = {{{S::Animating, 0}, {S::AnimationFrame, 0}, {S::Dialogue, 31}}},
     .sounds = {{{C::Stop, ForestWalkSound}}}},
    {.scene = 22, .backdrop = CabinTexture, .view = RoomView},
    {.scene = 23, .backdrop = CabinInsideTexture, .view = RoomView,
     .effects = {{{S::Dialogue, 35}, {S::FootstepSurface, 0}}},
     .sounds = {{{C::Stop, BirdsSound}}}},
    {.scene = 24, .backdrop = CabinKitchenTexture, .view = RoomView},
    {.scene = 25, .backdrop = CabinKitchenTexture, .view = CloseView,
     .effects = {{{S::UseReady, 1}, {S::EatTimer, 3}, {S::MessageIndexOnly, 41}}}},
    {.scene = 26, .backdrop = CabinInsideTwoTexture, .view = RoomView},
    {.scene = 27, .backdrop = CabinBedRoomTexture, .view = RoomView, .effects = {{{S::Dialogue, 51}}}},
    {.scene = 28, .backdrop = CabinInsideThreeTexture, .view = RoomView},
    {.scene = 29, .backdrop = LeaveCabinOneTexture, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationKind, LeaveCabin}, {S::NightTint, 40}, {S::FootstepSurface, 1}}},
     .sounds = {{{C::StartLooping, CricketsSound}}}},
    {.scene = 30, .backdrop = CampfireTexture, .view = RoomView, .effects = {{{S::UseReady, 1}}}},
    {.scene = 31, .backdrop = CabinTexture, .view = RoomView, .effects = {{{S::Animating, 0}, {S::NightTint, 170}}}},
    {.scene = 32, .backdrop = CabinInsideTexture, .view = RoomView,
     .effects = {{{S::NightTint, 0}, {S::Dialogue, 70}, {S::FootstepSurface, 0}}},
     .sounds = {{{C::Stop, CricketsSound}, {C::Stop, ScaryAmbienceSound}}}},
    {.scene = 33, .backdrop = CabinKitchenTexture, .view = RoomView},
    {.scene = 34, .backdrop = CabinBathroomTexture, .view = RoomView, .effects = {{{S::DialogueActive, 0}}}},
    {.scene = 35, .backdrop = Unchanged, .view = RoomView, .darknessTest = false, .effects = {{{S::NightTint, 255}}}},
    {.scene = 36, .backdrop = CabinBathroomTexture, .view = RoomView, .darknessTest = false},
    {.scene = 37, .backdrop = CabinKitchenTwoTexture, .view = RoomView, .effects = {{{S::Dialogue, 72}}}},
    {.scene = 38, .backdrop = CabinKitchenTexture, .view = CloseView, .effects = {{{S::UseReady, 1}}}},
    {.scene = 39, .backdrop = CabinInsideTwoTexture, .view = RoomView},
    {.scene = 40, .backdrop = CabinOutsideTexture, .view = RoomView,
     .effects = {{{S::NightTint, 180}, {S::FootstepSurface, 1}}},
     .sounds = {{{C::StartLooping, CricketsSound}, {C::StartLooping, CreepyAmbienceSound}}}},
    {.scene = 41, .backdrop = ForestWalkOneTexture, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationLoops, 0}, {S::AnimationKind, ForestWalk}, {S::NightTint, 195}}}},
    {.scene = 42, .backdrop = ForestCarTexture, .view = RoomView},
    {.scene = 43, .backdrop = ForestWalkOneTexture, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationLoops, 0}, {S::AnimationKind, ForestWalk}, {S::NightTint, 200}}}},
    {.scene = 44, .backdrop = ForestCabinTexture, .view = RoomView},
    {.scene = 45, .backdrop = CabinTexture, .view = RoomView},
    {.scene = 46, .backdrop = CabinInsideTexture, .view = RoomView,
     .effects = {{{S::NightTint, 0}, {S::Dialogue, 81}, {S::FootstepSurface, 0}}},
     .sounds = {{{C::Stop, CricketsSound}, {C::Stop, CreepyAmbienceSound}}}},
    {.scene = 47, .backdrop = CabinBedRoomTexture, .view = RoomView},
    {.scene = 48, .backdrop = Unchanged, .view = RoomView, .effects = {{{S::NextDayHold, 1}, {S::NextDayTimer, 6}}}},
    {.scene = 50, .backdrop = CabinInsideThreeTexture, .view = RoomView},
    {.scene = 51, .backdrop = CabinKitchenUhOhTexture, .view = RoomView},
    {.scene = 52, .backdrop = CabinKitchenUhOhTexture, .view = CloseView,
     .effects = {{{S::UseReady, 1}, {S::EatTimer, 3}}}},
    {.scene = 53, .backdrop = CabinKitchenUhOhTexture, .view = RoomView},
    {.scene = 54, .backdrop = CabinBathroomTexture, .view = RoomView},
    {.scene = 55, .backdrop = CabinSinkTexture, .view = ScreenView, .effects = {{{S::UseReady, 1}}}},
    {.scene = 57, .backdrop = CabinKitchenTwoTexture, .view = RoomView,
     .effects = {{{S::FadeSpeed, 1000}, {S::Dialogue, 1000}}}},
    {.scene = 58, .backdrop = CabinInsideTwoTexture, .view = RoomView,
     .effects = {{{S::RodVisible, 1}, {S::FadeSpeed, 1000}}}},
    {.scene = 59, .backdrop = CabinOutsideTexture, .view = RoomView,
     .effects = {{{S::FootstepSurface, 1}, {S::FadeSpeed, 1000}}},
     .sounds = {{{C::StartLooping, BirdsSound}}}},
    {.scene = 60, .backdrop = Unchanged, .view = RoomView,
     .effects = {{{S::Animating, 1}, {S::AnimationKind, WalkToLake}, {S::FadeSpeed, 1000}}}},
    {.scene = 61, .backdrop = LakeTexture, .view = RoomView,
     .effects = {{{S::Animating, 1}, {S::AnimationKind, LakeShimmer}, {S::AnimationFrame, 0}, {S::Dialogue, 92},
                  {S::RodVisible, 1}}}},
    {.scene = 62, .backdrop = WalkToLakeTexture, .view = LakeStripView,
     .effects = {{{S::Animating, 1}, {S::AnimationKind, WalkToLake}, {S::AnimationLoops, 0}, {S::AnimationFrame, 0},
                  {S::FishingActive, 0}, {S::StripRectToLakeStart, 0}, {S::NightTint, 70}}}},
    {.scene = 63, .backdrop = CabinTexture, .view = RoomView, .effects = {{{S::Animating, 0}}}},
    {.scene = 64, .backdrop = CabinInsideTexture, .view = RoomView,
     .effects = {{{S::Dialogue, 104}, {S::FootstepSurface, 0}, {S::NightTint, 0}}},
     .sounds = {{{C::Stop, BirdsSound}}}},
    {.scene = 65, .backdrop = CabinKitchenNoRodTexture, .view = RoomView},
    {.scene = 66, .backdrop = CabinKitchenUhOhTexture, .view = Unchanged, .effects = {{{S::UseReady, 0}, {S::RodVisible, 0}}}},
    {.scene = 67, .backdrop = CabinInsideTwoTexture, .view = RoomView, .effects = {{{S::Dialogue, 107}}}},
    {.scene = 68, .backdrop = CabinTVTexture, .view = ScreenView, .sounds = {{{C::Start, GiberishSound}}}},
    {.scene = 69, .backdrop = Unchanged, .view = ScreenView,
     .effects = {{{S::Animating, 1}, {S::AnimationFrame, 0}, {S::AnimationLoops, 0}, {S::AnimationKind, WalkToPhone},
                  {S::StripRectToPhoneStart, 0}}},
     .sounds = {{{C::Stop, GiberishSound}}}},
    {.scene = 70, .backdrop = TelephoneTexture, .view = ScreenView, .effects = {{{S::Animating, 0}, {S::UseReady, 1}}}},
    {.scene = 73, .backdrop = CabinInsideFourTexture, .view = RoomView,
     .effects = {{{S::UseReady, 0}, {S::Dialogue, 123}}}},
    {.scene = 74, .backdrop = CabinOutsideTexture, .view = RoomView,
     .effects = {{{S::NightTint, 110}, {S::Animating, 1}, {S::AnimationKind, LeaveCabin}, {S::AnimationFrame, 0}}},
     .sounds = {{{C::StartLooping, CricketsSound}, {C::StartLooping, CreepyAmbienceSound}}}},
    {.scene = 76, .backdrop = CampfireTexture, .view = RoomView, .effects = {{{S::NightTint, 100}, {S::UseReady, 1}}}},
    {.scene = 78, .backdrop = CabinPhotoTexture, .view = RoomView,
     .effects = {{{S::NightTint, 160}, {S::Animating, 0}, {S::Dialogue, 139}}}},
    {.scene = 80, .backdrop = CabinInsideTexture, .view = RoomView,
     .effects = {{{S::NightTint, 0}, {S::FootstepSurface, 0}, {S::Dialogue, 147}}},
     .sounds = {{{C::Stop, CricketsSound}}}},
    {.scene = 81, .backdrop = CabinBedRoomTexture, .view = RoomView, .effects = {{{S::GameOverShown, 0}}}},
    {.scene = 82, .backdrop = CabinBedTexture, .view = RoomView, .effects = {{{S::Dialogue, 150}}}},
    {.scene = 83, .backdrop = CabinClosetTexture, .view = RoomView},
    {.scene = 84, .backdrop = ClosetInsideTexture, .view = ClosetView,
     .effects = {{{S::ThreatActive, 0}, {S::AnimationFrame, 0}}},
     .sounds = {{{C::StartLooping, CreepyChordsSound}}}},
    {.scene = 85, .backdrop = ItGetsAwaySheetTexture, .view = GetAwayView,
     .effects = {{{S::ThreatActive, 0}, {S::AnimationFrame, 0}}}},
    {.scene = 88, .backdrop = CabinOutsideTexture, .view = RoomView,
     .effects = {{{S::AnimationFrame, 0}, {S::NightTint, 180}, {S::FootstepSurface, 1}}},
     .sounds = {{{C::StartLooping, CricketsSound}}}},
    {.scene = 89, .backdrop = ForestWalkOneTexture, .view = ScreenView,
     .effects = {{{S::AnimationFrame, 0}, {S::NightTint, 200}, {S::Animating, 1}, {S::AnimationKind, ForestWalk}}}},
    {.scene = 90, .backdrop = ForestCarTexture, .view = RoomView},
    {.scene = 91, .backdrop = DriveAwaySheetTexture, .view = DriveAwayView,
     .effects = {{{S::Animating, 1}, {S::AnimationFrame, -1}, {S::AnimationKind, DriveAway}, {S::NightTint, 180},
                  {S::DriveAwayTimer, 1}}}},
    {.scene = 92, .backdrop = ThxForPlayTexture, .view = ScreenView,
     .effects = {{{S::Animating, 0}, {S::NightTint, 0}, {S::ShiftQuitAllowed, 1}}},
     .sounds = {{{C::Stop, CarDrivingSound}, {C::Start, BirdsSound}, {C::Stop, CreepyChordsSound}}}},
};

// Rows indexed directly by scene.
constexpr std::array<const SceneRow*, LastStoryScene + 1> RowsByScene = [] {
  std::array<const SceneRow*, LastStoryScene + 1> byScene{};
  for (const SceneRow& row : Rows) byScene[row.scene] = &row;
  return byScene;
}();

void Apply(GameState& state, const RowEffect& effect) {
  const int v = effect.value;
  switch (effect.field) {
    case S::Nothing: break;
    case S::UseReady: state.UseReady = v != 0; break;
    case S::Dialogue:
      state.DialogueActive = true;
      state.MessageIndex = v;
      break;
    case S::MessageIndexOnly: state.MessageIndex = v; break;
    case S::DialogueActive: state.DialogueActive = v != 0; break;
    case S::Animating: state.Animating = v != 0; break;
    case S::AnimationKind: state.AnimationKind = v; break;
    case S::AnimationFrame: state.AnimationFrame = v; break;
    case S::AnimationLoops: state.AnimationLoops = v; break;
    case S::NightTint: state.NightTint = v; break;
    case S::FootstepSurface: state.FootstepSurface = v; break;
    case S::EatTimer: state.EatTimer = static_cast<float>(v); break;
    case S::FadeSpeed: state.FadeSpeed = v; break;
    case S::RodVisible: state.RodVisible = v != 0; break;
    case S::FishingActive: state.FishingActive = v != 0; break;
    case S::NextDayHold: state.NextDayHold = v != 0; break;
    case S::NextDayTimer: state.NextDayTimer = static_cast<float>(v); break;
    case S::ThreatActive: state.ThreatActive = v != 0; break;
    case S::GameOverShown: state.GameOverShown = v != 0; break;
    case S::ShiftQuitAllowed: state.ShiftQuitAllowed = v != 0; break;
    case S::DriveAwayTimer: state.DriveAwayTimer = static_cast<float>(v); break;
    case S::StripRectToLakeStart: state.StripRect = LakeStripView; break;
    case S::StripRectToPhoneStart: state.StripRect = {0, 0, 4800, 600}; break;
  }
}

void Apply(Audio& audio, const RowSound& sound) {
  switch (sound.command) {
    case C::None: break;
    case C::StartLooping:
      audio.SetLooping(sound.sound);
      audio.Start(sound.sound);
      break;
    case C::Start: audio.Start(sound.sound); break;
    case C::Stop: audio.Stop(sound.sound); break;
  }
}

bool GuardHolds(const GameState& state, RowGuard guard) {
  switch (guard) {
    case RowGuard::None: return true;
    case RowGuard::NoDialogueNoHold: return !state.DialogueActive && !state.NextDayHold;
    case RowGuard::NotAnimating: return !state.Animating;
  }
  return true;
}

}  // namespace

const SceneRow* FindSceneRow(int scene) {
  if (scene < 0 || scene > LastStoryScene) return nullptr;
  return RowsByScene[scene];
}

void ApplySceneRow(GameState& state, Audio& audio, int darkness) {
  const SceneRow* row = FindSceneRow(state.SceneIndex);
  if (!row) return;
  if (row->darknessTest && darkness <= RowDarknessThreshold) return;
  if (!GuardHolds(state, row->guard)) return;

  // The last row shows the closing screen and stays there.
  state.SceneIndex = row->scene == LastStoryScene ? LastStoryScene : row->scene + 1;
  if (row->backdrop) state.BackgroundTexture = *row->backdrop;
  if (row->view) state.BackgroundRect = *row->view;
  for (const RowEffect& effect : row->effects) Apply(state, effect);
  for (const RowSound& sound : row->sounds) Apply(audio, sound);
}
