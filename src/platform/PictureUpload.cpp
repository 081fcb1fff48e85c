#include "platform/PictureUpload.h"

SDL_Texture* UploadPicture(SDL_Renderer* renderer, PngPictureReader& pictures, const char* path) {
  // PNG only: a file that is empty or not a PNG fails like a missing one.
  const DecodedPicture* picture = renderer ? pictures.Read(path) : nullptr;
  SDL_Texture* texture =
      picture ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, picture->width,
                                  picture->height)
              : nullptr;
  if (texture && SDL_UpdateTexture(texture, nullptr, picture->pixels, picture->width * 4) != 0) {
    SDL_DestroyTexture(texture);
    texture = nullptr;
  }
  // As a texture made from a surface with an alpha channel: its transparent
  // parts blend.
  if (texture && picture->hasAlpha) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  return texture;
}
