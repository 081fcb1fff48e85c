// The real system under SDL's display-less video driver: pictures are read as
// PNG only, are scaled smoothly unless asked otherwise, and the event queue
// gives one event the game acts on at a time (Return, Shift, quit), dropping
// the rest.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <unistd.h>

#include "assets/TextureLoading.h"
#include "platform/SdlSystem.h"

namespace {

namespace fs = std::filesystem;

class PlatformSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    previous_ = fs::current_path();
    dir_ = fs::temp_directory_path() /
           ("tarnwick-system-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_ / "Assets" / "Sprites");
    fs::current_path(dir_);

    system_ = std::make_unique<SdlSystem>();
    system_->InitSubsystems();
    ASSERT_TRUE(system_->CreateWindow()) << SDL_GetError();
    ASSERT_TRUE(system_->CreateRenderer()) << SDL_GetError();
  }
  void TearDown() override {
    system_.reset();
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static fs::path FileOf(TextureId id) { return TextureCatalog[id].path; }

  // An 8-bit RGBA picture, as the game's are; with `rgb`, one without alpha.
  static void WritePng(TextureId id, int w = 4, int h = 2, bool rgb = false) {
    fs::create_directories(FileOf(id).parent_path());
    SDL_Surface* surface = rgb ? SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24)
                               : SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    ASSERT_NE(surface, nullptr);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 90, 80, 70, 255));
    ASSERT_EQ(IMG_SavePNG(surface, FileOf(id).c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(surface);
  }

  static void WriteText(TextureId id, const std::string& text) {
    fs::create_directories(FileOf(id).parent_path());
    std::ofstream(FileOf(id), std::ios::binary) << text;
  }

  SDL_Texture* TextureOf(TextureId id) {
    return static_cast<SdlDrawing&>(system_->GamePlatform().drawing).Texture(id);
  }

  SDL_ScaleMode ScaleOf(TextureId id) {
    SDL_ScaleMode mode = SDL_ScaleModeBest;
    EXPECT_EQ(SDL_GetTextureScaleMode(TextureOf(id), &mode), 0) << SDL_GetError();
    return mode;
  }

  fs::path previous_;
  fs::path dir_;
  std::unique_ptr<SdlSystem> system_;
};

TEST_F(PlatformSystem, PngPicturesLoadFromTheirCatalogPaths) {
  WritePng(HouseBedRoomBedTexture);
  WritePng(CarDriveTwoThreeTexture);
  WritePng(JumpscareTexture);  // a folder name with spaces, brackets and an apostrophe
  for (TextureId id : {HouseBedRoomBedTexture, CarDriveTwoThreeTexture, JumpscareTexture})
    system_->LoadTexture(id, TextureCatalog[id].path);
  system_->FreeSurfaces();
  EXPECT_TRUE(system_->TextureLoaded(HouseBedRoomBedTexture));
  EXPECT_TRUE(system_->TextureLoaded(CarDriveTwoThreeTexture));
  EXPECT_TRUE(system_->TextureLoaded(JumpscareTexture));
  int w = 0, h = 0;
  SDL_QueryTexture(TextureOf(HouseBedRoomBedTexture), nullptr, nullptr, &w, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 2);
}

TEST_F(PlatformSystem, OnlyARealPngCounts) {
  WriteText(TipTexture, "");                      // empty
  WriteText(CursorTexture, "not a picture at all");  // text
  {
    // A perfectly good picture, but a BMP under a .png name.
    fs::create_directories(FileOf(MenuTexture).parent_path());
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 24, SDL_PIXELFORMAT_RGB24);
    ASSERT_EQ(SDL_SaveBMP(surface, FileOf(MenuTexture).c_str()), 0);
    SDL_FreeSurface(surface);
  }
  for (TextureId id : {TipTexture, CursorTexture, MenuTexture, IntroTexture /* no file */})
    system_->LoadTexture(id, TextureCatalog[id].path);
  system_->FreeSurfaces();
  EXPECT_FALSE(system_->TextureLoaded(TipTexture));
  EXPECT_FALSE(system_->TextureLoaded(CursorTexture));
  EXPECT_FALSE(system_->TextureLoaded(MenuTexture));
  EXPECT_FALSE(system_->TextureLoaded(IntroTexture));
}

