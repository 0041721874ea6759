#include "app/ui/terrafix_dlg.h"

#include "app/ui/program_icon.h"
#include "foundation/ui/placement.h"
#include "foundation/ui/text_fit.h"
#include "foundation/ui/wx_text.h"
#include "foundation/ui/wx_ui_hooks.h"

#include <algorithm>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace pf {

namespace {

// The most lines a base's statistics take: the heading, the description (three lines),
// the file figures (seven with their heading and blank line) and the loaded state (three).
constexpr int kStatisticsLines = 14;

} // namespace

CTerrafixDlg::CTerrafixDlg(wxWindow* parent) : ModalDialog(parent, "Padforge") {
    // Created in tab order: the list, the command buttons, the statistics, Exit.
    list_ = new wxListBox(this, ID_BASE_LIST, wxDefaultPosition, FromDIP(wxSize(260, 220)), 0,
                          nullptr, wxLB_SINGLE | wxLB_ALWAYS_SB);
    const struct {
        int id;
        const char* label;
    } commands[] = {
        {ID_EDIT_BASE, "Edit Base"},
        {ID_MAKE_NEW_BASE, "Make New Base"},
        {ID_DELETE_BASE, "Delete Base"},
        {ID_CONFIGURATION, "Padforge Configuration"},
        {ID_LOAD_FROM_ASTREL, "Load Base From Astrel"},
        {ID_HELP_BUTTON, "Padforge Help"},
    };
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (const auto& command : commands) {
        buttons->Add(new wxButton(this, command.id, command.label),
                     wxSizerFlags().Expand().Border(wxBOTTOM, 6));
    }
    // Read-only: typing there has no lasting effect.
    statistics_ = new wxTextCtrl(this, ID_STATISTICS, wxEmptyString, wxDefaultPosition,
                                 wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY);
    // Tall enough for every line of the statistics at the desktop's font; wider texts
    // widen it when they come (FitStatistics).
    statistics_->SetMinSize(wxSize(
        -1, MultiLineBoxSize(statistics_, wxString('\n', kStatisticsLines - 1)).GetHeight()));
    // Not the default button: Enter in the list opens the base and never ends the program.
    auto* exit = new wxButton(this, wxID_OK, "Exit");

    auto* upper = new wxBoxSizer(wxHORIZONTAL);
    upper->Add(list_, wxSizerFlags(1).Expand().Border(wxRIGHT, 10));
    upper->Add(buttons, wxSizerFlags());
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(upper, wxSizerFlags(1).Expand().Border(wxALL, 10));
    top->Add(statistics_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));
    top->Add(exit, wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    const wxIconBundle icons = ProgramIcons();
    if (!icons.IsEmpty()) {
        SetIcons(icons);
    }

    Bind(wxEVT_INIT_DIALOG, &CTerrafixDlg::OnInitDialog, this);
    Bind(wxEVT_CONTEXT_MENU, &CTerrafixDlg::OnContextMenu, this);
    Bind(wxEVT_BUTTON, &CTerrafixDlg::OnExit, this, wxID_OK);
    Bind(wxEVT_MENU, &CTerrafixDlg::OnCommand, this, ID_ABOUT);
    Bind(wxEVT_LISTBOX, &CTerrafixDlg::OnCommand, this, ID_BASE_LIST);
    Bind(wxEVT_LISTBOX_DCLICK, &CTerrafixDlg::OnCommand, this, ID_BASE_LIST);
    for (const auto& command : commands) {
        Bind(wxEVT_BUTTON, &CTerrafixDlg::OnCommand, this, command.id);
    }
    CentreOnScreen();
}

void CTerrafixDlg::OnInitDialog(wxInitDialogEvent& event) {
    logic_.InitDialog();
    ShowLogic();
    list_->SetFocus();
    event.Skip();
}

void CTerrafixDlg::OnCommand(wxCommandEvent& event) {
    const int selection = list_->GetSelection();
    switch (event.GetId()) {
    case ID_ABOUT:
        logic_.OnAbout();
        break;
    case ID_BASE_LIST:
        if (event.GetEventType() == wxEVT_LISTBOX) {
            logic_.OnSelChangeBaseList(selection);
        } else {
            logic_.OnEditBase(selection); // a double click or Enter
        }
        break;
    case ID_EDIT_BASE:
        logic_.OnEditBase(selection);
        break;
    case ID_MAKE_NEW_BASE:
        logic_.OnMakeNewBase();
        break;
    case ID_DELETE_BASE:
        logic_.OnDeleteBase(selection);
        break;
    case ID_CONFIGURATION:
        logic_.OnConfiguration();
        break;
    case ID_LOAD_FROM_ASTREL: {
        // The popups open at the button's centre.
        const wxPoint anchor = GetDlgItemCentre(this, ID_LOAD_FROM_ASTREL);
        logic_.OnLoadBaseFromAstrel(ToUiOwner(this), anchor.x, anchor.y);
        break;
    }
    case ID_HELP_BUTTON:
        logic_.OnHelpButton();
        break;
    default:
        break;
    }
    ShowLogic();
}

void CTerrafixDlg::OnExit(wxCommandEvent&) { EndWith(wxID_OK); }

void CTerrafixDlg::ShowLogic() {
    if (shownRevision_ != logic_.ListRevision()) {
        shownRevision_ = logic_.ListRevision();
        wxArrayString texts;
        for (const MainDialogLogic::Entry& entry : logic_.Entries()) {
            texts.Add(ToWx(entry.text));
        }
        list_->Set(texts);
    }
    const wxString statistics = ToWx(logic_.GetStatisticsText());
    if (statistics_->GetValue() != statistics) {
        statistics_->ChangeValue(statistics);
        FitStatistics();
    }
}

void CTerrafixDlg::FitStatistics() {
    const wxSize needed = MultiLineBoxSize(statistics_, statistics_->GetValue());
    const wxSize now = statistics_->GetSize();
    if (needed.GetWidth() <= now.GetWidth() && needed.GetHeight() <= now.GetHeight()) {
        return;
    }
    // It only grows, so that choosing another base does not make the dialog jump; never
    // beyond the screen, where a line too long for it wraps.
    const wxRect screen = wxDisplay(this).GetClientArea();
    const wxSize outside = GetSize() - now;
    statistics_->SetMinSize(wxSize(std::min(std::max(needed.GetWidth(), now.GetWidth()),
                                            screen.GetWidth() - outside.GetWidth()),
                                   std::min(std::max(needed.GetHeight(), now.GetHeight()),
                                            screen.GetHeight() - outside.GetHeight())));
    GetSizer()->SetSizeHints(this);
}

void CTerrafixDlg::OnContextMenu(wxContextMenuEvent& event) {
    // Only the dialog's background offers the entry; controls keep their own menus.
    if (event.GetEventObject() != this) {
        event.Skip();
        return;
    }
    wxMenu menu;
    menu.Append(ID_ABOUT, "&About Terrafix...");
    PopupMenu(&menu);
}

void RunMainDialog() {
    CTerrafixDlg dialog(nullptr);
    wxTheApp->SetTopWindow(&dialog);
    // Whatever ends it (Exit, Esc, the close box), the program ends with it.
    dialog.ShowModal();
    wxTheApp->SetTopWindow(nullptr);
}

} // namespace pf
