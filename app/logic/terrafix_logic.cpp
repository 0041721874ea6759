#include "app/logic/terrafix_logic.h"

#include "app/logic/base_name_position_logic.h"
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/choice_menu.h"
#include "foundation/failure.h"
#include "foundation/geometry.h"
#include "foundation/text.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"
#include "workspace/simulator_config.h"

#include <algorithm>

namespace pf {

namespace {

// The statistics box with no base chosen.
constexpr const char* kNoStatistics = "Base Statistics:";

void ShowError(const std::string& text) {
    ShowMessageBox(text, "Error", MessageButtons::Ok, MessageIcon::None);
}

// The base's place in the simulator's configuration tree.
void SetPlace(BaseDocument& document, const BodyBaseDirectory& directory) {
    document.SetConfigSuffix(directory.directory);
    document.SetContext(directory.context);
    document.SetPeriodBegin(directory.periodBegin);
    document.SetPeriodEnd(directory.periodEnd);
}

// Whether a base's stored original path names the tree's file at relative (its path below
// the configuration folder): it ends, ASCII case ignored, in "\" + the configuration
// folder's own name + "\" + relative. What stands before is left out, so that a base still
// counts as read from its file after the simulator folder moved.
bool NamesTreeFile(const std::string& originalPath, const std::string& configFolder,
                   const std::string& relative) {
    std::string folder = configFolder;
    while (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    const std::string folderName = folder.substr(folder.rfind('\\') + 1);
    return !folderName.empty() && !relative.empty() &&
           CStringEndsWithNoCase(originalPath, "\\" + folderName + "\\" + relative);
}

} // namespace

bool SplitBodyAndName(const std::string& text, std::string& name, std::string& body) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text + "\\") {
        if (c != '\\') {
            piece += c;
        } else if (!piece.empty()) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    body = pieces.size() > 0 ? pieces[0] : "";
    name = pieces.size() > 1 ? pieces[1] : "";
    return !name.empty();
}

MainDialogLogic::MainDialogLogic(const DialogRunners& runners) : runners_(runners) {}

void MainDialogLogic::InitDialog() {
    statistics_ = kNoStatistics;
    RefreshBaseList();
}

void MainDialogLogic::FreeItemData() {
    entries_.clear();
    ++listRevision_;
    // An emptied list has no selection, so no base's figures stay on show.
    statistics_ = kNoStatistics;
}

bool MainDialogLogic::RefreshBaseList() {
    FreeItemData();
    std::string folder;
    if (!GetDocumentsPath(folder)) {
        return ShowFailureMessage("Couldn't load documents path\r\n");
    }
    StringArray files;
    if (!ListDirectoryFiles(folder, "*.txt", files)) {
        files.clear();
    }
    for (const std::string& file : files) {
        entries_.push_back(ListEntry(file));
    }
    // Bases of one name share one work folder; their entries are told apart by file.
    for (Entry& entry : entries_) {
        std::string name, body, other, otherBody;
        SplitBodyAndName(entry.bodyAndName, name, body);
        for (const Entry& another : entries_) {
            if (&another != &entry && SplitBodyAndName(another.bodyAndName, other, otherBody) &&
                CStringEqualsNoCase(name, other)) {
                entry.sharesName = true;
            }
        }
        if (entry.sharesName) {
            entry.text += " (" + entry.fileName + ")";
        }
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return NameBefore(a.text, b.text); });
    return true;
}

MainDialogLogic::Entry MainDialogLogic::ListEntry(const std::string& file) {
    // Nothing is said while listing: the list is refilled after every command, and the
    // statistics and Edit Base say what is wrong.
    bool hasHeader = false;
    std::string body;
    std::string name;
    if (!BaseDocument::FindFileProblem(file, hasHeader).empty() ||
        !BaseDocument::LoadBodyName(body, name, file)) {
        return Entry{file + kDamagedMark, file, true, "", false};
    }
    return Entry{body + "\\" + name, file, false, body + "\\" + name, false};
}

bool MainDialogLogic::GetItemFileName(int index, std::string& fileName) const {
    fileName.clear();
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    fileName = entries_[static_cast<size_t>(index)].fileName;
    return true;
}

bool MainDialogLogic::GetItemBodyAndName(int index, std::string& name, std::string& body) const {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    return SplitBodyAndName(entries_[static_cast<size_t>(index)].bodyAndName, name, body);
}

bool MainDialogLogic::CreateNewBase(std::string name, std::string body, LatLon position,
                                    BodyBaseDirectory directory) {
    if (name.empty()) {
        ShowError("Blank name given");
        return false;
    }
    // The name becomes a file and a folder and must read back unchanged.
    if (!IsValidBaseName(name)) {
        ShowError("Invalid name given");
        return false;
    }
    if (BaseDocument::BaseFileExists(
            BaseDocument::BuildSaveFileName(name, body, directory.directory))) {
        ShowError("Base already exists");
        return false;
    }
    // In another directory or on another body it would still share the work folder.
    const std::string taken = BaseDocument::NameTakenBy(name, "");
    if (!taken.empty()) {
        ShowError(BaseNamePositionLogic::kNameTakenMessage + taken);
        return false;
    }
    LatLon checked(0.0, 0.0);
    if (!checked.SetLongitude(position.GetLongitude()) ||
        !checked.SetLatitude(position.GetLatitude())) {
        ShowError("Invalid position given");
        return false;
    }
    BaseDocument document(name, body, checked);
    SetPlace(document, directory);
    document.SetName(name);
    document.SetPosition(checked);
    AstrelBody astrelBody;
    astrelBody.Load(body);
    document.SetBody(astrelBody);
    document.SetFileNameFromName(name);
    document.SaveToDocuments();
    return RefreshBaseList();
}

