// Window loading and unloading, and the start of the program.
#include "core/Program.h"

#include "commands/Bookeeper.h"
#include "core/About.h"
#include "core/Splash.h"
#include "core/TempClip.h"
#include "core/Tolva.h"
#include "dialogs/PageProps.h"
#include "tools/FindReplace.h"

Program::Program(forms::Platform& platform) : runtime_(platform) {}

Program::~Program() {
    // Dialogs first: they may refer to the main window while they go.
    findreplace_.reset();
    tempclip_.reset();
    bookeeper_.reset();
    pageprops_.reset();
    about_.reset();
    splash_.reset();
    tolva_.reset();
}

template <class T> T& Program::load(std::unique_ptr<T>& slot) {
    if (!slot) {
        slot = std::make_unique<T>(*this);
        T* w = slot.get();
        w->unloader = [this, &slot, w] {
            w->hide();
            // The window may be unloading from inside one of its own handlers.
            runtime_.defer([this, &slot, w] {
                if (slot.get() != w) return;
                if (formUnloading) formUnloading(*w);
                slot.reset();
            });
        };
        if (formLoaded) formLoaded(*w);
        if (w->Load) w->Load();
    }
    return *slot;
}

void Program::start() {
    runtime_.invoke([this] { frmSplash().show(); });
}

Tolva& Program::tolva() {
    return load(tolva_);
}
Splash& Program::frmSplash() {
    return load(splash_);
}
About& Program::frmAbout() {
    return load(about_);
}
PageProps& Program::pageprops() {
    return load(pageprops_);
}
Bookeeper& Program::bookeeper() {
    return load(bookeeper_);
}
TempClip& Program::tempclip() {
    return load(tempclip_);
}
FindReplace& Program::findreplace() {
    return load(findreplace_);
}
