// Typesets the user manual "PFG Manual V2.0.3.pdf" and draws the program's icon
// "padforge.png" into the folder given on the command line (resources/install/ in the
// repository, whose files are committed).
#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// A4 in points.
constexpr double kPageWidth = 595.0;
constexpr double kPageHeight = 842.0;
constexpr double kMargin = 64.0;

enum class Kind { Title, Heading, Text, Item };

struct Block {
    Kind kind;
    const char* markup;
};

// The manual. Markup is pango's: <b>, <i>, and &amp; for '&'.
const std::vector<Block> kManual = {
    {Kind::Title, "Padforge 2.0.3"},
    {Kind::Text, "<i>Surface bases for Astrel 2010: a short manual</i>"},

    {Kind::Heading, "What Padforge does"},
    {Kind::Text,
     "Padforge designs surface bases for the space-flight simulator Astrel 2010: runways with "
     "their lights, landing pads, hangars, blocks, tanks, trains, solar plants, beacon arrays, "
     "meshes, navigation beacons and the high-resolution surface tiles under a base. It keeps "
     "each base in a file of its own and installs it into a copy of the simulator, from which "
     "it can remove it again. Padforge never starts the simulator; it only reads and writes "
     "files in the simulator's folders."},

    {Kind::Heading, "Starting"},
    {Kind::Text,
     "Start Padforge with <b>scripts/run</b> from its source folder, or run the program "
     "<b>bin/padforge</b> of an installed copy. The main dialog <b>Padforge</b> opens and lists "
     "your bases; closing it ends the program."},
    {Kind::Text,
     "Padforge looks for the simulator in the folder <b>Astrel2010</b> of your documents folder. "
     "When it is not there, Padforge asks for its folder the first time it needs it; the "
     "folder can be changed at any time under <b>Padforge Configuration</b>."},

    {Kind::Heading, "The main dialog"},
    {Kind::Text,
     "The list shows every base in your documents folder as body, backslash and name, for "
     "example <b>Earth\\Port Alpha</b>. Choosing a base shows its statistics below the buttons."},
    {Kind::Item,
     "<b>Edit Base</b> (or a double click on a base, or Enter in the list) opens the base for "
     "editing: its position, its objects in the structure editor, its surface tiles in the "
     "tile list editor, and loading it into the simulator."},
    {Kind::Item,
     "<b>Make New Base</b> asks for a name, a body, a position and the body's base directory, "
     "and saves a new empty base."},
    {Kind::Item,
     "<b>Delete Base</b> asks first, then deletes the base's file and its work folder. Files "
     "that were installed into the simulator stay there; Padforge forgets them."},
    {Kind::Item,
     "<b>Padforge Configuration</b> sets the simulator's folder, the map source, the image "
     "editor and whether bases may stand on small bodies; it clears the caches and shows the "
     "bases installed into the simulator."},
    {Kind::Item,
     "<b>Load Base From Astrel</b> reads a base of the simulator into a new base file of your "
     "own: choose the body, the base directory when the body has several, and the base's "
     "file."},
    {Kind::Item, "<b>Padforge Help</b> opens this manual."},
    {Kind::Item, "<b>Exit</b>, Esc or the window's close box end the program. A right click on the "
                 "dialog's background offers <b>About</b>."},

    {Kind::Heading, "Where files go"},
    {Kind::Item,
     "<b>Your bases</b>: the folder <b>Padforge</b> of your documents folder holds one text "
     "file per base (its name and <b>.txt</b>) and, for each base, a work folder of the same "
     "name with the subfolders <b>Config</b>, <b>Textures2</b> and <b>Scenarios</b>, where "
     "the files for the simulator are made before they are installed."},
    {Kind::Item,
     "<b>Caches</b>: the folder <b>cache</b> beside your bases keeps downloaded maps, body "
     "textures and mesh views. <b>Clear Cache</b> in the configuration empties it."},
    {Kind::Item,
     "<b>The installed-bases record</b>: <b>FileManagerV2.dat</b> in the folder "
     "<b>Padforge</b> of your data folder (usually <b>~/.local/share</b>) lists every file "
     "that Padforge put into the simulator, so that a base can be removed completely."},
    {Kind::Item, "<b>Settings</b>: the file <b>padforge/settings</b> of your configuration folder "
                 "(usually <b>~/.config</b>)."},
    {Kind::Item,
     "<b>In the simulator</b>: a loaded base's configuration file goes below the simulator's "
     "<b>Config</b> folder, its tile textures into <b>Textures2</b> and its test scenarios "
     "into <b>Scenarios/Padforge</b>."},
};

