// Every window of the program, one line each. A new window is a model class, its view in
// qt/, and a line here. The program destroys them in this order: the dialogs first, as
// they may refer to the main window while they go.
#pragma once

#include <memory>
#include <tuple>

class FindReplace;
class LinkComplete;
class Imager;
class Objecter;
class TempClip;
class Bookeeper;
class PageProps;
class About;
class Splash;
class Tolva;

namespace windows {

template <class... W> struct List { using Slots = std::tuple<std::unique_ptr<W>...>; };

// clang-format off
using All = List<
    FindReplace,
    LinkComplete,
    Imager,
    Objecter,
    TempClip,
    Bookeeper,
    PageProps,
    About,
    Splash,
    Tolva>;
// clang-format on

// Calls f.template operator()<W>() for every window, in the order above.
template <class F, class... W> void forEach(List<W...>, F&& f) {
    (f.template operator()<W>(), ...);
}
template <class F> void forEach(F&& f) {
    forEach(All{}, std::forward<F>(f));
}

} // namespace windows
