// Window unloading at the end, and the start of the program.
#include "core/Program.h"

#include "commands/Bookeeper.h"
#include "core/About.h"
#include "core/Splash.h"
#include "core/TempClip.h"
#include "core/Tolva.h"
#include "dialogs/Imager.h"
#include "dialogs/LinkComplete.h"
#include "dialogs/Objecter.h"
#include "dialogs/PageProps.h"
#include "tools/FindReplace.h"

Program::Program(forms::Platform& platform) : runtime_(platform) {}

Program::~Program() {
    windows::forEach([this]<class W>() { std::get<std::unique_ptr<W>>(slots_).reset(); });
}

void Program::start() {
    runtime_.invoke([this] { window<Splash>().show(); });
}
