#pragma once

#include "ui/Color.h"
#include "ui/Image.h"

#include <QString>

#include <map>
#include <mutex>
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
    std::optional<Image> load(const std::string& name) const;
    std::optional<Image> load(const std::string& name, const Size& size) const;
    // The files never change: each image is decoded once, as screens ask for the same ones at every
    // layout pass.
    template <class Load>
    std::optional<Image> cached(const std::string& key, Load load) const;

    QString root_;
    mutable std::mutex imagesMutex_;
    mutable std::map<std::string, std::optional<Image>, std::less<>> images_;
    std::optional<std::map<std::string, Color>> colors_;
};

} // namespace ui
