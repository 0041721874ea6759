#pragma once
// The display-free half of every object dialog: the object being edited, the members
// that the controls show, the OK protocol, and the "Add Object" type chooser. The wx
// dialogs move control texts in and out and call these.
#include "foundation/field_exchange.h"
#include "objects/astrel_object.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pf {

// What the texture chooser starts from and gives back.
struct TextureChoice {
    int32_t kind = kTypeHangar; // the general texture list
    std::string name;
    float u = 0.0f;
    float v = 0.0f;
};

// Texture slots kept as parallel arrays of names and u/v scales, as the block, hangar and
// tank dialogs hold them. A slot below 0 (a button that is no texture button) is refused.
inline bool GetTextureSlot(int i, const std::string* names, const float* u, const float* v,
                           TextureChoice& choice) {
    if (i < 0) {
        return false;
    }
    choice = TextureChoice{kTypeHangar, names[i], u[i], v[i]};
    return true;
}

inline void SetTextureSlot(int i, std::string* names, float* u, float* v,
                           const TextureChoice& choice) {
    if (i < 0) {
        return;
    }
    names[i] = choice.name;
    u[i] = choice.u;
    v[i] = choice.v;
}

// What OK came to. Accepted: the holder holds the edited object. Otherwise the dialog stays
// open, with a refused field, or with none after the logic told the person why.
struct AcceptOutcome {
    bool accepted = false;
    std::optional<FieldRefusal> refusal;
};

class ObjectDialogLogic {
  public:
    virtual ~ObjectDialogLogic() = default;

    // The object to edit: false, holder unchanged, when this dialog does not edit its
    // type; otherwise the holder takes a clone and the members are loaded from it.
    bool SetObject(const AstrelObjectHandle& object);
    // The edited object, cloned into `out` (cleared when nothing is held).
    void GetObject(AstrelObject& out) const;
    const AstrelObject& Held() const { return holder_; }

    virtual bool AcceptsObject(const AstrelObjectHandle& object) const;
    // Copies the held object's parameters into the members.
    virtual void LoadFromObject() {}
    // The dialog starts: after its controls are made, before they are filled.
    virtual void InitDialog() {}

    // The members as the controls' texts.
    ControlTexts ShowFields();
    // Reads the controls into the members; the refusal when a field is refused.
    std::optional<FieldRefusal> ReadFields(const ControlTexts& texts);
    // OK: reads the fields and, when they pass and the logic is ready, turns them into the
    // held object.
    AcceptOutcome Accept(const ControlTexts& texts);

    // How the controls look; the dialog's layout gives the labels not listed here.
    virtual bool IsShown(int /*control*/) const { return true; }
    virtual bool IsEnabled(int /*control*/) const { return true; }
    virtual bool GetLabel(int /*control*/, std::string& /*label*/) const { return false; }

    // Kind buttons (the picture buttons that switch the object's kind): a click, false for
    // an id that is no kind button; and the checked state the button shows (checked: not
    // the current kind), false, state untouched, for an id that is no kind button.
    virtual bool ClickKind(int /*button*/) { return false; }
    virtual bool GetKindButtonState(int /*button*/, bool& /*checked*/) const { return false; }

    // Texture buttons: what the chooser opens with, and its answer.
    virtual bool GetTextureChoice(int /*button*/, TextureChoice& /*choice*/) const { return false; }
    virtual void SetTextureChoice(int /*button*/, const TextureChoice& /*choice*/) {}

  protected:
    // Lists the fields in member order.
    virtual void Exchange(FieldExchange& /*dx*/) {}
    // OK, after the fields passed: false keeps the dialog open with no field refused (the
    // logic has told the person why).
    virtual bool ReadyToStore() { return true; }
    // After the fields were read for OK: builds the object into the holder.
    virtual void StoreObject() {}

    AstrelObject holder_;
};

// A rotation from the dialog as stored: below 0 gets 360 added, then 360 or more is 0.
double NormaliseDialogRotation(double rotation);

// The type chooser "Add Object".
class AddObjectLogic {
  public:
    struct Button {
        int id;
        const char* caption;
        int32_t code;
    };
    // The type buttons of the type table, in the dialog's order.
    static const std::vector<Button>& Buttons();

    // A type button: stores its code; false for an id that is not a type button.
    bool Choose(int buttonId);
    int32_t GetCode() const { return code_; }

  private:
    int32_t code_ = 0;
};

} // namespace pf
