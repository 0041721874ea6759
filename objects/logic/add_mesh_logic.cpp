#include "objects/logic/add_mesh_logic.h"

#include "foundation/failure.h"
#include "foundation/text.h"
#include "foundation/ui_hooks.h"
#include "objects/mesh.h"
#include "platform/fs.h"
#include "workspace/file_manager.h"

namespace pf {

namespace {

void ShowError(const char* text) {
    ShowMessageBox(text, "Error", MessageButtons::Ok, MessageIcon::None);
}

// The folder as it is spelled on disk (a tree copied from Windows may hold "meshes"
// where the configuration says "Meshes\"), so that a chosen path can be compared with it.
std::string FolderOnDisk(const std::string& folder) {
    std::string native;
    if (!fs::Resolve(folder, native)) {
        return folder;
    }
    std::string internal = fs::ToInternal(native);
    if (internal.empty() || internal.back() != '\\') {
        internal += '\\';
    }
    return internal;
}

// The part of the path behind the folder, or nothing when the path is not inside it.
std::optional<std::string> Behind(const std::string& path, const std::string& folder) {
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0) {
        return std::nullopt;
    }
    return path.substr(folder.size());
}

// Only the expected extension is cut: another name stays whole.
std::string WithoutExtension(const std::string& name, const char* extension) {
    if (CStringEndsWithNoCase(name, extension)) {
        return name.substr(0, name.size() - std::char_traits<char>::length(extension));
    }
    return name;
}

} // namespace

bool AddMeshLogic::AcceptsObject(const AstrelObjectHandle& object) const {
    return object.GetType() == kTypeMesh;
}

Mesh AddMeshLogic::HeldMesh() const {
    Mesh mesh;
    if (!holder_.IsEmpty()) {
        holder_.CopyInto(mesh);
    }
    return mesh;
}

void AddMeshLogic::LoadFromObject() {
    const Mesh mesh = HeldMesh();
    keepAspect = mesh.keepAspect;
    rotation = mesh.rot.value;
    length = mesh.scale[0].value;
    width = mesh.scale[1].value;
    height = mesh.scale[2].value;
    altitude = mesh.pos[2].value;
    meshFile = mesh.file;
    texture = mesh.tex;
    shadow = mesh.shadow;
    underShadows = mesh.underShadows;
    ownMaterial = mesh.ownMaterial;
    lpad = mesh.lpad;
    preload = mesh.preload;
}

void AddMeshLogic::Exchange(FieldExchange& dx) {
    dx.Double(kRotate, rotation, -360.0, 360.0);
    dx.Double(kLength, length, 0.0, 40000.0);
    dx.Double(kWidth, width, 0.0, 40000.0);
    dx.Double(kHeight, height, 0.0, 40000.0);
    dx.Text(kFile, meshFile);
    dx.TextureName(kTexture, texture);
    dx.Check(kShadow, shadow);
    dx.Check(kUnderShadows, underShadows);
    dx.Check(kOwnMaterial, ownMaterial);
    dx.Check(kLpad, lpad);
    dx.Check(kPreload, preload);
    dx.Double(kAltitude, altitude);
    dx.Check(kKeepAspect, keepAspect);
    std::string properties = PropertiesText();
    dx.Text(kProperties, properties);
}

std::string AddMeshLogic::PropertiesText() const {
    const Mesh mesh = HeldMesh();
    if (mesh.file.empty()) {
        return std::string();
    }
    return "Mesh Properties:\r\n"
           "Original Width: " +
           FormatNumber(static_cast<float>(mesh.NaturalWidth()), 6) +
           "\r\n"
           "Original Length: " +
           FormatNumber(static_cast<float>(mesh.NaturalLength()), 6) +
           "\r\n"
           "Original Height: " +
           FormatNumber(static_cast<float>(mesh.NaturalHeight()), 6) + "\r\n";
}

void AddMeshLogic::ShowFileReadOnlyMessage() const {
    ShowMessageBox(kMeshFileReadOnlyMessage, "Read Only", MessageButtons::Ok, MessageIcon::None);
}

void AddMeshLogic::MarkChanged(int id) {
    switch (id) {
    case kLength:
        changedLength_ = true;
        break;
    case kHeight:
        changedHeight_ = true;
        break;
    case kWidth:
        changedWidth_ = true;
        break;
    default:
        break;
    }
}

bool AddMeshLogic::IsMarked(int id) const {
    switch (id) {
    case kLength:
        return changedLength_;
    case kHeight:
        return changedHeight_;
    case kWidth:
        return changedWidth_;
    default:
        return false;
    }
}

bool AddMeshLogic::OnSizeKillFocus(int id, const ControlTexts& texts,
                                   std::optional<FieldRefusal>& refusal) {
    refusal.reset();
    if (!IsMarked(id)) {
        return false;
    }
    changedLength_ = changedHeight_ = changedWidth_ = false;
    const double previousHeight = height;
    refusal = ReadFields(texts);
    if (refusal) {
        return false;
    }
    ApplyAspectRule(id, previousHeight);
    return true;
}

