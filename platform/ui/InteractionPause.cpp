#include "ui/InteractionPause.h"

namespace ui {
namespace {

int heldPauses = 0;

} // namespace

InteractionPause::Hold InteractionPause::begin()
{
    ++heldPauses;
    return Hold(nullptr, [](void*) { --heldPauses; });
}

bool InteractionPause::isActive()
{
    return heldPauses > 0;
}

} // namespace ui
