// Which text colour the labels take on the window's fixed light-blue ground,
// so that they stay readable under every colour scheme.
#pragma once

#include "app/core/form1_layout.h"

namespace chengxi::colours {

// WCAG 2's relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(layout::Rgb colour);
// WCAG 2's contrast ratio of two colours, 1 to 21.
double contrastRatio(layout::Rgb first, layout::Rgb second);

// The least contrast of normal text with its ground (WCAG AA).
inline constexpr double kMinimumContrast = 4.5;
inline constexpr layout::Rgb kBlack{0, 0, 0};

// The labels' text on `ground`: the scheme's own text colour where it reads
// there (the standard schemes' black does), black where it would not (the
// near-white text of a dark or a high-contrast black scheme).
layout::Rgb labelText(layout::Rgb schemeText, layout::Rgb ground = layout::kBackground);

}  // namespace chengxi::colours