// What the code in `run` writes to the process's standard error.
std::string StandardErrorOf(const std::function<void()>& run) {
  std::fflush(stderr);
  const int saved = ::dup(2);
  FILE* capture = std::tmpfile();
  ::dup2(::fileno(capture), 2);
  run();
  std::fflush(stderr);
  ::dup2(saved, 2);
  ::close(saved);
  std::rewind(capture);
  std::string text;
  for (int c; (c = std::fgetc(capture)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(capture);
  return text;
}

TEST_F(PlatformSystem, APictureThatIsNotAPngFailsWithoutAWordFromTheDecoder) {
  WriteText(TipTexture, "");
  WriteText(CursorTexture, "not a picture at all");
  WriteText(MenuTexture, std::string("\x89PN", 4));  // the first bytes of a PNG's signature only
  const std::string said = StandardErrorOf([&] {
    for (TextureId id : {TipTexture, CursorTexture, MenuTexture})
      system_->LoadTexture(id, TextureCatalog[id].path);
  });
  EXPECT_EQ(said, "");
  for (TextureId id : {TipTexture, CursorTexture, MenuTexture}) EXPECT_FALSE(system_->TextureLoaded(id));
}

TEST_F(PlatformSystem, MissingPictureIsReportedByTheFirstInCatalogOrder) {
  for (int id = 0; id < TextureCount; ++id)
    if (id != CursorTexture && id != TipTexture) WritePng(static_cast<TextureId>(id));
  testing::internal::CaptureStderr();
  const bool loaded = LoadAllTextures(*system_);
  const std::string logged = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(loaded);
  EXPECT_NE(logged.find("Texture: CursorTexture Failed"), std::string::npos) << logged;
  EXPECT_EQ(logged.find("TipTexture"), std::string::npos) << logged;
}

TEST_F(PlatformSystem, PicturesAreSmoothUnlessMadeNearest) {
  for (int id = 0; id < TextureCount; ++id) WritePng(static_cast<TextureId>(id));
  ASSERT_TRUE(LoadAllTextures(*system_));
  EXPECT_EQ(ScaleOf(LivingRoomTexture), SDL_ScaleModeLinear);
  EXPECT_EQ(ScaleOf(MoveTexture), SDL_ScaleModeLinear);

  ApplyTextureSettings(system_->GamePlatform().drawing, HouseBedRoomBedTexture);
  EXPECT_EQ(ScaleOf(MoveTexture), SDL_ScaleModeNearest);
  EXPECT_EQ(ScaleOf(HouseBedRoomBedTexture), SDL_ScaleModeNearest);
  EXPECT_EQ(ScaleOf(LivingRoomTexture), SDL_ScaleModeLinear);
  EXPECT_EQ(ScaleOf(ScanlinesTexture), SDL_ScaleModeLinear);

  Uint8 alpha = 0;
  SDL_GetTextureAlphaMod(TextureOf(ScanlinesTexture), &alpha);
  EXPECT_EQ(alpha, 100);
  SDL_BlendMode blend = SDL_BLENDMODE_NONE;
  SDL_GetTextureBlendMode(TextureOf(IntroTexture), &blend);
  EXPECT_EQ(blend, SDL_BLENDMODE_BLEND);

  system_->GamePlatform().drawing.SetTextureNearest(LivingRoomTexture);
  EXPECT_EQ(ScaleOf(LivingRoomTexture), SDL_ScaleModeNearest);

  // Teardown, as the program does it, leaves nothing for the destructor.
  for (int id = 0; id < TextureCount; ++id) system_->DestroyTexture(static_cast<TextureId>(id));
  EXPECT_EQ(TextureOf(LivingRoomTexture), nullptr);
  system_->DestroyRenderer();
  system_->DestroyWindow();
  system_->Quit();
}

// Every picture, with an alpha channel or without, becomes a texture of its own size.
TEST_F(PlatformSystem, EveryPictureBecomesATextureOfItsSize) {
  for (int id = 0; id < TextureCount; ++id) WritePng(static_cast<TextureId>(id), 3 + id % 5, 2 + id % 3, id % 7 == 0);
  system_->ConfigureDisplay();
  ASSERT_TRUE(LoadAllTextures(*system_));
  for (int id = 0; id < TextureCount; ++id) {
    int w = 0, h = 0;
    ASSERT_EQ(SDL_QueryTexture(TextureOf(static_cast<TextureId>(id)), nullptr, nullptr, &w, &h), 0)
        << TextureCatalog[id].name;
    EXPECT_EQ(w, 3 + id % 5) << TextureCatalog[id].name;
    EXPECT_EQ(h, 2 + id % 3) << TextureCatalog[id].name;
  }
  // Loading a picture a second time reads its file again.
  WritePng(MenuTexture, 9, 9);
  system_->DestroyTexture(MenuTexture);
  system_->LoadTexture(MenuTexture, TextureCatalog[MenuTexture].path);
  system_->FreeSurfaces();
  int w = 0, h = 0;
  SDL_QueryTexture(TextureOf(MenuTexture), nullptr, nullptr, &w, &h);
  EXPECT_EQ(w, 9);
  EXPECT_EQ(h, 9);
}

// A run that quits after loading a picture lets go of it with the renderer.
TEST_F(PlatformSystem, QuittingLetsGoOfLoadedPictures) {
  for (int id = 0; id < TextureCount; ++id) WritePng(static_cast<TextureId>(id));
  system_->ConfigureDisplay();
  system_->LoadTexture(HouseBedRoomBedTexture, TextureCatalog[HouseBedRoomBedTexture].path);
  system_->Quit();
  EXPECT_FALSE(system_->TextureLoaded(HouseBedRoomBedTexture));
}


SDL_Event KeyUp(SDL_Keycode key) {
  SDL_Event event{};
  event.type = SDL_KEYUP;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  return event;
}

TEST(PlatformEvents, OnlyQuitReturnAndShiftReleasesAndAPauseAreToldApart) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(TranslateEvent(quit), InputEvent::Quit);
  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_RETURN)), InputEvent::ReturnReleased);
  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_LSHIFT)), InputEvent::ShiftReleased);
  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_RSHIFT)), InputEvent::ShiftReleased);

  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_KP_ENTER)), InputEvent::Other);
  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_w)), InputEvent::Other);
  // Beside the game: Escape let go, and the window losing the focus, pause it.
  EXPECT_EQ(TranslateEvent(KeyUp(SDLK_ESCAPE)), InputEvent::Pause);
  SDL_Event focus{};
  focus.type = SDL_WINDOWEVENT;
  focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  EXPECT_EQ(TranslateEvent(focus), InputEvent::Pause);
  focus.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
  EXPECT_EQ(TranslateEvent(focus), InputEvent::Other);
  SDL_Event press = KeyUp(SDLK_RETURN);
  press.type = SDL_KEYDOWN;  // Return acts on release only
  EXPECT_EQ(TranslateEvent(press), InputEvent::Other);
  press = KeyUp(SDLK_LSHIFT);
  press.type = SDL_KEYDOWN;
  EXPECT_EQ(TranslateEvent(press), InputEvent::Other);
}