void MainDialogLogic::OnSelChangeBaseList(int selection) {
    std::string fileName;
    if (selection < 0 || !GetItemFileName(selection, fileName)) {
        statistics_ = kNoStatistics;
        return;
    }
    // Reading a damaged file would show its failure at every selection; say it here instead.
    if (entries_[static_cast<size_t>(selection)].damaged) {
        bool hasHeader = false;
        statistics_ = "Base Statistics\r\n" + fileName + " cannot be read:\r\n" +
                      BaseDocument::FindFileProblem(fileName, hasHeader);
        return;
    }
    const BaseDocument document(fileName);
    statistics_ = "Base Statistics\r\n" + document.GetStatisticsText();
}

bool MainDialogLogic::GetSelectedItem(int selection, std::string& name, std::string& body,
                                      std::string& fileName) const {
    return selection >= 0 && GetItemBodyAndName(selection, name, body) &&
           GetItemFileName(selection, fileName);
}

void MainDialogLogic::OnEditBase(int selection) {
    std::string name, body, fileName;
    if (!GetItemFileName(selection, fileName)) {
        return;
    }
    // A file that does not read whole is never edited: its failure message names it and
    // what is missing.
    const BaseDocument document(fileName);
    if (!document.IsLoaded()) {
        RefreshBaseList();
        return;
    }
    // A copy of a base under another file name shares the base's work folder and
    // installation record, and could never be saved: it is not opened.
    const std::string conflict = document.SaveNameConflict();
    if (!conflict.empty()) {
        ShowError("Couldn't edit base: another base's file has its name.\r\n" + conflict);
        return;
    }
    if (!GetSelectedItem(selection, name, body, fileName)) {
        return;
    }
    if (!CStringEqualsNoCase(document.GetBody().name, body)) {
        ShowFailureMessage("Bodies don't match");
        return;
    }
    if (!CStringEqualsNoCase(document.GetName(), name)) {
        ShowFailureMessage("Names don't match");
        return;
    }
    if (!runners_.editBase) {
        return;
    }
    runners_.editBase(document);
    RefreshBaseList();
}

void MainDialogLogic::OnMakeNewBase() {
    if (!runners_.makeNewBase) {
        return;
    }
    const std::optional<NewBaseRequest> request = runners_.makeNewBase();
    if (!request) {
        return;
    }
    // Each setter reports a value it cannot take; CreateNewBase refuses it then.
    LatLon position(0.0, 0.0);
    position.SetLongitude(WrapAngle360(request->longitude));
    position.SetLatitude(WrapAngle360(request->latitude));
    CreateNewBase(request->name, request->body, position, request->directory);
}

void MainDialogLogic::OnDeleteBase(int selection) {
    std::string name, body, fileName;
    if (!GetItemFileName(selection, fileName)) {
        return;
    }
    const Entry& entry = entries_[static_cast<size_t>(selection)];
    const bool damaged = entry.damaged;
    if (!damaged && !GetSelectedItem(selection, name, body, fileName)) {
        return;
    }
    const std::string question =
        damaged ? FormatString("Are you sure you want to delete %s? It cannot be read as a base.",
                               fileName.c_str())
        : entry.sharesName
            ? FormatString("Are you sure you want to delete the %s base of %s?", name.c_str(),
                           fileName.c_str())
            : FormatString("Are you sure you want to delete the %s base?", name.c_str());
    if (ShowMessageBox(question, "Question", MessageButtons::YesNo, MessageIcon::None) !=
        MessageAnswer::Yes) {
        return;
    }
    // Files installed into the simulator stay there; only their record goes, and only
    // for a file that reads whole and is the base's own (not a copy under another name or
    // a link to it), while no other whole file names that base: that one could still
    // remove the installed files.
    bool hasHeader = false;
    if (!BaseDocument::IsLinkEntry(fileName) &&
        BaseDocument::FindFileProblem(fileName, hasHeader).empty()) {
        const BaseDocument document(fileName);
        const std::string key = document.GetConfigRelativePath();
        if (document.IsLoaded() && document.OwnsSaveName() &&
            !BaseDocument::AnotherWholeFileNames(fileName, document.GetName(), key)) {
            FileManager::Instance().ForgetBaseInAstrel(key);
        }
    }
    BaseDocument::DeleteBase(fileName);
    RefreshBaseList();
}

void MainDialogLogic::OnConfiguration() {
    if (!runners_.configuration) {
        return;
    }
    runners_.configuration();
    RefreshBaseList();
}

