#include "document/base_document.h"

#include "foundation/text.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"

namespace pf {

std::string BaseDocument::GetDescription() const {
    // 0xB0 is the degree sign of the simulator's code page; the dialogs convert it.
    return "Name: " + name_ + "\r\n" + "Celestial Body: " + body_.name + "\r\n" + "Position: " +
           FormatString("%s\xB0 Lon, %s\xB0 Lat\r\n",
                        FormatNumber(static_cast<float>(position_.GetLongitude()), 4).c_str(),
                        FormatNumber(static_cast<float>(position_.GetLatitude()), 4).c_str());
}

std::string BaseDocument::GetStatisticsText() const {
    const std::string key = GetConfigRelativePath();
    const bool installed = FileManager::Instance().IsBaseInstalled(key);
    std::string text = GetDescription();
    text += "\r\nFile Stats:\r\n";
    text += "Base Origin: " + origin_ + "\r\n";
    text += "Astrel File Name: " + GetConfigFileName() + "\r\n";
    text += "File Destination: [Astrel Config Path]\\" + configSuffix_ + "\r\n";
    if (installed) {
        if (!context_.empty()) {
            text += "Context for File Location: " + context_ + "\r\n";
        }
        if (!periodBegin_.empty()) {
            text += "Time Period for File Location: Begin " + periodBegin_ + ", End " + periodEnd_ +
                    "\r\n";
        }
    }
    text += "\r\nLoaded Stats:\r\n";
    std::string configDir;
    if (installed) {
        text += "Base is loaded in Astrel\r\n";
    } else if (origin_ != "Astrel") {
        text += "Base is not loaded in Astrel";
    } else if (!FileManager::GetConfigDir(configDir)) {
        text += "Error finding Astrel's path";
    } else if (PathExists(configDir + key)) {
        text += "Original base is loaded in Astrel";
    } else {
        text += "Base is not loaded in Astrel";
    }
    return text;
}

} // namespace pf
