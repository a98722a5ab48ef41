// The main window `tolva`: shows the page's buffer with its status fields, the button
// groups, the menu bar and the parts that own a subject of their own (fonts, command box,
// assistant). Commands run through commands::run; the methods here are the window's own.
#pragma once

#include "assistant/TypingAssistant.h"
#include "commands/CommandBox.h"
#include "commands/Controls.h"
#include "core/ToolbarToggles.h"
#include "dialogs/FontGroup.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "page/Page.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Tolva : public forms::Form {
public:
    explicit Tolva(Page& page);
    ~Tolva() override;

    using Id = commands::Id;
    // A control's name, from its row.
    static std::string named(Id id) { return std::string(commands::name(id)); }

    Page& page;

    // --- the page's buffer, shown here, and the status (core/Tolva.cpp) ----------------
    forms::TextBox& Text1;
    forms::Label Label1[2]{{*this, "Label1", 0}, {*this, "Label1", 1}};
    forms::Label nooflines[2]{{*this, "nooflines", 0}, {*this, "nooflines", 1}};
    forms::TextBox helper{*this, "helper"};
    forms::ComboBox tmpcmb{*this, "tmpcmb"};
    forms::Button mastertmpclip{*this, named(Id::mastertmpclip)};
    forms::Frame Frame1{*this, named(Id::Frame1)};
    forms::Timer Timer1{*this, "Timer1", 5000, false};
    forms::Timer Timer3{*this, "Timer3", 1000, true};
    forms::CommonDialog& CommonDialog1;

    // Toolbar pictures at the foot of the window.
    forms::Button pictnew{*this, named(Id::pictnew)}, pictopen{*this, named(Id::pictopen)},
        pictsave{*this, named(Id::pictsave)}, pictsaveas{*this, named(Id::pictsaveas)},
        pictprev{*this, named(Id::pictprev)}, pictrest{*this, named(Id::pictrest)},
        picturest{*this, named(Id::picturest)}, pictrefresh{*this, named(Id::pictrefresh)},
        pictinformation{*this, named(Id::pictinformation)},
        pictcontrast{*this, named(Id::pictcontrast)}, picthelpfile{*this, named(Id::picthelpfile)};

    int32_t lineCount = 1;

    // --- menu bar (core/Menu.cpp) ------------------------------------------------------
private:
    // Built from the menu table before the named references below.
    std::vector<std::unique_ptr<forms::MenuItem>> menuItems_{buildMenu(*this)};

