#pragma once
// What "Add Runway" does, without a display: its members, which controls are shown and
// enabled, its button handlers and the building of the runway on OK.
#include "foundation/geometry.h"
#include "objects/logic/object_dialog_logic.h"
#include "objects/runway.h"

#include <string>
#include <vector>

namespace pf {

// Direction of an end-placed object as the dialogs show it, in [0, 360): 90 when END1 lies
// east of the centre.
double DirectionOfEnds(const Point3& end1, const Point3& centre);
// Horizontal length between the two ends.
double LengthOfEnds(const Point3& end1, const Point3& end2);
// Half of the length turned into the given direction (degrees in [0, 360)): END1 is the
// centre plus this vector, END2 the centre minus it.
Point3 HalfLengthVector(double length, double direction);

class AddRunwayLogic : public ObjectDialogLogic {
  public:
    enum Control : int {
        kLength = 1069,
        kWidth = 1068,
        kDirection = 1099,
        kIls1 = 1098,
        kIls2 = 1097,
        kUseIls1 = 1100,
        kUseIls2 = 1102,
        kUseLights = 1091,
        kUseD3D9 = 1092,
        kNumberOfLights = 1103,
        kPapiApproach = 1104,
        kPapiAperture = 1105,
        kPapiOffset = 1106,
        kVasiApproach = 1107,
        kVasiDistance = 1108,
        kVasiOffset = 1109,
        kRunway1 = 1096,
        kRunway2 = 1101,
        kMode = 1157,
        kTouchDownDisplacement = 1158,
        kTouchDownLength = 1159,
        kRedLightsLength = 1160,
        kApproachLightsLength = 1161,
        kSingleEnded = 1162,
        kModeLabel = 1163,
        kApproachLightsLabel = 1167,
    };
    static constexpr const char* kTitle = "Add Runway";
    // The entries of the mode combo box, in index order.
    static const std::vector<std::string>& ModeNames();

    bool AcceptsObject(const AstrelObjectHandle& object) const override;
    // The fields of the held runway; its segment list is kept for OK.
    void LoadFromObject() override;

    // After the controls are made: the type normalised to 0 or 1.
    void InitDialog() override;
    // The type buttons are the runway's kind buttons.
    bool ClickKind(int button) override;
    bool GetKindButtonState(int button, bool& checked) const override;
    bool IsShown(int id) const override;
    bool IsEnabled(int id) const override;

    // Clicks. A check box click flips its member at once, without reading the fields.
    void OnUseLightsClicked() { useLights = !useLights; }
    void OnUseD3D9Clicked() { useD3D9 = !useD3D9; }

    // Frequencies the structure editor hands out before the dialog runs.
    void SetIlsFrequencies(float first, float second) {
        ils1 = first;
        ils2 = second;
    }

    // Members, with their defaults.
    int32_t runwayType = 1; // 0 Runway1, 1 Runway2
    Point3 centre;
    double length = 2000.0;
    double width = 100.0;
    double direction = 90.0;
    float ils1 = 109.0f;
    float ils2 = 110.0f;
    bool useIls1 = true;
    bool useIls2 = true;
    bool useLights = true;
    bool useD3D9 = false;
    int32_t numberOfLights = 40;
    float vasiApproach = 20.0f;
    float vasiDistance = 10.0f;
    float vasiOffset = 10.0f;
    float papiApproach = 20.0f;
    float papiAperture = 3.0f;
    float papiOffset = 100.0f;
    int32_t mode = 1;
    float touchDownDisplacement = 0.0f;
    float touchDownLength = 600.0f;
    float redLightsLength = 257.0f;
    float approachLightsLength = 900.0f;
    bool singleEnded = false;

    // A type button was clicked: OK lays the chosen layout over any held one.
    bool typeChosen = false;

  protected:
    // Moves every member to or from its control text, in member order; the mode travels
    // as its selection index.
    void Exchange(FieldExchange& fx) override;
    // The new runway, built over the held one when there is one.
    void StoreObject() override;
};

} // namespace pf