void MainDialogLogic::OnLoadBaseFromAstrel(UiOwner owner, int x, int y) {
    StringArray bodies;
    if (!FileManager::GetBodyList(bodies)) {
        return;
    }
    StringArray withBases;
    for (const std::string& body : bodies) {
        if (FileManager::ListBaseFiles(body)) {
            withBases.push_back(body);
        }
    }
    if (withBases.empty()) {
        ShowError("No bases detected in Astrel");
        return;
    }
    StringArray options = withBases;
    options.push_back("Cancel");
    ChoiceMenu bodyMenu(options, x, y, owner);
    if (!bodyMenu.Show("Bodies with bases")) {
        return;
    }
    const std::string body = bodyMenu.GetChoice();
    if (body.empty() || body == "Cancel") {
        return;
    }
    std::string root;
    if (!EnsureAstrelPath(root)) {
        return;
    }
    std::vector<BodyBaseDirectory> records;
    if (!FileManager::GetBaseDirectories(records, body) || records.empty()) {
        ShowError("Couldn't parse body config file");
        return;
    }
    BodyBaseDirectory record = records[0];
    if (records.size() > 1) {
        StringArray directories;
        for (const BodyBaseDirectory& r : records) {
            directories.push_back(r.directory);
        }
        ChoiceMenu directoryMenu(directories, x, y, owner);
        if (!directoryMenu.Show("Select directory:")) {
            return;
        }
        const std::string chosen = directoryMenu.GetChoice();
        auto match = std::find_if(records.begin(), records.end(), [&](const BodyBaseDirectory& r) {
            return r.directory == chosen;
        });
        if (match != records.end()) {
            record = *match;
        }
    }
    // Without the configuration folder the listing and the path would be taken relative
    // to the current folder; its getter has said why it failed.
    std::string configFolder;
    if (!FileManager::GetConfigDir(configFolder)) {
        return;
    }
    StringArray files;
    if (!ListDirectoryFiles(configFolder + record.directory, "*.cfg", files)) {
        files.clear();
    }
    if (!runners_.astrelBaseList) {
        return;
    }
    const std::optional<std::string> file = runners_.astrelBaseList(body, record, files);
    if (!file) {
        return;
    }
    const std::string path = configFolder + record.directory + *file;
    WaitCursor wait;
    std::string name;
    ReadCfgName(name, path);
    // The name comes from a file that others write; it becomes a file and a folder here.
    if (!IsValidBaseName(name) ||
        !BaseDocument::NamesFitFileSystem(name, body, record.directory, record.context)) {
        ShowFailureMessage("Error loading base from Astrel\r\n");
        return;
    }
    const std::string saveName = BaseDocument::BuildSaveFileName(name, body, record.directory);
    // Its own file is reloaded on request; any other base of that name would share the
    // work folder.
    const std::string taken = BaseDocument::NameTakenBy(name, saveName);
    if (!taken.empty()) {
        ShowError("Couldn't load base from Astrel: another base already has the name " + name +
                  ".\r\n" + taken);
        return;
    }
    // Only a base read whole from this very file of the tree is replaced, and only on
    // request: a base of the person's own, one read from another file, or a file that
    // does not read whole is their work.
    std::string documents;
    const bool reload = GetDocumentsPath(documents) && PathExists(documents + saveName);
    BaseDocument loaded;
    if (reload) {
        std::string native;
        fs::Resolve(documents + saveName, native);
        if (!BaseDocument::LoadNamesAndPlace(loaded, saveName)) {
            ShowError("Couldn't load base from Astrel: the file under the name " + name +
                      " cannot be read as a base.\r\nFile: " + native);
            return;
        }
        if (!CStringEqualsNoCase(loaded.GetOrigin(), "Astrel") ||
            !NamesTreeFile(loaded.GetOriginalPath(), configFolder, record.directory + *file)) {
            ShowError("Couldn't load base from Astrel: a base of your own already has the name " +
                      name + ".\r\nFile: " + native);
            return;
        }
    }
    if (reload && ShowMessageBox("Base already loaded. Reload?", "Notification",
                                 MessageButtons::YesNo, MessageIcon::None) != MessageAnswer::Yes) {
        return;
    }
    BaseDocument document;
    if (reload) {
        // The person agreed to replace that file, and only that one.
        document.SetSourceFile(saveName);
    }
    if (!LoadSimulatorBaseCfg(document, path)) {
        ShowFailureMessage("Error loading base from Astrel\r\n");
        return;
    }
    SetPlace(document, record);
    document.SetOriginalPath(path);
    document.SetOrigin("Astrel");
    document.SaveToDocuments();
    RefreshBaseList();
}

void MainDialogLogic::OnHelpButton() {
    std::string folder;
    if (!GetInstallPath(folder)) {
        ShowError("Error - couldn't find installation path");
        folder.clear();
    }
    const std::string manual = folder + kManualFileName;
    if (!OpenDocument(manual)) {
        ShowError("Couldn't open the manual: " + fs::ToNative(manual));
    }
}

void MainDialogLogic::OnAbout() {
    if (runners_.about) {
        runners_.about();
    }
}

} // namespace pf
