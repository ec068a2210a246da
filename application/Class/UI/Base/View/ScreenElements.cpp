#include "Class/UI/Base/View/ScreenElements.h"

#include "Class/Model/CarImagePathResolver.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/UI/Base/View/GifImage.h"
#include "Class/UI/Base/View/ImageFitting.h"

#include "foundation/Bundle.h"
#include "foundation/StandardLocations.h"
#include "ui/AssetCatalog.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationBar.h"
#include "ui/ScreenMetrics.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace tolvane::app {

ui::Color ScreenElements::ground()
{
    return ui::Color::rgb255(0xF2, 0xF4, 0xF8);
}

ui::Color ScreenElements::text()
{
    return ui::Color::rgb255(0x1E, 0x2A, 0x3A);
}

ui::Color ScreenElements::muted()
{
    return ui::Color::rgb255(0x8A, 0x94, 0xA6);
}

ui::Color ScreenElements::accent()
{
    return ui::Color::rgb255(0x2F, 0x7D, 0xF6);
}

ui::Rect ScreenElements::contentArea()
{
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    const ui::EdgeInsets insets = ui::ScreenMetrics::shared().deviceSafeAreaInsets();
    // A screen with a navigation bar is laid out below the bar.
    const double top = insets.top + ui::NavigationBar::contentHeight;
    return {0, 0, screen.size.width, screen.size.height - top - insets.bottom};
}

std::shared_ptr<ui::View> ScreenElements::groundView()
{
    auto root = std::make_shared<ui::View>(ui::ScreenMetrics::shared().mainBounds());
    root->setBackgroundColor(ground());
    return root;
}

std::shared_ptr<ui::Label> ScreenElements::label(const ui::Rect& frame, double fontSize, ui::FontWeight weight, ui::Color color)
{
    auto label = std::make_shared<ui::Label>(frame);
    label->setFont(ui::Font::systemFont(fontSize, weight));
    label->setTextColor(color);
    label->setTextAlignment(ui::TextAlignment::center);
    label->setNumberOfLines(0);
    return label;
}

std::shared_ptr<ui::Label> ScreenElements::navigationTitle(const std::string& text)
{
    constexpr double widest = 250;
    auto title = label({0, 0, widest, 40}, 18, ui::FontWeight::medium, ui::Color::white(1.0));
    title->setNumberOfLines(2);
    title->setAdjustsFontSizeToFitWidth(true);
    title->setMinimumScaleFactor(0.6);
    title->setText(text);
    const ui::Size fitted = title->sizeThatFits({widest, 40});
    title->setFrame({0, 0, std::min(widest, fitted.width), std::min(40.0, fitted.height)});
    return title;
}

namespace {

std::shared_ptr<ui::Button> pill(const ui::Rect& frame, const ui::Color& fill, const ui::Color& title)
{
    auto button = std::make_shared<ui::Button>(frame);
    button->setBackgroundColor(fill);
    button->setTitleColor(title, ui::ControlState::normal);
    button->titleLabel().setFont(ui::Font::systemFont(17, ui::FontWeight::semibold));
    button->layer().setCornerRadius(frame.size.height / 2);
    return button;
}

} // namespace

std::shared_ptr<ui::Button> ScreenElements::primaryButton(const ui::Rect& frame)
{
    return pill(frame, accent(), ui::Color::rgb255(0xFF, 0xFF, 0xFF));
}

std::shared_ptr<ui::Button> ScreenElements::secondaryButton(const ui::Rect& frame)
{
    auto button = pill(frame, ui::Color::rgb255(0xFF, 0xFF, 0xFF), accent());
    button->layer().setBorderColor(accent());
    button->layer().setBorderWidth(1.5);
    return button;
}

std::shared_ptr<ui::ImageView> ScreenElements::picture(const ui::Rect& frame, std::optional<ui::Image> image)
{
    auto view = std::make_shared<ui::ImageView>(frame);
    view->setContentMode(ui::ContentMode::scaleAspectFit);
    view->setImage(std::move(image));
    return view;
}

void ScreenElements::showLibraryGif(ui::ImageView& view, const std::string& name)
{
    const auto path = libraryBundle()->pathForResource(name, "gif");
    QFile file(QString::fromStdString(path.value_or("")));
    if (!path || !file.open(QIODevice::ReadOnly)) {
        view.setImage(std::nullopt);
        return;
    }
    const QByteArray bytes = file.readAll();
    GifImage::setGifImage(view, foundation::Bytes(bytes.begin(), bytes.end()));
}

std::optional<ui::Image> ScreenElements::asset(const std::string& name, const ui::Size& size)
{
    // Drawn at three pixels per point, the densest screen the pictures are made for.
    constexpr double scale = 3.0;
    QSvgRenderer drawing(QStringLiteral(":/TolvaneIntegrationApp/Images/%1.svg").arg(QString::fromStdString(name)));
    if (!drawing.isValid())
        return ui::AssetCatalog::shared().image(name);
    const QSizeF natural = drawing.defaultSize();
    const ui::Size fitted = ImageFitting::fittedSize({natural.width(), natural.height()}, size);
    QImage pixels(static_cast<int>(fitted.width * scale), static_cast<int>(fitted.height * scale), QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    QPainter painter(&pixels);
    drawing.render(&painter);
    painter.end();
    return ui::Image(pixels, scale);
}

std::optional<ui::Image> ScreenElements::carPicture(const std::optional<std::string>& storedPath, const std::string& fallbackAsset,
                                                    const ui::Size& size)
{
    if (storedPath) {
        if (const auto file = CarImagePathResolver(foundation::documentsDirectory()).fileFor(*storedPath)) {
            if (auto image = ui::Image::fromFile(file->string()))
                return image;
        }
    }
    return asset(fallbackAsset, size);
}

} // namespace tolvane::app
