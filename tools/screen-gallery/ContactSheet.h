#pragma once

#include <QImage>

#include <string>
#include <utility>
#include <vector>

namespace screen_gallery {

// All scenes side by side: each picture shrunk to a third, in rows of six, its name below it.
QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& labelledPictures);

} // namespace screen_gallery
