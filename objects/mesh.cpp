#include "objects/mesh.h"

#include "foundation/failure.h"
#include "foundation/file_helpers.h"
#include "foundation/name_safety.h"
#include "foundation/stream.h"
#include "foundation/ui_hooks.h"
#include "imagery/color_convert.h"
#include "imagery/object_icons.h"
#include "imagery/resample.h"
#include "imagery/texture_codec.h"
#include "objects/astrel_object.h"
#include "objects/mesh_top_view.h"
#include "objects/object_editing.h"
#include "objects/value_readers.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"
#include "workspace/file_utils.h"
#include "workspace/folders.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace pf {

namespace {

const Mesh*& KnownMesh() {
    static thread_local const Mesh* known = nullptr;
    return known;
}

// The ratio of a placed size to its natural extent; 1 for a zero extent.
double Ratio(double size, double extent) { return extent == 0.0 ? 1.0 : size / extent; }

// The middle of the model's footprint in the held component order, scaled by the ratios
// and turned by the rotation: what lies between the model's origin and the placed centre.
void CentreOffset(const GeoRect& e, double p0, double p1, double rotation, double& d0, double& d1) {
    d0 = (e.left + std::fabs(e.Width()) / 2.0) * p0;
    d1 = -(e.bottom + std::fabs(e.Height()) / 2.0) * p1;
    RotatePointXY(d0, d1, DegreesToRadians(rotation));
}

// A FILE names a model and its cache files below the Meshes and cache folders: a safe
// relative path that names a file, not a folder.
bool NamesMeshFile(const std::string& name) {
    return IsSafeRelativePath(name) && name.back() != '\\';
}

} // namespace

Mesh::Mesh() : FilePosScaleRotTexMesh(kTypeMesh) {}

void Mesh::TextPlacement(OptionalVector3Double& origin, OptionalVector3Double& ratios) const {
    const double rz = Ratio(scale[0].value, NaturalLength());
    const double rx = Ratio(scale[1].value, NaturalWidth());
    const double ry = Ratio(scale[2].value, NaturalHeight());
    double d0 = 0.0, d1 = 0.0;
    CentreOffset(extent, rz, rx, rot.value, d0, d1);
    origin.Set(pos[0].value - d0, pos[1].value - d1, pos[2].value - ry * lowestY);
    ratios.Set(rz, rx, ry);
}

bool Mesh::PlaceFromText(OptionalVector3Double& placedPos, OptionalVector3Double& placedScale,
                         double rotation) const {
    const double p0 = placedScale[0].value;
    const double p1 = placedScale[1].value;
    const double p2 = placedScale[2].value;
    double d0 = 0.0, d1 = 0.0;
    CentreOffset(extent, p0, p1, rotation, d0, d1);
    placedScale[0].Set(NaturalLength() * p0);
    placedScale[1].Set(NaturalWidth() * p1);
    placedScale[2].Set(NaturalHeight() * p2);
    placedPos[0].Set(placedPos[0].value + d0);
    placedPos[1].Set(placedPos[1].value + d1);
    placedPos[2].Set(placedPos[2].value + p2 * lowestY);
    // Held values are written back through floats: one beyond their range would come back
    // as "inf", which the reader refuses, so it is refused here already.
    for (int i = 0; i < 3; ++i) {
        if (!(std::fabs(placedPos[i].value) <= FLT_MAX) ||
            !(std::fabs(placedScale[i].value) <= FLT_MAX)) {
            return false;
        }
    }
    return true;
}

bool ReadsBackAsItsName(const std::string& name) {
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == '/'; });
}

bool Mesh::ReadBackTopHeight(double& height) const {
    // Read back, FILE must name this model again, so that its extents hold: a name with a
    // blank or '/' reads back as another (the text is then read back whole).
    if (file.empty() || !ReadsBackAsItsName(file)) {
        return false;
    }
    OptionalVector3Double origin, ratios, placedPos, placedScale;
    TextPlacement(origin, ratios);
    double rotation = 0.0;
    if (!TripleAsRead(origin, 3, true, placedPos) || !TripleAsRead(ratios, 4, false, placedScale) ||
        !RotationAsRead(rot.value, rotation) || !PlaceFromText(placedPos, placedScale, rotation)) {
        return false;
    }
    height = placedPos[2].value + placedScale[2].value;
    return true;
}

std::string Mesh::GetParameterText() const {
    OptionalVector3Double origin, ratios;
    TextPlacement(origin, ratios);
    std::string text = "\tFILE " + file + "\r\n";
    text += "\tPOS " + FormatVector3Double(origin) + "\r\n";
    text += "\tSCALE " + FormatVector3DoubleRotated(ratios) + "\r\n";
    text += "\tROT " + FormatRotation(rot.value) + "\r\n";
    if (!ownMaterial && !tex.empty()) {
        text += "\tTEX " + tex + "\r\n";
    }
    if (preload)
        text += "\tPRELOAD\r\n";
    if (shadow)
        text += "\tSHADOW\r\n";
    if (underShadows)
        text += "\tUNDERSHADOWS\r\n";
    if (ownMaterial)
        text += "\tOWNMATERIAL\r\n";
    if (lpad)
        text += "\tLPAD\r\n";
    return text + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Mesh::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeMesh);
}

