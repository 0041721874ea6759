#include "document/base_file_reader.h"

#include "document/base_document.h"
#include "document/nav_beacon.h"
#include "foundation/failure.h"
#include "foundation/lat_lon.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "objects/astrel_object.h"
#include "objects/mesh.h"
#include "objects/object_types.h"
#include "objects/runway.h"
#include "objects/value_readers.h"
#include "tiles/simulator_tile_import.h"
#include "tiles/tile_attributes.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pf {

namespace {

std::array<ObjectGroupParser, kObjectTypeCount>& ParserTable() {
    static std::array<ObjectGroupParser, kObjectTypeCount> table{};
    return table;
}

bool IsTrueText(const std::string& value) { return CStringEqualsNoCase(value, "TRUE"); }

// The object steps both readers share.
void ReadObjects(BaseDocument& document, const StringArray& lines) {
    ObjectArray& objects = document.GetObjects();
    objects.RemoveAll();
    LoadObjectList(objects, lines);
    AttachRunwayLights(objects);
    document.SortObjects();
}

// The tiles of the section that are in range, gathered sorted and without duplicates (the
// first of equal tiles stays).
void GatherTiles(TileArray& gathered, const std::string& bodyName, const StringArray& lines) {
    StringArray section;
    if (!ExtractSection(section, lines, "BEGIN_SURFTILELIST", "END_SURFTILELIST")) {
        return;
    }
    std::vector<TileAttributes> found;
    StringArray tokens;
    for (const std::string& line : section) {
        tokens.clear();
        SplitBySpace(tokens, line);
        if (tokens.size() != 3 && tokens.size() != 4) {
            continue;
        }
        const TileAttributes tile(bodyName, ReadIntSaturated(tokens[0]),
                                  ReadIntSaturated(tokens[1]), ReadIntSaturated(tokens[2]));
        // Past level 21 the tile arithmetic (2^level, child indices) would overflow, and no
        // real tile is that small.
        if (tile.GetLevel() < 0 || tile.GetLevel() > 21 || !tile.IsInRange()) {
            continue;
        }
        found.push_back(tile);
    }
    const auto before = [](const TileAttributes& a, const TileAttributes& b) {
        return a.ComesBefore(b);
    };
    if (!std::is_sorted(found.begin(), found.end(), before)) {
        std::stable_sort(found.begin(), found.end(), before);
    }
    for (const TileAttributes& tile : found) {
        gathered.AddSorted(tile);
    }
}

} // namespace

int32_t ReadIntSaturated(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

ObjectGroupParser RegisterObjectGroupParser(int32_t typeCode, ObjectGroupParser parser) {
    if (typeCode < 1 || typeCode >= kTypeComplex) {
        return nullptr;
    }
    ObjectGroupParser& slot = ParserTable()[static_cast<size_t>(typeCode)];
    ObjectGroupParser previous = slot;
    slot = parser;
    return previous;
}

void RegisterObjectGroupParsers() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    for (const ObjectTypeRow& row : ObjectTypeTable()) {
        if (row.parse != nullptr) {
            RegisterObjectGroupParser(row.code, row.parse);
        }
    }
}

bool ParseObjectGroup(AstrelObject& holder, const StringArray& group) {
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
    const std::string line = group.empty() ? std::string() : group[0];
    // The whole line is compared, so "RUNWAY" never answers for "RUNWAYLIGHTS".
    for (const ObjectTypeRow& type : ObjectTypeTable()) {
        if (!CStringEqualsNoCase(line, type.keyword)) {
            continue;
        }
        if (ObjectGroupParser parser = ParserTable()[static_cast<size_t>(type.code)]) {
            return parser(holder, group);
        }
        break;
    }
    const std::string text = FormatString("Type of object unknown: %s", line.c_str());
    TraceDiagnostic(text);
    ShowMessageBox(text, "Error", MessageButtons::Ok, MessageIcon::None);
    return false;
}

