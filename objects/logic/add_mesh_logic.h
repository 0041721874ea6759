#pragma once
// "Add Mesh": the model file and texture chosen with file dialogs, the placed sizes kept
// in the model's proportions when asked, the rotation, altitude and the five switches.
// The dialog owns a holder with the edited mesh; choosing a model replaces it.
#include "objects/logic/object_dialog_logic.h"

#include <optional>
#include <string>

namespace pf {

class Mesh;

class AddMeshLogic : public ObjectDialogLogic {
  public:
    enum ControlId {
        kLength = 1068,
        kHeight = 1067,
        kWidth = 1069,
        kAltitude = 1070,
        kTexture = 1072,
        kChooseTexture = 1074,
        kChooseFile = 1076,
        kTextureLabel = 1088,
        kShadow = 1091,
        kRotate = 1092,
        kUnderShadows = 1093,
        kOwnMaterial = 1094,
        kLpad = 1095,
        kPreload = 1096,
        kFile = 1122,
        kProperties = 1127,
        kKeepAspect = 1128,
    };

    static constexpr const char* kMeshFilter =
        "Mesh file (*msh)|*.msh;*.MSH|MESH (*.msh)|*.msh;*.MSH";
    static constexpr const char* kTextureFilter =
        "Texture file (*dds)|*.dds;*.DDS|Texture (*.dds)|*.dds;*.DDS";

    // A mesh is taken; any other type is refused and the holder stays as it was.
    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    void LoadFromObject() override;

    // The properties box (shown with the fields, never read): the natural extents of the
    // held mesh; "" without a model.
    std::string PropertiesText() const;
    // OWNMATERIAL disables the texture field and hides its button.
    bool IsEnabled(int control) const override { return control != kTexture || !ownMaterial; }
    bool IsShown(int control) const override { return control != kChooseTexture || !ownMaterial; }
    // The OWNMATERIAL box, toggled without reading the other fields.
    void ToggleOwnMaterial() { ownMaterial = !ownMaterial; }

    // The File field is read only: true when its new text must be set back to the
    // member; then ShowFileReadOnlyMessage tells the person why.
    bool FileEditNeedsRevert(const std::string& text) const { return text != meshFile; }
    void ShowFileReadOnlyMessage() const;

    // A change of a size field's text marks it.
    void MarkChanged(int id);
    bool IsMarked(int id) const;
    // A size field lost the focus: for a marked field the marks are cleared and the
    // aspect rule runs. True when the controls must be shown again from the members;
    // false with the refusal filled when a field was refused.
    bool OnSizeKillFocus(int id, const ControlTexts& texts, std::optional<FieldRefusal>& refusal);
    // The rotation or altitude field lost the focus: read and show again.
    bool OnFieldKillFocus(const ControlTexts& texts, std::optional<FieldRefusal>& refusal);

    // "...": asks for a model in the Meshes folder and applies it. True when the holder
    // took a new mesh (the controls are then shown again).
    bool ChooseMeshFile();
    bool ApplyMeshFile(const std::string& path);
    // "..." of the texture: true when the texture member changed.
    bool ChooseTexture();
    bool ApplyTexture(const std::string& path);

    // Members, as the dialog shows them.
    double rotation = 0.0;
    double length = 1.0;
    double width = 1.0;
    double height = 1.0;
    std::string meshFile;
    std::string texture;
    bool shadow = false;
    bool underShadows = false;
    bool ownMaterial = false;
    bool lpad = false;
    bool preload = false;
    double altitude = 0.0;
    bool keepAspect = true;

  protected:
    void Exchange(FieldExchange& dx) override;
    // OK without a model shows the missing-file message and stays open.
    bool ReadyToStore() override;
    void StoreObject() override;

  private:
    // The held mesh, or a default one.
    Mesh HeldMesh() const;
    void ApplyAspectRule(int id, double previousHeight);

    bool changedLength_ = false;
    bool changedHeight_ = false;
    bool changedWidth_ = false;
};

// The messages of the dialog.
inline constexpr const char* kMeshInstallMissingMessage =
    "Couldn't find \"Astrel 2010\" install. Please set its location in the configuration window";
inline constexpr const char* kMeshOutsideFolderMessage =
    "Error! File is not located in \"[Astrel Meshes]\\\" directory.";
inline constexpr const char* kMeshNameBlankMessage =
    "The simulator reads a model's name only up to its first blank: rename the model file or "
    "its folder.";
inline constexpr const char* kTextureOutsideFolderMessage =
    "Error! File is not located in \"[Astrel Root]\\Textures\\\" directory\r\nor "
    "\"[Astrel Root]\\Textures2\\ directory.";
inline constexpr const char* kMeshFileReadOnlyMessage =
    "Sorry, you have to select the mesh file from the \"...\" button to the right";
inline constexpr const char* kMeshFileMissingMessage = "Please enter a mesh file name.";
inline constexpr const char* kFlatMeshHeightMessage =
    "Sorry, objects with \"0\" height can't be changed";
inline constexpr const char* kZeroHeightAspectMessage =
    "Sorry, can't change height to 0 when maintaining aspect ratio";

} // namespace pf