public:
    forms::MenuItem& menu(std::string_view name) const;
    forms::MenuItem& preview{menu(commands::name(Id::preview))};
    forms::MenuItem& mnuautosave{menu(commands::name(Id::mnuautosave))};
    forms::MenuItem& mnuautocorrect{menu(commands::name(Id::mnuautocorrect))};
    forms::MenuItem& mnuassistant{menu(commands::name(Id::mnuassistant))};
    forms::MenuItem& mnuhider{menu("mnuhider")};
    forms::MenuItem& mnuslowpaste{menu(commands::name(Id::mnuslowpaste))};
    forms::MenuItem& mnualphasort{menu("mnualphasort")};

    // --- button groups (commands/Panel.cpp lays them out and wires them) ---------------
    forms::Frame General{*this, "General"}, misc{*this, "misc"}, tabular{*this, "tabular"},
        align{*this, "align"}, former{*this, "former"}, extras{*this, "extras"},
        special{*this, "special"};
    // General
    forms::Button numberings{*this, named(Id::numberings)}, Bullet{*this, named(Id::Bullet)},
        Points{*this, named(Id::Points)}, linker{*this, named(Id::linker)},
        Mail{*this, named(Id::Mail)}, Images{*this, named(Id::Images)},
        rule{*this, named(Id::rule)}, comment{*this, named(Id::comment)},
        highlight{*this, named(Id::highlight)}, tt{*this, named(Id::tt)},
        music{*this, named(Id::music)}, object{*this, named(Id::object)},
        KBD{*this, named(Id::KBD)}, P{*this, named(Id::P)}, Pre{*this, named(Id::Pre)},
        Subs{*this, named(Id::Subs)}, sup{*this, named(Id::sup)};
    // Forms
    forms::Button formesh{*this, named(Id::formesh)}, Textbox{*this, named(Id::Textbox)},
        passwords{*this, named(Id::passwords)}, textarea{*this, named(Id::textarea)},
        buttoner{*this, named(Id::buttoner)}, browse{*this, named(Id::browse)},
        Checkbox{*this, named(Id::Checkbox)}, radios{*this, named(Id::radios)},
        resettor{*this, named(Id::resettor)}, Submitter{*this, named(Id::Submitter)},
        selecter{*this, named(Id::selecter)}, fieldset{*this, named(Id::fieldset)},
        legend{*this, named(Id::legend)}, puller{*this, named(Id::puller)};
    // Table
    forms::Button Table{*this, named(Id::Table)}, Row{*this, named(Id::Row)},
        Column{*this, named(Id::Column)}, header{*this, named(Id::header)};
    // Extras
    forms::Button Strike{*this, named(Id::Strike)}, sound{*this, named(Id::sound)},
        clipper{*this, named(Id::clipper)}, quote{*this, named(Id::quote)},
        code{*this, named(Id::code)}, big{*this, named(Id::big)}, small{*this, named(Id::small)},
        strong{*this, named(Id::strong)}, Abbr{*this, named(Id::Abbr)},
        emphasis{*this, named(Id::emphasis)};
    // Misc
    forms::Button applet{*this, named(Id::applet)}, framz{*this, named(Id::framz)},
        script{*this, named(Id::script)}, style{*this, named(Id::style)},
        address{*this, named(Id::address)}, fileupload{*this, named(Id::fileupload)},
        defn{*this, named(Id::defn)}, InsertHead{*this, named(Id::InsertHead)};
    forms::ComboBox headin{*this, named(Id::headin)};
    // Align
    forms::Button left{*this, named(Id::left)}, centre{*this, named(Id::centre)},
        right{*this, named(Id::right)}, justify{*this, named(Id::justify)};
    // Special
    forms::Button marquee{*this, named(Id::marquee)}, Blink{*this, named(Id::Blink)},
        quickformat{*this, named(Id::quickformat)},
        specialcharacter{*this, named(Id::specialcharacter)};
    forms::ComboBox Combo3{*this, named(Id::Combo3)};
    // The mouse-action link: its combo and its picture.
    forms::ComboBox Combo4{*this, named(Id::Combo4)};
    forms::Button insert{*this, named(Id::insert)};

    // --- parts -------------------------------------------------------------------------
    FontGroup fonts{*this, Text1};
    CommandBox commandBox{*this, runner()};
    TypingAssistant assistant{Text1, runtime(), runner(), mnuautocorrect, mnuassistant};
    ToolbarToggles toggles{{&General, &misc, &tabular, &fonts.fonter, &align, &former, &extras,
                            &special, &Combo4, &Combo3, &insert, &fonts.bold, &fonts.italic,
                            &fonts.Underline, &specialcharacter},
                           mnuhider,
                           Text1,
                           helper};
    // The command entry point handed to the parts.
    CommandRunner runner();

    // --- status, start-up, timers and shutdown (core/Tolva.cpp) ------------------------
    void Form_Load();
    void Form_Activate();
    void Form_Click();
    void Form_Unload(bool& cancel);
    void Text1_Change();
    void Text1_Click();
    void saveme_Change();
    void RefreshLineCount();
    void Timer1_Timer();
    void Timer3_Timer();
    void mnuautosave_Click();
    void exit_Click();
    void about_Click();
    // F1 and the help pictures.
    void helpa_Click();
    // The three-step caret and line display update.
    void positionUpdate();
    // "Character n" into both caret labels.
    void showCaret();
    // The page is marked as changed, as typing leaves it: the next save writes it.
    void markModified() { page.markModified(); }
    // The status form of the caption.
    forms::String statusCaption() const;

    // --- page files (core/Files.cpp) ---------------------------------------------------
    void new_Click();
    void open_Click();
    void save_Click();
    void saveas_Click();
    // Reads the page at path into the buffer and names the page after it, as Open does
    // after its dialog; on failure tells the user, keeps the page as it is and returns
    // false.
    bool openPage(const forms::String& path);
    // Save, by hand or by the autosave timer (which never asks before writing over a file
    // another program changed, and leaves that question for the user).
    void savePage(bool automatic);
    // Asks what a change to the page's file calls for, once the window is active and no
    // other question of the page's file is on screen.
    void askAboutDisk();

    // --- editing tools (core/Restore.cpp, core/Clipboard.cpp) --------------------------
    void createRestore(int n);
    void useRestore(int n);
    void mnucopy_Click();
    void mnucut_Click();
    void mnupaste_Click();
    void mnuselectall_Click();
    void mnuslowpaste_Click();
    void mnucopytotemp_Click();
    void mnupastetmp_Click();
    void mnutmprem_Click();
    void mnucleartemp_Click();
    void mnuMaster_Click();
    void tmpcmb_Click();
    void tmpcmb_OLEDragDrop();

private:
    // Adds a snippet to the main list and to the master list, keeping them paired.
    void addSnippet(forms::StringView s);

    static std::vector<std::unique_ptr<forms::MenuItem>> buildMenu(Tolva& w);
    void wireMenu();
    void wire();
    void pageEvent(Page::Event e, forms::StringView path);
    forms::Subscription pageEvents_;
};
