#include "objects/train.h"

#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"

#include <vector>

namespace pf {

namespace {

void CopySpeedFields(NewEnd12Speed& to, const NewEnd12Speed& from) {
    to.end1 = from.end1;
    to.end2 = from.end2;
    to.maxSpeed = from.maxSpeed;
    to.slowZone = from.slowZone;
    to.tex = from.tex;
}

std::vector<ParameterReader> SpeedReaders(NewEnd12Speed& train) {
    return {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(train.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(train.end2, t); }},
        {"MAXSPEED", [&](const StringArray& t) { return ReadFloatParam(train.maxSpeed, t); }},
        {"SLOWZONE", [&](const StringArray& t) { return ReadFloatParam(train.slowZone, t); }},
        {"TEX", [&](const StringArray& t) { return ParseSecond(t, train.tex); }},
    };
}

} // namespace

Train1::Train1() : NewEnd12Speed(kTypeTrain1) { tex = kTrain1Texture; }

std::string Train1::GetParameterText() const {
    std::string text = EndLines(*this);
    text += FloatLine("MAXSPEED", maxSpeed);
    text += FloatLine("SLOWZONE", slowZone);
    text += "\tTEX " + tex + "\r\n";
    return text + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Train1::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeTrain1);
}

void Train1::CopyFrom(const AstrelObjectHandle& other) {
    if (const auto* o = dynamic_cast<const NewEnd12Speed*>(&other)) {
        CopySpeedFields(*this, *o);
    }
}

Train2::Train2() : NewEnd12SpeedHeight(kTypeTrain2) { tex = kTrain2Texture; }

std::string Train2::GetParameterText() const {
    std::string text = EndLines(*this);
    text += FloatLine("MAXSPEED", maxSpeed);
    text += FloatLine("HEIGHT", height);
    text += FloatLine("SLOWZONE", slowZone);
    text += "\tTEX " + tex + "\r\n";
    return text + KeptLinesText();
}

std::unique_ptr<ObjectEditDialog> Train2::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeTrain2);
}

void Train2::CopyFrom(const AstrelObjectHandle& other) {
    if (const auto* o = dynamic_cast<const NewEnd12Speed*>(&other)) {
        CopySpeedFields(*this, *o);
    }
    if (const auto* o = dynamic_cast<const NewEnd12SpeedHeight*>(&other)) {
        height = o->height;
    }
}

bool ParseTrain1(AstrelObject& holder, const StringArray& group) {
    Train1 train;
    return ReadObjectParameters(holder, group, "TRAIN1", train, SpeedReaders(train));
}

bool ParseTrain2(AstrelObject& holder, const StringArray& group) {
    Train2 train;
    std::vector<ParameterReader> readers = SpeedReaders(train);
    readers.push_back(
        {"HEIGHT", [&](const StringArray& t) { return ReadFloatParam(train.height, t); }});
    return ReadObjectParameters(holder, group, "TRAIN2", train, readers);
}

} // namespace pf
