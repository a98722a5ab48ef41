#include "commands/CommandBox.h"

namespace {

using commands::Id;

const CommandBox::Code kCodes[] = {
    {u"tevbtn", Id::buttoner}, {u"tevtxt", Id::Textbox},   {u"tevsbm", Id::Submitter},
    {u"tevres", Id::resettor}, {u"tevtxa", Id::textarea},  {u"tevpas", Id::passwords},
    {u"tevchk", Id::Checkbox}, {u"tevrad", Id::radios},    {u"tevfil", Id::browse},
    {u"tevpul", Id::puller},   {u"tevlst", Id::selecter},  {u"tevfld", Id::fieldset},
    {u"tevleg", Id::legend},   {u"tevfrm", Id::formesh},   {u"tevbld", Id::bold},
    {u"tevita", Id::italic},   {u"tevund", Id::Underline}, {u"tevtbl", Id::Table},
    {u"tevrow", Id::Row},      {u"tevsnd", Id::sound},     {u"tevsup", Id::sup},
    {u"tevsub", Id::Subs},     {u"tevlnk", Id::linker},    {u"tevnum", Id::numberings},
    {u"tevbul", Id::Bullet},   {u"tevfnt", Id::BeginFont}, {u"tevbig", Id::big},
    {u"tevsml", Id::small},    {u"tevquo", Id::quote},     {u"tevpar", Id::P},
    {u"tevcmt", Id::comment},  {u"tevstr", Id::Strike},
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
        if (tevcmd.text() == c.code) run_(commands::name(c.command));
}

void CommandBox::mnutevcmd_Click() {
    tevcmd.setText(u"");
    tevcmd.setFocus();
}
