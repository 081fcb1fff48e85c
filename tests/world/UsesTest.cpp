#include <gtest/gtest.h>

#include "harness/Countdown.h"
#include "harness/Scenes.h"
#include "record/UseTable.h"
#include "core/Views.h"

namespace {

int FramesWith(FrameDriver& driver, TextureId texture, int frames) {
  int count = 0;
  for (int i = 0; i < frames; ++i) {
    driver.Frame();
    if (driver.rec.drawing.Drew(texture)) ++count;
  }
  return count;
}

TEST(Eating, BreakfastAtHomeShowsTheFoodForThreeSecondsThenTheDoor) {
  for (int choice : {0, 1, 2}) {
    FrameDriver driver = StandingIn(7, KitchenCloseTexture, ScreenView);
    driver.state.FoodChoice = choice;
    driver.Frame();
    ASSERT_TRUE(driver.state.UseReady);
    driver.ReleaseReturn();
    driver.Frame();
    EXPECT_EQ(driver.rec.audio.TimesPlayed(record::uses::Eating), 1);
    const TextureId food = choice == 1 ? SoupTexture : PizzaTexture;
    const TextureId other = choice == 1 ? PizzaTexture : SoupTexture;
    EXPECT_EQ(driver.rec.drawing.DrawsOf(food).size(), 1u);
    EXPECT_EQ(driver.rec.drawing.DrawsOf(food)[0].dest, (FRect{550, 400, 250, 200}));
    const int shown = FramesWith(driver, food, 240);
    EXPECT_NEAR(shown / 60.0, 3.0, 0.05) << "three seconds of the initial meal time";
    EXPECT_EQ(FramesWith(driver, other, 10), 0);
    EXPECT_TRUE(driver.state.ExitReady);
    EXPECT_TRUE(driver.state.UseActive) << "still set: the evening at the television needs it";
    EXPECT_FALSE(driver.state.DialogueActive);
  }
}

TEST(Eating, CabinMealsEndInTheirThoughts) {
  for (auto [scene, line] : {std::pair{26, 41}, std::pair{53, 89}}) {
    FrameDriver driver = StandingIn(scene - 1, scene == 26 ? CabinKitchenTexture : CabinKitchenUhOhTexture);
    driver.state.FadingOut = true;
    driver.RunUntil([&](const GameState& s) { return s.SceneIndex == scene && !s.FadingIn; });
    ASSERT_TRUE(driver.state.UseReady) << scene;
    EXPECT_FALSE(driver.state.DialogueActive);
    driver.ReleaseReturn();
    driver.RunUntil([](const GameState& s) { return s.DialogueActive; }, 400);
    EXPECT_NEAR(driver.frames / 60.0, 3.0 + 0.6, 0.3);
    EXPECT_EQ(driver.state.MessageIndex, line);
    EXPECT_FALSE(driver.state.UseActive);
    EXPECT_FALSE(driver.state.ExitReady);
  }
}

TEST(Drinking, TheBottleFreezesTheWalkForThreeSecondsThenAnyReturnWalksOn) {
  FrameDriver driver = StandingIn(43, ForestCarTexture);
  driver.state.BackgroundRect.x = -570;
  driver.Frame();
  ASSERT_TRUE(driver.state.UseReady);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.Drinking);
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::uses::Drinking), 1);
  driver.ReleaseReturn();  // a second press while drinking does nothing
  driver.Hold(ScancodeLeft);
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.PlayedOnce().size(), 0u);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -570);
  EXPECT_EQ(driver.rec.drawing.DrawsOf(WaterBottleTexture).size(), 1u);
  driver.Release(ScancodeLeft);
  driver.RunUntil([](const GameState& s) { return !s.Drinking; }, 400);
  EXPECT_EQ(driver.state.WalkSpeed, 250);
  driver.Hold(ScancodeRight);
  driver.RunSeconds(2);  // far from the bottle
  driver.Release(ScancodeRight);
  driver.Frame();
  EXPECT_TRUE(driver.state.ExitReady);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingOut);
}

// One drink from the bottle, however often Return is pressed at it: presses
// all through the drink neither start it again nor lengthen it (the row for
// scene 43 wants Drinking false, and the window offers the bottle only while
// it is false and the drink not yet had), and once it is over, Return at the
// bottle walks on instead of drinking again.
TEST(Drinking, ReturnAtTheBottleWhileItGoesOnOrAfterNeverStartsItAgain) {
  FrameDriver driver = StandingIn(43, ForestCarTexture);
  driver.state.BackgroundRect.x = -570;  // the bottle in view
  driver.Step();
  ASSERT_TRUE(driver.state.UseReady);
  driver.ReleaseReturn();
  driver.Step();
  ASSERT_TRUE(driver.state.Drinking);
  int sips = driver.rec.audio.TimesPlayed(record::uses::Drinking);
  Countdown drink{record::uses::DrinkSeconds};
  for (int frame = 1; frame < 400; ++frame) {
    if (frame % 5 == 0) driver.ReleaseReturn();
    const auto before = driver.rec.clock.now;
    driver.Step();
    sips += driver.rec.audio.TimesPlayed(record::uses::Drinking);
    const bool over = drink.Lower(driver.rec.clock.now - before);
    ASSERT_EQ(driver.state.Drinking, !over) << "frame " << frame << ": the drink lasts 3 s from the first press";
    if (over) break;
    EXPECT_FALSE(driver.rec.drawing.Drew(UseTexture)) << "frame " << frame << ": the bottle offered again";
  }
  EXPECT_EQ(sips, 1) << "the drink started again";
  EXPECT_FALSE(driver.state.Drinking);
  EXPECT_FLOAT_EQ(driver.state.BackgroundRect.x, -570);

  // Drunk: at the bottle, Return walks on.
  driver.Step();
  EXPECT_FALSE(driver.state.UseReady);
  EXPECT_TRUE(driver.state.ExitReady);
  driver.ReleaseReturn();
  driver.Step();
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::uses::Drinking), 0);
  EXPECT_FALSE(driver.state.Drinking);
  EXPECT_TRUE(driver.state.FadingOut);
}

