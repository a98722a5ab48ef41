// Every window of the program: its header and its line in the list. A new window is a
// model class, its view in qt/views/, and these two lines. The program destroys the
// windows in list order: the dialogs first, as they may refer to the main window while
// they go.
#pragma once

#include "commands/Bookeeper.h"
#include "core/About.h"
#include "core/Splash.h"
#include "core/TempClip.h"
#include "core/Tolva.h"
#include "dialogs/BulNumCreater.h"
#include "dialogs/FontCombo.h"
#include "dialogs/Fonty.h"
#include "dialogs/FrmBrowser.h"
#include "dialogs/HRule.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/Objecter.h"
#include "dialogs/PageProps.h"
#include "dialogs/Rollover.h"
#include "dialogs/TableCreater.h"
#include "help/Helpme.h"
#include "tools/FindReplace.h"

#include <memory>
#include <tuple>

namespace windows {

template <class... W> struct List { using Slots = std::tuple<std::unique_ptr<W>...>; };

// clang-format off
using All = List<
    Helpme,
    FrmBrowser,
    TableCreater,
    HRule,
    BulNumCreater,
    FindReplace,
    Fonty,
    FontCombo,
    LinkComplete,
    Imager,
    Objecter,
    TempClip,
    Bookeeper,
    Rollover,
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
