#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace uitest {

// Compares a rendering with the stored image of that name within a small tolerance (anti-aliasing
// and font rasterisation may differ slightly between machines). TOLVANE_UPDATE_GOLDEN=1 stores the
// rendering instead. A mismatch leaves the rendering beside the test binary for a look.
::testing::AssertionResult matchesGolden(const QImage& actual, const std::string& name);

} // namespace uitest
