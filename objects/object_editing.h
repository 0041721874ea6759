#pragma once
// The core side of an object's editing dialog. The wx dialogs live in padforge_ui, which
// registers one maker per type code at start-up; core code asks the registry, so that
// the object model needs no window code.
#include <cstdint>
#include <functional>
#include <memory>

namespace pf {

class AstrelObject;
class AstrelObjectHandle;

class ObjectEditDialog {
  public:
    virtual ~ObjectEditDialog() = default;
    // The dialog keeps its own clone of the object to edit.
    virtual void SetObject(const AstrelObjectHandle& object) = 0;
    // Shows the dialog modally; true when it ended with OK.
    virtual bool RunModal() = 0;
    // The edited object, cloned into the caller's holder (after OK only).
    virtual void GetObject(AstrelObject& result) = 0;
    // Navigation frequencies the structure editor hands a new object before the dialog
    // runs: a runway takes both, a landing pad the first; other dialogs ignore them.
    virtual void PresetFrequencies(float /*first*/, float /*second*/) {}
};

using ObjectDialogMaker = std::function<std::unique_ptr<ObjectEditDialog>()>;

// Dialog makers by type code (0 to 16).
class ObjectDialogRegistry {
  public:
    // Installs a maker and returns the one it replaces (empty when none). Codes outside
    // 0..16 are ignored.
    static ObjectDialogMaker Register(int32_t code, ObjectDialogMaker maker);
    // A new dialog of that type, or null when none is registered.
    static std::unique_ptr<ObjectEditDialog> Create(int32_t code);
};

} // namespace pf
