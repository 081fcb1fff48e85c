#include "assets/SoundLoading.h"

void CreateAllSounds(System& system) {
  for (int id = 0; id < SoundCount; ++id) system.CreateSound(static_cast<SoundId>(id), SoundCatalog[id].path);
}
