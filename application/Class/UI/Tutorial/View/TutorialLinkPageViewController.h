#pragma once

#include "ui/AttributedString.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>

namespace ui {
class Button;
class ImageView;
} // namespace ui

namespace tolvane::app {

// A movie page: its picture and the three web links, offered in Japanese only, whose titles and
// addresses come from the Japanese table.
class TutorialLinkPageViewController : public ui::ViewController {
public:
    std::shared_ptr<ui::ImageView> movieImageView;
    std::shared_ptr<ui::Button> linkButton1;
    std::shared_ptr<ui::Button> linkButton2;
    std::shared_ptr<ui::Button> linkButton3;
    const ui::TextAttributes underline{{ui::AttributedStringKey::underlineStyle, static_cast<int>(ui::UnderlineStyle::single)}};

    // Opens the address stored under `key`; a text that is no web address opens nothing.
    static void openLink(const std::string& key);

    void didTouchUpLink();
    void didTouchUpLink2();
    void didTouchUpLink3();

protected:
    // In Japanese each link gets its underlined title; in any other language all three are hidden.
    void setupLinkButtons();
};

} // namespace tolvane::app