struct Style {
    const char* font;
    double indent;
    double spaceBefore;
};

Style StyleOf(Kind kind) {
    switch (kind) {
    case Kind::Title:
        return {"Liberation Sans Bold 22", 0.0, 0.0};
    case Kind::Heading:
        return {"Liberation Sans Bold 14", 0.0, 18.0};
    case Kind::Item:
        return {"Liberation Sans 11", 18.0, 6.0};
    case Kind::Text:
        break;
    }
    return {"Liberation Sans 11", 0.0, 8.0};
}

bool WriteManual(const std::string& path) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), kPageWidth, kPageHeight);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    // Fixed metadata, so that typesetting again gives the same file.
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "Padforge 2.0.3 Manual");
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "padforge_manual");
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "2026-01-01T00:00:00Z");
    cairo_t* cr = cairo_create(surface);
    double y = kMargin;
    for (const Block& block : kManual) {
        const Style style = StyleOf(block.kind);
        PangoLayout* layout = pango_cairo_create_layout(cr);
        PangoFontDescription* font = pango_font_description_from_string(style.font);
        pango_layout_set_font_description(layout, font);
        pango_font_description_free(font);
        const double width = kPageWidth - 2 * kMargin - style.indent;
        pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        pango_layout_set_markup(layout, block.markup, -1);
        int textWidth = 0;
        int textHeight = 0;
        pango_layout_get_size(layout, &textWidth, &textHeight);
        const double height = double(textHeight) / PANGO_SCALE;
        y += style.spaceBefore;
        if (y + height > kPageHeight - kMargin) {
            cairo_show_page(cr);
            y = kMargin;
        }
        if (block.kind == Kind::Item) {
            cairo_new_path(cr);
            cairo_arc(cr, kMargin + 6.0, y + 8.0, 2.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
        cairo_move_to(cr, kMargin + style.indent, y);
        pango_cairo_show_layout(cr, layout);
        y += height;
        g_object_unref(layout);
    }
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

// A landing pad under a night sky: a dark rounded square, a planet's rim, the pad's
// yellow ring with its beacon lights.
bool WriteIcon(const std::string& path) {
    constexpr int size = 64;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    const double r = 10.0;
    cairo_new_path(cr);
    cairo_arc(cr, size - r, r, r, -M_PI / 2, 0);
    cairo_arc(cr, size - r, size - r, r, 0, M_PI / 2);
    cairo_arc(cr, r, size - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, r, r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, size);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.08, 0.25);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.10, 0.25, 0.50);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    cairo_clip(cr);
    // The planet's rim.
    cairo_arc(cr, size / 2.0, 150.0, 110.0, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.55, 0.50, 0.42);
    cairo_fill(cr);
    // The pad, seen from above at a slant.
    cairo_save(cr);
    cairo_translate(cr, size / 2.0, 46.0);
    cairo_scale(cr, 1.0, 0.45);
    cairo_arc(cr, 0, 0, 20.0, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.32);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3.0);
    cairo_set_source_rgb(cr, 1.0, 0.82, 0.10);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Beacon lights around the pad.
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_new_sub_path(cr);
        cairo_arc(cr, size / 2.0 + 24.0 * std::cos(a), 46.0 + 10.8 * std::sin(a), 1.6, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.4, 1.0, 0.5);
        cairo_fill(cr);
    }
    // Two stars.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 16.0, 14.0, 1.5, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 46.0, 10.0, 1.0, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!WriteManual(folder + "PFG Manual V2.0.3.pdf")) {
        std::fprintf(stderr, "cannot write the manual into %s\n", folder.c_str());
        return 1;
    }
    if (!WriteIcon(folder + "padforge.png")) {
        std::fprintf(stderr, "cannot write the icon into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