void Mesh::CopyFrom(const AstrelObjectHandle& other) {
    const auto* source = dynamic_cast<const FilePosScaleRotTexMesh*>(&other);
    if (source == nullptr || source == this) {
        return;
    }
    pos = source->pos;
    scale = source->scale;
    rot = source->rot;
    tex = source->tex;
    file = source->file;
    shadow = source->shadow;
    underShadows = source->underShadows;
    ownMaterial = source->ownMaterial;
    lpad = source->lpad;
    preload = source->preload;
    keepAspect = source->keepAspect;
    extent = source->extent;
    lowestY = source->lowestY;
    highestY = source->highestY;
    modelUnavailable = source->modelUnavailable;
}

MeshExtents Mesh::GetExtents() const {
    MeshExtents e;
    e.rect = extent;
    e.lowestY = lowestY;
    e.highestY = highestY;
    return e;
}

void Mesh::SetExtents(const MeshExtents& e) {
    extent = e.rect;
    lowestY = e.lowestY;
    highestY = e.highestY;
}

void Mesh::SetUnitModel() {
    extent = GeoRect{-0.5, 0.5, 0.5, -0.5};
    lowestY = 0.0;
    highestY = 1.0;
    modelUnavailable = true;
}

std::string GetMeshFilePath(const std::string& name) {
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        return std::string();
    }
    return folder + name + ".msh";
}

// ---- extents: model file and extent record ----

bool Mesh::ComputeMeshDataFromFile(std::string name, uint8_t& textured) {
    std::replace(name.begin(), name.end(), '/', '\\');
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        return false;
    }
    MeshExtents read;
    if (!NamesMeshFile(name) || !ReadMeshExtents(folder + name, read, textured)) {
        return ShowFailureMessage("Couldn't parse mesh file");
    }
    SetExtents(read);
    modelUnavailable = false;
    return true;
}

bool Mesh::ComputeMeshData(uint8_t& textured) {
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        return false;
    }
    if (!NamesMeshFile(file)) {
        return ShowFailureMessage("Couldn't parse mesh file");
    }
    return ComputeMeshDataFromFile(file + ".msh", textured);
}

std::string Mesh::CachePath(const char* extension) const {
    std::string folder;
    if (!NamesMeshFile(file) || !GetMeshCachePath(folder)) {
        return std::string();
    }
    return folder + file + extension;
}

bool Mesh::LoadMeshData(uint8_t& textured) {
    const std::string record = CachePath(".dat");
    if (record.empty() || !PathExists(record)) {
        return false;
    }
    if (!IsCacheFileCurrent(record, GetMeshFilePath(file))) {
        return false;
    }
    MeshRecordBytes bytes{};
    {
        PfgFileStream stream;
        if (!stream.Open(record, kOpenRead) ||
            !stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()))) {
            return false;
        }
    }
    MeshExtents read;
    uint8_t flag = 0;
    DecodeMeshRecord(bytes, read, flag);
    // A damaged record must not become the model's extents.
    if (!IsSoundMeshExtents(read)) {
        SafeDeleteFile(record);
        return false;
    }
    SetExtents(read);
    textured = flag;
    modelUnavailable = false;
    return true;
}

bool Mesh::SaveMeshData(uint8_t textured) {
    const std::string record = CachePath(".dat");
    if (record.empty()) {
        return false;
    }
    CreateCacheSubfolders(file + ".dat");
    PfgFileStream stream;
    if (!stream.Open(record, kOpenWrite | kOpenCreate)) {
        return ShowFailureMessage("Couldn't create mesh dat file\r\n");
    }
    const MeshRecordBytes bytes = EncodeMeshRecord(GetExtents(), textured);
    if (!stream.Write(bytes.data(), static_cast<uint32_t>(bytes.size()))) {
        return false;
    }
    return stream.Commit();
}

bool Mesh::LoadOrComputeMeshData(uint8_t& textured) {
    textured = 0;
    if (LoadMeshData(textured)) {
        return true;
    }
    if (!ComputeMeshData(textured)) {
        return false;
    }
    SaveMeshData(textured);
    return true;
}

// ---- top view ----

const BitmapData& Mesh::GetTopView() const {
    static const BitmapData none;
    return topView_ != nullptr ? *topView_ : none;
}

