// Window unloading at the end, and the start of the program.
#include "core/Program.h"

Program::Program(forms::Platform& platform) : runtime_(platform) {}

Program::~Program() {
    windows::forEach([this]<class W>() { std::get<std::unique_ptr<W>>(slots_).reset(); });
}

void Program::start() {
    runtime_.invoke([this] { window<Splash>().show(); });
}
