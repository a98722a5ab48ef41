// Find and replace window.
#include "tools/FindReplace.h"

#include "core/Program.h"

FindReplace::FindReplace(Program& p) : forms::Form(p.runtime(), "findreplace"), program(p) {
    setCaption(u"Find : Tolva");
}
