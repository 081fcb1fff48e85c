#include "assets/TextureLoading.h"

#include <string>

static_assert(CaptionsTexture < TextureCapacity, "the platform keeps every picture below its capacity");

namespace {

bool CheckLoaded(System& system, TextureId texture) {
  if (system.TextureLoaded(texture)) return true;
  const std::string message = std::string("Texture: ") + TextureEntryOf(texture).name + " Failed";
  system.Log(message.c_str());
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