void Mesh::GetIcon(BitmapData& image) const {
    if (topView_ == nullptr && !topViewFailed_ && !modelUnavailable) {
        MeshModelStamp stamp;
        const bool stamped = NamesMeshFile(file) && StampMeshModel(GetMeshFilePath(file), stamp);
        if (stamped) {
            topView_ = FindSharedMeshTopView(stamp);
        }
        if (topView_ == nullptr) {
            bool made = LoadMeshTextureFromCache();
            if (!made && RenderTopView()) {
                SaveMeshTextureToCache();
                HalveImage(*topView_);
                made = true;
            }
            if (made && stamped) {
                ShareMeshTopView(stamp, topView_);
            }
            if (!made) {
                // Whatever was drawn is no picture of the model.
                topView_.reset();
                topViewFailed_ = true;
            }
        }
    }
    if (topView_ != nullptr && topView_->HasPixels()) {
        image.Assign(*topView_);
        return;
    }
    GetObjectIconBitmap(kMeshFixedIcon, image);
}

bool Mesh::RenderTopView() const {
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        return false;
    }
    if (!NamesMeshFile(file) || !IsDrawableMeshRect(extent)) {
        return false;
    }
    // A new picture: the one held may be another mesh's too.
    topView_ = std::make_shared<BitmapData>();
    if (!topView_->Create24(kMeshTopViewSize, kMeshTopViewSize) ||
        !topView_->FillColor(0xFFFFFFFFu)) {
        return false;
    }
    WaitCursor wait;
    return RenderMeshTopView(folder + file + ".msh", extent, *topView_);
}

bool Mesh::LoadMeshTextureFromCache() const {
    const std::string png = CachePath(".png");
    if (png.empty() || !PathExists(png)) {
        return false;
    }
    if (!IsCacheFileCurrent(png, GetMeshFilePath(file))) {
        return false;
    }
    topView_ = std::make_shared<BitmapData>();
    if (!LoadImageFileGuarded(png, *topView_)) {
        topView_.reset();
        return false;
    }
    if (!topView_->HasPixels()) {
        return ShowFailureMessage("LoadMeshTextureFromCache failed");
    }
    ConvertTo24Bit(*topView_);
    HalveImage(*topView_);
    return true;
}

bool Mesh::SaveMeshTextureToCache() const {
    const std::string png = CachePath(".png");
    if (png.empty()) {
        return false;
    }
    CreateCacheSubfolders(file + ".png");
    if (PathExists(png)) {
        ShowFailureMessage("SaveMeshTextureToCache: Cached object already exists");
    }
    if (topView_ == nullptr || !topView_->HasPixels()) {
        return ShowFailureMessage("SaveMeshTextureToCache failed");
    }
    BitmapData copy(*topView_);
    if (!ConvertTo32Bit(copy)) {
        return false;
    }
    DDSRendererUse use;
    return DDSRenderer::SavePng(png, copy);
}

// ---- text ----

bool ParseMesh(AstrelObject& holder, const StringArray& group) {
    Mesh local;
    local.rot.Set(WrapAngle360(0.0));
    auto flag = [](bool& member) {
        return [&member](const StringArray&) {
            member = true;
            return true;
        };
    };
    const std::vector<ParameterReader> readers = {
        {"POS", [&](const StringArray& t) { return ReadPositionParam(local.pos, t); }},
        {"FILE",
         [&](const StringArray& t) {
             if (t.size() < 2) {
                 return false;
             }
             local.file = t[1];
             std::replace(local.file.begin(), local.file.end(), '/', '\\');
             return true;
         }},
        {"SCALE", [&](const StringArray& t) { return ReadVectorParam(local.scale, t); }},
        {"ROT", [&](const StringArray& t) { return ReadAngleParam(local.rot, t); }},
        {"TEX", [&](const StringArray& t) { return ParseSecond(t, local.tex); }},
        {"SHADOW", flag(local.shadow)},
        {"UNDERSHADOWS", flag(local.underShadows)},
        {"OWNMATERIAL", flag(local.ownMaterial)},
        {"LPAD", flag(local.lpad)},
        {"PRELOAD", flag(local.preload)},
    };
    // The readers fill `local`; the mesh is only complete once its extents are known.
    AstrelObject scratch;
    if (!ReadObjectParameters(scratch, group, "MESH", local, readers)) {
        return false;
    }

    uint8_t textured = 0;
    const Mesh* known = KnownMesh();
    if (known != nullptr && known->file == local.file) {
        local.SetExtents(known->GetExtents());
        local.modelUnavailable = known->modelUnavailable;
    } else if (!local.LoadOrComputeMeshData(textured)) {
        // Keep the mesh: a base moved to a machine without its model must not lose it.
        local.SetUnitModel();
    }
    if (!local.PlaceFromText(local.pos, local.scale, local.rot.value)) {
        return false;
    }
    holder.AssignFrom(local);
    return true;
}

KnownMeshExtents::KnownMeshExtents(const Mesh* known) : previous_(KnownMesh()) {
    KnownMesh() = known;
}

KnownMeshExtents::~KnownMeshExtents() { KnownMesh() = previous_; }

} // namespace pf
