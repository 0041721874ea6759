#include "objects/logic/add_mesh_logic.h"

#include "objects/mesh.h"
#include "objects/object_fakes.h"
#include "support/mesh_files.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace pf {
namespace {

namespace sfs = std::filesystem;
using L = AddMeshLogic;

class AddMeshLogicTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tree_.WriteModel("Box.msh", test::kMshBox); // W 4, L 10, Hy 5
        tree_.WriteModel("Flat.msh", "GEOM 3 1\r\n0 1 0\r\n4 1 0\r\n0 1 10\r\n0 1 2\r\n");
        tree_.WriteModel("Low.msh", "GEOM 2 0\r\n0 0 0\r\n1 0.1 1\r\n");
        tree_.WriteModel("Slab.msh", "GEOM 2 0\r\n2 0 0\r\n2 5 10\r\n"); // W 0
        tree_.WriteModel("Sub/Painted.msh", "TEXTURES 1\r\nGEOM 2 0\r\n0 0 0\r\n2 3 4\r\n"
                                            "TEXTURE 1\r\n");
    }

    Mesh Natural(const std::string& file) {
        Mesh mesh;
        mesh.file = file;
        uint8_t textured = 0;
        EXPECT_TRUE(mesh.LoadOrComputeMeshData(textured));
        mesh.scale.Set(mesh.NaturalLength(), mesh.NaturalWidth(), mesh.NaturalHeight());
        mesh.rot.Set(0.0);
        return mesh;
    }

    // Types a value into a size field and leaves it.
    bool TypeSize(int id, const std::string& value) {
        ControlTexts texts = logic_.ShowFields();
        texts.Set(id, value);
        logic_.MarkChanged(id);
        std::optional<FieldRefusal> refusal;
        const bool refresh = logic_.OnSizeKillFocus(id, texts, refusal);
        EXPECT_FALSE(refusal.has_value());
        return refresh;
    }

    std::string Model(const std::string& relative) const { return tree_.MeshesDir() + relative; }

    test::MeshSandbox tree_;
    test::ScriptedUi ui_;
    AddMeshLogic logic_;
};

TEST_F(AddMeshLogicTest, KeepAspectScalesTheOtherSizes) {
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    ASSERT_TRUE(TypeSize(L::kWidth, "8"));
    EXPECT_DOUBLE_EQ(logic_.width, 8.0);
    EXPECT_DOUBLE_EQ(logic_.length, 20.0);
    EXPECT_DOUBLE_EQ(logic_.height, 10.0);
    EXPECT_FALSE(logic_.IsMarked(L::kWidth));

    // The length floor of 0.1 holds for the width field.
    ASSERT_TRUE(TypeSize(L::kWidth, "0.01"));
    EXPECT_DOUBLE_EQ(logic_.width, 0.04);
    EXPECT_DOUBLE_EQ(logic_.length, 0.1);
    EXPECT_DOUBLE_EQ(logic_.height, 0.05);

    // The width floor holds for the length field.
    ASSERT_TRUE(TypeSize(L::kLength, "0.1"));
    EXPECT_DOUBLE_EQ(logic_.width, 0.1);
    EXPECT_DOUBLE_EQ(logic_.length, 0.25);

    ASSERT_TRUE(TypeSize(L::kHeight, "2.5"));
    EXPECT_DOUBLE_EQ(logic_.width, 2.0);
    EXPECT_DOUBLE_EQ(logic_.length, 5.0);
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(AddMeshLogicTest, UnmarkedFieldsAndKeepAspectOffChangeOnlyTheField) {
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    ControlTexts texts = logic_.ShowFields();
    texts.Set(L::kWidth, "8");
    std::optional<FieldRefusal> refusal;
    EXPECT_FALSE(logic_.OnSizeKillFocus(L::kWidth, texts, refusal));
    EXPECT_DOUBLE_EQ(logic_.width, 4.0);

    logic_.keepAspect = false;
    ASSERT_TRUE(TypeSize(L::kWidth, "8"));
    EXPECT_DOUBLE_EQ(logic_.width, 8.0);
    EXPECT_DOUBLE_EQ(logic_.length, 10.0);
    EXPECT_DOUBLE_EQ(logic_.height, 5.0);
}

TEST_F(AddMeshLogicTest, HeightZeroIsRefusedWhileKeepingTheAspect) {
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    ASSERT_TRUE(TypeSize(L::kHeight, "0"));
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].text, "Sorry, can't change height to 0 when maintaining aspect ratio");
    EXPECT_EQ(ui_.Calls()[0].caption, "Error");
    EXPECT_DOUBLE_EQ(logic_.height, 5.0);
    EXPECT_DOUBLE_EQ(logic_.width, 4.0);
}

