#include "app/logic/base_name_position_logic.h"

#include "app/logic/dialog_runners.h"
#include "document/base_document.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "workspace/file_manager.h"

namespace pf {

namespace {

std::string DirectoryText(const BodyBaseDirectory& record, bool isDefault) {
    std::string text = record.directory;
    if (isDefault) {
        text += " (default)";
    }
    text += " ";
    if (!record.context.empty() && !record.periodBegin.empty()) {
        text += record.context + " PERIOD " + record.periodBegin + " " + record.periodEnd;
    } else if (!record.periodBegin.empty()) {
        text += "PERIOD " + record.periodBegin + " " + record.periodEnd;
    } else {
        text += record.context;
    }
    return text;
}

bool ShowError(const std::string& text) {
    ShowMessageBox(text, "Error", MessageButtons::Ok, MessageIcon::None);
    return false;
}

} // namespace

void BaseNamePositionLogic::OnInitDialog() {
    bodies_.clear();
    if (!FileManager::GetBodyList(bodies_)) {
        bodies_ = StringArray{"Earth"};
    }
    bodySelection_ = bodies_.empty() ? -1 : 0;
    for (size_t i = 0; i < bodies_.size(); ++i) {
        if (CStringEqualsNoCase(bodies_[i], "earth")) {
            bodySelection_ = static_cast<int>(i);
        }
    }
    UpdateDirectoryList();
}

void BaseNamePositionLogic::SelectBody(int index) {
    bodySelection_ = index >= 0 && index < static_cast<int>(bodies_.size()) ? index : -1;
    UpdateDirectoryList();
}

std::string BaseNamePositionLogic::SelectedBody() const {
    return bodySelection_ >= 0 ? bodies_[static_cast<size_t>(bodySelection_)] : std::string();
}

void BaseNamePositionLogic::UpdateDirectoryList() {
    directories_.clear();
    directorySelection_ = -1;
    directoriesShown_ = false;
    if (bodySelection_ < 0) {
        return;
    }
    const std::string body = SelectedBody();
    std::vector<BodyBaseDirectory> records;
    if (!FileManager::GetBaseDirectories(records, body) || records.size() <= 1) {
        return;
    }
    directoriesShown_ = true;
    for (const BodyBaseDirectory& record : records) {
        const bool isDefault = CStringEqualsNoCase(record.directory, body + "\\Base\\");
        DirectoryEntry entry{DirectoryText(record, isDefault), record};
        if (isDefault) {
            directories_.insert(directories_.begin(), entry);
        } else {
            directories_.push_back(entry);
        }
    }
    directorySelection_ = 0;
}

ControlTexts BaseNamePositionLogic::ShowFields() {
    ControlTexts texts;
    texts.Set(kName, name_);
    FieldExchange dx = FieldExchange::Show(texts);
    DoDataExchange(dx);
    return texts;
}

void BaseNamePositionLogic::DoDataExchange(FieldExchange& dx) {
    // Nine digits, so that a picked position survives being shown and read again.
    dx.PreciseFloat(kLongitude, longitude_, -180.0f, 180.0f);
    dx.PreciseFloat(kLatitude, latitude_, -90.0f, 90.0f);
}

bool BaseNamePositionLogic::OnOK(const ControlTexts& texts, std::optional<FieldRefusal>& refusal) {
    refusal = ReadFieldTexts(texts, [this](FieldExchange& dx) { DoDataExchange(dx); });
    if (refusal) {
        return false;
    }
    const std::string& name = texts.Get(kName);
    name_ = name;
    if (name.empty()) {
        return ShowError(kBlankNameMessage);
    }
    if (texts.unconvertible.count(kName) != 0 || !IsValidBaseName(name)) {
        return ShowError(kInvalidNameMessage);
    }
    std::string body = SelectedBody();
    if (body.empty()) {
        body = "Earth";
    }
    BodyBaseDirectory directory{body + "\\Base\\", "", "", ""};
    if (directories_.size() > 1 && directorySelection_ >= 0 &&
        directorySelection_ < static_cast<int>(directories_.size())) {
        directory = directories_[static_cast<size_t>(directorySelection_)].record;
    }
    // Refused here, while the dialog still holds what was typed: the save would fail.
    if (!BaseDocument::NamesFitFileSystem(name, body, directory.directory, directory.context)) {
        return ShowError(kTooLongMessage);
    }
    if (BaseDocument::BaseFileExists(
            BaseDocument::BuildSaveFileName(name, body, directory.directory))) {
        return ShowError(kExistsMessage);
    }
    // On another body or in another directory it would still share the work folder.
    const std::string taken = BaseDocument::NameTakenBy(name, "");
    if (!taken.empty()) {
        return ShowError(std::string(kNameTakenMessage) + taken);
    }
    directory_ = directory;
    body_ = body;
    return true;
}

bool BaseNamePositionLogic::OnFindOnMap(const DialogRunners& runners) {
    if (bodySelection_ < 0) {
        return false;
    }
    body_ = SelectedBody();
    std::optional<LatLon> position;
    if (!CStringEqualsNoCase(body_, "earth")) {
        if (runners.bodyMap) {
            position = runners.bodyMap(body_);
        }
    } else if (runners.basicMap) {
        // The centre is what the members hold, not what was typed since.
        const LatLon centre{ScalarValue(longitude_), ScalarValue(latitude_)};
        position = runners.basicMap(centre, body_);
    }
    if (!position) {
        return false;
    }
    longitude_ = static_cast<float>(position->GetLongitude());
    latitude_ = static_cast<float>(position->GetLatitude());
    return true;
}

NewBaseRequest BaseNamePositionLogic::GetRequest() const {
    NewBaseRequest request;
    request.name = name_;
    request.body = body_;
    request.longitude = longitude_;
    request.latitude = latitude_;
    request.directory = directory_;
    return request;
}

} // namespace pf
