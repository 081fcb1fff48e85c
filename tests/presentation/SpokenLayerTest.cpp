// The spoken layer frame by frame: which way a place's exit lies from the
// view (from the record's windows: Left slides the view toward larger x),
// what cuts in and what waits its turn, and what is never said at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/Scenes.h"
#include "presentation/SpokenLayer.h"

namespace {

struct Spoken {
  FrameDriver game;
  SpokenLayer layer;
  // Made in place: the recording platform must not move once the game holds it.
  template <typename Make>
  explicit Spoken(Make make) : game(make()) {
    Said();
  }
  // The calls of one more frame (none run: the state as it stands).
  std::vector<SpeechCall> Said() {
    game.rec.speech.calls.clear();
    layer.AfterGameFrame(game.state, nullptr, &game.rec.speech);
    return game.rec.speech.calls;
  }
  std::vector<SpeechCall> Frame() {
    game.Frame();
    return Said();
  }
  std::string Described() {
    game.rec.speech.calls.clear();
    layer.Describe(game.state, game.rec.speech);
    return game.rec.speech.calls.at(0).text;
  }
};

bool Ends(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(SpokenLayer, TheWayToAnExitIsSaidFromWhereTheViewStands) {
  // The living room's exit opens for x > -400; the view starts at -650.
  Spoken living([] { return StandingIn(2, LivingRoomTexture); });
  EXPECT_TRUE(Ends(living.Described(), "to your left.")) << living.Described();
  living.game.state.BackgroundRect.x = -450;
  EXPECT_TRUE(Ends(living.Described(), "a little to your left.")) << living.Described();
  living.game.state.BackgroundRect.x = -300;
  EXPECT_NE(living.Described().find("ahead."), std::string::npos) << living.Described();
  // The kitchen's opens for x < -900: the other way.
  Spoken kitchen([] { return StandingIn(3, KitchenTexture); });
  EXPECT_TRUE(Ends(kitchen.Described(), "to your right.")) << kitchen.Described();
  // The forest's clearing from its far side: -900 < x < -740, seen from 0.
  Spoken clearing([] { return StandingIn(22, ForestCabinTexture); });
  clearing.game.state.BackgroundRect.x = 0;
  EXPECT_TRUE(Ends(clearing.Described(), "far to your right.")) << clearing.Described();
}

TEST(SpokenLayer, AMovedOnLineCutsTheLastShortAndANewConversationWaitsItsTurn) {
  Spoken bed([] { return FrameDriver(); });
  bed.game.Frame();
  const std::vector<SpeechCall> first = bed.Said();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back().text, "Morning already...?");
  EXPECT_FALSE(first.back().interrupt) << "the game's first line follows the place, it does not cut it";
  bed.game.ReleaseReturn();
  const std::vector<SpeechCall> next = bed.Frame();
  ASSERT_EQ(next.size(), 1u);
  EXPECT_EQ(next[0].text, "I should get ready for the day.");
  EXPECT_TRUE(next[0].interrupt);
  EXPECT_TRUE(bed.Frame().empty()) << "a line is said once";
}

TEST(SpokenLayer, APromptWalkedIntoCutsInAndOneUpForASingleFrameIsNotSaid) {
  Spoken living([] { return StandingIn(2, LivingRoomTexture); });
  living.game.state.BackgroundRect.x = -410;
  living.game.Hold(ScancodeLeft);
  std::vector<SpeechCall> said;
  for (int i = 0; i < 10 && said.empty(); ++i) said = living.Frame();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text, "move: the kitchen.");
  EXPECT_TRUE(said[0].interrupt) << "walking into it: the player must stop now";
  living.game.Release(ScancodeLeft);
  EXPECT_TRUE(living.Frame().empty()) << "said once while it stays up";

  // A prompt that one frame shows and the next takes back is not said.
  Spoken room([] { return StandingIn(88, NoPhoneCabinTexture); });
  room.game.state.BackgroundRect.x = -480;
  room.game.state.ExitReady = true;
  EXPECT_TRUE(room.Said().empty());
  room.game.Frame();  // the window takes it back
  EXPECT_TRUE(room.Said().empty());
}

TEST(SpokenLayer, TheWarningToHideIsNotCutShortInBedButTheClosetsPromptCutsIn) {
  Spoken bed([] { return StandingIn(83, CabinBedTexture); });
  bed.game.state.ThreatActive = true;
  bed.game.state.ExitReady = true;
  const std::vector<SpeechCall> warned = bed.Said();
  ASSERT_EQ(warned.size(), 1u);
  EXPECT_EQ(warned[0].text.rfind("Hide!", 0), 0u);
  EXPECT_TRUE(warned[0].interrupt);
  const std::vector<SpeechCall> prompt = bed.Said();
  ASSERT_EQ(prompt.size(), 1u);
  EXPECT_FALSE(prompt[0].interrupt) << "the warning is heard out";
  bed.game.state.SceneIndex = 84;
  bed.game.state.BackgroundTexture = CabinClosetTexture;
  bed.Said();
  const std::vector<SpeechCall> closet = bed.Said();
  ASSERT_EQ(closet.size(), 1u);
  EXPECT_EQ(closet[0].text, "move: the closet.");
  EXPECT_TRUE(closet[0].interrupt);
}

}  // namespace

namespace {

TEST(SpokenLayer, ACaptionsWordsAreSaidAsItGoesUpAndAgainWhenItsSoundStartsOver) {
  Spoken room([] { return StandingIn(69, CabinTVTexture, ScreenView); });
  CaptionBoard board;
  const auto said = [&] {
    room.game.rec.speech.calls.clear();
    room.layer.AfterGameFrame(room.game.state, &board, &room.game.rec.speech);
    return room.game.rec.speech.Texts();
  };
  const auto entryOf = [](const char* file) {
    for (std::size_t i = 0; i < CaptionTable.size(); ++i)
      if (CaptionTable[i].file && std::string(CaptionTable[i].file) == file) return static_cast<int>(i);
    return -1;
  };
  const int glass = entryOf(GlassShatterFile);
  EXPECT_TRUE(said().empty());
  board.shown[0] = {0, 0.0f, 0};  // the telephone's caption goes up
  EXPECT_EQ(said(), std::vector<std::string>{"Telephone ringing"});
  board.shown[0].seconds = 0.5f;
  board.shown[1] = {glass, 0.0f, 0};  // a second one below it
  EXPECT_EQ(said(), std::vector<std::string>{"Glass shatters"});
  // The first goes; the second rises into its row: no news.
  board.shown[0] = {glass, 0.1f, 0.5f};
  board.shown[1] = {};
  EXPECT_TRUE(said().empty());
  board.shown[0].seconds = 0;  // its sound started over
  EXPECT_EQ(said(), std::vector<std::string>{"Glass shatters"});
}

}  // namespace
