#include "presentation/PauseMenu.h"

#include <algorithm>
#include <string>

#include "core/ScreenRects.h"
#include "core/TextureCatalog.h"
#include "presentation/CaptionLetters.h"
#include "presentation/Lettering.h"

namespace {

// Letters four times the sheet's size (20 pixels high), rows 40 apart, in a
// panel 520 wide in the middle of the screen.
constexpr float Scale = 4;
constexpr float RowPitch = 40;
constexpr float PanelWidth = 520;
constexpr float PanelTop = 130;
constexpr float TitleHeight = 70;
constexpr float PanelHeight = TitleHeight + MenuItemCount * RowPitch + 30;
constexpr float PanelLeft = (800 - PanelWidth) / 2;
constexpr float TextLeft = PanelLeft + 60;
constexpr float ValueRight = PanelLeft + PanelWidth - 50;
constexpr float Border = 2;
constexpr Rgba Dim{0, 0, 0, 150};
constexpr Rgba Panel{10, 10, 14, 235};
constexpr Rgba Edge{96, 96, 104, 255};
constexpr std::uint8_t UnlitAlpha = 130;

}  // namespace

const char* MenuItemLabel(MenuItem item) {
  switch (item) {
    case MenuItem::Resume: return "RESUME";
    case MenuItem::Captions: return "CAPTIONS";
    case MenuItem::GentlerFlashes: return "GENTLER FLASHES";
    case MenuItem::Volume: return "VOLUME";
    case MenuItem::FullScreen: return "FULL SCREEN";
    case MenuItem::Speech: return "SPEECH";
    case MenuItem::Quit: return "QUIT";
  }
  return "";
}

namespace {

// The setting an on/off item turns; null for the others.
bool GameOptions::*SwitchOf(MenuItem item) {
  switch (item) {
    case MenuItem::Captions: return &GameOptions::Captions;
    case MenuItem::GentlerFlashes: return &GameOptions::ReduceFlashing;
    case MenuItem::FullScreen: return &GameOptions::FullScreen;
    case MenuItem::Speech: return &GameOptions::Speech;
    default: return nullptr;
  }
}


MenuItem Step(MenuItem item, int by) {
  return static_cast<MenuItem>((static_cast<int>(item) + by + MenuItemCount) % MenuItemCount);
}

// Left (-1) or Right (+1) on the lit item; Return on it is +1, going round.
MenuResult Change(MenuItem item, GameOptions& options, int by, bool round) {
  if (const auto on = SwitchOf(item)) {
    const bool before = options.*on;
    options.*on = round ? !before : by > 0;
    if (options.*on == before) return {};
    return {MenuOutcome::Changed, item};
  }
  if (item == MenuItem::Volume) {
    int volume = options.VolumePercent + by * VolumeStepPercent;
    if (round && volume > 100) volume = 0;
    volume = std::clamp(volume, 0, 100);
    if (volume == options.VolumePercent) return {};
    options.VolumePercent = volume;
    return {MenuOutcome::Changed, item};
  }
  return {};
}

MenuResult Choose(MenuItem item, GameOptions& options) {
  if (item == MenuItem::Resume) return {MenuOutcome::Resume, item};
  if (item == MenuItem::Quit) return {MenuOutcome::Quit, item};
  return Change(item, options, +1, true);
}

}  // namespace

std::string MenuItemValue(MenuItem item, const GameOptions& options) {
  if (item == MenuItem::Volume) return "< " + std::to_string(options.VolumePercent) + "% >";
  if (const auto on = SwitchOf(item)) return options.*on ? "ON" : "OFF";
  return {};
}

namespace {

bool Inside(const FRect& r, float x, float y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

}  // namespace

FRect MenuItemRow(MenuItem item) {
  return FRect{PanelLeft, PanelTop + TitleHeight + static_cast<float>(item) * RowPitch - 10, PanelWidth, RowPitch};
}

MenuResult TakeMenuEvent(PauseMenu& menu, GameOptions& options, const MenuEvent& event) {
  switch (event.kind) {
    case MenuEvent::Kind::Up: menu.lit = Step(menu.lit, -1); return {};
    case MenuEvent::Kind::Down: menu.lit = Step(menu.lit, +1); return {};
    case MenuEvent::Kind::Left: return Change(menu.lit, options, -1, false);
    case MenuEvent::Kind::Right: return Change(menu.lit, options, +1, false);
    case MenuEvent::Kind::Choose: return Choose(menu.lit, options);
    case MenuEvent::Kind::Resume: return {MenuOutcome::Resume, menu.lit};
    case MenuEvent::Kind::Quit: return {MenuOutcome::Quit, menu.lit};
    case MenuEvent::Kind::Point:
    case MenuEvent::Kind::Click:
    case MenuEvent::Kind::Tap:
      for (int i = 0; i < MenuItemCount; ++i) {
        const auto item = static_cast<MenuItem>(i);
        if (!Inside(MenuItemRow(item), event.x, event.y)) continue;
        menu.lit = item;
        if (event.kind == MenuEvent::Kind::Point) return {};
        // The volume's arrows: the left half of its value lowers it, the right raises it.
        if (item == MenuItem::Volume) {
          const float valueWidth = LetteringWidth(MenuItemValue(item, options), Scale);
          const float middle = ValueRight - valueWidth / 2;
          if (event.x >= ValueRight - valueWidth - 20) return Change(item, options, event.x < middle ? -1 : +1, false);
          if (event.kind == MenuEvent::Kind::Tap) return {};
        }
        return Choose(item, options);
      }
      return {};
    case MenuEvent::Kind::SpeechSwitch:
      // V turns speech on or off here as everywhere, whichever item is lit.
      options.Speech = !options.Speech;
      return {MenuOutcome::Changed, MenuItem::Speech};
    case MenuEvent::Kind::Describe:
    case MenuEvent::Kind::None: return {};
  }
  return {};
}

void DrawPauseMenu(const PauseMenu& menu, const GameOptions& options, Drawing& drawing) {
  drawing.SetDrawColor(Dim);
  drawing.FillRect(ScreenRect);
  drawing.SetDrawColor(Edge);
  drawing.FillRect(FRect{PanelLeft - Border, PanelTop - Border, PanelWidth + 2 * Border, PanelHeight + 2 * Border});
  drawing.SetDrawColor(Panel);
  drawing.FillRect(FRect{PanelLeft, PanelTop, PanelWidth, PanelHeight});
  drawing.SetTextureNearest(CaptionsTexture);
  drawing.SetTextureBlend(CaptionsTexture);
  DrawLettering(drawing, "PAUSED", 400 - LetteringWidth("PAUSED", Scale) / 2, PanelTop + 25, Scale);
  for (int i = 0; i < MenuItemCount; ++i) {
    const auto item = static_cast<MenuItem>(i);
    const bool lit = item == menu.lit;
    const float y = MenuItemRow(item).y + 10;
    drawing.SetTextureAlpha(CaptionsTexture, lit ? 255 : UnlitAlpha);
    if (lit) DrawLettering(drawing, ">", TextLeft - 24, y, Scale);
    DrawLettering(drawing, MenuItemLabel(item), TextLeft, y, Scale);
    const std::string value = MenuItemValue(item, options);
    DrawLettering(drawing, value, ValueRight - LetteringWidth(value, Scale), y, Scale);
  }
  drawing.SetTextureAlpha(CaptionsTexture, 255);
}
