#pragma once
// "Select Texture": the texture names that fit a kind of object, a preview of the chosen
// texture from the simulator's texture folder, and its u and v scales.
#include "foundation/field_exchange.h"
#include "imagery/bitmap_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pf {

class SelectTextureLogic {
  public:
    enum ControlId {
        kList = 1024,
        kUScale = 1093,
        kVScale = 1094,
        kScalingFrame = 1105,
        kPreview = 1116,
    };
    // The list entry that stands for "no texture".
    static constexpr const char* kNoneEntry = "**NONE**";

    enum class Preview { NoTexture, Unavailable, Image };

    explicit SelectTextureLogic(int32_t kind);

    int32_t GetKind() const { return kind_; }
    // The entries for the kind, in display order.
    const std::vector<std::string>& Entries() const;
    // The landing pads hide the scale fields (they are still read and checked).
    bool AreScalesShown() const;
    // The entry equal to the name without regard to case; -1 when none (or no name).
    int InitialSelection() const;
    // The name the preview starts with: the entry "**NONE**" counts as no name.
    std::string PreviewName() const;

    // A selection change: the name becomes the entry's text ("**NONE**": empty). False,
    // nothing changed, for an index outside the list.
    bool Select(int index);

    ControlTexts ShowFields();
    std::optional<FieldRefusal> ReadFields(const ControlTexts& texts);
    // OK: the scales are read and checked; the name stays as selected.
    std::optional<FieldRefusal> Accept(const ControlTexts& texts) { return ReadFields(texts); }
    // A double click: the fields are read; when they pass, the entry is taken.
    std::optional<FieldRefusal> DoubleClick(const ControlTexts& texts, int index);

    // The picture for a name: "No Texture" for none; "Image Unavailable" when there is no
    // texture folder or the file folder + name + ".dds" does not load; else the file's
    // picture at 24 bits.
    static Preview LoadPreview(const std::string& name, BitmapData& image);
    // A placeholder picture: black, the text in white.
    static bool MakePlaceholder(const std::string& text, int width, int height, BitmapData& image);

    std::string name;
    float u = 0.0f;
    float v = 0.0f;

  private:
    int32_t kind_;
};

} // namespace pf
