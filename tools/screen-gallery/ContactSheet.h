#pragma once

#include <QImage>

#include <string>
#include <utility>
#include <vector>

namespace screen_gallery {

// All scenes side by side in rows of `columns` (six shrinks each picture to a third), each with its
// name below it, wrapped only between words. The sheet's width is the same for any number of
// columns, so fewer columns give larger pictures.
QImage contactSheet(const std::vector<std::pair<std::string, QImage>>& labelledPictures, int columns = 6);

} // namespace screen_gallery