double TopHeightAsRead(const AstrelObject& object) {
    RegisterObjectTypes();
    RegisterObjectGroupParsers();
    const int32_t code = object.GetType();
    const ObjectGroupParser parser = code > kTypeUndefined && code < kTypeComplex
                                         ? ParserTable()[static_cast<size_t>(code)]
                                         : nullptr;
    if (parser == nullptr) {
        return object.GetTopHeight().value;
    }
    // The object's own block ends at its first "END"; a runway's lights block follows it and
    // has no say in the runway's height.
    StringArray lines;
    SplitTextIntoLines(lines, object.GetTypeName() + "\r\n" + object.GetParameterText());
    StringArray group;
    for (size_t i = 0; i < lines.size() && !CStringEqualsNoCase(lines[i], "END"); ++i) {
        group.push_back(lines[i]);
    }
    // A mesh reads back with the extents it holds, never its files.
    const KnownMeshExtents known(dynamic_cast<const Mesh*>(object.Get()));
    AstrelObject read;
    return parser(read, group) && !read.IsEmpty() ? read.GetTopHeight().value
                                                  : object.GetTopHeight().value;
}

void LoadObjectList(ObjectArray& objects, const StringArray& lines) {
    ObjectGroupList groups;
    CollectObjectGroups(groups, lines);
    for (const ObjectGroup& group : groups) {
        AstrelObject holder;
        if (ParseObjectGroup(holder, group)) {
            objects.Add(std::move(holder));
        } else {
            const std::string first = group.empty() ? std::string() : group[0];
            ShowMessageBox(FormatString("Problem loading: %s", first.c_str()), "Error",
                           MessageButtons::Ok, MessageIcon::None);
        }
    }
}

bool ReadLocation(LatLon& position, const StringArray& lines) {
    for (const std::string& line : lines) {
        if (!CStringStartsWith(line, "location ")) {
            continue;
        }
        std::vector<float> values;
        if (!ParseFloatList(values, line.substr(9)) || values.size() != 2) {
            return false;
        }
        position.SetLongitude(values[0]);
        position.SetLatitude(values[1]);
        return true;
    }
    return false;
}

bool ParseNavBeaconLine(NavBeacon& beacon, const StringArray& tokens) {
    if (tokens.size() < 5) {
        return false;
    }
    beacon.type = tokens[0];
    beacon.identifier = tokens[1];
    OptionalFloat* numbers[] = {&beacon.longitude, &beacon.latitude, &beacon.frequency};
    for (size_t i = 0; i < 3; ++i) {
        float value = 0.0f;
        if (!ParseFloat(tokens[i + 2], value)) {
            return false;
        }
        numbers[i]->Set(value);
    }
    if (tokens.size() >= 6) {
        // Written back through a float: a value beyond the float range could not be.
        double range = 0.0;
        if (!ParseDoubleCString(tokens[5], range) || std::fabs(range) > FLT_MAX) {
            return false;
        }
        beacon.sixth.Set(range);
    }
    return true;
}

void ReadNavBeacons(NavBeaconArray& beacons, const StringArray& lines) {
    beacons.clear();
    StringArray section;
    if (!ExtractSection(section, lines, "BEGIN_NAVBEACON", "END_NAVBEACON")) {
        return;
    }
    StringArray tokens;
    for (const std::string& line : section) {
        tokens.clear();
        SplitBySpace(tokens, line);
        NavBeacon beacon;
        if (ParseNavBeaconLine(beacon, tokens)) {
            beacons.Add(beacon);
        }
    }
}

void ReadSurfTileList(TileArray& tiles, const std::string& bodyName, const StringArray& lines) {
    TileArray gathered;
    GatherTiles(gathered, bodyName, lines);
    tiles.RemoveAll();
    for (const TileAttributes& tile : gathered) {
        tiles.AddSorted(tile);
    }
}

