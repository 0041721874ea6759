#include "support/bmp_fixture.h"

#include <cstring>

namespace pf::test {

namespace {

void Put32(std::string& s, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        s[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
    }
}
void Put16(std::string& s, size_t at, uint16_t v) {
    s[at] = char(v & 0xFF);
    s[at + 1] = char(v >> 8);
}

} // namespace

std::string MakeBmp(const BmpFixture& spec) {
    std::string info(spec.info_size >= 16 ? spec.info_size : 16, '\0');
    Put32(info, 0, spec.info_size);
    Put32(info, 4, uint32_t(spec.width));
    Put32(info, 8, uint32_t(spec.height));
    Put16(info, 12, 1);
    Put16(info, 14, spec.bits);
    if (info.size() >= 40) {
        Put32(info, 16, spec.compression);
        Put32(info, 24, 2835);
        Put32(info, 28, 2835);
        Put32(info, 32, spec.colours_used);
    }
    std::string after_header;
    if (spec.info_size >= 52) {
        for (size_t i = 0; i < spec.masks.size() && 40 + i * 4 + 4 <= info.size(); ++i) {
            Put32(info, 40 + i * 4, spec.masks[i]);
        }
    } else {
        for (uint32_t m : spec.masks) {
            std::string w(4, '\0');
            Put32(w, 0, m);
            after_header += w;
        }
    }
    // The header as written holds exactly info_size bytes (a tiny one is cut short).
    info.resize(spec.info_size < info.size() ? spec.info_size : info.size());
    after_header.append(spec.palette.begin(), spec.palette.end());

    std::string pixels;
    for (const auto& row : spec.rows) {
        std::string r(row.begin(), row.end());
        if (spec.pad_rows) {
            while (r.size() % 4 != 0) {
                r.push_back('\0');
            }
        }
        pixels += r;
    }
    std::string file(14, '\0');
    file[0] = spec.magic.size() > 0 ? spec.magic[0] : '\0';
    file[1] = spec.magic.size() > 1 ? spec.magic[1] : '\0';
    const size_t natural = 14 + info.size() + after_header.size();
    const uint32_t off = spec.off_bits >= 0 ? uint32_t(spec.off_bits) : uint32_t(natural);
    Put32(file, 2, uint32_t(natural + pixels.size()));
    Put32(file, 10, off);
    file += info;
    file += after_header;
    file += pixels;
    return file;
}

} // namespace pf::test
