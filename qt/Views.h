// The one list of windows that have a view, by type. Read by the view manager (qt/Views.cpp)
// and by the test that loads every window.
#pragma once

#include "check/Problems.h"
#include "core/Splash.h"
#include "core/TempClip.h"
#include "core/Tolva.h"
#include "dialogs/Bookeeper.h"
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
#include "help/About.h"
#include "help/Helpme.h"
#include "tools/FindReplace.h"

namespace tolva::qt {

template <class... W> struct WindowList {};

// clang-format off
using ViewedWindows = WindowList<
    Tolva,
    Splash,
    About,
    Helpme,
    TempClip,
    FindReplace,
    FrmBrowser,
    Bookeeper,
    BulNumCreater,
    FontCombo,
    Fonty,
    HRule,
    Imager,
    LinkComplete,
    Objecter,
    PageProps,
    Rollover,
    TableCreater,
    Problems>;
// clang-format on

// Calls f.template operator()<W>() for every window of the list, in order.
template <class F, class... W> void forEachViewed(WindowList<W...>, F&& f) {
    (f.template operator()<W>(), ...);
}

} // namespace tolva::qt