void ReadSurfTileListWithTextures(TileArray& tiles, const std::string& bodyName,
                                  const StringArray& lines) {
    TileArray gathered;
    GatherTiles(gathered, bodyName, lines);
    tiles.RemoveAll();
    SimulatorTileSources sources;
    if (gathered.IsEmpty() || !sources.Find()) {
        return;
    }
    for (const TileAttributes& tile : gathered) {
        TileArray made;
        LoadTileTextureFromSimulator(tile, made, sources);
        // What one tile wrote into the cache answers for the tiles after it.
        for (const TileAttributes& m : made) {
            sources.AddToCache(m.GetPngFileName());
            tiles.AddSorted(m);
        }
    }
}

bool SplitBaseCfgPath(std::string& fileName, std::string& bodyName, const std::string& path) {
    std::vector<std::string> elements;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (end > start) {
            elements.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    if (elements.size() < 3) {
        return false;
    }
    const std::string& file = elements.back();
    const size_t dot = file.rfind('.');
    if (dot == std::string::npos || dot + 4 != file.size()) {
        return false;
    }
    fileName = file.substr(0, dot);
    bodyName = elements[elements.size() - 3];
    return true;
}

namespace {

// The own base file's keys in the order the loader reads them, each with the message
// that names it when it is missing.
struct PfgKey {
    const char* key;
    void (BaseDocument::*set)(const std::string&);
    const char* missing;
};

constexpr const char* kNoBodyName = "Couldn't find body name";
constexpr const char* kNoFileName = "Couldn't find file name";
constexpr const char* kNoLoadingFlag = "Couldn't find needs loading flag";
constexpr const char* kNoRenderingFlag = "Couldn't find needs rendering flag";

const PfgKey kPlaceKeys[] = {
    {"PFG_CONFIG_SUFFIX ", &BaseDocument::SetConfigSuffix, "Couldn't find config suffix"},
    {"PFG_ORIGIN ", &BaseDocument::SetOrigin, "Couldn't find origin"},
    {"PFG_ORIGINAL_PATH ", &BaseDocument::SetOriginalPath, "Couldn't find original path"},
    {"PFG_CONTEXT ", &BaseDocument::SetContext, "Couldn't find context"},
    {"PFG_PERIOD_BEGIN ", &BaseDocument::SetPeriodBegin, "Couldn't find period begin"},
    {"PFG_PERIOD_END ", &BaseDocument::SetPeriodEnd, "Couldn't find period end"},
};

// The writer closes every section it opens: a section without its end line is a file
// that was cut off, whose objects or tiles would be lost by the next save.
const char* const kSections[][2] = {
    {"BEGIN_NAVBEACON", "END_NAVBEACON"},
    {"BEGIN_OBJECTLIST", "END_OBJECTLIST"},
    {"BEGIN_SURFTILELIST", "END_SURFTILELIST"},
};

// "Couldn't find END_..." for the first section begun and never ended; "" otherwise.
std::string FindOpenSection(const StringArray& lines) {
    for (const auto& section : kSections) {
        const auto begin = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return CStringEqualsNoCase(line, section[0]);
        });
        if (begin != lines.end() && std::none_of(begin, lines.end(), [&](const std::string& line) {
                return CStringEqualsNoCase(line, section[1]);
            })) {
            return std::string("Couldn't find ") + section[1];
        }
    }
    return std::string();
}

} // namespace

