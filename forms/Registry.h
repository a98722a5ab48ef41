// The loaded windows of a program, found by type: each is made on first reference, unloaded
// on request and torn down in reverse order of loading. It knows no window of the program.
#pragma once

#include "forms/Form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

namespace forms {

class Registry {
public:
    // Does not own the runtime, which outlives the registry.
    explicit Registry(Runtime& runtime) : runtime_(runtime) {}
    // Tears every window down, the last loaded first.
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // The window of type W, made by make() on first reference (its Load runs then).
    template <class W, class Make> W& load(Make&& make) {
        if (Form* f = find(typeid(W))) return static_cast<W&>(*f);
        return static_cast<W&>(add(typeid(W), std::forward<Make>(make)()));
    }
    // The loaded window of type W, or nullptr; never loads.
    template <class W> W* loaded() const { return static_cast<W*>(find(typeid(W))); }

    // Every window, the last loaded first; the registry is empty afterwards.
    void tearDown();

    // The front end makes a view for each window as it is loaded, and drops it before the
    // window goes away.
    std::function<void(Form&)> formLoaded;
    std::function<void(Form&)> formUnloading;

private:
    struct Slot {
        std::type_index type;
        std::unique_ptr<Form> form;
        uint64_t serial; // tells a window from a later one made at the same address
    };
    Form* find(std::type_index type) const;
    Form& add(std::type_index type, std::unique_ptr<Form> form);
    void drop(uint64_t serial);

    Runtime& runtime_;
    std::vector<Slot> slots_; // in load order
    uint64_t serial_ = 0;
};

} // namespace forms
