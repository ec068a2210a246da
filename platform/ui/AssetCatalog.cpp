#include "ui/AssetCatalog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace ui {
namespace {

std::optional<Color> parseHex(const QString& text)
{
    if (!text.startsWith('#') || (text.size() != 7 && text.size() != 9))
        return std::nullopt;
    bool ok = false;
    const uint value = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    const bool hasAlpha = text.size() == 9;
    const uint rgb = hasAlpha ? value >> 8 : value;
    const double alpha = hasAlpha ? (value & 0xFF) / 255.0 : 1.0;
    return Color::rgb255(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF), alpha);
}

} // namespace

AssetCatalog::AssetCatalog(QString root) : root_(std::move(root)) {}

AssetCatalog& AssetCatalog::shared()
{
    static AssetCatalog catalog(QStringLiteral(":/TolvaneIntegrationApp"));
    return catalog;
}

template <class Load>
std::optional<Image> AssetCatalog::cached(const std::string& key, Load load) const
{
    {
        std::lock_guard lock(imagesMutex_);
        if (auto it = images_.find(key); it != images_.end())
            return it->second;
    }
    std::optional<Image> image = load();
    std::lock_guard lock(imagesMutex_);
    return images_.try_emplace(key, std::move(image)).first->second;
}

std::optional<Image> AssetCatalog::image(const std::string& name) const
{
    return cached(name, [&] { return load(name); });
}

std::optional<Image> AssetCatalog::image(const std::string& name, const Size& size) const
{
    return cached(name + "@" + std::to_string(size.width) + "x" + std::to_string(size.height), [&] { return load(name, size); });
}

std::optional<Image> AssetCatalog::load(const std::string& name) const
{
    for (const char* extension : {".png", ".svg", ".gif", ".jpg"})
        if (auto image = Image::fromFile((root_ + "/Images/" + QString::fromStdString(name) + extension).toStdString()))
            return image;
    return std::nullopt;
}

std::optional<Image> AssetCatalog::load(const std::string& name, const Size& size) const
{
    QFile file(root_ + "/Images/" + QString::fromStdString(name) + ".svg");
    if (!file.open(QIODevice::ReadOnly))
        return image(name);
    const QByteArray bytes = file.readAll();
    return Image::fromData(foundation::Bytes(bytes.begin(), bytes.end()), size);
}

std::optional<Color> AssetCatalog::color(const std::string& name)
{
    if (!colors_) {
        colors_.emplace();
        QFile file(root_ + "/Colors.json");
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonObject index = QJsonDocument::fromJson(file.readAll()).object();
            for (auto it = index.begin(); it != index.end(); ++it)
                if (auto color = parseHex(it.value().toString()))
                    (*colors_)[it.key().toStdString()] = *color;
        }
    }
    auto it = colors_->find(name);
    if (it == colors_->end())
        return std::nullopt;
    return it->second;
}

} // namespace ui