bool LoadPfgBaseFile(BaseDocument& document, MyStream& stream) {
    StringArray lines;
    if (!LoadLinesFromStream(lines, stream)) {
        return ShowFailureMessage("Couldn't parse file");
    }
    std::string bodyName;
    std::string fileName;
    std::string value;
    if (!FindKeyedLine(bodyName, "PFG_BODY_NAME ", lines)) {
        return ShowFailureMessage(kNoBodyName);
    }
    if (!FindKeyedLine(fileName, "PFG_FILE_NAME ", lines)) {
        return ShowFailureMessage(kNoFileName);
    }
    for (const PfgKey& key : kPlaceKeys) {
        value.clear();
        const bool found = FindKeyedLine(value, key.key, lines);
        (document.*key.set)(found ? value : std::string());
        if (!found) {
            return ShowFailureMessage(key.missing);
        }
    }
    std::string name;
    if (!FindKeyedLine(name, "name ", lines)) {
        return false;
    }
    document.SetName(name);
    document.SetFileName(fileName);
    AstrelBody body;
    body.Load(bodyName);
    document.SetBody(body);

    if (!ReadLocation(document.GetPosition(), lines)) {
        return false;
    }
    ReadObjects(document, lines);
    TileArray tiles;
    ReadSurfTileList(tiles, document.GetBody().name, lines);
    for (const TileAttributes& tile : tiles) {
        document.AddTileSorted(tile);
    }
    ReadNavBeacons(document.GetBeacons(), lines);

    // Read last: the stored flags override what the tile insertions set.
    if (!FindKeyedLine(value, "PFG_NEEDS_LOADING ", lines)) {
        return ShowFailureMessage(kNoLoadingFlag);
    }
    document.SetNeedsLoading(IsTrueText(value));
    if (!FindKeyedLine(value, "PFG_NEEDS_RENDERING ", lines)) {
        return ShowFailureMessage(kNoRenderingFlag);
    }
    document.SetNeedsRendering(IsTrueText(value));
    const std::string open = FindOpenSection(lines);
    return open.empty() || ShowFailureMessage(open);
}

std::string FindPfgBaseFileProblem(const StringArray& lines) {
    std::string value;
    if (!FindKeyedLine(value, "PFG_BODY_NAME ", lines)) {
        return kNoBodyName;
    }
    if (!FindKeyedLine(value, "PFG_FILE_NAME ", lines)) {
        return kNoFileName;
    }
    for (const PfgKey& key : kPlaceKeys) {
        if (!FindKeyedLine(value, key.key, lines)) {
            return key.missing;
        }
    }
    if (!FindKeyedLine(value, "name ", lines)) {
        return "Couldn't find name";
    }
    LatLon position(0.0, 0.0);
    if (!ReadLocation(position, lines)) {
        return "Couldn't find location";
    }
    if (!FindKeyedLine(value, "PFG_NEEDS_LOADING ", lines)) {
        return kNoLoadingFlag;
    }
    if (!FindKeyedLine(value, "PFG_NEEDS_RENDERING ", lines)) {
        return kNoRenderingFlag;
    }
    return FindOpenSection(lines);
}

void ReadPfgNamesAndPlace(BaseDocument& document, const StringArray& lines) {
    std::string value;
    for (const PfgKey& key : kPlaceKeys) {
        FindKeyedLine(value, key.key, lines);
        (document.*key.set)(value);
    }
    FindKeyedLine(value, "PFG_FILE_NAME ", lines);
    document.SetFileName(value);
    FindKeyedLine(value, "name ", lines);
    document.SetName(value);
}

bool LoadSimulatorBaseCfg(BaseDocument& document, const std::string& path) {
    StringArray lines;
    if (!LoadLinesFromFile(lines, path)) {
        return ShowFailureMessage("Couldn't parse .cfg file");
    }
    std::string fileName;
    std::string bodyName;
    if (!SplitBaseCfgPath(fileName, bodyName, path)) {
        return ShowFailureMessage("Couldn't find body name");
    }
    std::string name;
    if (!FindNameLine(name, lines)) {
        return false;
    }
    document.SetName(name);
    document.SetFileName(fileName);
    AstrelBody body;
    body.Load(bodyName);
    document.SetBody(body);

    if (!ReadLocation(document.GetPosition(), lines)) {
        return false;
    }
    ReadObjects(document, lines);
    TileArray tiles;
    ReadSurfTileListWithTextures(tiles, bodyName, lines);
    for (const TileAttributes& tile : tiles) {
        document.AddTileSorted(tile);
    }
    ReadNavBeacons(document.GetBeacons(), lines);
    return true;
}

} // namespace pf
