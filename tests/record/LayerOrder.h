#pragma once
// The order in which one game frame is drawn, bottom to top, as the game's
// description gives it, and which pictures belong to which layer. Written out
// by hand from the description.

namespace record {

enum class Layer {
  Clear,
  Backdrop,
  BookingCursor,
  AnimationDraws,  // the car ride's black cover, the phone and lake strips, the camera flash
  Toothbrush,
  Lighter,
  WaterBottle,
  FishingRod,
  Photo,
  Jumpscare,
  NightTint,
  DialogueBand,
  DialogueText,
  Prompt,
  Food,
  GameOver,
  FadeRect,
  NextDayCard,  // opaque black, then the card, while the next day is held
  Static,
  Scanlines,
  Present,
};

struct LayerPicture {
  const char* name;
  Layer layer;
};

// Pictures drawn only in their own layer (any other picture drawn is the
// backdrop; the lake strip may also be the backdrop at the end of the walk back).
inline constexpr LayerPicture LayerPictures[] = {
    {"CursorTexture", Layer::BookingCursor},
    {"WalkToPhoneTexture", Layer::AnimationDraws},
    {"WalkToLakeTexture", Layer::AnimationDraws},
    {"ToothBrushTexture", Layer::Toothbrush},
    {"LighterTexture", Layer::Lighter},
    {"WaterBottleTexture", Layer::WaterBottle},
    {"FishingRodTexture", Layer::FishingRod},
    {"FishingRodUsingTexture", Layer::FishingRod},
    {"PhotoTexture", Layer::Photo},
    {"JumpscareTexture", Layer::Jumpscare},
    {"LettersTexture", Layer::DialogueText},
    {"SymbolsTexture", Layer::DialogueText},
    {"MoveTexture", Layer::Prompt},
    {"UseTexture", Layer::Prompt},
    {"ClickALotTexture", Layer::Prompt},
    {"WalkTexture", Layer::Prompt},
    {"PizzaTexture", Layer::Food},
    {"SoupTexture", Layer::Food},
    {"GameOverTexture", Layer::GameOver},
    {"NextDayTexture", Layer::NextDayCard},
    {"StaticTexture", Layer::Static},
    {"ScanlinesTexture", Layer::Scanlines},
};

}  // namespace record
