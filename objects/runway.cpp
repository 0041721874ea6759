#include "objects/runway.h"

#include "foundation/text.h"
#include "imagery/bitmap_data.h"
#include "imagery/object_icons.h"
#include "objects/object_editing.h"
#include "objects/parameter_lines.h"
#include "objects/value_readers.h"
#include "workspace/config_reader.h"

#include <cmath>
#include <functional>
#include <unordered_map>
#include <vector>

namespace pf {

namespace {

std::string FrequencyLine(const char* keyword, const NavFrequency& f) {
    return FormatString("\t%s %s\r\n", keyword, FormatFrequency(f).c_str());
}

// A line as the reader handed it: its tokens, one blank apart.
std::string JoinTokens(const StringArray& tokens) {
    std::string line;
    for (const std::string& token : tokens) {
        line += (line.empty() ? "" : " ") + token;
    }
    return line;
}

bool IsTextureLine(const std::string& line) {
    StringArray tokens;
    return SplitBySpace(tokens, line) && CStringEqualsNoCase(tokens[0], "RWTEX");
}

void CopyEnds(NewEnd12Width& to, const NewEnd12Width& from) {
    to.end1 = from.end1;
    to.end2 = from.end2;
    to.width = from.width;
}

} // namespace

// ---- runway lights ----

RunwayLights::RunwayLights() : NewEnd12WidthCountPapiVasi(kTypeRunwayLights) {}

std::string RunwayLights::GetParameterText() const {
    std::string text = EndLines(*this);
    text += "\tWIDTH " + FormatDouble3(width.value) + "\r\n";
    if (count1.given) {
        text += "\tCOUNT1 " + FormatInt(count1) + "\r\n";
    }
    if (papi[0].given && papi[1].given && papi[2].given) {
        text += "\tPAPI " + FormatPapiValues(papi[0], papi[1], papi[2], papiMode) + "\r\n";
    }
    if (vasi.IsSet()) {
        text += "\tVASI " + FormatVector3Float(vasi) + "\r\n";
    }
    text += FloatLine("TD_DISP", tdDisp);
    text += FloatLine("TD_LENGTH", tdLength);
    text += FloatLine("DECISION_DIST", decisionDist);
    text += FloatLine("APPROACH_START", approachStart);
    if (IsSingleEnded()) {
        text += "\tSINGLEENDED\r\n";
    }
    return text + KeptLinesText();
}

void RunwayLights::GetIcon(BitmapData& image) const {
    if (image.Create24(32, 32)) {
        image.FillColor24(ColorRGB(127, 127, 127));
    }
}

void RunwayLights::CopyFrom(const AstrelObjectHandle& other) {
    const auto* o = dynamic_cast<const NewEnd12WidthCountPapiVasi*>(&other);
    if (o == nullptr) {
        return;
    }
    CopyEnds(*this, *o);
    count1 = o->count1;
    for (int i = 0; i < 3; ++i) {
        papi[i] = o->papi[i];
    }
    papiMode = o->papiMode;
    vasi = o->vasi;
    tdDisp = o->tdDisp;
    tdLength = o->tdLength;
    decisionDist = o->decisionDist;
    approachStart = o->approachStart;
    singleEnded = o->singleEnded;
    // Lights read on their own keep their lines when they are folded into a runway.
    SetKeptLines(o->GetKeptLines());
}

// ---- runway ----

Runway::Runway() : NewEnd12WidthIls12Rwtex(kTypeRunway) {}

std::string Runway::GetParameterText() const {
    std::string text = EndLines(*this);
    if (width.given) {
        text += "\tWIDTH " + FormatDouble3(width.value) + "\r\n";
    }
    if (ils1.present) {
        text += FrequencyLine("ILS1", ils1);
    }
    if (ils2.present) {
        text += FrequencyLine("ILS2", ils2);
    }
    const std::string segmentText = segments.GetText();
    text += segmentText;
    // A kept RWTEX line stands for a texture the segment rules did not write; once they
    // write segments with their own RWTEX, it would only contradict it.
    for (const std::string& line : GetKeptLines()) {
        if (segmentText.empty() || !IsTextureLine(line)) {
            text += "\t" + line + "\r\n";
        }
    }
    if (lightsOn.value == 1) {
        // The lights lie on the runway; only their heights are their own.
        for (int i = 0; i < 2; ++i) {
            lights.end1[i] = end1[i];
            lights.end2[i] = end2[i];
        }
        if (!lights.width.given) {
            lights.width = width;
        }
        text += "END\r\nRUNWAYLIGHTS\r\n";
        text += lights.GetParameterText();
    }
    return text;
}

void Runway::GetIcon(BitmapData& image) const {
    if (segments.IsWideLayout()) {
        GetObjectIconBitmap("Buttons\\runway1.bmp", image);
        return;
    }
    AstrelObjectHandle::GetIcon(image);
}

void Runway::SetSize1(double w) {
    if (!(w > 0.1)) {
        return;
    }
    if (lightsOn.value == 1 && lights.width.value == width.value) {
        lights.width.Set(w);
    }
    width.Set(w);
}

std::unique_ptr<ObjectEditDialog> Runway::CreateDialog() const {
    return ObjectDialogRegistry::Create(kTypeRunway);
}

void Runway::CopyFrom(const AstrelObjectHandle& other) {
    const auto* o = dynamic_cast<const Runway*>(&other);
    if (o == nullptr) {
        return;
    }
    CopyEnds(*this, *o);
    ils1 = o->ils1;
    ils2 = o->ils2;
    segments = o->segments;
    lightsOn = o->lightsOn;
    lights.CopyFrom(o->lights);
}

// ---- parsers ----

bool ParseRunway(AstrelObject& holder, const StringArray& group) {
    static const char* const kWord = "RUNWAY";
    if (group.empty() || !CStringEqualsNoCase(group[0], kWord)) {
        return false;
    }
    Runway runway;
    runway.lightsOn.Set(0);
    runway.ils1.present = false;
    runway.ils2.present = false;

    // NRWSEG takes the lines after it whatever their first word, so the segment lines are
    // taken out here and the rest goes through the common keyword parser.
    StringArray rest;
    rest.push_back(group[0]);
    StringArray tokens;
    for (size_t i = 1; i < group.size(); ++i) {
        if (!SplitBySpace(tokens, group[i]) || !CStringEqualsNoCase(tokens[0], "NRWSEG")) {
            rest.push_back(group[i]);
            continue;
        }
        if (!ReadCountParam(runway.segments.count, tokens)) {
            return false;
        }
        const int32_t declared = runway.segments.count.value;
        for (int32_t k = 0; k < declared && i + 1 < group.size(); ++k) {
            ++i;
            StringArray fields;
            if (!SplitBySpace(fields, group[i]) || fields.size() < 7) {
                return false;
            }
            AstrelRunwaySegment segment;
            // A value that is not a number leaves the rest of the segment unset, as with
            // any other parameter.
            ReadRunwaySegmentLine(fields, segment);
            runway.segments.segments.push_back(segment);
        }
    }

    const std::vector<ParameterReader> readers = {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(runway.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(runway.end2, t); }},
        {"WIDTH", [&](const StringArray& t) { return ReadDoubleParam(runway.width, t); }},
        {"ILS1",
         [&](const StringArray& t) {
             const bool ok = ReadFrequencyParam(runway.ils1, t);
             runway.ils1.present = true;
             return ok;
         }},
        {"ILS2",
         [&](const StringArray& t) {
             const bool ok = ReadFrequencyParam(runway.ils2, t);
             runway.ils2.present = true;
             return ok;
         }},
        {"RWTEX",
         [&](const StringArray& t) {
             // Without segments the simulator's line is not written by the segment rules:
             // it is kept as it stands.
             if (runway.segments.count.value == 0) {
                 runway.KeepLine(JoinTokens(t));
             }
             return ParseSecond(t, runway.segments.texture);
         }},
    };
    return ReadObjectParameters(holder, rest, kWord, runway, readers);
}

