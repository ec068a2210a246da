// Renders every registered scene at 1x and 3x, checks that each is a real picture drawn without a
// logged fault, and ends with a contact sheet of the 1x pictures. Writes to TOLVANE_GALLERY_DIR, or
// to the build's screen-gallery folder.

#include "ContactSheet.h"
#include "GalleryScene.h"
#include "GalleryStage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace screen_gallery {
namespace {

std::string outputFolder()
{
    const char* chosen = std::getenv("TOLVANE_GALLERY_DIR");
    const std::string folder = chosen && *chosen ? chosen : TOLVANE_GALLERY_DEFAULT_DIR;
    QDir().mkpath(QString::fromStdString(folder));
    return folder;
}

// The contact sheet's columns: TOLVANE_GALLERY_SHEET_COLUMNS when it holds a number from 1 to 6,
// else 6. Fewer columns draw each picture larger.
int sheetColumns()
{
    const char* chosen = std::getenv("TOLVANE_GALLERY_SHEET_COLUMNS");
    const int columns = chosen ? std::atoi(chosen) : 0;
    return columns >= 1 && columns <= 6 ? columns : 6;
}

std::string sceneName(const GalleryScene& scene) { return scene.storyboard + "-" + scene.state; }

std::string picturePath(const GalleryScene& scene, int scale)
{
    return outputFolder() + "/" + sceneName(scene) + "@" + std::to_string(scale) + "x.png";
}

// Qt's warnings and errors while a scene is drawn: missing images, painter misuse, bad fonts.
std::vector<std::string>& faults()
{
    static std::vector<std::string> messages;
    return messages;
}

void recordFault(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        faults().push_back(message.toStdString());
}

bool isOneColour(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = pixels.pixel(0, 0);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            if (line[x] != first)
                return false;
    }
    return true;
}

} // namespace

// Names a failing scene in gtest's output instead of its bytes.
void PrintTo(const GalleryScene& scene, std::ostream* out) { *out << scene.storyboard << "-" << scene.state; }

namespace {

class ScreenGallery : public GalleryStage, public ::testing::WithParamInterface<GalleryScene> {
protected:
    ScreenGallery() { faults().clear(); }
};

TEST_P(ScreenGallery, SceneRendersAsARealPictureWithoutFaults)
{
    const GalleryScene& scene = GetParam();
    const QtMessageHandler previous = qInstallMessageHandler(recordFault);
    ASSERT_TRUE(show(scene.storyboard)) << "no storyboard " << scene.storyboard;
    if (scene.feed)
        scene.feed(*this);
    advance(scene.settleSeconds);
    for (const int scale : {1, 3}) {
        const QImage picture = draw(scale);
        ASSERT_EQ(picture.size(), QSize(390 * scale, 844 * scale));
        EXPECT_FALSE(isOneColour(picture)) << sceneName(scene) << " is empty at " << scale << "x";
        EXPECT_TRUE(picture.save(QString::fromStdString(picturePath(scene, scale))));
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(faults(), std::vector<std::string>{}) << sceneName(scene);
}

INSTANTIATE_TEST_SUITE_P(Registered, ScreenGallery, ::testing::ValuesIn(registeredScenes()),
                         [](const ::testing::TestParamInfo<GalleryScene>& info) {
                             std::string name = info.param.storyboard + "_" + info.param.state;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The storyboards the router can show are those the application registers; the others are pages
// of a flow and appear inside it.
class ScreenGalleryTable : public GalleryStage {};

TEST_F(ScreenGalleryTable, EveryStoryboardOfTheRouterHasAScene)
{
    QFile list(TOLVANE_STORYBOARD_LIST);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text));
    std::set<std::string> shown;
    for (const GalleryScene& scene : registeredScenes())
        shown.insert(scene.storyboard);
    QTextStream lines(&list);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const std::string storyboard = line.split(' ', Qt::SkipEmptyParts).last().toStdString();
        if (ui::StoryboardRegistry::shared().contains(storyboard)) {
            EXPECT_TRUE(shown.count(storyboard)) << storyboard << " has no row in the gallery's table";
        }
    }
}

// Qt's own run-time folder, so that choosing one is not reported as a fault; and at the end the
// contact sheet of whatever 1x pictures the run wrote, in the table's order.
class GalleryEnvironment final : public ::testing::Environment {
public:
    void SetUp() override { qputenv("XDG_RUNTIME_DIR", runtimeFolder_.path().toUtf8()); }

    void TearDown() override
    {
        std::vector<std::pair<std::string, QImage>> pictures;
        for (const GalleryScene& scene : registeredScenes()) {
            QImage picture(QString::fromStdString(picturePath(scene, 1)));
            if (!picture.isNull())
                pictures.emplace_back(sceneName(scene), picture);
        }
        contactSheet(pictures, sheetColumns()).save(QString::fromStdString(outputFolder() + "/contact-sheet.png"));
    }

private:
    QTemporaryDir runtimeFolder_;
};

[[maybe_unused]] ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new GalleryEnvironment);

} // namespace
} // namespace screen_gallery
