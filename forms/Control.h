// Base of every control of the window model: name, common properties, and the
// notifications that views listen to.
#pragma once

#include "forms/Text.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace forms {

class Form;

namespace detail {
struct ListenerSlots {
    virtual ~ListenerSlots() = default;
    virtual void drop(uint64_t id) = 0;
};
} // namespace detail

// One listening to a model object. It ends when the subscription is destroyed or reset,
// so a view that goes is never called again and leaves every other listener in place.
// Outliving the object listened to is harmless.
class [[nodiscard]] Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<detail::ListenerSlots> from, uint64_t id)
        : slots_(std::move(from)), id_(id) {}
    Subscription(Subscription&& o) noexcept
        : slots_(std::move(o.slots_)), id_(std::exchange(o.id_, 0)) {}
    Subscription& operator=(Subscription&& o) noexcept {
        if (this != &o) {
            reset();
            slots_ = std::move(o.slots_);
            id_ = std::exchange(o.id_, 0);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (auto s = slots_.lock()) s->drop(id_);
        slots_.reset();
        id_ = 0;
    }

private:
    std::weak_ptr<detail::ListenerSlots> slots_;
    uint64_t id_ = 0;
};

// The listeners of one model object. Listeners may subscribe, unsubscribe (themselves or
// others) and even destroy the object while being called.
template <class... Args> class Listeners {
public:
    using Fn = std::function<void(Args...)>;
    Listeners() = default;
    Listeners(const Listeners&) = delete;
    Listeners& operator=(const Listeners&) = delete;

    Subscription add(Fn f) {
        uint64_t id = impl_->next++;
        impl_->entries.push_back(std::make_shared<Entry>(Entry{id, std::move(f), true}));
        return Subscription(impl_, id);
    }
    void operator()(Args... args) const {
        std::shared_ptr<Impl> keep = impl_;
        ++keep->depth;
        // By index: a listener may add listeners (they hear the next notification too).
        for (size_t i = 0; i < keep->entries.size(); ++i) {
            std::shared_ptr<Entry> e = keep->entries[i];
            if (e->live) e->f(args...);
        }
        if (--keep->depth == 0) keep->sweep();
    }
    size_t size() const {
        size_t n = 0;
        for (const auto& e : impl_->entries)
            n += e->live ? 1 : 0;
        return n;
    }

private:
    struct Entry {
        uint64_t id;
        Fn f;
        bool live;
    };
    struct Impl : detail::ListenerSlots {
        std::vector<std::shared_ptr<Entry>> entries;
        uint64_t next = 1;
        int depth = 0;
        void drop(uint64_t id) override {
            for (auto& e : entries)
                if (e->id == id) e->live = false;
            if (depth == 0) sweep();
        }
        void sweep() {
            std::erase_if(entries, [](const std::shared_ptr<Entry>& e) { return !e->live; });
        }
    };
    std::shared_ptr<Impl> impl_ = std::make_shared<Impl>();
};

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

    // Views subscribe here; the model calls them after it changed a property. The
    // listening lasts as long as the returned subscription.
    using Listener = std::function<void(Prop)>;
    Subscription listen(Listener l) { return listeners_.add(std::move(l)); }

protected:
    void notify(Prop p);

private:
    Form& owner_;
    std::string name_;
    int index_;
    bool enabled_ = true;
    bool visible_ = true;
    String toolTip_;
    Listeners<Prop> listeners_;
};

} // namespace forms
