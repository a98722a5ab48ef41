// Finds a loaded window's view by the window's type, in the one list of windows with a view.
#include "qt/Views.h"

#include "qt/FormView.h"

#include <array>
#include <typeindex>

namespace tolva::qt {

namespace {

struct ViewEntry {
    std::type_index type;
    FormView* (*make)(forms::Form&, Program&);
};

template <class W> struct ViewRegistration {
    // Chosen only for a window whose dynamic type is W, so the cast is exact.
    static FormView* make(forms::Form& f, Program& p) { return makeView(static_cast<W&>(f), p); }
    static ViewEntry entry() { return {typeid(W), &make}; }
};

template <class... W> auto table(WindowList<W...>) {
    return std::array<ViewEntry, sizeof...(W)>{ViewRegistration<W>::entry()...};
}
const auto kViews = table(ViewedWindows{});

} // namespace

FormView* makeViewOf(forms::Form& window, Program& program) {
    std::type_index type = typeid(window);
    for (const ViewEntry& v : kViews)
        if (v.type == type) return v.make(window, program);
    return nullptr;
}

} // namespace tolva::qt
