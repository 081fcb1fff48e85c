#pragma once
// The painters of every picture, by texture. Each file of this folder paints
// one place or one group of pictures and hands its painters over here.

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "core/TextureCatalog.h"

namespace art {

using Painter = std::function<Canvas()>;
using Painters = std::array<Painter, TextureCount>;

// Sizes of the art: a quarter of what the game draws.
inline constexpr int RoomWidth = 500, RoomHeight = 250;      // drawn 2000 by 1000
inline constexpr int ScreenWidth = 200, ScreenHeight = 150;  // drawn 800 by 600

void AddHousePictures(Painters& p);
void AddComputerPictures(Painters& p);
void AddRoadPictures(Painters& p);
void AddForestPictures(Painters& p);
void AddCabinPictures(Painters& p);
void AddCabinKitchenPictures(Painters& p);
void AddCabinBedroomPictures(Painters& p);
void AddCabinCloseUps(Painters& p);
void AddCabinOutsidePictures(Painters& p);
void AddCreaturePictures(Painters& p);
void AddTextPictures(Painters& p);
// The web page's pictures by file name.
std::vector<std::pair<const char*, Canvas>> PaintWebPagePictures();
// The web page's touch keys and the card that asks to turn a phone.
void AddTouchControlPictures(std::vector<std::pair<const char*, Canvas>>& pictures);
void AddSpritePictures(Painters& p);
void AddFontSheets(Painters& p);
// The captions' letters and backing: not one of the 110, painted beside them.
Canvas PaintCaptionLetters();
void AddOverlays(Painters& p);

// All painters, every texture filled in.
const Painters& AllPainters();

// How wide one frame of a sheet or strip is (the whole width for a single picture).
int FrameWidth(TextureId id, int pictureWidth);

// Joins frames side by side into one strip.
Canvas JoinFrames(const std::vector<Canvas>& frames);

}  // namespace art
