// Configuration text and its line readers: sections, keyed lines, object groups, location,
// tiles and beacons, and the simulator's main configuration and body files. A beacon read
// is written and must read back to the same line.
#include "fuzz_support.h"

#include "document/base_file_reader.h"
#include "document/nav_beacon.h"
#include "foundation/lat_lon.h"
#include "foundation/stream.h"
#include "tiles/tile_attributes.h"
#include "workspace/astrel_body.h"
#include "workspace/config_reader.h"
#include "workspace/simulator_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pf;
    const fuzz::Sandbox& sandbox = fuzz::Sandbox::Get();
    StringArray lines;
    SplitTextIntoLines(lines, fuzz::Text(data, size));
    std::string value;
    FindNameLine(value, lines);
    for (const char* key : {"PFG_BODY_NAME ", "PFG_ORIGIN ", "name ", "Mass", ""}) {
        FindKeyedLine(value, key, lines);
    }
    StringArray section;
    ExtractSection(section, lines, "BEGIN_OBJECTLIST", "END_OBJECTLIST");
    ObjectGroupList groups;
    CollectObjectGroups(groups, lines);
    LatLon position;
    ReadLocation(position, lines);
    TileArray tiles;
    ReadSurfTileList(tiles, "Earth", lines);
    fuzz::Check(tiles.IsSorted(), "tiles read out of order");

    NavBeaconArray beacons;
    ReadNavBeacons(beacons, lines);
    for (const NavBeacon& beacon : beacons) {
        const std::string line = beacon.FormatLine();
        StringArray back;
        SplitTextIntoLines(back, "BEGIN_NAVBEACON\r\n" + line + "END_NAVBEACON\r\n");
        NavBeaconArray again;
        ReadNavBeacons(again, back);
        fuzz::Check(again.GetCount() == 1, "a written beacon does not read");
        fuzz::Check(again[0].FormatLine() == line, "a written beacon reads as another");
    }

    // The same bytes as the simulator's main configuration and as a body file.
    sandbox.Write("text/Astrel.cfg", data, size);
    const std::string path = sandbox.Dir().InternalPath("text\\Astrel.cfg");
    GetConfigDir(value, path);
    GetMeshDir(value, path);
    GetHightexDir(value, path);
    AstrelBody body;
    ReadBodyFile(body, path);
    ReadCfgName(value, path);
    StringArray names;
    ReadBodyNames(path, names);
    ReadSurfBaseDirs(path, names, "Earth");
    MemStream stream;
    pf::fuzz::Fill(stream, data, size);
    std::string bodyName;
    ReadBodyAndName(bodyName, value, stream);
    return 0;
}
