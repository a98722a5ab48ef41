// The main window `tolva`: the document buffer, its status fields, the button groups, the
// menu bar and the parts that own a subject of their own (fonts, command box, assistant).
// Commands run by name through commands::run; the methods here are the window's own.
#pragma once

#include "assistant/TypingAssistant.h"
#include "commands/CommandBox.h"
#include "commands/FontGroup.h"
#include "core/DiskWatch.h"
#include "core/PageFile.h"
#include "core/Texts.h"
#include "core/ToolbarToggles.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class Program;

class Tolva : public forms::Form {
public:
    explicit Tolva(Program& program);
    ~Tolva() override;

    Program& program;

    // --- document buffer and status (core/Tolva.cpp) -----------------------------------
    forms::TextBox Text1{*this, "Text1"};
    forms::TextBox attempt{*this, "attempt"};
    forms::Label Label1[2]{{*this, "Label1", 0}, {*this, "Label1", 1}};
    forms::Label nooflines[2]{{*this, "nooflines", 0}, {*this, "nooflines", 1}};
    forms::TextBox helper{*this, "helper"};
    forms::ComboBox tmpcmb{*this, "tmpcmb"};
    forms::Button mastertmpclip{*this, "mastertmpclip"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Timer Timer1{*this, "Timer1", 5000, false};
    forms::Timer Timer3{*this, "Timer3", 1000, true};
    forms::CommonDialog CommonDialog1{*this};

    // Toolbar pictures at the foot of the window.
    forms::Button pictnew{*this, "pictnew"}, pictopen{*this, "pictopen"},
        pictsave{*this, "pictsave"}, pictsaveas{*this, "pictsaveas"}, pictprev{*this, "pictprev"},
        pictrest{*this, "pictrest"}, picturest{*this, "picturest"},
        pictrefresh{*this, "pictrefresh"}, pictinformation{*this, "pictinformation"},
        pictcontrast{*this, "pictcontrast"}, picthelpfile{*this, "picthelpfile"};

    // The file name of the page; assigning a different one raises saveme_Change.
    const forms::String& saveme() const { return saveme_; }
    void setSaveme(forms::StringView path);
    forms::String star;
    int32_t lineCount = 1;
    forms::String varfinder = u"0";

    // Window-level variables set by the page-state initialisation.
    bool firstPreview = true;
    // Name counters of the numbered form controls (wider than the classic 16 bits).
    int32_t buttonNo = 1, checkboxNo = 1, radioNo = 1, textboxNo = 1, passNo = 1, submitNo = 1,
            resetNo = 1, browseNo = 1, formNo = 1, pulldownNo = 1, selectorNo = 1, areaNo = 1,
            fileNo = 1;
    // Restore point slots 1 to 3 (index 0 unused).
    std::array<forms::String, 4> restorePoint;

    // --- menu bar (core/Menu.cpp) ------------------------------------------------------
private:
    // Built from the menu table before the named references below.
    std::vector<std::unique_ptr<forms::MenuItem>> menuItems_{buildMenu(*this)};

public:
    forms::MenuItem& menu(std::string_view name) const;
    forms::MenuItem& preview{menu("preview")};
    forms::MenuItem& mnuautosave{menu("mnuautosave")};
    forms::MenuItem& mnuautocorrect{menu("mnuautocorrect")};
    forms::MenuItem& mnuassistant{menu("mnuassistant")};
    forms::MenuItem& mnuhider{menu("mnuhider")};
    forms::MenuItem& mnuslowpaste{menu("mnuslowpaste")};
    forms::MenuItem& mnualphasort{menu("mnualphasort")};

    // --- button groups (commands/Panel.cpp lays them out and wires them) ---------------
    forms::Frame General{*this, "General"}, misc{*this, "misc"}, tabular{*this, "tabular"},
        align{*this, "align"}, former{*this, "former"}, extras{*this, "extras"},
        special{*this, "special"};
    // General
    forms::Button numberings{*this, "numberings"}, Bullet{*this, "Bullet"}, Points{*this, "Points"},
        linker{*this, "linker"}, Mail{*this, "Mail"}, Images{*this, "Images"}, rule{*this, "rule"},
        comment{*this, "comment"}, highlight{*this, "highlight"}, tt{*this, "tt"},
        music{*this, "music"}, object{*this, "object"}, KBD{*this, "KBD"}, P{*this, "P"},
        Pre{*this, "Pre"}, Subs{*this, "Subs"}, sup{*this, "sup"};
    // Forms
    forms::Button formesh{*this, "formesh"}, Textbox{*this, "Textbox"},
        passwords{*this, "passwords"}, textarea{*this, "textarea"}, buttoner{*this, "buttoner"},
        browse{*this, "browse"}, Checkbox{*this, "Checkbox"}, radios{*this, "radios"},
        resettor{*this, "resettor"}, Submitter{*this, "Submitter"}, selecter{*this, "selecter"},
        fieldset{*this, "fieldset"}, legend{*this, "legend"}, puller{*this, "puller"};
    // Table
    forms::Button Table{*this, "Table"}, Row{*this, "Row"}, Column{*this, "Column"},
        header{*this, "header"};
    // Extras
    forms::Button Strike{*this, "Strike"}, sound{*this, "sound"}, clipper{*this, "clipper"},
        quote{*this, "quote"}, code{*this, "code"}, big{*this, "big"}, small{*this, "small"},
        strong{*this, "strong"}, Abbr{*this, "Abbr"}, emphasis{*this, "emphasis"};
    // Misc
    forms::Button applet{*this, "applet"}, framz{*this, "framz"}, script{*this, "script"},
        style{*this, "style"}, address{*this, "address"}, fileupload{*this, "fileupload"},
        defn{*this, "defn"}, InsertHead{*this, "InsertHead"};
    forms::ComboBox headin{*this, "headin"};
    // Align
    forms::Button left{*this, "left"}, centre{*this, "centre"}, right{*this, "right"},
        justify{*this, "justify"};
    // Special
    forms::Button marquee{*this, "marquee"}, Blink{*this, "Blink"},
        quickformat{*this, "quickformat"}, specialcharacter{*this, "specialcharacter"};
    forms::ComboBox Combo3{*this, "Combo3"};
    // The mouse-action link: its combo and its picture.
    forms::ComboBox Combo4{*this, "Combo4"};
    forms::Button insert{*this, "insert"};

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
    commands::Runner runner();

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
    // The three-step caret and line display update.
    void positionUpdate();
    // "Character n" into both caret labels.
    void showCaret();
    // The page is marked as changed, as typing leaves it: the next save writes it.
    void markModified();
    // The status form of the caption.
    forms::String statusCaption() const;

    // --- page files (core/Files.cpp) ---------------------------------------------------
    void new_Click();
    void open_Click();
    void save_Click();
    void saveas_Click();
    // Reads the page at path into the buffer, as Open does after its dialog; on failure
    // tells the user, keeps the page as it is and returns false.
    bool openPage(const forms::String& path);
    // How the page's file was read; saving writes it back the same way.
    pagefile::Format pageFormat;
    // Writes the buffer to path; on failure tells the user and returns false.
    bool writePage(const forms::String& path);
    // Set while a save runs, its dialogs included: an autosave tick then does nothing.
    bool pageSaving = false;
    // Save, by hand or by the autosave timer (which never asks before writing over a file
    // another program changed, and leaves that question for the user).
    void savePage(bool automatic);
    // The page's file as another program leaves it.
    DiskWatch disk{runtime().platform().files};
    // Asks what a change to the page's file calls for, once the window is active and no
    // other question of the page's file is on screen.
    void askAboutDisk();
    bool diskAsking = false;

    // --- editing tools (assistant/, core/Restore.cpp, core/Clipboard.cpp, tools/) -------
    void mnusmartselect_Click();
    void mnuautodel_Click();
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
    void mnuLcase_Click();
    void mnuUcase_Click();
    void mnuIcase_Click();
    void mnutitlecase_Click();
    void mnusentencecase_Click();
    void mnufind_Click();
    void mnufindnext_Click();
    void mnuReplace_Click();
    void selectfound();

private:
    // Adds a snippet to the main list and to the master list, keeping them paired.
    void addSnippet(forms::StringView s);
    // Replaces the selection by its conversion and selects the result.
    void replaceSelection(const std::function<forms::String(forms::String)>& convert);
    void replaceSelectionPadded(const std::function<void(forms::String&)>& convert);
    // Characters F3 selects at its match.
    int32_t findNextLength_ = 0;

    static std::vector<std::unique_ptr<forms::MenuItem>> buildMenu(Tolva& w);
    void wireMenu();
    void wire();
    forms::String saveme_{Captions::untitled};
};
