#include "workspace/logic/astrel_base_list_logic.h"

#include "foundation/ui_hooks.h"
#include "workspace/file_utils.h"

#include <algorithm>
#include <utility>

namespace pf {

AstrelBaseListLogic::AstrelBaseListLogic(std::string body, std::string folder, std::string context,
                                         std::string periodBegin, std::string periodEnd,
                                         StringArray files)
    : body_(std::move(body)), folder_(std::move(folder)), context_(std::move(context)),
      periodBegin_(std::move(periodBegin)), periodEnd_(std::move(periodEnd)),
      files_(std::move(files)) {
    std::sort(files_.begin(), files_.end(), NameBefore);
}

std::string AstrelBaseListLogic::Description() const {
    std::string text = "Directory: Config\\" + folder_ + "\r\n";
    if (!context_.empty() && !periodBegin_.empty())
        return text + context_ + " PERIOD " + periodBegin_ + " " + periodEnd_;
    if (periodBegin_.empty())
        return text + context_;
    return text + "PERIOD " + periodBegin_ + " " + periodEnd_;
}

bool AstrelBaseListLogic::OnOK(int selection) {
    if (selection < 0 || selection >= static_cast<int>(files_.size())) {
        ShowMessageBox("Must select base file", "Error", MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    selected = files_[static_cast<size_t>(selection)];
    return true;
}

} // namespace pf
