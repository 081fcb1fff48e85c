#include "platform/SdlSystem.h"

#include <algorithm>
#include <cmath>

#include "platform/PictureUpload.h"
#include "platform/WindowPlacement.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "platform/WebPage.h"
#endif

std::unique_ptr<System> MakeRealSystem(WindowMode mode) { return std::make_unique<SdlSystem>(mode); }

namespace {

constexpr int LogicalWidth = 800;
constexpr int LogicalHeight = 600;

}  // namespace

#ifdef __EMSCRIPTEN__
SdlSystem::SdlSystem(WindowMode mode) : mode_(mode), arriving_(audio_, PageStillSends, PageSoundSeconds) {
  HandPageKeysTo(&input_);
  TellArrivalsTo(&arriving_);
}
#else
SdlSystem::SdlSystem(WindowMode mode) : mode_(mode) {}
#endif

SdlSystem::~SdlSystem() {
#ifdef __EMSCRIPTEN__
  HandPageKeysTo(nullptr);
  TellArrivalsTo(nullptr);
#endif
  audio_.UninitEngine();
  if (!sdlStarted_) return;
  FreeSurfaces();
  for (int id = 0; id < TextureCapacity; ++id) DestroyTexture(static_cast<TextureId>(id));
  DestroyRenderer();
  DestroyWindow();
  Quit();
}

void SdlSystem::InitSubsystems() {
  // Pictures are scaled smoothly unless the game asks for nearest-neighbour on
  // one of them. SDL 2 reads this when each texture is created.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // Without a display SDL 2 falls back to drawing off screen, and the game
  // would play on with no window anyone can see. Only drivers that show a
  // window will do (unless SDL_VIDEODRIVER names another), so that no display
  // means no window, and the program ends with status 1. (Windows has its own
  // driver only: the build there leaves the off-screen one out.)
#if !defined(__EMSCRIPTEN__) && !defined(_WIN32)
  if (!SDL_GetHint(SDL_HINT_VIDEODRIVER)) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland,kmsdrm");
#endif
  SDL_Init(SDL_INIT_VIDEO);
  SDL_Init(SDL_INIT_AUDIO);
  // Pads report their buttons where they sit, so the south button is Return
  // on every make (a Nintendo pad's is labelled B).
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  SDL_Init(SDL_INIT_GAMECONTROLLER);
  sdlStarted_ = true;
  // SDL 2 turns text input on with the video, which would queue a text event
  // after many key presses; the game takes one event a frame and wants only keys.
  SDL_StopTextInput();
}

bool SdlSystem::CreateWindow() {
  Uint32 flags = SDL_WINDOW_RESIZABLE;
#ifdef __EMSCRIPTEN__
  // The canvas's pixels are the screen's own: its CSS size times the device
  // pixel ratio, so that nothing is drawn smaller than it is shown.
  flags |= SDL_WINDOW_ALLOW_HIGHDPI;
#endif
  window_ = SDL_CreateWindow("Tarnwick", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                             LogicalWidth, LogicalHeight, flags);
  input_.AttachWindow(window_);
  return window_ != nullptr;
}

bool SdlSystem::CreateRenderer() {
  if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  drawing_.AttachRenderer(renderer_);
  return renderer_ != nullptr;
}

#ifdef __EMSCRIPTEN__
namespace {

// A browser tab that is hidden stands still: no frames (browsers hold back
// animation frames from hidden tabs anyway; the game does not count on it)
// and no sound. Shown again, it goes on where it was: the frame clock's clamp
// keeps the first frame back from jumping over the time spent hidden.
// And a player who comes back finds the game paused, not over: the first
// frame shown again opens the pause menu.
EM_BOOL StandStillWhileHidden(int, const EmscriptenVisibilityChangeEvent* event, void* system) {
  static_cast<SdlSystem*>(system)->TabHidden(event->hidden != 0);
  return EM_FALSE;
}

// The browser's own full screen, for the whole page (the canvas fills it).
// Asked from the frame after the key or the click that chose it, which a
// browser still counts as the player's doing.
EM_JS(int, PageIsFullScreen, (), { return document.fullscreenElement ? 1 : 0; });
EM_JS(void, SetPageFullScreen, (int full), {
  try {
    if (full && !document.fullscreenElement) document.documentElement.requestFullscreen().catch(() => {});
    if (!full && document.fullscreenElement) document.exitFullscreen().catch(() => {});
  } catch (e) {}
});

}  // namespace
#endif

