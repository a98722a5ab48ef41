// A window of the model: caption, visibility, size, its controls and its menu bar.
#pragma once

#include "forms/Control.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

class Runtime;
class MenuItem;

class Form {
public:
    Form(Runtime& runtime, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& runtime() const { return runtime_; }
    const std::string& name() const { return name_; }

    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    bool visible() const { return visible_; }
    // Shows the window, or brings it to the front when it is already shown.
    void show();
    // Shows the window, or brings it to the front, leaving the keyboard with the window
    // the user is typing into.
    void bringForward();
    void hide();
    // Asks the program to unload this window (a no-op for windows it does not unload).
    void unload();
    // Whether the window is the one the user is working in; set by the front end.
    bool active() const { return active_; }
    // Raises Activate when the window becomes active, Deactivate when it stops being.
    void setActive(bool on);
    int height() const { return height_; }
    void setHeight(int twips);
    int width() const { return width_; }
    void setWidth(int twips);

    // Controls register themselves here, in construction order.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name, int index = -1) const;
    // Lists a control owned elsewhere as one of this window's (the page's buffer in the main
    // window). The control must outlive the window.
    void adopt(Control& c) { controls_.push_back(&c); }
    // Top-level menu items, in order.
    std::vector<MenuItem*> menuBar;

    // Form_Load runs when the program creates the window; QueryUnload may set cancel.
    Handler Load;
    std::function<void(bool& cancel)> QueryUnload;
    Handler Activate;
    Handler Deactivate;
    Handler Click;
    Handler MouseMove;
    std::function<void(int& keyAscii)> KeyPress;

    // The user's close box: runs QueryUnload and unloads unless cancelled.
    void userClose();
    // Set by the program that owns the window: destroys it (defaults come back at the
    // next load). Without it, unloading only hides.
    Handler unloader;

    // Front: shown or brought to the front by bringForward, not activated.
    enum class Change { Caption, Visible, Raise, Front, Geometry };
    using Listener = std::function<void(Change)>;
    // The listening lasts as long as the returned subscription.
    Subscription listen(Listener l) { return listeners_.add(std::move(l)); }

private:
    friend class Control;
    void add(Control* c) { controls_.push_back(c); }
    void remove(Control* c);
    void notify(Change c);

    Runtime& runtime_;
    std::string name_;
    String caption_;
    bool visible_ = false;
    bool active_ = false;
    int height_ = 0;
    int width_ = 0;
    std::vector<Control*> controls_;
    Listeners<Change> listeners_;
};

} // namespace forms
