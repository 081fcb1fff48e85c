#include "assets/TextureLoading.h"

#include <string>

static_assert(CaptionsTexture < TextureCapacity, "the platform keeps every picture below its capacity");

namespace {

void LogMissing(System& system, TextureId texture) {
  const std::string message = std::string("Texture: ") + TextureEntryOf(texture).name + " Failed";
  system.Log(message.c_str());
}

bool CheckLoaded(System& system, TextureId texture) {
  if (system.TextureLoaded(texture)) return true;
  LogMissing(system, texture);
  system.Quit();
  return false;
}

}  // namespace

bool LoadAllTextures(System& system) {
  for (int id = 0; id < TextureCount; ++id) system.LoadTexture(static_cast<TextureId>(id), TextureCatalog[id].path);
  system.FreeSurfaces();
  for (int id = 0; id < TextureCount; ++id)
    if (!CheckLoaded(system, static_cast<TextureId>(id))) return false;
  return true;
}

bool LoadCaptionsTexture(System& system) {
  system.LoadTexture(CaptionsTexture, CaptionsTextureEntry.path);
  system.FreeSurfaces();
  return CheckLoaded(system, CaptionsTexture);
}

bool LoadCaptionsTextureDuringPlay(System& system) {
  system.LoadTexture(CaptionsTexture, CaptionsTextureEntry.path);
  system.FreeSurfaces();
  if (system.TextureLoaded(CaptionsTexture)) return true;
  LogMissing(system, CaptionsTexture);
  return false;
}

void ApplyTextureSettings(Drawing& drawing, TextureId background) {
  drawing.SetTextureBlend(StaticTexture);
  drawing.SetTextureBlend(IntroTexture);
  drawing.SetTextureBlend(TipTexture);

  drawing.SetTextureAlpha(ScanlinesTexture, 100);
  drawing.SetTextureAlpha(StaticTexture, 5);
  drawing.SetTextureAlpha(TipTexture, 255);

  // Pixel art that must stay crisp. Everything else keeps linear scaling,
  // except that each backdrop is made nearest when it is first drawn.
  const TextureId nearest[] = {
      MoveTexture,      UseTexture,        ToothBrushTexture,  LettersTexture,
      PizzaTexture,     SymbolsTexture,    CursorTexture,      NextDayTexture,
      background,       LighterTexture,    WaterBottleTexture, WalkTexture,
      MenuTexture,      StaticTexture,     SoupTexture,        FishingRodTexture,
      FishingRodUsingTexture, ClickALotTexture, WalkToLakeTexture, IntroTexture,
      TipTexture,       JumpscareTexture,  PhotoTexture,
  };
  for (TextureId texture : nearest) drawing.SetTextureNearest(texture);
}

void DestroyAllTextures(System& system) {
  for (int id = 0; id < TextureCount; ++id) system.DestroyTexture(static_cast<TextureId>(id));
}
