// Splash window: eight timers step the progress display, then the main window shows.
#include "core/Splash.h"

#include "core/Tolva.h"
#include "page/Version.h"

namespace {

struct Step {
    int progress;
    const char16_t* loader;
    int productLetters; // letters of the title shown; -1 leaves the label alone
};

// One row per timer, in order.
constexpr Step kSteps[8] = {
    {2, u"Loading Tolva.....", -1},       {14, u"Setting buttons and shortcuts", 1},
    {29, u"Autocheck for corruption", 2}, {43, u"Initializing preview browser", 3},
    {61, u"Reading tag tables", 4},       {79, u"Loading default page", 5},
    {87, u"Please wait....", -1},         {99, u"Starting Tolva", -1},
};

} // namespace

Splash::Splash(Page& p) : forms::Form(p.runtime(), "frmSplash"), page(p) {
    Load = [this] { Form_Load(); };
    KeyPress = [this](int&) { Form_KeyPress(); };
    Frame1.Click = [this] { Frame1_Click(); };
    for (int k = 0; k < 8; ++k)
        timers[static_cast<size_t>(k)].Tick = [this, k] { Timer_Timer(k + 1); };
}

void Splash::Form_Load() {
    lblVersion.setCaption(versionText());
    lblProductName.setCaption(runtime().title);
}

void Splash::Timer_Timer(int k) {
    const Step& s = kSteps[k - 1];
    ProgressBar1.setValue(s.progress);
    loader.setCaption(s.loader);
    if (s.productLetters >= 0)
        lblProductName.setCaption(runtime().title.substr(0, static_cast<size_t>(s.productLetters)));
    if (k > 1) timers[static_cast<size_t>(k - 2)].setEnabled(false);
    if (k == 8) {
        timers[7].setEnabled(false);
        proceed();
    }
}

void Splash::Form_KeyPress() {
    proceed();
}
void Splash::Frame1_Click() {
    proceed();
}

void Splash::proceed() {
    for (auto& t : timers)
        t.setEnabled(false);
    unload();
    page.window<Tolva>().show();
    if (proceeded) proceeded();
}
