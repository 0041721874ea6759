#include "objects/logic/select_texture_logic.h"

#include "foundation/text.h"
#include "imagery/color_convert.h"
#include "imagery/text_render.h"
#include "imagery/texture_codec.h"
#include "workspace/file_manager.h"

namespace pf {

namespace {

bool IsPadKind(int32_t kind) { return kind == 12 || kind == 13 || kind == 14; }

} // namespace

SelectTextureLogic::SelectTextureLogic(int32_t kind) : kind_(kind) {}

const std::vector<std::string>& SelectTextureLogic::Entries() const {
    static const std::vector<std::string> pads = {"Lpad01", "Lpad02"};
    static const std::vector<std::string> pad2a = {"Lpad02a"};
    static const std::vector<std::string> general = {
        kNoneEntry, "Door01", "Fcd01", "Fcd02", "Fcd03", "Fcd04",  "Fcd05",  "Fcd06", "Fcd07",
        "Fcd08",    "Fcd10",  "Fcd11", "Fcd12", "Fcd13", "Roof01", "Roof02", "Wall01"};
    if (kind_ == 12 || kind_ == 13) {
        return pads;
    }
    if (kind_ == 14) {
        return pad2a;
    }
    return general;
}

bool SelectTextureLogic::AreScalesShown() const { return !IsPadKind(kind_); }

int SelectTextureLogic::InitialSelection() const {
    if (name.empty()) {
        return -1;
    }
    const std::vector<std::string>& entries = Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (CStringEqualsNoCase(entries[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string SelectTextureLogic::PreviewName() const {
    return name == kNoneEntry ? std::string() : name;
}

bool SelectTextureLogic::Select(int index) {
    const std::vector<std::string>& entries = Entries();
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        return false;
    }
    const std::string& entry = entries[static_cast<size_t>(index)];
    name = entry == kNoneEntry ? std::string() : entry;
    return true;
}

ControlTexts SelectTextureLogic::ShowFields() {
    ControlTexts texts;
    FieldExchange dx = FieldExchange::Show(texts);
    dx.Float(kUScale, u, 0.1f, 400.0f);
    dx.Float(kVScale, v, 0.1f, 400.0f);
    return texts;
}

std::optional<FieldRefusal> SelectTextureLogic::ReadFields(const ControlTexts& texts) {
    FieldExchange dx = FieldExchange::Read(texts);
    dx.Float(kUScale, u, 0.1f, 400.0f);
    dx.Float(kVScale, v, 0.1f, 400.0f);
    if (dx.Failed()) {
        return dx.Refusal();
    }
    return std::nullopt;
}

std::optional<FieldRefusal> SelectTextureLogic::DoubleClick(const ControlTexts& texts, int index) {
    std::optional<FieldRefusal> refusal = ReadFields(texts);
    if (!refusal) {
        Select(index);
    }
    return refusal;
}

SelectTextureLogic::Preview SelectTextureLogic::LoadPreview(const std::string& name,
                                                            BitmapData& image) {
    if (name.empty()) {
        return Preview::NoTexture;
    }
    std::string folder;
    if (!FileManager::GetTexturesDir(folder)) {
        return Preview::Unavailable;
    }
    BitmapData loaded;
    if (!LoadImageFileGuarded(folder + name + ".dds", loaded) || !ConvertTo24Bit(loaded)) {
        return Preview::Unavailable;
    }
    image.Swap(loaded);
    return Preview::Image;
}

bool SelectTextureLogic::MakePlaceholder(const std::string& text, int width, int height,
                                         BitmapData& image) {
    BitmapData made;
    if (!made.Create24(width, height) || !made.FillColor(0x000000)) {
        return false;
    }
    // Drawing can fail without a font; the black picture still stands in.
    DrawTextInBitmap(made, text, 80, ColorRGB(255, 255, 255), 10, height / 2 - 10, false);
    image.Swap(made);
    return true;
}

} // namespace pf
