// The number parsers: what one reads must be finite (a mesh number at least a number) and,
// written again, read again.
#include "fuzz_support.h"

#include "document/base_file_reader.h"
#include "foundation/field_exchange.h"
#include "foundation/text.h"
#include "objects/mesh_text.h"
#include "workspace/config_reader.h"

#include <cmath>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using pf::fuzz::Check;
    pf::fuzz::Sandbox::Get();
    const std::string text = pf::fuzz::Text(data, size);
    float f = 0.0f;
    if (pf::ParseFloat(text, f)) {
        Check(std::isfinite(f), "ParseFloat gave a value that is not finite");
        float again = 0.0f;
        for (int decimals : {0, 2, 3, 4, 6}) {
            Check(pf::ParseFloat(pf::FormatNumber(f, decimals), again),
                  "a written float does not read");
        }
    }
    double d = 0.0;
    if (pf::ParseDoubleCString(text, d)) {
        Check(std::isfinite(d), "ParseDoubleCString gave a value that is not finite");
    }
    if (pf::ParseFieldNumber(text, d)) {
        Check(std::isfinite(d), "a field number that is not finite");
        double again = 0.0;
        // A field shows 15 digits: the value comes back that close, not always exactly.
        Check(pf::ParseFieldNumber(pf::FieldTextDouble(d), again) &&
                  std::fabs(again - d) <= 1e-14 * std::fabs(d),
              "a field's double does not come back");
        Check(std::fabs(d) > 3.4028234663852886e38 ||
                  pf::ParseFieldNumber(pf::FieldTextFloat(static_cast<float>(d)), again),
              "a field's float does not read");
    }
    int64_t i = 0;
    pf::ParseFieldInteger(text, i);
    pf::ReadIntSaturated(text);
    // Beyond the double range a mesh number reads as infinite (and its vertex is refused);
    // it is never NaN.
    Check(!std::isnan(pf::MeshTokenNumber(text)), "a mesh number that is not a number");
    pf::MeshTokenInteger(text);
    std::vector<float> values;
    pf::ParseFloatList(values, text);
    return 0;
}
