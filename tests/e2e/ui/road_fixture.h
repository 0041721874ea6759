#pragma once
// What every road through the program shares: a sandboxed account whose documents folder
// holds a fresh copy of examples/sample-astrel/ as "Astrel2010", the start-up that only
// the program itself does (install folder, wx hooks with scripted popup menus, a clock
// that never waits), the main dialog made as the program makes it but driven by the test,
// and the checks of the files a road writes into the copy.
#include "app/ui/base_name_position_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "app/ui/terrafix_dlg.h"
#include "document/ui/tile_progress_dlg.h"
#include "imagery/bitmap_data.h"
#include "support/fake_clock.h"
#include "support/sandbox_home.h"
#include "support/tree_manifest.h"
#include "support/ui/expect_script.h"
#include "support/ui/scripted_menu_hooks.h"
#include "tiles/tile_attributes.h"

#include <memory>
#include <set>
#include <string>
#include <vector>
#include <wx/modalhook.h>

namespace pf::test {

// Below every wxTEST_DIALOG of a road: a dialog that no expectation took is a failure and
// is closed with Cancel at once, so that a broken road ends instead of waiting on a
// window that nobody answers.
class CloseUnexpectedDialogs : public wxModalDialogHook {
  public:
    CloseUnexpectedDialogs() { Register(); }
    ~CloseUnexpectedDialogs() override { Unregister(); }

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
};

class RoadFixture : public ::testing::Test {
  protected:
    RoadFixture();
    ~RoadFixture() override;

    // The copy's root, internal form ending in '\', as FindAstrelPath gives it.
    const std::string& Root() const { return root_; }
    // A native path below the copy ("Config/Earth/Base/Road_Test.cfg").
    std::string Tree(const std::string& relative) const;
    // A native path below the documents' "Padforge/" folder.
    std::string Docs(const std::string& relative) const;
    // The native path of "FileManagerV2.dat" and its bytes ("" when missing).
    std::string RecordPath() const;
    std::string RecordOnDisk() const;
    const SandboxHome& Home() const { return home_; }
    ScriptedMenuHooks& Menus() { return menus_; }

    // Every file of the copy, and every folder of it ("Scenarios/Padforge").
    TreeManifest Manifest() const;
    std::set<std::string> Folders() const;
    // The folders of the copy that hold nothing.
    std::set<std::string> EmptyFolders() const;
    // The documents' "Padforge/" folder, and everything outside it below the home folder
    // except the copy and FileManagerV2.dat: what a road must leave alone.
    TreeManifest OwnFiles() const;

    // The main dialog, made and initialised on first use as the program's start does,
    // without its modal loop: the test is the person at the screen.
    CTerrafixDlg& Main();
    void Press(int id) { PressButton(&Main(), id); }
    // Selects the main list's entry with this text ("Earth\Road Test") as a click does;
    // its index, -1 (and a failure) when missing.
    int SelectBase(const std::string& text);
    std::vector<std::string> ListedBases();

    // Make New Base's expectation: name typed, body and directory chosen by their list
    // index (directory -1: the list must be hidden), position typed; OK.
    static ExpectScript<BaseNamePositionDlg> NewBase(const std::string& name, int body,
                                                     int directory, const std::string& longitude,
                                                     const std::string& latitude);
    // The progress dialog's expectation: plays its first timer tick, which renders.
    static ExpectScript<TileProgressDlg> Render();
    // Edit Base's expectation that presses the given buttons in order, then Exit; each
    // box a button brings up is an expectation that follows in wxTEST_DIALOG.
    static ExpectScript<EditBaseDlg> EditBase(std::vector<int> buttons);
    // The success box of "Load Base Into Astrel".
    static ExpectMessageBox Loaded();

    // The lines of a text whose every line ends in "\r\n" (a failure names the line that
    // does not).
    static std::vector<std::string> CrlfLines(const std::string& text);
    // The internal path of a file below the copy.
    std::string Internal(const std::string& relative) const;
    // Decodes a DDS file below the copy.
    bool DecodeTreeDds(const std::string& relative, BitmapData& out) const;
    // A tile's picture in the tile cache (its ".png").
    static bool CachePicture(const TileAttributes& tile, BitmapData& out);
    // Peak signal to noise over the colours of two 512 x 512 pictures, b turned by a half
    // turn when asked.
    static double Psnr(const BitmapData& a, const BitmapData& b, bool turned);
    // The entries of a list box joined with '|'.
    static std::string ListStrings(wxWindow* dlg, int id);
    // A picture of flat 512-pixel blocks (colours from the left), each with a white 16-pixel
    // marker in its top-left corner and a fully transparent 64-pixel square in its bottom
    // right, written as PNG to the native path.
    static void WriteTilePicture(const std::string& path, const std::vector<ColorRGB>& blocks);
    // A number as the files write it, whatever the process's locale.
    static double Number(const std::string& text);
    // A 512 x 512 DXT5 tile file with its ten levels (349,680 bytes).
    static void ExpectTileDds(const std::string& bytes, const std::string& what);

  private:
    SandboxHome home_;
    FakeClock clock_;
    CloseUnexpectedDialogs unexpected_;
    std::string root_;
    std::string tree_;
    ScriptedMenuHooks menus_;
    std::unique_ptr<CTerrafixDlg> main_;
};

} // namespace pf::test
