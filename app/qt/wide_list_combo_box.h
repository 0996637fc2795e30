// An editable combo box whose open list shows every entry whole.
#pragma once

#include <QComboBox>

namespace chengxi::qt {

// QComboBox opens its list as wide as the box, so that in a narrow box long
// names are elided, and names that differ only in the middle look alike. This
// one widens the open list to its widest entry each time it opens, so the list
// follows every refill; it is never narrower than the box itself.
class WideListComboBox final : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override;

    // The width the open list needs to show every entry whole, frame and
    // scroll bar included.
    int popupWidthForEntries() const;
};

}  // namespace chengxi::qt
