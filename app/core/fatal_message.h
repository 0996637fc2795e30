// The message the user reads when a control operation fails and the program
// has to end: in plain Chinese, naming the box or label by what the window
// shows, the same on every toolkit.
#pragma once

#include <string>

#include "app/core/controls.h"

namespace chengxi {

inline constexpr std::u16string_view kProductName = u"澄溪水质查询系统";

// The control as the user knows it: "省级列表" for Combo1, "时钟" for Label2,
// "TDS值" for Label8 …
std::u16string controlDisplayName(const std::string& control);

// One sentence: which control failed and why.
std::u16string faultSentence(const ControlError& error);

// The whole text of the error box: a heading, the sentence, and that the
// program now closes.
std::u16string fatalErrorText(const ControlError& error);

}  // namespace chengxi
