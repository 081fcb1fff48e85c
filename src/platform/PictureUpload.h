#pragma once
// One picture file made into a texture the way the game's pictures are: read
// by libpng straight into the renderer's bytes, uploaded, and blended when it
// has transparent parts.

#include <SDL.h>

#include "platform/PngPictures.h"

// The texture, or null for a missing or unreadable file (or no renderer).
SDL_Texture* UploadPicture(SDL_Renderer* renderer, PngPictureReader& pictures, const char* path);
