#include "foundation/VirtualTime.h"
#include "ui/Button.h"
#include "ui/GuiRuntime.h"
#include "ui/Window.h"
#include "ui/WindowHost.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

TEST(WindowHostTest, MouseBecomesTouchesAndTheFrameIsPhoneSized)
{
    ui::GuiRuntime::ensure();
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>();
    auto button = std::make_shared<ui::Button>(ui::Rect{100, 400, 190, 48});
    window->addSubview(button);
    int taps = 0;
    button->addTarget(ui::ControlEvent::touchUpInside, [&](ui::Control&) { ++taps; });
    ui::WindowHost host(window);
    EXPECT_EQ(host.size(), QSize(390, 844));

    const QPointF inside(150, 420);
    QMouseEvent press(QEvent::MouseButtonPress, inside, inside, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, inside, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &press);
    EXPECT_TRUE(button->isHighlighted());
    QCoreApplication::sendEvent(&host, &release);
    EXPECT_EQ(taps, 1);

    const QImage frame = host.renderFrame();
    EXPECT_EQ(frame.size(), QSize(390, 844) * host.devicePixelRatio());
    EXPECT_EQ(frame.pixelColor(0, 0).alpha(), 255) << "a transparent first picture shows nothing";
}

} // namespace
