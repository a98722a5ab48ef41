// Bookmark list window.
#include "commands/Bookeeper.h"

#include "core/Program.h"

Bookeeper::Bookeeper(Program& p) : forms::Form(p.runtime(), "bookeeper"), program(p) {
    setCaption(u"Bookmarks in this page");
    List2.setVisible(false);
}
