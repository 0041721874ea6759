#include "app/logic/parameter_text_logic.h"

#include "document/base_file_reader.h"
#include "foundation/failure.h"
#include "foundation/text.h"
#include "objects/astrel_object.h"
#include "objects/runway.h"
#include "workspace/config_reader.h"

namespace pf {

namespace {

bool IsEnd(const std::string& line) { return CStringEqualsNoCase(line, "End"); }

} // namespace

std::string ParameterTextLogic::Caption() const { return object_.GetTypeName(); }

std::string ParameterTextLogic::InitialText() const { return object_.GetParameterText(); }

void ParameterTextLogic::Accept(const std::string& text) {
    StringArray lines;
    SplitTextIntoLines(lines, text);
    size_t end = 0;
    StringArray block;
    block.push_back(object_.GetTypeName());
    for (; end < lines.size() && !IsEnd(lines[end]); ++end) {
        block.push_back(lines[end]);
    }
    AstrelObject edited;
    edited.CloneFrom(object_);
    if (ParseObjectGroup(edited, block)) {
        object_.CloneFrom(edited);
    } else {
        RefuseText();
    }

    const size_t lightsStart = end + 1;
    if (lightsStart >= lines.size() || !CStringEqualsNoCase(lines[lightsStart], "RUNWAYLIGHTS")) {
        return;
    }
    auto* runway = dynamic_cast<Runway*>(object_.Get());
    if (runway == nullptr) {
        // Only a runway carries lights; another object ignores the block.
        return;
    }
    StringArray lightsBlock;
    for (size_t i = lightsStart; i < lines.size() && !IsEnd(lines[i]); ++i) {
        lightsBlock.push_back(lines[i]);
    }
    AstrelObject lights;
    if (ParseObjectGroup(lights, lightsBlock) && lights.Get() != nullptr) {
        runway->lightsOn.Set(1);
        runway->lights.CopyFrom(*lights.Get());
    } else {
        RefuseText();
    }
}

void ParameterTextLogic::RefuseText() { ShowFailureMessage("Error parsing parameter text\r\n"); }

} // namespace pf
