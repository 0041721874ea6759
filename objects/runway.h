#pragma once
// Runways and runway lights. A runway is a strip between two ends with a width, two
// instrument-landing frequencies, a textured segment layout and one set of lights that it
// owns; stand-alone runway lights are the lights of a file whose ends matched no runway.
// A lit runway writes its lights as a RUNWAYLIGHTS block right after its own block.
#include "foundation/string_array.h"
#include "objects/astrel_object.h"
#include "objects/optional_values.h"
#include "objects/placement_families.h"
#include "objects/runway_segments.h"

namespace pf {

// Runway and pad frequencies start at 110.0 MHz, not present, not valid.
inline NavFrequency DefaultNavFrequency() {
    NavFrequency f;
    f.value = 110.0f;
    return f;
}

class NewEnd12WidthIls12Rwtex : public NewEnd12Width {
  public:
    NavFrequency ils1 = DefaultNavFrequency();
    NavFrequency ils2 = DefaultNavFrequency();
    RunwaySegmentList segments;
    // 1: the embedded lights are part of the runway.
    OptionalInt lightsOn{true, 0};

  protected:
    explicit NewEnd12WidthIls12Rwtex(int32_t type) : NewEnd12Width(type) {}
};

class NewEnd12WidthCountPapiVasi : public NewEnd12Width {
  public:
    // Index into the PAPI modes "Center", "Left", "Right", "Both".
    static constexpr int kPapiModeCount = 4;

    OptionalInt count1;
    // Approach angle, cone aperture, offset from the runway.
    OptionalFloat papi[3];
    OptionalInt papiMode;
    // Held as (offset, approach angle, distance between lights); the text gives approach
    // angle, distance, offset.
    OptionalVector3Float vasi;
    OptionalFloat tdDisp;
    OptionalFloat tdLength;
    OptionalFloat decisionDist;
    OptionalFloat approachStart;
    OptionalInt singleEnded;

    bool IsSingleEnded() const { return singleEnded.given && singleEnded.value == 1; }

  protected:
    explicit NewEnd12WidthCountPapiVasi(int32_t type) : NewEnd12Width(type) {}
};

class RunwayLights : public NewEnd12WidthCountPapiVasi {
  public:
    RunwayLights();

    std::string GetParameterText() const override;
    // A grey square: stand-alone lights have no picture of their own.
    void GetIcon(BitmapData& image) const override;
    void CopyFrom(const AstrelObjectHandle& other) override;
    // Stand-alone lights have no editing dialog: the root's none.
};

class Runway : public NewEnd12WidthIls12Rwtex {
  public:
    Runway();

    // The runway lines and, when lit, the lights block. Writing lines the lights' ends up
    // with the runway's and fills an unset lights width; those changes stay.
    std::string GetParameterText() const override;
    void GetIcon(BitmapData& image) const override;
    // Width above 0.1 only; lights whose width followed the runway's follow again.
    void SetSize1(double w) override;
    std::unique_ptr<ObjectEditDialog> CreateDialog() const override;
    void CopyFrom(const AstrelObjectHandle& other) override;

    // Written with the runway; mutable because writing realigns them.
    mutable RunwayLights lights;
};

// Object-group parsers: line 0 the type word, then the parameter lines.
bool ParseRunway(AstrelObject& holder, const StringArray& group);
bool ParseRunwayLights(AstrelObject& holder, const StringArray& group);

// After a base is read: every RUNWAYLIGHTS object whose ends match a runway's ends in x and
// y as the file writes them (same or swapped order) becomes that runway's lights and leaves
// the list; the others go to the end of the list. Lights right after a matching runway are
// that runway's (as a lit runway is written); the rest take the first unlit matching
// runway. A runway takes one lights object per pass, and single-ended lights never attach
// to a runway running the other way (writing would move them to the far end).
void AttachRunwayLights(ObjectArray& objects);

} // namespace pf