TEST_F(AddMeshLogicTest, FlatModelsKeepHeightZero) {
    ASSERT_TRUE(logic_.SetObject(Natural("Flat")));
    for (bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        ui_.Clear();
        logic_.keepAspect = keep;
        ui_.AnswerNextMessage(MessageAnswer::Ok);
        ASSERT_TRUE(TypeSize(L::kHeight, "3"));
        EXPECT_EQ(ui_.Messages(),
                  std::vector<std::string>{"Sorry, objects with \"0\" height can't be changed"});
        EXPECT_EQ(logic_.height, 0.0);
        EXPECT_DOUBLE_EQ(logic_.length, 10.0);
    }
    ui_.Clear();
    ASSERT_TRUE(TypeSize(L::kHeight, "0"));
    EXPECT_TRUE(ui_.Calls().empty());
}

TEST_F(AddMeshLogicTest, FootprintWithoutWidthKeepsTheTypedValue) {
    ASSERT_TRUE(logic_.SetObject(Natural("Slab"))); // W 0, L 10, Hy 5
    ASSERT_TRUE(TypeSize(L::kWidth, "3"));
    EXPECT_DOUBLE_EQ(logic_.width, 3.0);
    EXPECT_DOUBLE_EQ(logic_.length, 10.0);
    EXPECT_DOUBLE_EQ(logic_.height, 5.0);
    // The length field scales; the width floor is skipped for a zero width.
    ASSERT_TRUE(TypeSize(L::kLength, "20"));
    EXPECT_DOUBLE_EQ(logic_.width, 0.0);
    EXPECT_DOUBLE_EQ(logic_.length, 20.0);
    EXPECT_DOUBLE_EQ(logic_.height, 10.0);
    ASSERT_TRUE(TypeSize(L::kHeight, "1"));
    EXPECT_DOUBLE_EQ(logic_.length, 2.0);
}

TEST_F(AddMeshLogicTest, FootprintWithoutLengthKeepsTheTypedValue) {
    tree_.WriteModel("Wall.msh", "GEOM 2 0\r\n0 0 3\r\n4 5 3\r\n"); // W 4, L 0, Hy 5
    ASSERT_TRUE(logic_.SetObject(Natural("Wall")));
    ASSERT_TRUE(TypeSize(L::kLength, "7"));
    EXPECT_DOUBLE_EQ(logic_.length, 7.0);
    EXPECT_DOUBLE_EQ(logic_.width, 4.0);
    EXPECT_DOUBLE_EQ(logic_.height, 5.0);
    // The width field scales; the length floor is skipped for a zero length.
    ASSERT_TRUE(TypeSize(L::kWidth, "0.04"));
    EXPECT_DOUBLE_EQ(logic_.width, 0.04);
    EXPECT_DOUBLE_EQ(logic_.length, 0.0);
    EXPECT_DOUBLE_EQ(logic_.height, 0.05);
}

