#pragma once
// Where the yes/no question box shows its picture: fitted, proportions kept, into the
// room above its text (10 pixels clear of the sides and the top), never enlarged, both
// sides a multiple of 4, centred horizontally 10 pixels below the top.
namespace pf {

struct PictureFit {
    bool shown = false;
    int x = 0;
    int y = 10;
    int width = 0;
    int height = 0;
};

// clientWidth: the box's client width; textTop: the top of its text field. A picture
// whose fitted width or height comes out below 4 is not shown.
PictureFit FitPicture(int clientWidth, int textTop, int imageWidth, int imageHeight);

} // namespace pf
