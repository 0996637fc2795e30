#include "app/core/fatal_message.h"

#include <string_view>

#include "app/core/form1_layout.h"

namespace chengxi {

namespace {

std::u16string ascii(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string controlDisplayName(const std::string& control)
{
    if (control.empty()) {
        return u"区域设置";
    }
    if (control == "Label2") {
        return u"时钟";
    }
    if (control == "Label8") {
        return u"TDS值";
    }
    if (control == "Label10") {
        return u"余氯值";
    }
    // A combo box is named by the level caption above it.
    for (const layout::Control& entry : layout::kControls) {
        if (entry.captionOf != nullptr && control == entry.captionOf) {
            return std::u16string(entry.text) + u"列表";
        }
    }
    return u"控件 " + ascii(control);
}

std::u16string faultSentence(const ControlError& error)
{
    const std::u16string name = controlDisplayName(error.control());
    switch (error.fault()) {
    case ControlFault::CannotAddEntry:
        return u"无法向" + name + u"加入条目。";
    case ControlFault::NoRoomForEntry:
        return u"内存不足，无法向" + name + u"加入条目。";
    case ControlFault::TooManyEntries:
        return name + u"中的条目多于它能计数的 32767 项。";
    case ControlFault::NoEntryToRemove:
        return name + u"中没有要删除的条目。";
    case ControlFault::CannotCountEntries:
        return u"无法读取" + name + u"中的条目数。";
    case ControlFault::CannotSetText:
        return u"无法写入" + name + u"的文字。";
    case ControlFault::CannotSetCaption:
        return u"无法显示" + name + u"。";
    case ControlFault::CannotFormDateTime:
        return u"无法按本机的区域设置写出日期和时间。";
    case ControlFault::CannotFormNumber:
        return u"无法按本机的区域设置写出余氯值。";
    case ControlFault::CannotRedraw:
        return u"无法按屏幕的缩放比例重新绘制窗口。";
    case ControlFault::Other:
        break;
    }
    if (error.control().empty()) {
        return u"窗口的一项操作失败。";
    }
    return name + u"的一项操作失败。";
}

std::u16string fatalErrorText(const ControlError& error)
{
    return u"运行时错误：\n" + faultSentence(error) + u"\n\n" + std::u16string(kProductName) + u"将关闭。";
}

}  // namespace chengxi
