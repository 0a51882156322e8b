#pragma once

namespace quillet {

// The choice the icon chooser keeps: it starts at picture 0, and confirming takes the
// selected item's picture, or keeps the value when nothing is selected.
class IconChoice {
public:
    explicit IconChoice(int count) : count_(count) {}

    // The item to pre-select for a node's image index; -1 (nothing) outside the list.
    int preselection(int imageIndex) const {
        return imageIndex >= 0 && imageIndex < count_ ? imageIndex : -1;
    }
    // OK or a double click with `selectedRow` selected (-1: none).
    void confirm(int selectedRow) {
        if (selectedRow >= 0 && selectedRow < count_)
            chosen_ = selectedRow;
    }
    int chosen() const { return chosen_; }

private:
    int count_;
    int chosen_ = 0;
};

} // namespace quillet
