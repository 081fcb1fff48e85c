#pragma once
#include <filesystem>

// Makes all 46 sounds of the sound catalog under assetsDir/Audio/.
void MakeSounds(const std::filesystem::path& assetsDir);
