#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/UI/Base/View/GifImage.h"

#include "ui/ImageSource.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using tolvane::app::GifImage;

foundation::Bytes compiledIn(const std::string& name)
{
    const auto path = tolvane::app::libraryBundle()->pathForResource(name, "gif");
    if (!path)
        return {};
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

// The animations drawn at build time, read back as the screens read them.
TEST(GifAnimationsTest, EachCompiledInAnimationDecodesToItsFramesAndDelays)
{
    struct Case {
        const char* name;
        QSize size;
        std::vector<long> delaysMs;
    };
    const std::vector<long> planPreviewDelays{400, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 800};
    const Case cases[] = {
        {"BT_icon_spec", {720, 432}, {400, 400, 400, 800}},
        {"anim_into_left_parallel", {240, 288}, planPreviewDelays},
        {"anim_into_right_parallel", {240, 288}, planPreviewDelays},
        {"anim_back_to_left_parallel", {240, 288}, planPreviewDelays},
        {"anim_back_to_right_parallel", {240, 288}, planPreviewDelays},
        {"anim_back_to_left_vertical", {240, 288}, planPreviewDelays},
        {"anim_back_to_right_vertical", {240, 288}, planPreviewDelays},
        {"anim_front_parallel", {240, 288}, planPreviewDelays},
        {"anim_back_parallel", {240, 288}, planPreviewDelays},
        {"anim_front_vertical", {240, 288}, planPreviewDelays},
        {"anim_back_vertical", {240, 288}, planPreviewDelays},
        {"anim_left_front_parallel", {240, 288}, planPreviewDelays},
        {"anim_right_front_parallel", {240, 288}, planPreviewDelays},
        {"anim_left_back_parallel", {240, 288}, planPreviewDelays},
        {"anim_right_back_parallel", {240, 288}, planPreviewDelays},
        {"anim_left_front_vertical", {240, 288}, planPreviewDelays},
        {"anim_right_front_vertical", {240, 288}, planPreviewDelays},
    };
    for (const Case& c : cases) {
        const foundation::Bytes data = compiledIn(c.name);
        ASSERT_FALSE(data.empty()) << c.name << ".gif is not in the bundle";
        const auto source = ui::ImageSource::create(data);
        ASSERT_TRUE(source) << c.name;
        ASSERT_EQ(source->count(), c.delaysMs.size()) << c.name;
        EXPECT_EQ(GifImage::frameDelays(data), c.delaysMs) << c.name;
        std::optional<QImage> previous;
        for (size_t i = 0; i < source->count(); ++i) {
            const auto frame = source->image(i);
            ASSERT_TRUE(frame) << c.name << " frame " << i;
            EXPECT_EQ(frame->size(), c.size) << c.name << " frame " << i;
            if (previous) {
                EXPECT_NE(*frame, *previous) << c.name << " frame " << i << " does not move";
            }
            previous = frame;
        }
    }
}

} // namespace
