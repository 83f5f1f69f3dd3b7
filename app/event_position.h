// The position a pointer event carries, in the whole game pixels that hit tests use.
#pragma once

#include "app/rounding.h"
#include "platform/events.h"
#include "ui/field.h"

namespace quintaro {

// Needs a button press or pointer move; rounds the event's position half to even.
inline Pixel pixelOf(const platform::Event& event) { return {roundHalfEven(event.x), roundHalfEven(event.y)}; }

} // namespace quintaro
