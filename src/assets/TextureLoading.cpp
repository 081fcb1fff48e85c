#include "assets/TextureLoading.h"

#include <string>

bool LoadAllTextures(System& system) {
  for (int id = 0; id < TextureCount; ++id) system.LoadTexture(static_cast<TextureId>(id), TextureCatalog[id].path);
  system.FreeSurfaces();
  for (int id = 0; id < TextureCount; ++id) {
    if (system.TextureLoaded(static_cast<TextureId>(id))) continue;
    const std::string message = std::string("Texture: ") + TextureCatalog[id].name + " Failed";
    system.Log(message.c_str());
    system.Quit();
    return false;
  }
  return true;
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
