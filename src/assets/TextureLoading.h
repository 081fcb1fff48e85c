#pragma once
#include "core/TextureCatalog.h"
#include "platform/System.h"

// Loads all 110 pictures in catalog order, attempting every one; then, after
// the decoded surfaces are freed, checks them in the same order. The first
// missing picture is logged as "Texture: <name> Failed", the platform is shut
// down and false is returned: the game either has every picture or does not start.
bool LoadAllTextures(System& system);

// Blend modes, alpha modulations and nearest-neighbour scaling, set once
// before the title screen. `background` is the backdrop at that moment.
void ApplyTextureSettings(Drawing& drawing, TextureId background);

void DestroyAllTextures(System& system);

// The captions' letters, only when captions are on: loaded and checked like
// the 110 (missing, it is logged as "Texture: CaptionsTexture Failed", the
// platform is shut down and false is returned).
bool LoadCaptionsTexture(System& system);

// The same letters wanted during play (the pause menu, or captions turned on
// in it): a missing sheet is logged the same way, but the game goes on
// without them. True when they are there.
bool LoadCaptionsTextureDuringPlay(System& system);
