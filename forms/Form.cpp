// Form: caption, visibility and the registry of its controls.
#include "forms/Form.h"

#include "forms/Runtime.h"

#include <algorithm>

namespace forms {

Form::Form(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(StringView c) {
    if (caption_ == c) return;
    caption_ = String(c);
    notify(Change::Caption);
}

void Form::show() {
    if (visible_) {
        notify(Change::Raise);
        return;
    }
    visible_ = true;
    notify(Change::Visible);
}

void Form::bringForward() {
    visible_ = true;
    notify(Change::Front);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(Change::Visible);
}

void Form::unload() {
    if (unloader)
        unloader();
    else
        hide();
}

void Form::setActive(bool on) {
    if (active_ == on) return;
    active_ = on;
    if (Handler& h = on ? Activate : Deactivate) h();
}

void Form::setHeight(int twips) {
    height_ = twips;
    notify(Change::Geometry);
}

void Form::setWidth(int twips) {
    width_ = twips;
    notify(Change::Geometry);
}

Control* Form::find(const std::string& name, int index) const {
    for (Control* c : controls_)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

void Form::userClose() {
    bool cancel = false;
    if (QueryUnload) QueryUnload(cancel);
    if (!cancel) unload();
}

void Form::remove(Control* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

void Form::notify(Change c) {
    listeners_(c);
}

} // namespace forms