TEST_F(AddMeshLogicTest, ChoosingAModelGivesItsNaturalSize) {
    Mesh held = Natural("Box");
    held.pos.Set(100.0, 200.0, 7.0);
    held.rot.Set(45.0);
    held.tex = "Wall01";
    held.lpad = held.preload = true;
    ASSERT_TRUE(logic_.SetObject(held));
    logic_.altitude = 12.0;

    ui_.AnswerNextPickFile(Model("Sub\\Painted.msh"));
    ASSERT_TRUE(logic_.ChooseMeshFile());
    ASSERT_EQ(ui_.FileChoices().size(), 1u);
    EXPECT_EQ(ui_.FileChoices()[0].filter, "Mesh file (*msh)|*.msh;*.MSH|MESH (*.msh)|*.msh;*.MSH");
    EXPECT_EQ(ui_.FileChoices()[0].initial_folder, tree_.MeshesDir());
    EXPECT_GT(ui_.WaitCursorShown(), 0);

    EXPECT_EQ(logic_.meshFile, "Sub\\Painted");
    const auto* mesh = dynamic_cast<const Mesh*>(logic_.Held().Get());
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->file, "Sub\\Painted");
    EXPECT_DOUBLE_EQ(logic_.length, 4.0);
    EXPECT_DOUBLE_EQ(logic_.width, 2.0);
    EXPECT_DOUBLE_EQ(logic_.height, 3.0);
    EXPECT_DOUBLE_EQ(logic_.altitude, 12.0);
    EXPECT_EQ(logic_.rotation, 0.0);
    EXPECT_EQ(logic_.texture, "");
    EXPECT_EQ(mesh->pos[0].value, 0.0);
    EXPECT_EQ(mesh->pos[1].value, 0.0);
    EXPECT_TRUE(logic_.ownMaterial);
    EXPECT_FALSE(logic_.IsEnabled(L::kTexture));
    EXPECT_FALSE(logic_.IsShown(L::kChooseTexture));
    EXPECT_TRUE(logic_.shadow);
    EXPECT_FALSE(logic_.underShadows);
    EXPECT_FALSE(logic_.lpad);
    EXPECT_FALSE(logic_.preload);
    EXPECT_TRUE(logic_.keepAspect);

    ASSERT_TRUE(logic_.ApplyMeshFile(Model("Low.msh")));
    EXPECT_FALSE(logic_.shadow);
    EXPECT_TRUE(logic_.underShadows);
    EXPECT_FALSE(logic_.ownMaterial);
    EXPECT_TRUE(logic_.IsShown(L::kChooseTexture));
    ASSERT_TRUE(logic_.ApplyMeshFile(Model("Box.msh")));
    EXPECT_TRUE(logic_.shadow);
    EXPECT_TRUE(ui_.Failures().empty());
}

TEST_F(AddMeshLogicTest, FailedChoiceKeepsTheHeldMeshAndItsName) {
    tree_.WriteModel("Broken.msh", "GEOM 3 1\r\n1 1 1\r\n");
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    EXPECT_FALSE(logic_.ApplyMeshFile(Model("Broken.msh")));
    EXPECT_EQ(ui_.Failures(),
              (std::vector<std::string>{"Couldn't parse mesh file", "Couldn't parse mesh file"}));
    EXPECT_EQ(logic_.meshFile, "Box");
    EXPECT_EQ(logic_.ShowFields().Get(L::kFile), "Box");
    EXPECT_EQ(dynamic_cast<const Mesh*>(logic_.Held().Get())->file, "Box");

    // A new mesh goes back to no name.
    AddMeshLogic fresh;
    EXPECT_FALSE(fresh.ApplyMeshFile(Model("Missing.msh")));
    EXPECT_EQ(fresh.meshFile, "");
    EXPECT_TRUE(fresh.Held().IsEmpty());
    // A name without the model extension is kept whole, and fails.
    tree_.WriteModel("Odd.txt", test::kMshBox);
    EXPECT_FALSE(fresh.ApplyMeshFile(Model("Odd.txt")));
}

TEST_F(AddMeshLogicTest, ModelsWhoseNameReadsBackAsAnotherAreRefused) {
    // The simulator reads FILE only to its first blank: such a model would be lost on the
    // next load, so it is refused before anything is read.
    const struct {
        const char* model;
        bool taken;
        const char* file;
    } rows[] = {
        {"My Tower.msh", false, "Box"},
        {"My Bases/Tower.msh", false, "Box"},
        {"Tab\tTower.msh", false, "Box"},
        {"Bases/Tower.msh", true, "Bases\\Tower"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.model);
        const std::string model = row.model;
        tree_.WriteModel(model, test::kMshBox);
        ui_.Clear();
        if (!row.taken) {
            ui_.AnswerNextMessage(MessageAnswer::Ok);
        }
        ASSERT_TRUE(logic_.SetObject(Natural("Box")));
        std::string internal = model;
        std::replace(internal.begin(), internal.end(), '/', '\\');
        EXPECT_EQ(logic_.ApplyMeshFile(Model(internal)), row.taken);
        EXPECT_EQ(logic_.meshFile, row.file);
        EXPECT_EQ(logic_.ShowFields().Get(L::kFile), row.file);
        EXPECT_EQ(dynamic_cast<const Mesh*>(logic_.Held().Get())->file, row.file);
        // A model taken has its extent record written; a refused one is never read.
        EXPECT_EQ(sfs::exists(tree_.CacheNative(model.substr(0, model.size() - 4) + ".dat")),
                  row.taken);
        if (row.taken) {
            EXPECT_TRUE(ui_.Calls().empty());
        } else {
            ASSERT_EQ(ui_.Calls().size(), 1u);
            EXPECT_EQ(ui_.Calls()[0].text, "The simulator reads a model's name only up to its "
                                           "first blank: rename the model file or its folder.");
            EXPECT_EQ(ui_.Calls()[0].caption, "Error");
        }
    }
}

