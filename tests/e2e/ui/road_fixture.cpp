#include "e2e/ui/road_fixture.h"

#include "app/logic/base_name_position_logic.h"
#include "app/ui/base_name_position_dlg.h"
#include "app/ui/edit_base_dlg.h"
#include "document/ui/tile_progress_dlg.h"
#include "imagery/dds_file.h"
#include "imagery/object_icons.h"
#include "imagery/png_file.h"
#include "platform/fs.h"
#include "platform/known_folders.h"
#include "support/test_paths.h"
#include "tiles/tile_texture_file.h"
#include "workspace/astrel_body.h"
#include "workspace/file_manager.h"
#include "workspace/folders.h"

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/listbox.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace pf::test {

namespace stdfs = std::filesystem;

namespace {

uint32_t Le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// What the process keeps between roads: the record, the bodies, tile textures and icons.
void ClearProcessCaches() {
    BodyCache::Clear();
    FileManager::Instance().Clear();
    TileTextureCache::Clear();
    ClearIconBitmapCache();
}

} // namespace

int CloseUnexpectedDialogs::Enter(wxDialog* dialog) {
    ADD_FAILURE() << "unexpected dialog \"" << dialog->GetTitle().utf8_string() << "\" closed";
    return wxID_CANCEL;
}

RoadFixture::RoadFixture() {
    ClearProcessCaches();
    // As a person would: the copy lies in the documents folder, where the program finds it.
    tree_ = fs::ToNative(known_folders::Documents()) + "Astrel2010";
    stdfs::copy(SourceDir() + "/examples/sample-astrel", tree_, stdfs::copy_options::recursive);
    root_ = fs::ToInternal(tree_) + "\\";
    // The ui test main leaves this to the program's start; the object dialogs need it.
    SetDefaultInstallPath(known_folders::ExecutablePath());
}

RoadFixture::~RoadFixture() {
    if (main_) {
        wxTheApp->SetTopWindow(nullptr);
        main_.reset();
    }
    ClearProcessCaches();
}

std::string RoadFixture::Tree(const std::string& relative) const { return tree_ + "/" + relative; }

std::string RoadFixture::Docs(const std::string& relative) const {
    return fs::ToNative(known_folders::Documents()) + "Padforge/" + relative;
}

std::string RoadFixture::RecordPath() const {
    return fs::ToNative(known_folders::LocalAppData()) + "Padforge/FileManagerV2.dat";
}

std::string RoadFixture::RecordOnDisk() const { return ReadNativeFile(RecordPath()); }

TreeManifest RoadFixture::Manifest() const { return TreeManifest::Of(tree_); }

std::set<std::string> RoadFixture::Folders() const {
    std::set<std::string> folders;
    for (const auto& entry : stdfs::recursive_directory_iterator(tree_)) {
        if (entry.is_directory() && !entry.is_symlink())
            folders.insert(stdfs::relative(entry.path(), tree_).generic_string());
    }
    return folders;
}

std::set<std::string> RoadFixture::EmptyFolders() const {
    std::set<std::string> empty;
    for (const std::string& folder : Folders()) {
        if (stdfs::is_empty(Tree(folder)))
            empty.insert(folder);
    }
    return empty;
}

TreeManifest RoadFixture::OwnFiles() const {
    TreeManifest all = TreeManifest::Of(home_.Home());
    const std::string own = stdfs::relative(Docs(""), home_.Home()).generic_string();
    const std::string copy = stdfs::relative(tree_, home_.Home()).generic_string() + "/";
    const std::string record = stdfs::relative(RecordPath(), home_.Home()).generic_string();
    TreeManifest outside;
    for (const auto& [path, bytes] : all.files) {
        if (path.rfind(own, 0) != 0 && path.rfind(copy, 0) != 0 && path != record)
            outside.files[path] = bytes;
    }
    return outside;
}

CTerrafixDlg& RoadFixture::Main() {
    if (!main_) {
        main_ = std::make_unique<CTerrafixDlg>(nullptr);
        wxTheApp->SetTopWindow(main_.get());
        main_->InitDialog();
    }
    return *main_;
}

std::vector<std::string> RoadFixture::ListedBases() {
    std::vector<std::string> texts;
    for (const wxString& text : Main().BaseList()->GetStrings())
        texts.push_back(text.utf8_string());
    return texts;
}

int RoadFixture::SelectBase(const std::string& text) {
    const int index = Main().BaseList()->FindString(wxString::FromUTF8(text), true);
    if (index == wxNOT_FOUND) {
        ADD_FAILURE() << "no entry " << text << " in the main list";
        return -1;
    }
    SelectListEntry(&Main(), CTerrafixDlg::ID_BASE_LIST, index);
    return index;
}

ExpectScript<BaseNamePositionDlg> RoadFixture::NewBase(const std::string& name, int body,
                                                       int directory, const std::string& longitude,
                                                       const std::string& latitude) {
    using Logic = BaseNamePositionLogic;
    return ExpectScript<BaseNamePositionDlg>([=](BaseNamePositionDlg* dlg) {
        Edit(dlg, Logic::kName)->SetValue(wxString::FromUTF8(name)); // typed: its event follows
        SelectChoice(dlg, Logic::kBodyList, body);
        if (directory < 0) {
            EXPECT_FALSE(dlg->FindWindow(Logic::kDirectoryList)->IsShown());
        } else {
            EXPECT_TRUE(dlg->FindWindow(Logic::kDirectoryList)->IsShown());
            SelectChoice(dlg, Logic::kDirectoryList, directory);
        }
        Edit(dlg, Logic::kLongitude)->SetValue(longitude);
        Edit(dlg, Logic::kLatitude)->SetValue(latitude);
        PressButton(dlg, wxID_OK);
    });
}

ExpectScript<TileProgressDlg> RoadFixture::Render() {
    return ExpectScript<TileProgressDlg>([](TileProgressDlg* dlg) { dlg->OnFirstTick(); });
}

ExpectScript<EditBaseDlg> RoadFixture::EditBase(std::vector<int> buttons) {
    return ExpectScript<EditBaseDlg>([buttons](EditBaseDlg* dlg) {
        for (int id : buttons)
            PressButton(dlg, id);
        PressButton(dlg, wxID_OK);
    });
}

ExpectMessageBox RoadFixture::Loaded() {
    return ExpectMessageBox(EditBaseLogic::kLoaded, "Success", 0);
}

std::vector<std::string> RoadFixture::CrlfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos || end == start || text[end - 1] != '\r') {
            ADD_FAILURE() << "line " << lines.size() + 1
                          << " does not end in CRLF: " << text.substr(start, 80);
            if (end == std::string::npos)
                break;
            lines.push_back(text.substr(start, end - start));
        } else {
            lines.push_back(text.substr(start, end - 1 - start));
        }
        start = end + 1;
    }
    return lines;
}

