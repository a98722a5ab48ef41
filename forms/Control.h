// Base of every control of the window model: name, common properties, and the
// notifications that views listen to.
#pragma once

#include "forms/Text.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;

using Handler = std::function<void()>;

// What a view has to refresh after the model changed a control.
enum class Prop {
    Text,
    Selection,
    Caption,
    Enabled,
    Visible,
    ToolTip,
    Value,
    List,
    Font,
    Colors,
    Focus,
    Geometry,
};

// System colours are encoded as 0x80000000 + their index, as the classic toolkit did.
using Color = uint32_t;
inline constexpr Color systemColor(int index) {
    return 0x80000000u + static_cast<Color>(index);
}
inline constexpr Color vbWindowBackground = systemColor(5);
inline constexpr Color vbWindowFrame = systemColor(6);
inline constexpr Color vbHighlightText = systemColor(14);

class Control {
public:
    // index is -1 for a plain control, or the position in a control array ("Label1(1)").
    Control(Form& owner, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    Form& form() const { return owner_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    const String& toolTip() const { return toolTip_; }
    void setToolTip(StringView tip);

    // Gives this control the keyboard focus (the owning form keeps track of it).
    void setFocus();
    bool hasFocus() const;

    Handler MouseMove;
    Handler LostFocus;
    Handler GotFocus;

    // Views subscribe here; the model calls them after it changed a property.
    using Listener = std::function<void(Prop)>;
    void listen(Listener l) { listeners_.push_back(std::move(l)); }
    void clearListeners() { listeners_.clear(); }

protected:
    void notify(Prop p);

private:
    Form& owner_;
    std::string name_;
    int index_;
    bool enabled_ = true;
    bool visible_ = true;
    String toolTip_;
    std::vector<Listener> listeners_;
};

} // namespace forms
