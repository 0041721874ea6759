#pragma once
// The dialogs that core logic opens, one slot each. padforge_ui fills the slots at
// start-up (RegisterProgramDialogs); an empty slot opens nothing, and the command that
// would have opened it ends there.
#include "foundation/lat_lon.h"
#include "foundation/string_array.h"
#include "imagery/bitmap_data.h"
#include "tiles/tile_attributes.h"
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

// How an editor of a base ended: with OK or not, and whether it changed the base.
struct EditorResult {
    bool ok = false;
    bool changed = false;
};

// The tile list editor's ending and its tile list, which the caller takes after OK.
struct TileEditorResult {
    bool ok = false;
    bool changed = false;
    TileArray tiles;
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
    // The first navigation beacon of the base; true after OK (the document holds it).
    std::function<bool(BaseDocument& document)> navBeacon;
    // The Earth map around a centre: the chosen centre, or nothing.
    std::function<std::optional<LatLon>(const LatLon& centre, const std::string& body)> basicMap;
    // The body's whole-surface map: the chosen position, or nothing.
    std::function<std::optional<LatLon>(const std::string& body)> bodyMap;
    // Renders the base's tiles into the folder under the progress dialog; true when every
    // tile was rendered.
    std::function<bool(BaseDocument& document, const std::string& folder)> tileProgress;
    // The structure editor on the base (which it changes when the person saves).
    std::function<EditorResult(BaseDocument& document)> editObjects;
    // The tile list editor on the base's tiles.
    std::function<TileEditorResult(BaseDocument& document)> editTiles;
    std::function<void()> about;
    // A yes/no question with a picture; true for Yes.
    std::function<bool(const std::string& text, const BitmapData& image)> imageYesNo;
};

// The program's runners.
DialogRunners& GetDialogRunners();

} // namespace pf
