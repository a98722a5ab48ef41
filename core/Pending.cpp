// Commands whose windows are not built yet: they do nothing until then.
#include "core/Tolva.h"

void Tolva::preview_Click() {}
void Tolva::pictinformation_Click() {}
void Tolva::mnuhider_Click() {}
void Tolva::pictcontrast_Click() {}
void Tolva::picthelpfile_Click() {}
void Tolva::helpa_Click() {}
void Tolva::BeginFont_Click() {}
void Tolva::rule_Click() {}
void Tolva::Bullet_Click() {}
void Tolva::numberings_Click() {}
void Tolva::linker_Click() {}
void Tolva::Mail_Click() {}
void Tolva::mnubookmark_Click() {}
void Tolva::mnubookmarks_Click() {}
void Tolva::Images_Click() {}
void Tolva::Table_Click() {}
void Tolva::Row_Click() {}
void Tolva::object_Click() {}
void Tolva::mnuautocorrect_Click() {}
void Tolva::mnuassistant_Click() {}
void Tolva::mnutruecorrect_Click() {}
void Tolva::mnutevcmd_Click() {}
void Tolva::tevcmd_Change() {}
void Tolva::mnupageproperties_Click() {}
