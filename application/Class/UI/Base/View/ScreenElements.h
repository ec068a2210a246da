#pragma once

#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/Image.h"
#include "ui/Rect.h"

#include <memory>
#include <optional>
#include <string>

namespace ui {
class Button;
class ImageView;
class Label;
class View;
} // namespace ui

namespace tolvane::app {

// The parts the connection screens are laid out from, in the application's one look: dark text
// on the light ground, accent-filled buttons for going on, outlined ones for the way back.
class ScreenElements {
public:
    static ui::Color ground();
    static ui::Color text();
    static ui::Color muted();
    static ui::Color accent();

    // The part of a screen's view above the home indicator, in the view's coordinates; the view
    // itself starts below the navigation bar.
    static ui::Rect contentArea();

    // A screen's root view: the main screen's size on the light ground.
    static std::shared_ptr<ui::View> groundView();

    // Centred, wrapping text.
    static std::shared_ptr<ui::Label> label(const ui::Rect& frame, double fontSize, ui::FontWeight weight = ui::FontWeight::regular,
                                            ui::Color color = text());
    // The button that goes on: white title on the accent colour, a pill.
    static std::shared_ptr<ui::Button> primaryButton(const ui::Rect& frame);
    // The button that goes back or ends: accent title and outline on white, a pill.
    static std::shared_ptr<ui::Button> secondaryButton(const ui::Rect& frame);
    // A title view for the dark navigation bar: white text, on two lines at most when long.
    static std::shared_ptr<ui::Label> navigationTitle(const std::string& text);
    // A picture kept whole inside its frame.
    static std::shared_ptr<ui::ImageView> picture(const ui::Rect& frame, std::optional<ui::Image> image = std::nullopt);

    // Plays the library's "<name>.gif" in `view`, or leaves it without a picture when the file is missing.
    static void showLibraryGif(ui::ImageView& view, const std::string& name);

    // The named asset drawn sharp as large as fits in `size` (its drawing scaled, not its pixels).
    static std::optional<ui::Image> asset(const std::string& name, const ui::Size& size);
    // The picture of a car from its stored path, or the named asset fitted to `size` when the path
    // names no readable picture in the data folder.
    static std::optional<ui::Image> carPicture(const std::optional<std::string>& storedPath, const std::string& fallbackAsset,
                                               const ui::Size& size);
};

} // namespace tolvane::app