#ifdef __EMSCRIPTEN__
namespace {

// Pixels of the same size everywhere: the picture is scaled by a whole number
// when that keeps at least nine tenths of the size the letterbox would give
// it (a large screen, or one close to a multiple of 800 by 600); otherwise
// by the letterbox's own factor, so that a phone's picture fills its height.
void ScaleByWholeNumbersWhereItFits(SDL_Renderer* renderer) {
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0) return;
  const float fit = std::min(static_cast<float>(width) / LogicalWidth, static_cast<float>(height) / LogicalHeight);
  const float whole = std::floor(fit);
  SDL_RenderSetIntegerScale(renderer, whole >= 1 && whole >= 0.9f * fit ? SDL_TRUE : SDL_FALSE);
}

// The canvas follows the page's size and the device pixel ratio; the
// renderer's own watch has fitted the letterbox to it before this one runs.
int RescaleOnResize(void* renderer, SDL_Event* event) {
  if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
    ScaleByWholeNumbersWhereItFits(static_cast<SDL_Renderer*>(renderer));
  return 0;
}

}  // namespace
#endif

bool SdlSystem::InitAudioEngine() {
  const bool ready = audio_.InitEngine();
#ifdef __EMSCRIPTEN__
  if (ready) emscripten_set_visibilitychange_callback(this, EM_FALSE, StandStillWhileHidden);
#endif
  return ready;
}

void SdlSystem::ConfigureDisplay() {
#ifdef __EMSCRIPTEN__
  // In a browser the page is the window: the canvas fills it, and only a click
  // may take it full screen (the page's button does).
  (void)mode_;
#else
  if (mode_ == WindowMode::FullScreen) {
    SetWindowFullScreen(window_, true);
    input_.WindowSwitched();
  }
#endif
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  // An 800 by 600 screen, scaled to the display with black bars.
  SDL_RenderSetLogicalSize(renderer_, LogicalWidth, LogicalHeight);
  SDL_RenderSetVSync(renderer_, 1);
#ifdef __EMSCRIPTEN__
  ScaleByWholeNumbersWhereItFits(renderer_);
  SDL_AddEventWatch(RescaleOnResize, renderer_);
#endif
}

void SdlSystem::SetMasterVolume(float volume) { audio_.SetMasterVolume(volume); }

#ifdef __EMSCRIPTEN__
void SdlSystem::TabHidden(bool hidden) {
  if (hidden) {
    emscripten_pause_main_loop();
    audio_.Pause();
    audio_.StopDevice();
    input_.RequestPause();
  } else {
    audio_.StartDevice();
    audio_.Resume();
    emscripten_resume_main_loop();
  }
}

bool SdlSystem::IsFullScreen() { return PageIsFullScreen() != 0; }

void SdlSystem::SetFullScreen(bool full) { SetPageFullScreen(full ? 1 : 0); }
#else
bool SdlSystem::IsFullScreen() { return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0; }

void SdlSystem::SetFullScreen(bool full) {
  SetWindowFullScreen(window_, full);
  input_.WindowSwitched();
}
#endif

void SdlSystem::LoadTexture(TextureId id, const char* path) {
  drawing_.SetTexture(id, UploadPicture(renderer_, pictures_, path));
}

// The pictures are decoded into one buffer, not kept as surfaces; it goes once
// every picture is a texture.
void SdlSystem::FreeSurfaces() { pictures_.Release(); }

bool SdlSystem::TextureLoaded(TextureId id) { return drawing_.Texture(id) != nullptr; }

void SdlSystem::Log(const char* message) {
  // The message is the format text itself; the game's messages hold no '%'.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
  SDL_Log(message);
#pragma GCC diagnostic pop
}

void SdlSystem::CreateSound(SoundId sound, const char* path) {
#ifdef __EMSCRIPTEN__
  arriving_.CreateSound(sound, path);
#else
  audio_.CreateSound(sound, path);
#endif
}

void SdlSystem::UninitAudioEngine() {
#ifdef __EMSCRIPTEN__
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, nullptr);
#endif
  audio_.UninitEngine();
}

void SdlSystem::DestroyTexture(TextureId id) {
  if (SDL_Texture* texture = drawing_.Texture(id)) {
    SDL_DestroyTexture(texture);
    drawing_.SetTexture(id, nullptr);
  }
}

void SdlSystem::DestroyRenderer() {
#ifdef __EMSCRIPTEN__
  SDL_DelEventWatch(RescaleOnResize, renderer_);
#endif
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  drawing_.AttachRenderer(nullptr);
}

void SdlSystem::DestroyWindow() {
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
  input_.AttachWindow(nullptr);
}

void SdlSystem::Quit() {
  FreeSurfaces();
  input_.ClosePads();
  SDL_Quit();
  sdlStarted_ = false;
  // SDL has let go of the window and everything drawn with it.
  window_ = nullptr;
  input_.AttachWindow(nullptr);
  renderer_ = nullptr;
  drawing_.ForgetAll();
}