TEST_F(AddMeshLogicTest, ModelFolderOnDiskInAnotherCase) {
    sfs::rename(tree_.Dir().NativePath("Sim/Meshes"), tree_.Dir().NativePath("Sim/meshes"));
    ASSERT_TRUE(logic_.ApplyMeshFile(tree_.Root() + "meshes\\Box.MSH"));
    EXPECT_EQ(logic_.meshFile, "Box");
}

TEST_F(AddMeshLogicTest, FilesOutsideTheirFoldersAndNoInstallationAreRefused) {
    tree_.Dir().WriteFile("Sim/Other/Box.msh", test::kMshBox);
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(logic_.ApplyMeshFile(tree_.Root() + "Other\\Box.msh"));
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    EXPECT_FALSE(logic_.ApplyTexture(tree_.Root() + "Other\\Pad.dds"));
    ASSERT_EQ(ui_.Calls().size(), 2u);
    EXPECT_EQ(ui_.Calls()[0].text,
              "Error! File is not located in \"[Astrel Meshes]\\\" directory.");
    EXPECT_EQ(ui_.Calls()[0].caption, "Error");
    EXPECT_EQ(ui_.Calls()[1].text,
              "Error! File is not located in \"[Astrel Root]\\Textures\\\" directory\r\n"
              "or \"[Astrel Root]\\Textures2\\ directory.");
    EXPECT_EQ(ui_.Calls()[1].caption, "Error");
    EXPECT_TRUE(logic_.Held().IsEmpty());
    EXPECT_EQ(logic_.meshFile, "");

    // Without an installation: the simulator folder cannot be found, then our box.
    tree_.ForgetInstallation();
    ui_.Clear();
    for (int i = 0; i < 4; ++i) {
        ui_.AnswerNextMessage(MessageAnswer::Ok);
    }
    EXPECT_FALSE(logic_.ChooseMeshFile());
    EXPECT_FALSE(logic_.ChooseTexture());
    const std::vector<std::string> messages = ui_.Messages();
    ASSERT_EQ(messages.size(), 4u);
    const std::string install =
        "Couldn't find \"Astrel 2010\" install. Please set its location in the configuration "
        "window";
    EXPECT_EQ(messages[1], install);
    EXPECT_EQ(messages[3], install);
    EXPECT_TRUE(ui_.FileChoices().empty());
}

TEST_F(AddMeshLogicTest, TexturesAreNamedFromEitherTextureFolder) {
    ui_.AnswerNextPickFile(tree_.Root() + "Textures2\\Ground\\Pad.dds");
    ASSERT_TRUE(logic_.ChooseTexture());
    EXPECT_EQ(logic_.texture, "Ground\\Pad");
    EXPECT_EQ(ui_.FileChoices()[0].filter,
              "Texture file (*dds)|*.dds;*.DDS|Texture (*.dds)|*.dds;*.DDS");
    EXPECT_EQ(ui_.FileChoices()[0].initial_folder, tree_.Root() + "Textures\\");
    logic_.texture.clear();
    ASSERT_TRUE(logic_.ApplyTexture(tree_.Root() + "Textures\\Ground\\Pad.DDS"));
    EXPECT_EQ(logic_.texture, "Ground\\Pad");
    // The folder itself names nothing.
    EXPECT_FALSE(logic_.ApplyTexture(tree_.Root() + "Textures\\"));
    EXPECT_EQ(logic_.texture, "Ground\\Pad");
    ui_.AnswerNextPickFile(std::nullopt);
    EXPECT_FALSE(logic_.ChooseTexture());
}