void AddMeshLogic::ApplyAspectRule(int id, double previousHeight) {
    const Mesh mesh = HeldMesh();
    const double L = mesh.NaturalLength();
    const double W = mesh.NaturalWidth();
    const double Hy = mesh.NaturalHeight();
    if (id == kHeight && Hy == 0.0) {
        if (height != 0.0) {
            ShowError(kFlatMeshHeightMessage);
            height = 0.0;
        }
        return;
    }
    if (!keepAspect) {
        return;
    }
    if (id == kHeight && height == 0.0) {
        ShowError(kZeroHeightAspectMessage);
        height = previousHeight;
        return;
    }
    const double edited = id == kWidth ? width : id == kLength ? length : height;
    const double extent = id == kWidth ? W : id == kLength ? L : Hy;
    // A footprint without width or length has nothing to keep in proportion.
    if (extent == 0.0) {
        return;
    }
    auto setAll = [&](double r) {
        width = W * r;
        length = L * r;
        height = Hy * r;
    };
    setAll(edited / extent);
    if ((id == kLength || id == kHeight) && width < 0.1 && W != 0.0) {
        setAll(0.1 / W);
    }
    if ((id == kWidth || id == kHeight) && length < 0.1 && L != 0.0) {
        setAll(0.1 / L);
    }
}

bool AddMeshLogic::OnFieldKillFocus(const ControlTexts& texts,
                                    std::optional<FieldRefusal>& refusal) {
    refusal = ReadFields(texts);
    return !refusal.has_value();
}

bool AddMeshLogic::ChooseMeshFile() {
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        ShowError(kMeshInstallMissingMessage);
        return false;
    }
    const std::optional<std::string> path = ChooseFile("", kMeshFilter, folder);
    if (!path) {
        return false;
    }
    return ApplyMeshFile(*path);
}

bool AddMeshLogic::ApplyMeshFile(const std::string& path) {
    WaitCursor wait;
    std::string folder;
    if (!FileManager::GetMeshesDir(folder)) {
        ShowError(kMeshInstallMissingMessage);
        return false;
    }
    const std::optional<std::string> inside = Behind(path, FolderOnDisk(folder));
    if (!inside) {
        ShowError(kMeshOutsideFolderMessage);
        return false;
    }
    // A name with a blank would be written whole but read back only to the blank, and the
    // base would lose its model on the next load.
    const std::string name = WithoutExtension(*inside, ".msh");
    if (!ReadsBackAsItsName(name)) {
        ShowError(kMeshNameBlankMessage);
        return false;
    }
    meshFile = name;

    Mesh mesh;
    mesh.file = meshFile;
    uint8_t textured = 0;
    if (!mesh.LoadOrComputeMeshData(textured)) {
        ShowFailureMessage("Couldn't parse mesh file");
        // OK must not write the new name onto the old model's extents.
        meshFile = HeldMesh().file;
        return false;
    }
    mesh.pos[2].Set(altitude);
    mesh.scale.Set(mesh.NaturalLength(), mesh.NaturalWidth(), mesh.NaturalHeight());
    mesh.ownMaterial = textured != 0;
    const bool tall = mesh.NaturalHeight() >= 0.2;
    mesh.shadow = tall;
    mesh.underShadows = !tall;
    holder_.AssignFrom(mesh);
    LoadFromObject();
    return true;
}

bool AddMeshLogic::ChooseTexture() {
    std::string textures, textures2;
    if (!FileManager::GetTexturesDir(textures) || !FileManager::GetTextures2Dir(textures2)) {
        ShowError(kMeshInstallMissingMessage);
        return false;
    }
    const std::optional<std::string> path = ChooseFile("", kTextureFilter, textures);
    if (!path) {
        return false;
    }
    return ApplyTexture(*path);
}

bool AddMeshLogic::ApplyTexture(const std::string& path) {
    std::string textures, textures2;
    if (!FileManager::GetTexturesDir(textures) || !FileManager::GetTextures2Dir(textures2)) {
        ShowError(kMeshInstallMissingMessage);
        return false;
    }
    std::optional<std::string> inside = Behind(path, FolderOnDisk(textures));
    if (!inside) {
        inside = Behind(path, FolderOnDisk(textures2));
    }
    if (!inside) {
        ShowError(kTextureOutsideFolderMessage);
        return false;
    }
    if (inside->empty()) {
        return false;
    }
    texture = WithoutExtension(*inside, ".dds");
    return true;
}

bool AddMeshLogic::ReadyToStore() {
    if (meshFile.empty()) {
        ShowError(kMeshFileMissingMessage);
        return false;
    }
    return true;
}

void AddMeshLogic::StoreObject() {
    rotation = NormaliseDialogRotation(rotation);
    Mesh mesh = HeldMesh();
    mesh.keepAspect = keepAspect;
    mesh.rot.Set(rotation);
    mesh.scale.Set(length, width, height);
    mesh.pos[2].Set(altitude);
    mesh.file = meshFile;
    mesh.tex = texture;
    mesh.shadow = shadow;
    mesh.underShadows = underShadows;
    mesh.ownMaterial = ownMaterial;
    mesh.lpad = lpad;
    mesh.preload = preload;
    holder_.AssignFrom(mesh);
}

} // namespace pf
