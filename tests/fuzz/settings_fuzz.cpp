// The settings file: every value read is read again by name, written back and read the
// same; the program's settings with numbers and flags are read from it.
#include "fuzz_support.h"

#include "platform/settings_store.h"
#include "workspace/settings.h"

#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::Get();
    sandbox.Write(".config/padforge/settings", data, size);
    std::vector<std::pair<std::string, std::string>> values;
    if (settings_store::ReadAll(values)) {
        for (const auto& [name, value] : values) {
            std::string read;
            fuzz::Check(settings_store::Read(name, read) && read == value,
                        "a value reads otherwise by its name");
        }
        if (!values.empty() && settings_store::Write(values[0].first, values[0].second)) {
            std::vector<std::pair<std::string, std::string>> again;
            fuzz::Check(settings_store::ReadAll(again) && !again.empty() && again[0] == values[0],
                        "a value written back reads otherwise");
        }
    }
    GetGridSize();
    GetSnapTo();
    GetRotateBy();
    GetMaximizeObjectEdit();
    GetShowObjectParameters();
    GetDetectSmallBodies();
    std::string folder;
    std::string exe;
    GetImageEditor(folder, exe);
    return 0;
}
