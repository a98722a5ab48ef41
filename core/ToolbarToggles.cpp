#include "core/ToolbarToggles.h"

#include "forms/Controls.h"
#include "forms/TextBox.h"

ToolbarToggles::ToolbarToggles(std::vector<forms::Control*> groups, forms::MenuItem& hider,
                               forms::TextBox& buffer, forms::TextBox& helpLine)
    : groups_(std::move(groups)), hider_(hider), buffer_(buffer), helpLine_(helpLine) {}

void ToolbarToggles::pictinformation_Click() {
    bool show = !groups_.front()->visible();
    for (forms::Control* c : groups_)
        c->setVisible(show);
    hider_.setCaption(hider_.caption() == u"Hide" ? u"Show" : u"Hide");
}

namespace {
forms::Color swapped(forms::Color c) {
    return c == forms::vbWindowBackground ? forms::vbWindowFrame : forms::vbWindowBackground;
}
} // namespace

void ToolbarToggles::pictcontrast_Click() {
    for (forms::TextBox* box : {&buffer_, &helpLine_}) {
        box->setBackColor(swapped(box->backColor()));
        box->setForeColor(swapped(box->foreColor()));
    }
}
