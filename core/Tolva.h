// The main window `tolva`: the document buffer, its status fields, the menu bar and the
// handlers of every command. Handlers live in the files of their subject (core/,
// commands/, assistant/, tools/); this header gathers the window's controls.
#pragma once

#include "core/PageFile.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <array>
#include <cstdint>
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
    forms::TextBox tevcmd{*this, "tevcmd"};
    forms::ComboBox tmpcmb{*this, "tmpcmb"};
    forms::Button mastertmpclip{*this, "mastertmpclip"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::Timer Timer1{*this, "Timer1", 5000, false};
    forms::Timer Timer3{*this, "Timer3", 1000, true};
    forms::CommonDialog CommonDialog1{*this};

    // Toolbar pictures at the foot of the window.
    forms::Button pictnew{*this, "pictnew"};
    forms::Button pictopen{*this, "pictopen"};
    forms::Button pictsave{*this, "pictsave"};
    forms::Button pictsaveas{*this, "pictsaveas"};
    forms::Button pictprev{*this, "pictprev"};
    forms::Button pictrest{*this, "pictrest"};
    forms::Button picturest{*this, "picturest"};
    forms::Button pictrefresh{*this, "pictrefresh"};
    forms::Button pictinformation{*this, "pictinformation"};
    forms::Button pictcontrast{*this, "pictcontrast"};
    forms::Button picthelpfile{*this, "picthelpfile"};

    // The file name of the page; assigning a different one raises saveme_Change.
    const forms::String& saveme() const { return saveme_; }
    void setSaveme(forms::StringView path);
    forms::String star;
    int32_t lineCount = 1;
    forms::String varfinder = u"0";

    // Window-level variables set by the page-state initialisation.
    bool firstPreview = true;
    bool assistprompt = true;
    bool sizeIdle = true;
    bool faceIdle = true;
    bool colourIdle = true;
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

    // --- status, start-up, timers and shutdown (core/Tolva.cpp) ------------------------
    void Form_Load();
    void Form_Click();
    void Form_MouseMove();
    void Form_Unload(bool& cancel);
    void Text1_Change();
    void Text1_KeyDown();
    void Text1_KeyUp();
    void Text1_Click();
    void Text1_MouseMove();
    void saveme_Change();
    void RefreshLineCount();
    void Timer1_Timer();
    void Timer3_Timer();
    void mnuautosave_Click();
    void exit_Click();
    void about_Click();
    void pictnew_Click();
    void pictopen_Click();
    void pictsave_Click();
    void pictsaveas_Click();
    void pictprev_Click();
    void pictrest_Click();
    void picturest_Click();
    void pictrefresh_Click();
    // The three-step caret and line display update.
    void positionUpdate();
    // "Character n" into both caret labels.
    void showCaret();
    // The status form of the caption.
    forms::String statusCaption() const;

    // --- page files (core/Files.cpp) ---------------------------------------------------
    void new_Click();
    void open_Click();
    void save_Click();
    void saveas_Click();

    // --- tag commands, formatting helpers, help line (commands/) -----------------------
    // Controls of this section are laid out by commands/Panel.cpp and wired by
    // commands/TagCommands.cpp.
    void buildTagCommands();
    void bold_Click();
    void italic_Click();
    void Underline_Click();
    void sup_Click();
    void Subs_Click();
    void highlight_Click();
    void quickformat_Click();
    void mnuindent_Click();
    void mnutabby_Click();
    void mnurectbox_Click();
    void InsertLineBreak();
    void InsertWordBreak();
    void InsertNoBreak();
    void formesh_Click();
    void buttoner_Click();
    void Textbox_Click();
    void passwords_Click();
    void radios_Click();
    void Checkbox_Click();
    void Submitter_Click();
    void resettor_Click();
    void textarea_Click();
    void puller_Click();
    void legend_Click();
    void fieldset_Click();
    void selecter_Click();
    void sound_Click();
    void music_Click();
    void clipper_Click();
    void comment_Click();
    void defn_Click();
    void P_Click();
    void Column_Click();
    void header_Click();
    void Strike_Click();
    void Abbr_Click();
    void big_Click();
    void small_Click();
    void marquee_Click();
    void Blink_Click();
    // @@tag-commands-members@@ (more controls and handlers of this section go below)
    // Frames of the button groups. Which control sits in which frame, and its caption,
    // is the panel table (commands/Panel.h).
    forms::Frame General{*this, "General"}, misc{*this, "misc"}, tabular{*this, "tabular"},
        fonter{*this, "fonter"}, align{*this, "align"}, former{*this, "former"},
        extras{*this, "extras"}, special{*this, "special"};
    // General
    forms::Button numberings{*this, "numberings"}, Bullet{*this, "Bullet"}, Points{*this, "Points"},
        linker{*this, "linker"}, Mail{*this, "Mail"}, Images{*this, "Images"}, rule{*this, "rule"},
        comment{*this, "comment"}, highlight{*this, "highlight"}, tt{*this, "tt"},
        music{*this, "music"}, object{*this, "object"}, KBD{*this, "KBD"}, P{*this, "P"},
        Pre{*this, "Pre"}, Subs{*this, "Subs"}, sup{*this, "sup"};
    // Fonts
    forms::Button BeginFont{*this, "BeginFont"}, bold{*this, "bold"}, italic{*this, "italic"},
        Underline{*this, "Underline"};
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

    void address_Click();
    void centre_Click();
    void code_Click();
    void emphasis_Click();
    void justify_Click();
    void KBD_Click();
    void left_Click();
    void right_Click();
    void Pre_Click();
    void quote_Click();
    void strong_Click();
    void tt_Click();
    void framz_Click();
    void Points_Click();
    void applet_Click();
    void style_Click();
    void script_Click();
    void fileupload_Click();
    void browse_Click();
    void InsertHead_Click();
    void insert_Click();
    void specialcharacter_Click();
    void Combo3_Click();

    // How the page's file was read; saving writes it back the same way.
    pagefile::Format pageFormat;
    // Writes the buffer to path; on failure tells the user and returns false.
    bool writePage(const forms::String& path);
    // Set while a save runs, its dialogs included: an autosave tick then does nothing.
    bool pageSaving = false;

    // --- editing tools: smart select, auto delete, restore points, clipboards, case,
    //     find (assistant/, core/Restore.cpp, core/Clipboard.cpp, tools/) ---------------
    void mnusmartselect_Click();
    void mnuautodel_Click();
    void mnucrestore1_Click();
    void mnucrestore2_Click();
    void mnucrestore3_Click();
    void mnurrestore1_Click();
    void mnurrestore2_Click();
    void mnurrestore3_Click();
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
    void mastertmpclip_Click();
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
    // @@editing-tools-members@@ (more members of this section go below)
private:
    void createRestore(int n);
    void useRestore(int n);
    // Adds a snippet to the main list and to the master list, keeping them paired.
    void addSnippet(forms::StringView s);
    // Replaces the selection by its conversion and selects the result.
    void replaceSelection(const std::function<forms::String(forms::String)>& convert);
    void replaceSelectionPadded(const std::function<void(forms::String&)>& convert);
    // Characters F3 selects at its match.
    int32_t findNextLength = 0;

public:
    // --- commands whose windows arrive later (core/Pending.cpp) ------------------------
    void preview_Click();
    void pictinformation_Click();
    void mnuhider_Click();
    void pictcontrast_Click();
    void picthelpfile_Click();
    void helpa_Click();
    void BeginFont_Click();
    void rule_Click();
    void Bullet_Click();
    void numberings_Click();
    void linker_Click();
    void Mail_Click();
    void mnubookmark_Click();
    void mnubookmarks_Click();
    void Images_Click();
    void Table_Click();
    void Row_Click();
    void object_Click();
    void mnuautocorrect_Click();
    void mnuassistant_Click();
    void mnutruecorrect_Click();
    void mnutevcmd_Click();
    void tevcmd_Change();
    void mnupageproperties_Click();

private:
    static std::vector<std::unique_ptr<forms::MenuItem>> buildMenu(Tolva& w);
    void wireMenu();
    void wire();
    forms::String saveme_ = u"Untitled";
};
