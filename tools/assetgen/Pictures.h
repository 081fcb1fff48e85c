#pragma once
#include <filesystem>

// Paints all 110 pictures of the texture catalog under assetsDir/Sprites/, and
// beside them the captions' letters.
void PaintPictures(const std::filesystem::path& assetsDir);

// Paints the web page's own pictures (the loading screen, the click-to-play
// cover, the closing words) into dir.
void PaintWebPagePictures(const std::filesystem::path& dir);