bool ParseRunwayLights(AstrelObject& holder, const StringArray& group) {
    RunwayLights lights;
    lights.singleEnded.Set(0);
    auto floatReader = [](OptionalFloat& field) {
        return [&field](const StringArray& t) { return ReadFloatParam(field, t); };
    };
    const std::vector<ParameterReader> readers = {
        {"END1", [&](const StringArray& t) { return ReadPositionParam(lights.end1, t); }},
        {"END2", [&](const StringArray& t) { return ReadPositionParam(lights.end2, t); }},
        {"WIDTH", [&](const StringArray& t) { return ReadDoubleParam(lights.width, t); }},
        {"COUNT1", [&](const StringArray& t) { return ReadCountParam(lights.count1, t); }},
        {"PAPI",
         [&](const StringArray& t) { return ReadPapiParam(lights.papi, lights.papiMode, t); }},
        {"VASI", [&](const StringArray& t) { return ReadColorParam(lights.vasi, t); }},
        {"TD_DISP", floatReader(lights.tdDisp)},
        {"TD_LENGTH", floatReader(lights.tdLength)},
        {"DECISION_DIST", floatReader(lights.decisionDist)},
        {"APPROACH_START", floatReader(lights.approachStart)},
        {"SINGLEENDED",
         [&](const StringArray&) {
             lights.singleEnded.Set(1);
             return true;
         }},
    };
    return ReadObjectParameters(holder, group, "RUNWAYLIGHTS", lights, readers);
}

// ---- pairing after reading ----

