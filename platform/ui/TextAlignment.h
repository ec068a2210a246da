#pragma once

namespace ui {

enum class TextAlignment { left, center, right, justified, natural };

} // namespace ui
