#pragma once
// Puts runways, runway lights, trains and landing pads into the object factory.

namespace pf {

void RegisterRunwayPadTrainTypes();

} // namespace pf
