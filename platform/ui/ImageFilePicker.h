#pragma once

#include "ui/Image.h"

#include <functional>
#include <optional>
#include <string>

namespace ui {

// Where the phone offered its photo library: the user picks an image file. The program supplies the
// chooser (a file path or none); without one picking is unavailable. Tests supply theirs.
class ImageFilePicker {
public:
    using Chooser = std::function<std::optional<std::string>()>;
    // The picked image, or none when the user cancelled or the file is no image.
    using Completion = std::function<void(std::optional<Image>)>;

    static ImageFilePicker& shared();

    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }
    bool isAvailable() const { return static_cast<bool>(chooser_); }
    void pick(const Completion& completion) const;

private:
    Chooser chooser_;
};

} // namespace ui