TEST_F(AddMeshLogicTest, FileFieldIsReadOnly) {
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    EXPECT_FALSE(logic_.FileEditNeedsRevert("Box"));
    EXPECT_TRUE(logic_.FileEditNeedsRevert("Boxx"));
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    logic_.ShowFileReadOnlyMessage();
    ASSERT_EQ(ui_.Calls().size(), 1u);
    EXPECT_EQ(ui_.Calls()[0].text,
              "Sorry, you have to select the mesh file from the \"...\" button to the right");
    EXPECT_EQ(ui_.Calls()[0].caption, "Read Only");
}

TEST_F(AddMeshLogicTest, OkNeedsAMeshFileAndNormalisesTheRotation) {
    ui_.AnswerNextMessage(MessageAnswer::Ok);
    AcceptOutcome outcome = logic_.Accept(logic_.ShowFields());
    EXPECT_FALSE(outcome.accepted);
    EXPECT_FALSE(outcome.refusal.has_value());
    EXPECT_EQ(ui_.Messages(), std::vector<std::string>{"Please enter a mesh file name."});
    EXPECT_EQ(ui_.Calls()[0].caption, "Error");

    Mesh held = Natural("Box");
    held.pos.Set(100.0, 200.0, 7.0);
    ASSERT_TRUE(logic_.SetObject(held));
    const struct {
        const char* typed;
        double stored;
    } rotations[] = {{"-90", 270.0}, {"360", 0.0}, {"-360", 0.0}, {"90", 90.0}};
    for (const auto& r : rotations) {
        ControlTexts texts = logic_.ShowFields();
        texts.Set(L::kRotate, r.typed);
        texts.Set(L::kAltitude, "3.5");
        texts.Set(L::kTexture, "Wall01");
        texts.Set(L::kLpad, "1");
        outcome = logic_.Accept(texts);
        ASSERT_TRUE(outcome.accepted) << r.typed;
        const auto* mesh = dynamic_cast<const Mesh*>(logic_.Held().Get());
        EXPECT_EQ(mesh->rot.value, r.stored) << r.typed;
        EXPECT_EQ(mesh->pos[0].value, 100.0);
        EXPECT_EQ(mesh->pos[1].value, 200.0);
        EXPECT_EQ(mesh->pos[2].value, 3.5);
        EXPECT_EQ(mesh->tex, "Wall01");
        EXPECT_TRUE(mesh->lpad);
        EXPECT_EQ(mesh->extent.right, 10.0);
    }

    // Refusals keep the dialog open.
    ControlTexts texts = logic_.ShowFields();
    texts.Set(L::kRotate, "361");
    outcome = logic_.Accept(texts);
    EXPECT_FALSE(outcome.accepted);
    ASSERT_TRUE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.refusal->control, L::kRotate);
    texts = logic_.ShowFields();
    texts.Set(L::kTexture, "Two words");
    outcome = logic_.Accept(texts);
    ASSERT_TRUE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.refusal->control, L::kTexture);
}

TEST_F(AddMeshLogicTest, PropertiesShowTheNaturalExtents) {
    EXPECT_EQ(logic_.ShowFields().Get(L::kProperties), "");
    tree_.WriteModel("Odd.msh", "GEOM 2 0\r\n0 0 0\r\n1.25 0.333333333 12.5\r\n");
    ASSERT_TRUE(logic_.SetObject(Natural("Odd")));
    EXPECT_EQ(logic_.PropertiesText(),
              "Mesh Properties:\r\nOriginal Width: 1.25\r\nOriginal Length: 12.5\r\n"
              "Original Height: 0.333333\r\n");
    logic_.ToggleOwnMaterial();
    EXPECT_FALSE(logic_.IsEnabled(L::kTexture));
    logic_.ToggleOwnMaterial();
    EXPECT_TRUE(logic_.IsEnabled(L::kTexture));
}

TEST_F(AddMeshLogicTest, OtherTypesAreRefused) {
    const test::FakeBlock block = test::MakeBlock(1, 2, 3, 4, 5, 6);
    EXPECT_FALSE(logic_.SetObject(block));
    EXPECT_TRUE(logic_.Held().IsEmpty());
    ASSERT_TRUE(logic_.SetObject(Natural("Box")));
    EXPECT_FALSE(logic_.SetObject(block));
    EXPECT_EQ(logic_.Held().GetType(), kTypeMesh);
}

} // namespace
} // namespace pf