// The row itself: while a drink goes on, Return does nothing even if the
// bottle were usable.
TEST(Drinking, TheUseIsSkippedWhileTheDrinkGoesOn) {
  FrameDriver driver = StandingIn(43, ForestCarTexture);
  driver.state.BackgroundRect.x = -570;
  driver.state.Drinking = true;
  driver.state.DrinkTimer = 1.5f;
  driver.state.UseReady = true;
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.rec.audio.PlayedOnce().empty());
  EXPECT_TRUE(driver.state.Drinking);
  EXPECT_LT(driver.state.DrinkTimer, 1.5f) << "the drink goes on from where it was";
  EXPECT_FALSE(driver.state.FadingOut);
}

TEST(Telephone, AnswerHearBreathingHangUpAndWalkAwayTakeThreePresses) {
  FrameDriver driver = StandingIn(71, TelephoneTexture, ScreenView);
  driver.state.UseReady = true;
  driver.rec.audio.Start(TelephoneSound);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.BackgroundTexture, TelephoneUseTexture);
  EXPECT_FALSE(driver.rec.audio.playing[TelephoneSound]);
  EXPECT_TRUE(driver.rec.audio.playing[HeavyBreathingSound]);
  EXPECT_EQ(driver.state.MessageIndex, 118);
  for (int line = 118; line < 122; ++line) {
    driver.ReleaseReturn();
    driver.Frame();
  }
  EXPECT_EQ(driver.state.SceneIndex, 72);
  EXPECT_TRUE(driver.state.UseReady);
  driver.ReleaseReturn();  // hang up
  driver.Frame();
  EXPECT_EQ(driver.state.SceneIndex, 73);
  EXPECT_EQ(driver.state.BackgroundTexture, TelephoneTexture);
  EXPECT_FALSE(driver.rec.audio.playing[HeavyBreathingSound]);
  EXPECT_FALSE(driver.state.FadingOut) << "hanging up does not also walk away";
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.FadingOut);
  driver.RunUntil([](const GameState& s) { return s.SceneIndex == 74; });
  EXPECT_EQ(driver.state.MessageIndex, 123);
  EXPECT_FALSE(driver.state.UseReady);
}

TEST(Photo, FirstLookThenPutItDown) {
  FrameDriver driver = StandingIn(79, CabinPhotoTexture);
  driver.state.UseReady = true;
  driver.state.NightTint = 160;
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_TRUE(driver.state.PhotoShown);
  EXPECT_EQ(driver.state.BackgroundTexture, CabinTexture);
  // The photo covers the screen, under the night tint.
  const auto& calls = driver.rec.drawing.calls;
  int photoAt = -1, tintAt = -1;
  for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
    if (calls[i].kind == DrawCall::Kind::Texture && calls[i].texture == PhotoTexture) photoAt = i;
    if (calls[i].kind == DrawCall::Kind::Fill && calls[i].color.a == 160 && tintAt < 0) tintAt = i;
  }
  EXPECT_GE(photoAt, 0);
  EXPECT_GT(tintAt, photoAt);
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_FALSE(driver.state.PhotoShown);
  EXPECT_EQ(driver.state.SceneIndex, 80);
  EXPECT_EQ(driver.state.BackgroundTexture, CabinPhotoTexture);
  EXPECT_EQ(driver.state.MessageIndex, 143);
  EXPECT_FALSE(driver.state.FadingOut);
}

TEST(Rod, TakenWithASlowFadeAndPutBackWithAFade) {
  FrameDriver driver = StandingIn(58, CabinKitchenTwoTexture);
  driver.state.BackgroundRect.x = -100;
  driver.Frame();
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.state.FadeSpeed, 350);
  int frames = 0;
  while (driver.state.FadingOut) {
    driver.Frame();
    ++frames;
  }
  EXPECT_NEAR(frames / 60.0, 0.73, 0.05);
  EXPECT_EQ(driver.state.SceneIndex, 59);
  EXPECT_EQ(driver.state.FadeSpeed, 1000);
  EXPECT_TRUE(driver.state.RodVisible);
  driver.Frame();
  EXPECT_EQ(driver.rec.drawing.DrawsOf(FishingRodTexture).size(), 1u);
}

TEST(Lighter, LightsTheCampfireAndStartsItsThoughts) {
  FrameDriver driver = StandingIn(31, CampfireTexture);
  driver.state.UseReady = true;
  driver.Frame();
  EXPECT_EQ(driver.rec.drawing.DrawsOf(LighterTexture).size(), 1u) << "held while the fire can be lit";
  driver.ReleaseReturn();
  driver.Frame();
  EXPECT_EQ(driver.rec.audio.TimesPlayed(record::uses::Lighter), 1);
  EXPECT_TRUE(driver.state.Animating);
  EXPECT_EQ(driver.state.AnimationKind, CampfireFlicker);
  EXPECT_EQ(driver.state.MessageIndex, 55);
  EXPECT_FALSE(driver.rec.drawing.Drew(LighterTexture));

  FrameDriver second = StandingIn(77, CampfireTexture);
  second.state.UseReady = true;
  second.ReleaseReturn();
  second.Frame();
  EXPECT_EQ(second.state.SceneIndex, 78);
  EXPECT_EQ(second.state.MessageIndex, 127);
  EXPECT_EQ(second.state.AnimationKind, CampfireFlicker);
}

}  // namespace
