// The yardstick for the game's start-up: a program that does nothing but open
// the same window and renderer as the game, set them up the same way (full
// screen on the desktop's mode, blended fills, the letterboxed 800 by 600
// logical screen, vsync), and present one cleared frame. Prints the same kind
// of key=value line as the timed start-up of the game.

#include <SDL.h>

#include <cstdio>

#include "BenchClock.h"
#include "ProcStatus.h"

int main(int, char**) {
  const std::int64_t mainAt = MonotonicNs();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_Init(SDL_INIT_VIDEO);
  const std::int64_t initAt = MonotonicNs();
  SDL_Window* window =
      SDL_CreateWindow("Tarnwick", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 800, 600, SDL_WINDOW_RESIZABLE);
  const std::int64_t windowAt = MonotonicNs();
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
  const std::int64_t rendererAt = MonotonicNs();
  if (!renderer) {
    std::fprintf(stderr, "no window or renderer: %s\n", SDL_GetError());
    SDL_Quit();
    return 1;
  }
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
  SDL_RenderSetLogicalSize(renderer, 800, 600);
  SDL_RenderSetVSync(renderer, 1);
  const std::int64_t displayAt = MonotonicNs();

  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
  SDL_RenderClear(renderer);
  const std::int64_t presentStart = MonotonicNs();
  SDL_RenderPresent(renderer);
  const std::int64_t presentAt = MonotonicNs();
  const std::int64_t cpuAtPresent = ThreadCpuNs();

  const long hwmKb = ReadStatusKb("VmHWM");
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer, &info);
  char driver[64];
  std::snprintf(driver, sizeof driver, "%s", info.name ? info.name : "unknown");
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
  SDL_Quit();
  std::printf("tarnwick-bare status=0 main_at_ns=%lld first_present_at_ns=%lld renderer=%s hwm_kb=%ld init_ns=%lld "
              "window_ns=%lld renderer_ns=%lld display_ns=%lld first_present_call_ns=%lld main_cpu_ns=%lld\n",
              static_cast<long long>(mainAt), static_cast<long long>(presentAt), driver, hwmKb,
              static_cast<long long>(initAt - mainAt), static_cast<long long>(windowAt - initAt),
              static_cast<long long>(rendererAt - windowAt), static_cast<long long>(displayAt - rendererAt),
              static_cast<long long>(presentAt - presentStart), static_cast<long long>(cpuAtPresent));
  std::fflush(stdout);
  return 0;
}
