#pragma once

namespace ui {

// Red, green, blue and alpha, each 0.0 to 1.0.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;

    friend bool operator==(const Color&, const Color&) = default;

    // Components from 0-255: below 0 counts as 0, above 255 as 255; alpha is taken as given.
    static Color rgb255(int red, int green, int blue, double alpha = 1.0);
    static Color white(double white, double alpha = 1.0) { return {white, white, white, alpha}; }
    static Color black() { return {0, 0, 0, 1}; }
    static Color clear() { return {0, 0, 0, 0}; }
    // The platform's text colour in the light appearance.
    static Color label() { return black(); }

    Color withAlpha(double newAlpha) const { return {red, green, blue, newAlpha}; }
    bool isClear() const { return alpha <= 0; }
};

} // namespace ui