namespace {

// The horizontal ends of a runway as one key, each as the file gives it back (three
// decimals, through a float): ends that differ only beyond the written decimals would pair
// after a save and a load, so they pair at once. Minus zero is zero, as == has it; an end
// that is not a number matches nothing.
struct EndsKey {
    double v[4];
    bool operator==(const EndsKey& o) const {
        return v[0] == o.v[0] && v[1] == o.v[1] && v[2] == o.v[2] && v[3] == o.v[3];
    }
};

struct EndsKeyHash {
    size_t operator()(const EndsKey& k) const {
        size_t h = 0;
        for (double d : k.v) {
            h = h * 1000003u ^ std::hash<double>()(d);
        }
        return h;
    }
};

// A value that no written text reads back as (beyond a float) is compared as it is.
double AsWritten(double v) {
    double read = 0.0;
    return ValueAsRead(v, 3, read) ? read : v;
}

bool MakeKey(const OptionalVector3Double& a, const OptionalVector3Double& b, EndsKey& key) {
    // Component 1 is written negated; rounding does the same to a value and its negation.
    key = EndsKey{{AsWritten(a[0].value) + 0.0, AsWritten(a[1].value) + 0.0,
                   AsWritten(b[0].value) + 0.0, AsWritten(b[1].value) + 0.0}};
    return !std::isnan(key.v[0]) && !std::isnan(key.v[1]) && !std::isnan(key.v[2]) &&
           !std::isnan(key.v[3]);
}

EndsKey Swapped(const EndsKey& key) { return EndsKey{{key.v[2], key.v[3], key.v[0], key.v[1]}}; }

// The runways with one pair of ends, in list order; those before `next` are lit.
struct RunwayBucket {
    std::vector<Runway*> runways;
    size_t next = 0;
};

// Whether lights lie on the runway's ends, the same way or (unless single ended) swapped.
bool LightsFitRunway(const Runway& runway, const RunwayLights& lights) {
    EndsKey ends, same;
    if (!MakeKey(runway.end1, runway.end2, ends) || !MakeKey(lights.end1, lights.end2, same)) {
        return false;
    }
    return ends == same || (!lights.IsSingleEnded() && ends == Swapped(same));
}

// A lit runway is written with its lights block right after its own: such a block is that
// runway's, whatever other lights with the same ends come before it. Without this, stand-
// alone lights written before the runway would take it on the next read, and two blocks
// would swap on every save.
void AttachFollowingLights(ObjectArray& objects) {
    std::vector<ObjectArray::iterator> taken;
    auto previous = objects.end();
    for (auto it = objects.begin(); it != objects.end(); previous = it++) {
        if (previous == objects.end() || it->GetType() != kTypeRunwayLights ||
            previous->GetType() != kTypeRunway) {
            continue;
        }
        auto* runway = dynamic_cast<Runway*>(previous->Get());
        const auto* lights = dynamic_cast<const RunwayLights*>(it->Get());
        if (runway == nullptr || lights == nullptr || runway->lightsOn.value == 1 ||
            !LightsFitRunway(*runway, *lights)) {
            continue;
        }
        runway->lights.CopyFrom(*lights);
        runway->lightsOn.Set(1);
        taken.push_back(it);
    }
    for (ObjectArray::iterator it : taken) {
        objects.Erase(it);
    }
}

} // namespace

void AttachRunwayLights(ObjectArray& objects) {
    AttachFollowingLights(objects);
    // Each other lights object takes the first runway, in list order, that is not lit yet and
    // has the same ends or (unless the lights are single ended) the swapped ends. The
    // runways are found by their ends, so pairing stays linear in the number of objects;
    // the list is changed in place, without copies.
    std::vector<ObjectArray::iterator> lightsObjects;
    std::unordered_map<EndsKey, RunwayBucket, EndsKeyHash> byEnds;
    std::unordered_map<const Runway*, size_t> order;
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        if (it->GetType() == kTypeRunwayLights) {
            lightsObjects.push_back(it);
            continue;
        }
        auto* runway = dynamic_cast<Runway*>(it->Get());
        EndsKey key;
        if (runway == nullptr || it->GetType() != kTypeRunway || runway->lightsOn.value == 1 ||
            !MakeKey(runway->end1, runway->end2, key)) {
            continue;
        }
        order.emplace(runway, order.size());
        byEnds[key].runways.push_back(runway);
    }
    const auto firstUnlit = [&](const EndsKey& key) -> RunwayBucket* {
        auto it = byEnds.find(key);
        if (it == byEnds.end() || it->second.next >= it->second.runways.size()) {
            return nullptr;
        }
        return &it->second;
    };

    for (ObjectArray::iterator holder : lightsObjects) {
        const auto* lights = dynamic_cast<const RunwayLights*>(holder->Get());
        EndsKey same;
        RunwayBucket* bucket = nullptr;
        if (lights != nullptr && MakeKey(lights->end1, lights->end2, same)) {
            bucket = firstUnlit(same);
            RunwayBucket* other = lights->IsSingleEnded() ? nullptr : firstUnlit(Swapped(same));
            if (other != nullptr &&
                (bucket == nullptr ||
                 order[other->runways[other->next]] < order[bucket->runways[bucket->next]])) {
                bucket = other;
            }
        }
        if (bucket == nullptr) {
            objects.MoveToEnd(holder); // unmatched lights follow the other objects
            continue;
        }
        Runway* runway = bucket->runways[bucket->next++];
        runway->lights.CopyFrom(*lights);
        runway->lightsOn.Set(1);
        objects.Erase(holder);
    }
}

} // namespace pf
