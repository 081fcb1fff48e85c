// Why a start failed, as the Windows version's box tells it: every call goes
// on to the real system unchanged, the first failure is the one told, and a
// missing picture is named by its file as well as by the game's log line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness/FakeSystem.h"
#include "platform/StartFailureNotes.h"

namespace {

// With a voice of its own and a screen reader running.
struct SpeakingSystem : FakeSystem {
  SilentSpeech voice;
  Speech& GameSpeech() override { return voice; }
  bool ScreenReaderRunning() override { return true; }
};

struct Wrapped {
  SpeakingSystem* fake;
  std::unique_ptr<StartFailureNotes> notes;
};

Wrapped Wrap() {
  auto fake = std::make_unique<SpeakingSystem>();
  SpeakingSystem* raw = fake.get();
  return {raw, std::make_unique<StartFailureNotes>(std::move(fake))};
}

TEST(StartFailureNotes, PassEveryCallOnUnchanged) {
  auto [fake, notes] = Wrap();
  fake->seed = 1234;
  fake->missingTextures = {TipTexture};
  notes->InitSubsystems();
  EXPECT_TRUE(notes->CreateWindow());
  EXPECT_TRUE(notes->CreateRenderer());
  EXPECT_TRUE(notes->InitAudioEngine());
  notes->ConfigureDisplay();
  notes->SetMasterVolume(0.5f);
  EXPECT_EQ(notes->RandomSeed(), 1234u);
  notes->LoadTexture(TipTexture, "Assets/Sprites/Tip.png");
  notes->FreeSurfaces();
  EXPECT_FALSE(notes->TextureLoaded(TipTexture));
  EXPECT_TRUE(notes->TextureLoaded(IntroTexture));
  notes->CreateSound(static_cast<SoundId>(0), "Assets/Audio/Click.mp3");
  notes->PauseSound();
  notes->ResumeSound();
  notes->SetFullScreen(false);
  EXPECT_FALSE(notes->IsFullScreen());
  notes->SetFullScreen(true);
  EXPECT_TRUE(notes->IsFullScreen());
  notes->UninitAudioEngine();
  notes->DestroyTexture(TipTexture);
  notes->DestroyRenderer();
  notes->DestroyWindow();
  notes->Quit();
  EXPECT_EQ(&notes->GamePlatform(), &fake->GamePlatform());
  EXPECT_EQ(&notes->GameSpeech(), &fake->voice);
  EXPECT_TRUE(notes->ScreenReaderRunning());
  const std::vector<std::string> steps = {
      "init", "window", "renderer", "audio", "display", "volume 0.500000", "load TipTexture", "free surfaces",
      "check TipTexture", "check IntroTexture", "sound " + std::string(SoundCatalog[0].name), "pause sound",
      "resume sound", "windowed", "full screen", "uninit audio", "destroy TipTexture", "destroy renderer",
      "destroy window", "quit"};
  EXPECT_EQ(fake->steps, steps);
  EXPECT_EQ(notes->Reason(), "") << "a picture found missing is told by the game's own line";
}

TEST(StartFailureNotes, TellTheFirstFailureAndNameAMissingPicturesFile) {
  auto [fake, notes] = Wrap();
  fake->missingTextures = {TipTexture};
  notes->LoadTexture(IntroTexture, "Assets/Sprites/Intro.png");
  notes->LoadTexture(TipTexture, "Assets/Sprites/Tip.png");
  notes->LoadTexture(ScanlinesTexture, "Assets/Sprites/Scanlines.png");
  notes->TextureLoaded(IntroTexture);
  notes->TextureLoaded(TipTexture);
  notes->TextureLoaded(ScanlinesTexture);
  notes->Log("Texture: TipTexture Failed");
  ASSERT_EQ(fake->logs, std::vector<std::string>{"Texture: TipTexture Failed"}) << "the line still reaches the log";
  EXPECT_EQ(notes->Reason().rfind("Texture: TipTexture Failed\n\nThe picture Assets\\Sprites\\Tip.png is missing", 0), 0u)
      << notes->Reason();

  auto [windowless, first] = Wrap();
  windowless->windowFails = true;
  windowless->audioFails = true;
  first->CreateWindow();
  first->InitAudioEngine();
  EXPECT_EQ(first->Reason().rfind("no window could be opened", 0), 0u) << first->Reason();
}

}  // namespace
