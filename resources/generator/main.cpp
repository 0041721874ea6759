// Draws the install folder's pictures into the folder given on the command line
// (resources/install/ in the repository, whose files are committed).
#include "resources/generator/bmp_writer.h"
#include "resources/generator/install_pictures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const pf::pictures::Picture& picture : pf::pictures::DrawInstallPictures()) {
        const std::filesystem::path target = folder / picture.path;
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        const std::string bytes =
            pf::pictures::EncodeBmp24(picture.image.Pixels(), picture.image.Width(),
                                      picture.image.Height(), picture.image.Stride());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", target.string().c_str());
            return 1;
        }
    }
    return 0;
}
