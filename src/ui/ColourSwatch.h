#pragma once
// The picture of a colour in the colour menu: the colour filled in a framed rectangle.

#include <QIcon>
#include <cstdint>

namespace orv {

// `colour` is 0x00BBGGRR.
QIcon ColourSwatch(uint32_t colour);

}  // namespace orv
