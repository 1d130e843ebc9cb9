#include "dpi_scale.h"

#include <cmath>

int ScaleToDpi(int designPixels, int dpi) {
    return static_cast<int>(std::lround(double(designPixels) * dpi / kDesignDpi));
}
