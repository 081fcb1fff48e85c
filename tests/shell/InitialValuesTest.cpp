// The game starts from the values the record gives.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "core/GameState.h"
#include "harness/ByName.h"
#include "record/InitialValues.h"

namespace {

using Read = std::function<double(const GameState&)>;

#define FIELD(name)                                                       \
  {                                                                       \
#name, [](const GameState& s) { return static_cast<double>(s.name); } \
  }

const std::map<std::string, Read> Fields = {
    FIELD(DeltaTime),
    FIELD(RepeatTimer),
    FIELD(RepeatPeriod),
    FIELD(TitleRunning),
    FIELD(ShiftQuitAllowed),
    FIELD(SceneIndex),
    FIELD(MessageIndex),
    FIELD(DialogueActive),
    FIELD(FadeAlpha),
    FIELD(FadeSpeed),
    FIELD(FadingOut),
    FIELD(FadingIn),
    FIELD(SceneChangePending),
    FIELD(ExitReady),
    FIELD(UseReady),
    FIELD(UseActive),
    FIELD(WalkSpeed),
    FIELD(FootstepSurface),
    FIELD(TitleStartPressed),
    FIELD(IntroTimer),
    FIELD(IntroFading),
    FIELD(IntroAlpha),
    FIELD(TitleExitTimer),
    FIELD(TipAlpha),
    FIELD(StaticTimer),
    FIELD(StaticFrame),
    FIELD(NightTint),
    FIELD(Animating),
    FIELD(AnimationKind),
    FIELD(AnimationFrame),
    FIELD(AnimationLoops),
    FIELD(BedPanTimer),
    FIELD(CarLeadInTimer),
    FIELD(CarOneTimer),
    FIELD(CarTwoTimer),
    FIELD(StepTimer),
    FIELD(LeaveCabinTimer),
    FIELD(CampfireTimer),
    FIELD(LakeTimer),
    FIELD(PhoneWalkTimer),
    FIELD(DriveAwayTimer),
    FIELD(CampfireFlashPending),
    FIELD(CampfireFlashCount),
    FIELD(DriveAwayStarted),
    FIELD(TelevisionTimer),
    FIELD(NextDayHold),
    FIELD(NextDayTimer),
    FIELD(LightsOutTimer),
    FIELD(PhoneTimer),
    FIELD(PhoneRinging),
    FIELD(BrushingActive),
    FIELD(BrushStrokes),
    FIELD(BrushUp),
    FIELD(CursorClickPlayed),
    FIELD(FishingActive),
    FIELD(ClickCount),
    FIELD(BitesPlayed),
    FIELD(ClickWindowTimer),
    FIELD(ClickEndTimer),
    FIELD(RodVisible),
    FIELD(ThreatActive),
    FIELD(ThreatTimer),
    FIELD(DeathSoundPending),
    FIELD(GameOverShown),
    FIELD(ClosetTimer),
    FIELD(GetAwayTimer),
    FIELD(GetAwaySoundPending),
    FIELD(ChaseTimer),
    FIELD(JumpscareActive),
    FIELD(JumpscareTimer),
    FIELD(JumpscareSoundPending),
};

#undef FIELD

TEST(InitialValues, EveryFieldStartsAtTheRecordsValue) {
  const GameState state = InitialGameState();
  for (const record::StartValue& start : record::StartValues) {
    const auto field = Fields.find(start.field);
    ASSERT_NE(field, Fields.end()) << start.field;
    EXPECT_FLOAT_EQ(field->second(state), start.value) << start.field;
  }
  EXPECT_EQ(Fields.size(), std::size(record::StartValues)) << "every field read is in the record";
  const std::map<std::string, FRect> places = {{"BackgroundRect", state.BackgroundRect},
                                               {"StripRect", state.StripRect},
                                               {"ToothbrushRect", state.ToothbrushRect},
                                               {"ComputerCursorRect", state.ComputerCursorRect},
                                               {"JumpscareRect", state.JumpscareRect}};
  for (const record::StartPlace& start : record::StartPlaces)
    EXPECT_EQ(places.at(start.field), (FRect{start.x, start.y, start.w, start.h})) << start.field;
  EXPECT_EQ(NameOf(state.BackgroundTexture), record::StartBackdrop);
}

}  // namespace
