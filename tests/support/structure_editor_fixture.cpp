#include "support/structure_editor_fixture.h"

#include "document/base_file_reader.h"
#include "foundation/text.h"
#include "imagery/object_icons.h"
#include "platform/settings_store.h"
#include "workspace/config_reader.h"

namespace pf::test {

AstrelObject ParseObject(const std::string& text) {
    StringArray lines;
    SplitTextIntoLines(lines, text);
    AstrelObject holder;
    if (!ParseObjectGroup(holder, lines)) {
        holder.Clear();
    }
    return holder;
}

ObjectArray ParseObjects(const std::vector<std::string>& texts) {
    ObjectArray objects;
    for (const std::string& text : texts) {
        objects.Add(ParseObject(text));
    }
    return objects;
}

std::string PlacedText(const char* keyword, double x, double y, double top, double side) {
    // POS "a b c" holds (c, -a, b); SCALE's second number is the height.
    return FormatString("%s\nPOS %g 0 %g\nSCALE %g %g %g\nROT 0\n", keyword, -y, x, side, top,
                        side);
}

StructureEditorTest::StructureEditorTest() {
    settings_store::Write("Install Path", install_.Internal());
    ClearIconBitmapCache();
    document_.SetBody(AstrelBody("Earth", kEarthRadius, kEarthMass));
    document_.SetPosition(LatLon(0.0, 0.0));
}

StructureEditorModel& StructureEditorTest::Open(const std::vector<std::string>& objects) {
    document_.SetObjects(ParseObjects(objects));
    model_ = std::make_unique<StructureEditorModel>(document_, window_);
    model_->zoom = 13.0;
    model_->FullRefresh();
    return *model_;
}

namespace {

class FakeObjectDialog : public ObjectEditDialog {
  public:
    explicit FakeObjectDialog(std::optional<AstrelObject> result) : result_(std::move(result)) {}
    void SetObject(const AstrelObjectHandle&) override {}
    bool RunModal() override { return result_.has_value(); }
    void GetObject(AstrelObject& out) override { out = *result_; }

  private:
    std::optional<AstrelObject> result_;
};

} // namespace

void FakeObjectDialogs::Answer(int32_t code, std::optional<AstrelObject> result) {
    replaced_.emplace_back(code, ObjectDialogRegistry::Register(code, [result]() {
                               return std::unique_ptr<ObjectEditDialog>(
                                   new FakeObjectDialog(result));
                           }));
}

FakeObjectDialogs::~FakeObjectDialogs() {
    for (auto it = replaced_.rbegin(); it != replaced_.rend(); ++it) {
        ObjectDialogRegistry::Register(it->first, std::move(it->second));
    }
}

} // namespace pf::test
