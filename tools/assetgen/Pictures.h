#pragma once
#include <filesystem>

// Paints all 110 pictures of the texture catalog under assetsDir/Sprites/.
void PaintPictures(const std::filesystem::path& assetsDir);
