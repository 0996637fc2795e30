#include "app/core/colours.h"

#include <algorithm>
#include <cmath>

namespace chengxi::colours {

namespace {

double linear(std::uint8_t channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(layout::Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(layout::Rgb first, layout::Rgb second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

layout::Rgb labelText(layout::Rgb schemeText, layout::Rgb ground)
{
    return contrastRatio(schemeText, ground) >= kMinimumContrast ? schemeText : kBlack;
}

}  // namespace chengxi::colours