std::string RoadFixture::Internal(const std::string& relative) const {
    std::string path = root_ + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool RoadFixture::DecodeTreeDds(const std::string& relative, BitmapData& out) const {
    const std::string bytes = ReadNativeFile(Tree(relative));
    return DecodeDds(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

bool RoadFixture::CachePicture(const TileAttributes& tile, BitmapData& out) {
    std::string path;
    if (!TileTextureFile(tile, false).GetCachePath(path))
        return false;
    const std::string bytes = ReadNativeFile(fs::ToNative(path));
    return DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
}

double RoadFixture::Psnr(const BitmapData& a, const BitmapData& b, bool turned) {
    double sum = 0.0;
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            const uint8_t* p = a.PixelAddress(x, y);
            const uint8_t* q = turned ? b.PixelAddress(511 - x, 511 - y) : b.PixelAddress(x, y);
            for (int c = 0; c < 3; ++c)
                sum += (p[c] - q[c]) * (p[c] - q[c]);
        }
    }
    const double mse = sum / (512.0 * 512.0 * 3.0);
    return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

std::string RoadFixture::ListStrings(wxWindow* dlg, int id) {
    auto* list = dynamic_cast<wxListBox*>(dlg->FindWindow(id));
    return list != nullptr ? wxJoin(list->GetStrings(), '|').utf8_string()
                           : "no list " + std::to_string(id);
}

void RoadFixture::WriteTilePicture(const std::string& path, const std::vector<ColorRGB>& blocks) {
    BitmapData image(512 * static_cast<int>(blocks.size()), 512, 32);
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const int bx = x % 512;
            const bool marker = bx < 16 && y < 16;
            const ColorRGB& c = blocks[static_cast<size_t>(x / 512)];
            uint8_t* p = image.PixelAddress(x, y);
            p[0] = marker ? 255 : c.blue;
            p[1] = marker ? 255 : c.green;
            p[2] = marker ? 255 : c.red;
            p[3] = bx >= 448 && y >= 448 ? 0 : 255;
        }
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodePng(image, bytes));
    WriteNativeFile(path, std::string(bytes.begin(), bytes.end()));
}

double RoadFixture::Number(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void RoadFixture::ExpectTileDds(const std::string& bytes, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(bytes.size(), 349680u);
    EXPECT_EQ(bytes.substr(0, 4), "DDS ");
    EXPECT_EQ(Le32(bytes, 8), 0x000A1007u);   // flags
    EXPECT_EQ(Le32(bytes, 12), 512u);         // height
    EXPECT_EQ(Le32(bytes, 16), 512u);         // width
    EXPECT_EQ(Le32(bytes, 20), 262144u);      // linear size
    EXPECT_EQ(Le32(bytes, 28), 10u);          // mip count
    EXPECT_EQ(Le32(bytes, 84), kFourCcDxt5);  // FourCC
    EXPECT_EQ(Le32(bytes, 108), 0x00401008u); // caps
    size_t total = kDdsHeaderBytes;
    for (int size = 512; size >= 1; size /= 2)
        total += Dxt5LevelBytes(size, size);
    EXPECT_EQ(total, bytes.size());
}

} // namespace pf::test
