#pragma once
// The settings shared by every window: point counts, the section family and
// its designation digits, the flap and the dialog protocol flag.

#include <cstdint>

#include "common/Variant.h"

namespace aerolune {

struct SharedSettings {
    Variant DialogCancelled = int16_t{0};
    Variant TotalPoints = int16_t{120};
    int32_t HalfPoints = 60;
    Variant SectionFamily = int16_t{4};
    Variant Naca4Camber = int16_t{0};
    Variant Naca4CamberPos = int16_t{0};
    Variant Naca4Thickness = int16_t{12};
    Variant Naca5LiftDigit = int16_t{2};
    Variant Naca5CamberPos;  // empty until the 5-digit dialog sets it
    Variant Naca5Thickness = int16_t{8};
    Variant FlapLength = int16_t{0};
    Variant FlapDeflection = int16_t{0};
};

}  // namespace aerolune
