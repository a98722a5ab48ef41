#include "commands/CommandBox.h"

namespace {

const CommandBox::Code kCodes[] = {
    {u"tevbtn", "buttoner"}, {u"tevtxt", "Textbox"},   {u"tevsbm", "Submitter"},
    {u"tevres", "resettor"}, {u"tevtxa", "textarea"},  {u"tevpas", "passwords"},
    {u"tevchk", "Checkbox"}, {u"tevrad", "radios"},    {u"tevfil", "browse"},
    {u"tevpul", "puller"},   {u"tevlst", "selecter"},  {u"tevfld", "fieldset"},
    {u"tevleg", "legend"},   {u"tevfrm", "formesh"},   {u"tevbld", "bold"},
    {u"tevita", "italic"},   {u"tevund", "Underline"}, {u"tevtbl", "Table"},
    {u"tevrow", "Row"},      {u"tevsnd", "sound"},     {u"tevsup", "sup"},
    {u"tevsub", "Subs"},     {u"tevlnk", "linker"},    {u"tevnum", "numberings"},
    {u"tevbul", "Bullet"},   {u"tevfnt", "BeginFont"}, {u"tevbig", "big"},
    {u"tevsml", "small"},    {u"tevquo", "quote"},     {u"tevpar", "P"},
    {u"tevcmt", "comment"},  {u"tevstr", "Strike"},
};

} // namespace

CommandBox::CommandBox(forms::Form& window, CommandRunner run)
    : tevcmd(window, "tevcmd"), run_(std::move(run)) {
    // Exactly one code long, so a code that stays in the box takes no seventh character.
    tevcmd.setMaxLength(6);
    tevcmd.Change = [this] { tevcmd_Change(); };
}

std::span<const CommandBox::Code> CommandBox::codes() {
    return kCodes;
}

void CommandBox::tevcmd_Change() {
    // A command may change the box (a buffer edit empties it); later codes see that.
    for (const Code& c : kCodes)
        if (tevcmd.text() == c.code) run_(c.command);
}

void CommandBox::mnutevcmd_Click() {
    tevcmd.setText(u"");
    tevcmd.setFocus();
}