TEST_F(PlatformSystem, OneEventTheGameActsOnIsTakenPerCallAndTheRestDropped) {
  Input& input = system_->GamePlatform().input;
  while (input.PollEvent() != InputEvent::None) {
  }  // whatever the window's creation queued
  SDL_Event mouse{};
  mouse.type = SDL_MOUSEMOTION;
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONUP;
  SDL_Event returnDown = KeyUp(SDLK_RETURN);
  returnDown.type = SDL_KEYDOWN;
  SDL_Event heldW = KeyUp(SDLK_w);
  heldW.type = SDL_KEYDOWN;
  heldW.key.repeat = 1;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  for (SDL_Event event : {mouse, returnDown, heldW, KeyUp(SDLK_RETURN), KeyUp(SDLK_RETURN), heldW, click,
                          KeyUp(SDLK_w), KeyUp(SDLK_RSHIFT), mouse, quit, heldW, mouse})
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  EXPECT_EQ(input.PollEvent(), InputEvent::ReturnReleased);
  EXPECT_EQ(input.PollEvent(), InputEvent::ReturnReleased);
  EXPECT_EQ(input.PollEvent(), InputEvent::ShiftReleased);
  EXPECT_EQ(input.PollEvent(), InputEvent::Quit);
  EXPECT_EQ(input.PollEvent(), InputEvent::None);  // only what is ignored was left
  EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}

TEST_F(PlatformSystem, F11SwitchesFullScreenAndLeavesTheFramesEventToTheGame) {
  Input& input = system_->GamePlatform().input;
  while (input.PollEvent() != InputEvent::None) {
  }
  SDL_Window* window = SDL_GetWindowFromID(1);  // the one window
  ASSERT_NE(window, nullptr);
  auto fullScreen = [&] {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
  };
  SDL_Event f11 = KeyUp(SDLK_F11);
  f11.type = SDL_KEYDOWN;
  SDL_Event f11Held = f11;
  f11Held.key.repeat = 1;  // held down, it does not switch again and again
  for (SDL_Event event : {f11, f11Held, KeyUp(SDLK_F11), KeyUp(SDLK_RETURN)}) ASSERT_EQ(SDL_PushEvent(&event), 1);
  EXPECT_EQ(input.PollEvent(), InputEvent::ReturnReleased);
  EXPECT_TRUE(fullScreen());
  ASSERT_EQ(SDL_PushEvent(&f11), 1);
  EXPECT_EQ(input.PollEvent(), InputEvent::None);  // SDL hands out what came after its last look on the next
  EXPECT_EQ(input.PollEvent(), InputEvent::None);
  EXPECT_FALSE(fullScreen());
}

TEST_F(PlatformSystem, TerminationSignalArrivesAsAQuit) {
  Input& input = system_->GamePlatform().input;
  while (input.PollEvent() != InputEvent::None) {
  }
  std::raise(SIGTERM);  // SDL's handler turns it into a quit event
  InputEvent event = InputEvent::None;
  for (int i = 0; i < 100 && event != InputEvent::Quit; ++i) event = input.PollEvent();
  EXPECT_EQ(event, InputEvent::Quit);
}

TEST_F(PlatformSystem, HeldKeysComeFromTheSnapshot) {
  Input& input = system_->GamePlatform().input;
  input.PumpEvents();
  EXPECT_FALSE(input.IsHeld(ScancodeLeftShift));
  EXPECT_FALSE(input.IsHeld(ScancodeUp));
  EXPECT_FALSE(input.IsHeld(static_cast<Scancode>(-1)));
  EXPECT_FALSE(input.IsHeld(static_cast<Scancode>(100000)));
}

TEST_F(PlatformSystem, ClockCountsMilliseconds) {
  Clock& clock = system_->GamePlatform().clock;
  const std::uint64_t before = clock.TicksMs();
  SDL_Delay(30);
  const std::uint64_t after = clock.TicksMs();
  EXPECT_GE(after - before, 30u);
  EXPECT_LT(after - before, 2000u);
}

}  // namespace
