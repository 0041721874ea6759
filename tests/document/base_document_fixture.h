#pragma once
// What the base document's tests share: a base with every section and field set, the
// bytes its writers give, and a sandbox that records what the person was shown.
#include "document/base_document.h"
#include "foundation/stream.h"
#include "support/simulator_sandbox.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace pf::test {

// "Port Alpha": a block, a runway running east, a landing pad written "ROT 180", two
// beacons (one with a sixth value), tiles with negative indices, context and period.
inline BaseDocument SampleBase() {
    const std::string text =
        "BASE-V2.0\r\nName = Port Alpha\r\nLocation = -80.6 28.5\r\nPFG_BODY_NAME Earth\r\n"
        "PFG_FILE_NAME Port_Alpha\r\nPFG_CONFIG_SUFFIX Earth\\Base\\Historic\\\r\n"
        "PFG_ORIGIN User Created\r\nPFG_ORIGINAL_PATH C:\\Astrel\\Config\\Alpha.cfg\r\n"
        "PFG_CONTEXT CONTEXT Summer\r\nPFG_PERIOD_BEGIN 51000\r\nPFG_PERIOD_END 51010\r\n"
        "PFG_NEEDS_LOADING TRUE\r\nPFG_NEEDS_RENDERING FALSE\r\nBEGIN_NAVBEACON\r\n"
        "VOR PAV -80.6 28.5 112.5\r\nILS PAI -80.6 28.5 110.1 25.5\r\nEND_NAVBEACON\r\n"
        "BEGIN_OBJECTLIST\r\nBLOCK\r\n\tPOS 10 0 20\r\n\tSCALE 5 5 5\r\n\tROT 30\r\nEND\r\n"
        "RUNWAY\r\n\tEND1 0 0 0\r\n\tEND2 0 0 1000\r\n\tWIDTH 30\r\nEND\r\n"
        "LPAD1\r\n\tPOS 0 0 50\r\n\tROT 180\r\nEND\r\nEND_OBJECTLIST\r\n"
        "BEGIN_SURFTILELIST\r\n14 -3 -2 1\r\n14 5 -1 1\r\n12 -1 0 1\r\nEND_SURFTILELIST\r\n";
    MemStream stream;
    stream.Write(text.data(), static_cast<uint32_t>(text.size()));
    BaseDocument base;
    EXPECT_TRUE(base.ReadBaseFile(stream));
    return base;
}

// The own file's bytes, or the simulator's text.
inline std::string WrittenText(const BaseDocument& base, bool own = true) {
    MemStream stream;
    own ? base.WriteBaseFile(stream) : base.WriteSimulatorConfig(stream);
    std::string bytes(stream.GetLength(), '\0');
    stream.SeekToBegin();
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

// A sandbox with a fake simulator tree that records what the person was shown.
class DocumentSandbox {
  public:
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
    // A known folder cannot be made when its user-dirs entry lies below a regular file.
    void BlockDocuments() const {
        sim_.Dir().WriteFile("blocked", "x");
        sim_.Dir().WriteFile(".config/user-dirs.dirs",
                             "XDG_DOCUMENTS_DIR=\"$HOME/blocked/Documents\"\n");
    }

    SimulatorSandbox sim_;
};

class DocumentTest : public ::testing::Test, public DocumentSandbox {
  protected:
    using DocumentSandbox::Run; // not the test's own Run
};

} // namespace pf::test
