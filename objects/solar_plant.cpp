#include "objects/solar_plant.h"

#include "objects/astrel_object.h"
#include "objects/object_editing.h"
#include "objects/value_readers.h"

namespace pf {

SolarPlant::SolarPlant() : NewPosScaleRotSpacingGridTex(kTypeSolarPlant) {}

std::string SolarPlant::GetParameterText() const {
    std::string text = "\tPOS " + FormatVector3Double(pos) + "\r\n";
    if (spacing[0].given && spacing[1].given) {
        text += "\tSPACING " + FormatFloat4(spacing[0]) + " " + FormatFloat4(spacing[1]) + "\r\n";
    }
    if (grid[0].given && grid[1].given) {
        text += "\tGRID " + FormatInt(grid[0]) + " " + FormatInt(grid[1]) + "\r\n";
    }
    if (rot.given) {
        text += "\tROT " + FormatRotation(rot.value) + "\r\n";
    }
    // The simulator's plants always use the panel texture.
    text += "\tTEX Solpanel\r\n";
    return text + KeptLinesText();
}

bool SolarPlant::ReadBackTopHeight(double& height) const {
    // No SCALE is written: a plant reads back one metre high.
    double base = 0.0;
    if (!TripleHeightAsRead(pos, 3, base)) {
        return false;
    }
    height = base + 1.0;
    return true;
}

std::unique_ptr<ObjectEditDialog> SolarPlant::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeSolarPlant);
}

void SolarPlant::CopyFrom(const AstrelObjectHandle& other) {
    const auto* source = dynamic_cast<const NewPosScaleRotSpacingGridTex*>(&other);
    if (source == nullptr) {
        return;
    }
    pos = source->pos;
    scale = source->scale;
    rot = source->rot;
    for (int i = 0; i < 2; ++i) {
        spacing[i] = source->spacing[i];
        grid[i] = source->grid[i];
    }
    tex = source->tex;
}

bool ParseSolarPlant(AstrelObject& holder, const StringArray& group) {
    SolarPlant local;
    local.rot.Set(0.0);
    const std::vector<ParameterReader> readers = {
        {"POS", [&](const StringArray& t) { return ReadPositionParam(local.pos, t); }},
        {"SCALE",
         [&](const StringArray& t) {
             const bool read = ReadUniformScaleParam(local.scale, t);
             if (read) {
                 local.scale[2].Set(1.0);
             }
             return read;
         }},
        {"ROT", [&](const StringArray& t) { return ReadAngleParam(local.rot, t); }},
        {"TEX", [&](const StringArray& t) { return ReadTextureParam(local.tex, t); }},
        {"SPACING", [&](const StringArray& t) { return ReadSpacingParam(local.spacing, t); }},
        {"GRID", [&](const StringArray& t) { return ReadGridParam(local.grid, t); }},
    };
    AstrelObject parsed;
    if (!ReadObjectParameters(parsed, group, "SOLARPLANT", local, readers)) {
        return false;
    }
    // The extent follows from the grid alone; a grid not given counts 0.
    auto* plant = dynamic_cast<SolarPlant*>(parsed.Get());
    if (plant == nullptr) {
        return false;
    }
    plant->scale[0].Set(plant->grid[0].value * SolarPlant::kCellSize);
    plant->scale[1].Set(plant->grid[1].value * SolarPlant::kCellSize);
    holder.AssignFrom(*plant);
    return true;
}

} // namespace pf
