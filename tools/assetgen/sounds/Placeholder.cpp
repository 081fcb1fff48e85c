// Stands in for the sound maker until it lands, so the generator links.
#include "Sounds.h"

void MakeSounds(const std::filesystem::path&) {}
