#include "ui/ViewController.h"

#include "ui/View.h"

namespace ui {

ViewController::ViewController() = default;

ViewController::~ViewController()
{
    if (view_ && view_->controller_ == this)
        view_->controller_ = nullptr;
}

View& ViewController::view()
{
    return *viewPointer();
}

std::shared_ptr<View> ViewController::viewPointer()
{
    if (!view_) {
        loadView();
        if (!view_)
            setView(std::make_shared<View>());
        viewDidLoad();
    }
    return view_;
}

void ViewController::setView(std::shared_ptr<View> view)
{
    if (view_ && view_->controller_ == this)
        view_->controller_ = nullptr;
    view_ = std::move(view);
    if (view_)
        view_->controller_ = this;
}

void ViewController::loadView()
{
    setView(std::make_shared<View>());
}

Responder* ViewController::nextResponder() const
{
    return view_ ? view_->superview() : nullptr;
}

} // namespace ui
