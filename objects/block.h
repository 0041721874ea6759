#pragma once
// Blocks: box-shaped buildings with two wall textures and a roof texture, whose wall
// textures may repeat in proportion to the building. The parameter-set helpers here are
// shared with the hangars, which are built on the same parameter set.
#include "foundation/string_array.h"
#include "objects/placement_families.h"

#include <memory>
#include <string>

namespace pf {

class AstrelObject;
class ObjectEditDialog;

class Block : public NewPosScaleRotTex123 {
  public:
    Block();
    // Writing recomputes and keeps the wall textures' scales when PFG_SCALEUV is set.
    std::string GetParameterText() const override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
};

// Reads a "BLOCK" group into the holder.
bool ParseBlock(AstrelObject& holder, const StringArray& group);

// The writers' pieces of the textured-building parameter set.
// The TEX1, TEX2 and TEX3 lines of the complete textures, with the scales as held.
std::string Tex123Lines(const NewPosScaleRotTex123& object);
// The same, but with PFG_SCALEUV set TEX1 and TEX2 follow the building: TEX1.u from wallU1,
// TEX2.u from wallU2, both v from the height. The object keeps the scales it holds.
std::string Tex123Lines(const NewPosScaleRotTex123& object, double wallU1, double wallU2);
// Copies what the textured-building set holds.
void CopyTex123(NewPosScaleRotTex123& target, const NewPosScaleRotTex123& source);
// Reads a group of the textured-building set into `local` (already holding its
// constructor defaults): ROT 0 and the flag cleared first; with ROOFH for `roofh`.
bool ParseTex123Group(AstrelObject& holder, const StringArray& group, const std::string& typeWord,
                      NewPosScaleRotTex123& local, OptionalFloat* roofh);

} // namespace pf
