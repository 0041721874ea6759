#pragma once
// One surface base in memory: its names, its place in the simulator's configuration
// tree, the body it stands on, its position, objects, surface tiles, navigation beacons
// and whether its tiles must be rendered and the base loaded into the simulator again.
#include "document/nav_beacon.h"
#include "foundation/lat_lon.h"
#include "objects/astrel_object.h"
#include "tiles/tile_attributes.h"
#include "workspace/astrel_body.h"

#include <string>

namespace pf {

class DDSRendererUse;

class BaseDocument {
  public:
    // Strings and lists empty, position (0, 0), every flag false.
    BaseDocument();

    bool IsLoaded() const { return loaded_; }
    void SetLoaded(bool loaded) { loaded_ = loaded; }
    const std::string& GetConfigSuffix() const { return configSuffix_; }
    void SetConfigSuffix(const std::string& suffix) { configSuffix_ = suffix; }
    const std::string& GetContext() const { return context_; }
    void SetContext(const std::string& context) { context_ = context; }
    const std::string& GetPeriodBegin() const { return periodBegin_; }
    void SetPeriodBegin(const std::string& begin) { periodBegin_ = begin; }
    const std::string& GetPeriodEnd() const { return periodEnd_; }
    void SetPeriodEnd(const std::string& end) { periodEnd_ = end; }
    const std::string& GetOrigin() const { return origin_; }
    void SetOrigin(const std::string& origin) { origin_ = origin; }
    const std::string& GetOriginalPath() const { return originalPath_; }
    void SetOriginalPath(const std::string& path) { originalPath_ = path; }

    const AstrelBody& GetBody() const { return body_; }
    AstrelBody& GetBody() { return body_; }
    void SetBody(const AstrelBody& body) { body_.Assign(body); }

    const LatLon& GetPosition() const { return position_; }
    LatLon& GetPosition() { return position_; }
    void SetPosition(const LatLon& position) { position_ = position; }

    // The readers empty and fill the object and beacon lists in place.
    const ObjectArray& GetObjects() const { return objects_; }
    ObjectArray& GetObjects() { return objects_; }
    void SetObjects(const ObjectArray& objects) { objects_.Copy(objects); }

    // Tiles change only through AddTileSorted.
    const TileArray& GetTileArray() const { return tiles_; }

    const NavBeaconArray& GetBeacons() const { return beacons_; }
    NavBeaconArray& GetBeacons() { return beacons_; }
    void SetBeacons(const NavBeaconArray& beacons) { beacons_ = beacons; }

    bool GetNeedsRendering() const { return needsRendering_; }
    void SetNeedsRendering(bool needs) { needsRendering_ = needs; }
    bool GetNeedsLoading() const { return needsLoading_; }
    void SetNeedsLoading(bool needs) { needsLoading_ = needs; }

    const std::string& GetName() const { return name_; }
    // Stores the name as given; true.
    bool SetName(const std::string& name);
    const std::string& GetFileName() const { return fileName_; }
    // Stores the file name as given; true.
    bool SetFileName(const std::string& fileName);

    // Sets needs rendering and inserts the tile in ascending (level, x, y) order; a tile
    // equal to one present goes directly in front of it. True.
    bool AddTileSorted(const TileAttributes& tile);
    int GetTileCount() const { return static_cast<int>(tiles_.GetCount()); }

    // Puts the objects in the fixed type order (runway lights, runways, meshes, beacon
    // arrays, pads, blocks, hangars, tanks, trains, solar plants, the rest), each group
    // keeping its order.
    void GroupObjectsByType();
    // GroupObjectsByType, then by ascending top height; equal heights keep the group order.
    void SortObjects();

    // Writes every tile's DDS texture into the folder, reporting to the current progress
    // dialog. Sets needs loading; a cancel returns false at once with needs rendering
    // still set; a finished run clears needs rendering and returns true.
    bool RenderTiles(DDSRendererUse& use, std::string folder);

  private:
    bool loaded_ = false;
    std::string configSuffix_;
    std::string context_;
    std::string periodBegin_;
    std::string periodEnd_;
    std::string origin_;
    std::string originalPath_;
    AstrelBody body_;
    LatLon position_;
    ObjectArray objects_;
    TileArray tiles_;
    NavBeaconArray beacons_;
    bool needsRendering_ = false;
    bool needsLoading_ = false;
    std::string name_;
    std::string fileName_;
};

} // namespace pf
