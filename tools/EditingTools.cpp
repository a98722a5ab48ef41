// Editing tools of the main window.
#include "core/Tolva.h"

void Tolva::mnusmartselect_Click() {}
void Tolva::mnuautodel_Click() {}
void Tolva::mnucrestore1_Click() {}
void Tolva::mnucrestore2_Click() {}
void Tolva::mnucrestore3_Click() {}
void Tolva::mnurrestore1_Click() {}
void Tolva::mnurrestore2_Click() {}
void Tolva::mnurrestore3_Click() {}
void Tolva::mnucopy_Click() {}
void Tolva::mnucut_Click() {}
void Tolva::mnupaste_Click() {}
void Tolva::mnuselectall_Click() {}
void Tolva::mnuslowpaste_Click() {}
void Tolva::mnucopytotemp_Click() {}
void Tolva::mnupastetmp_Click() {}
void Tolva::mnutmprem_Click() {}
void Tolva::mnucleartemp_Click() {}
void Tolva::mnuMaster_Click() {}
void Tolva::mastertmpclip_Click() {}
void Tolva::tmpcmb_Click() {}
void Tolva::tmpcmb_OLEDragDrop() {}
void Tolva::mnuLcase_Click() {}
void Tolva::mnuUcase_Click() {}
void Tolva::mnuIcase_Click() {}
void Tolva::mnutitlecase_Click() {}
void Tolva::mnusentencecase_Click() {}
void Tolva::mnufind_Click() {}
void Tolva::mnufindnext_Click() {}
void Tolva::mnuReplace_Click() {}
void Tolva::selectfound() {}
