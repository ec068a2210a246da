#include "ui/Font.h"

#include "ui/GuiRuntime.h"

#include <QFontMetricsF>
#include <QStringList>

namespace ui {
namespace {

QFont::Weight qtWeight(FontWeight weight)
{
    switch (weight) {
    case FontWeight::ultraLight: return QFont::ExtraLight;
    case FontWeight::thin: return QFont::Thin;
    case FontWeight::light: return QFont::Light;
    case FontWeight::regular: return QFont::Normal;
    case FontWeight::medium: return QFont::Medium;
    case FontWeight::semibold: return QFont::DemiBold;
    case FontWeight::bold: return QFont::Bold;
    case FontWeight::heavy: return QFont::ExtraBold;
    case FontWeight::black: return QFont::Black;
    }
    return QFont::Normal;
}

} // namespace

Font Font::systemFont(double pointSize, FontWeight weight)
{
    return {pointSize, weight};
}

QFont Font::qfont() const
{
    GuiRuntime::ensure();
    QFont font;
    // Chinese texts take their glyphs from the one CJK font the install script brings.
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize_))));
    font.setWeight(qtWeight(weight_));
    font.setUnderline(underlined_);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

double Font::lineHeight() const
{
    return QFontMetricsF(qfont()).height();
}

double Font::widthOf(const std::string& text) const
{
    return QFontMetricsF(qfont()).horizontalAdvance(QString::fromStdString(text));
}

} // namespace ui
