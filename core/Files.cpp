// Page files: new, open, save and save as.
#include "core/Tolva.h"

void Tolva::new_Click() {}
void Tolva::open_Click() {}
void Tolva::save_Click() {}
void Tolva::saveas_Click() {}
