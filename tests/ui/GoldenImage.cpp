#include "GoldenImage.h"

#include <cmath>
#include <cstdlib>

namespace uitest {

::testing::AssertionResult matchesGolden(const QImage& rendered, const std::string& name)
{
    const QString path = QString::fromStdString(std::string(TOLVANE_GOLDEN_DIR) + "/" + name + ".png");
    const QImage actual = rendered.convertToFormat(QImage::Format_ARGB32);
    if (const char* update = std::getenv("TOLVANE_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        actual.save(path, "PNG");
        return ::testing::AssertionSuccess() << "stored " << path.toStdString();
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_ARGB32);
    const QString keptAs = QString::fromStdString(name + ".actual.png");
    if (expected.isNull()) {
        actual.save(keptAs, "PNG");
        return ::testing::AssertionFailure() << "no stored image " << path.toStdString();
    }
    if (expected.size() != actual.size()) {
        actual.save(keptAs, "PNG");
        return ::testing::AssertionFailure() << "size " << actual.width() << "x" << actual.height() << " differs from the stored "
                                             << expected.width() << "x" << expected.height();
    }
    // Tolerance for anti-aliasing and font rasterisation only: a few edge pixels may differ, but a
    // faint change over an area (a shadow at half its opacity) is more pixels than that.
    long long visiblyDifferent = 0;
    double total = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int diff = std::max({std::abs(qRed(a[x]) - qRed(e[x])), std::abs(qGreen(a[x]) - qGreen(e[x])),
                                       std::abs(qBlue(a[x]) - qBlue(e[x])), std::abs(qAlpha(a[x]) - qAlpha(e[x]))});
            total += diff;
            if (diff > 6)
                ++visiblyDifferent;
        }
    }
    const double pixels = static_cast<double>(actual.width()) * actual.height();
    const double mean = total / pixels;
    if (static_cast<double>(visiblyDifferent) > pixels * 0.0005 || mean > 0.2) {
        actual.save(keptAs, "PNG");
        return ::testing::AssertionFailure() << visiblyDifferent << " pixels differ, mean difference " << mean
                                             << "; rendering kept as " << keptAs.toStdString();
    }
    return ::testing::AssertionSuccess();
}

} // namespace uitest
