#pragma once

#include "ui/Color.h"
#include "ui/Image.h"

#include <QString>

#include <map>
#include <optional>
#include <string>

namespace ui {

// Named images and colours of a resource folder: "Images/<name>.png" (or .svg, .gif, .jpg) and the
// colour index "Colors.json" ({"name": "#RRGGBB" or "#RRGGBBAA"}).
class AssetCatalog {
public:
    explicit AssetCatalog(QString root);

    // The application's assets, compiled in under ":/TolvaneIntegrationApp".
    static AssetCatalog& shared();

    std::optional<Image> image(const std::string& name) const;
    // A drawn (SVG) image at `size` points instead of its own size; other images as they are.
    std::optional<Image> image(const std::string& name, const Size& size) const;
    std::optional<Color> color(const std::string& name);

private:
    QString root_;
    std::optional<std::map<std::string, Color>> colors_;
};

} // namespace ui
