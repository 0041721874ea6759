#pragma once
// The dialogs that core logic opens, one slot each. padforge_ui fills the slots at
// start-up (RegisterProgramDialogs); an empty slot opens nothing, and the command that
// would have opened it ends there.
#include "foundation/string_array.h"
#include "imagery/bitmap_data.h"
#include "workspace/simulator_tree.h"

#include <functional>
#include <optional>
#include <string>

namespace pf {

class BaseDocument;

// What the Make New Base dialog gives after OK.
struct NewBaseRequest {
    std::string name;
    std::string body;
    float longitude = 0.0f;
    float latitude = 0.0f;
    BodyBaseDirectory directory;
};

struct DialogRunners {
    // The configuration dialog, run modally.
    std::function<void()> configuration;
    // The simulator's base files of one base directory of a body: the chosen file name,
    // or nothing.
    std::function<std::optional<std::string>(
        const std::string& body, const BodyBaseDirectory& directory, const StringArray& files)>
        astrelBaseList;
    // Make New Base: the new base's name, body, position and base directory, or nothing.
    std::function<std::optional<NewBaseRequest>()> makeNewBase;
    // Edit Base on a copy of the document; returns when the dialog has closed.
    std::function<void(const BaseDocument& document)> editBase;
    std::function<void()> about;
    // A yes/no question with a picture; true for Yes.
    std::function<bool(const std::string& text, const BitmapData& image)> imageYesNo;
};

// The program's runners.
DialogRunners& GetDialogRunners();

} // namespace pf
