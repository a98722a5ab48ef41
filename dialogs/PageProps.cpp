// Page-properties window: caption and the hidden fields other windows read.
#include "dialogs/PageProps.h"

#include "core/Program.h"

PageProps::PageProps(Program& p) : forms::Form(p.runtime(), "pageprops"), program(p) {
    setCaption(u"Page Properties: Tolva");
    firsttime.setText(u"True");
    firsttime.setVisible(false);
    rolypoly.setMultiLine(true);
    rolypoly.setVisible(false);
}
