#pragma once

#include "ui/Responder.h"

#include <memory>

namespace ui {

class View;

// Owns one screen's root view, made on first use.
class ViewController : public Responder, public std::enable_shared_from_this<ViewController> {
public:
    ViewController();
    ~ViewController() override;
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The root view, loaded (loadView, then viewDidLoad) on first use.
    View& view();
    std::shared_ptr<View> viewPointer();
    bool isViewLoaded() const { return view_ != nullptr; }
    // Replaces the root view; the new one is laid out as this controller's view.
    void setView(std::shared_ptr<View> view);

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}

    Responder* nextResponder() const override;

private:
    std::shared_ptr<View> view_;
};

} // namespace ui
