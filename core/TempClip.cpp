// Master temporary clipboard window.
#include "core/TempClip.h"

#include "core/Program.h"

TempClip::TempClip(Program& p) : forms::Form(p.runtime(), "tempclip"), program(p) {
    setCaption(u"Master Temporary Clipboard: Tolva");
}
