// Registry: loading on first reference, unloading, and teardown in reverse load order.
#include "forms/Registry.h"

#include "forms/Runtime.h"

#include <algorithm>

namespace forms {

Registry::~Registry() {
    tearDown();
}

void Registry::tearDown() {
    // One at a time from the back: a window going away may still look up those loaded
    // before it.
    while (!slots_.empty()) {
        std::unique_ptr<Form> last = std::move(slots_.back().form);
        slots_.pop_back();
        last.reset();
    }
}

Form* Registry::find(std::type_index type) const {
    for (const Slot& s : slots_)
        if (s.type == type) return s.form.get();
    return nullptr;
}

Form& Registry::add(std::type_index type, std::unique_ptr<Form> form) {
    Form* w = form.get();
    uint64_t serial = ++serial_;
    slots_.push_back({type, std::move(form), serial});
    w->unloader = [this, w, serial] {
        w->hide();
        // The window may be unloading from inside one of its own handlers.
        runtime_.defer([this, serial] { drop(serial); });
    };
    if (formLoaded) formLoaded(*w);
    if (w->Load) w->Load();
    return *w;
}

void Registry::drop(uint64_t serial) {
    auto it = std::find_if(slots_.begin(), slots_.end(),
                           [serial](const Slot& s) { return s.serial == serial; });
    // Already gone: unloaded twice before the deferred step ran, or torn down.
    if (it == slots_.end()) return;
    if (formUnloading) formUnloading(*it->form);
    std::unique_ptr<Form> going = std::move(it->form);
    slots_.erase(it);
}

} // namespace forms
