#pragma once
// What the base document's tests share: a base with an object of each kind the scenarios
// look for, beacons, tiles and every text field set, and the bytes its writers give.
#include "document/base_document.h"
#include "document/base_file_reader.h"
#include "foundation/stream.h"
#include "support/object_fixtures.h"
#include "support/simulator_sandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pf::test {

inline AstrelObject ParsedObject(const std::string& text) {
    AstrelObject holder;
    ParseObjectGroup(holder, Group(text));
    return holder;
}

// "Port Alpha" on Earth: a runway running east, a landing pad written "ROT 180", a block,
// two beacons (one with a sixth value), tiles with negative indices, context and period.
inline BaseDocument SampleBase() {
    BaseDocument base("Port Alpha", "Earth", LatLon(-80.6, 28.5));
    base.SetFileNameFromName("Port Alpha");
    base.SetConfigSuffix("Earth\\Base\\Historic\\");
    base.SetOriginalPath("C:\\Astrel\\Config\\Earth\\Base\\Alpha.cfg");
    base.SetContext("CONTEXT Summer");
    base.SetPeriodBegin("51000");
    base.SetPeriodEnd("51010");
    for (const char* text :
         {"BLOCK\n\tPOS 10 0 20\n\tSCALE 5 5 5\n\tROT 30",
          "RUNWAY\n\tEND1 0 0 0\n\tEND2 0 0 1000\n\tWIDTH 30", "LPAD1\n\tPOS 0 0 50\n\tROT 180"}) {
        base.GetObjects().Add(ParsedObject(text));
    }
    base.SortObjects();
    NavBeacon vor;
    vor.identifier = "PAV";
    vor.longitude.Set(-80.6f);
    vor.latitude.Set(28.5f);
    vor.frequency.Set(112.5f);
    base.GetBeacons().Add(vor);
    vor.type = "ILS";
    vor.sixth.Set(25.5);
    base.GetBeacons().Add(vor);
    for (auto [level, x, y] : {std::tuple{14, -3, -2}, {14, 5, -1}, {12, -1, 0}}) {
        base.AddTileSorted(TileAttributes("Earth", level, x, y));
    }
    base.SetNeedsRendering(false);
    return base;
}

// The own file's bytes (own) or the simulator's text.
inline std::string WrittenText(const BaseDocument& base, bool own = true) {
    MemStream stream;
    own ? base.WriteBaseFile(stream) : base.WriteSimulatorConfig(stream);
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

class DocumentTest : public ::testing::Test {
  protected:
    // Native path in the documents folder.
    std::string Docs(const std::string& name = "") const {
        return sim_.Dir().Native() + "/Documents/Padforge/" + name;
    }
    // Runs op, answering OK to the boxes expected; the texts shown ("box " or "fail " and
    // the text) must be those expected.
    bool Run(const std::function<bool()>& op, const std::vector<std::string>& expected) {
        for (const std::string& text : expected) {
            if (text.rfind("box ", 0) == 0) {
                sim_.Ui().AnswerNextMessage(MessageAnswer::Ok);
            }
        }
        sim_.Ui().Clear();
        const bool result = op();
        std::vector<std::string> shown;
        for (const auto& call : sim_.Ui().Calls()) {
            shown.push_back((call.kind == "message" ? "box " : "fail ") + call.text);
        }
        EXPECT_EQ(shown, expected);
        return result;
    }
    // The known folder cannot be made when its user-dirs entry lies below a regular file.
    void BlockDocuments() const {
        sim_.Dir().WriteFile("blocked", "x");
        sim_.Dir().WriteFile(".config/user-dirs.dirs",
                             "XDG_DOCUMENTS_DIR=\"$HOME/blocked/Documents\"\n");
    }

    SimulatorSandbox sim_;
};

} // namespace pf::test
