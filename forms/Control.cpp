// Control base: registration with its form, common properties, focus.
#include "forms/Control.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

namespace forms {

Control::Control(Form& owner, std::string name, int index)
    : owner_(owner), name_(std::move(name)), index_(index) {
    owner_.add(this);
}

Control::~Control() {
    owner_.runtime().forget(this);
    owner_.remove(this);
}

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    notify(Prop::Enabled);
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    notify(Prop::Visible);
}

void Control::setToolTip(StringView tip) {
    toolTip_ = String(tip);
    notify(Prop::ToolTip);
}

void Control::setFocus() {
    owner_.runtime().setFocus(this);
    notify(Prop::Focus);
}

bool Control::hasFocus() const {
    return owner_.runtime().focus() == this;
}

void Control::notify(Prop p) {
    listeners_(p);
}

} // namespace forms
