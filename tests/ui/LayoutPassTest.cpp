#include "foundation/VirtualTime.h"
#include "ui/ViewController.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::Rect;

struct Journal {
    std::vector<std::string> lines;
};

class RecordingView : public ui::View {
public:
    RecordingView(Journal& journal, std::string name) : journal_(journal), name_(std::move(name)) {}
    void layoutSubviews() override { journal_.lines.push_back(name_ + ".layoutSubviews"); }

private:
    Journal& journal_;
    std::string name_;
};

class RecordingController : public ui::ViewController {
public:
    explicit RecordingController(Journal& journal) : journal_(journal) {}
    void loadView() override { setView(std::make_shared<RecordingView>(journal_, "root")); }
    void viewDidLoad() override { journal_.lines.push_back("viewDidLoad"); }
    void viewWillLayoutSubviews() override { journal_.lines.push_back("viewWillLayoutSubviews"); }
    void viewDidLayoutSubviews() override { journal_.lines.push_back("viewDidLayoutSubviews"); }

private:
    Journal& journal_;
};

TEST(LayoutPassTest, ControllerHearsOfItsRootViewsPassBeforeTheSubviewsAreLaidOut)
{
    Journal journal;
    auto controller = std::make_shared<RecordingController>(journal);
    auto child = std::make_shared<RecordingView>(journal, "child");
    controller->view().addSubview(child);

    controller->view().layoutIfNeeded();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"viewDidLoad", "viewWillLayoutSubviews", "root.layoutSubviews",
                                                       "viewDidLayoutSubviews", "child.layoutSubviews"}));

    journal.lines.clear();
    controller->view().layoutIfNeeded();
    EXPECT_TRUE(journal.lines.empty()) << "nothing changed, nothing is laid out again";

    child->setFrame({0, 0, 10, 10});
    controller->view().layoutIfNeeded();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"child.layoutSubviews"})) << "a resized view lays out itself only";

    journal.lines.clear();
    controller->view().setNeedsLayout();
    controller->view().layoutIfNeeded();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"viewWillLayoutSubviews", "root.layoutSubviews", "viewDidLayoutSubviews"}));
}

TEST(LayoutPassTest, WindowLaysOutOnTheNextTurnOfTheMainLoop)
{
    foundation::VirtualTime time;
    time.mainLoop();
    Journal journal;
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    int updates = 0;
    window->setUpdateHandler([&] { ++updates; });
    auto view = std::make_shared<RecordingView>(journal, "view");
    window->addSubview(view);
    EXPECT_TRUE(journal.lines.empty());

    time.runUntilIdle();
    EXPECT_EQ(journal.lines, (std::vector<std::string>{"view.layoutSubviews"}));
    EXPECT_EQ(updates, 1);

    view->setNeedsLayout();
    view->setNeedsDisplay();
    time.runUntilIdle();
    EXPECT_EQ(updates, 2) << "several changes in one turn make one update";
}

} // namespace
