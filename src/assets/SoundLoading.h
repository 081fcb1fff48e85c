#pragma once
#include "core/SoundCatalog.h"
#include "platform/System.h"

// Creates the 14 persistent sounds in catalog order. A sound whose file is
// missing or undecodable stays silent; nothing is logged.
void CreateAllSounds(System& system);
