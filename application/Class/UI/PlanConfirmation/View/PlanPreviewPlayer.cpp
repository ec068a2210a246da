#include "Class/UI/PlanConfirmation/View/PlanPreviewPlayer.h"

#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/UI/Base/View/GifImage.h"

#include "foundation/Bundle.h"
#include "foundation/FatalError.h"
#include "ui/ImageView.h"

#include <QFile>

namespace tolvane::app {
namespace {

foundation::Bytes gifData(const std::string& name)
{
    const auto path = libraryBundle()->pathForResource(name, "gif");
    if (!path)
        return {};
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return {bytes.begin(), bytes.end()};
}

} // namespace

PlanPreviewPlayer::PlanPreviewPlayer(const ui::Rect& frame) : ui::View(frame) {}

IPlanConfirmationViewModel& PlanPreviewPlayer::model() const
{
    if (!viewModel)
        foundation::fatalError("A plan preview was used before the screen gave it its view model");
    return *viewModel;
}

void PlanPreviewPlayer::playAnimation(const std::string& name)
{
    const foundation::Bytes data = gifData(name);
    if (data.empty()) {
        clearAnimation();
        return;
    }
    GifImage::setGifImage(*animLayer, data);
    playingAnimation_ = animLayer->image() ? std::optional(name) : std::nullopt;
}

void PlanPreviewPlayer::clearAnimation()
{
    animLayer->setImage(std::nullopt);
    playingAnimation_.reset();
}

} // namespace tolvane::app
