#pragma once

#include "store/icon_choice.h"

#include <QDialog>
#include <optional>

class QListWidget;

namespace quillet {

// "Choose Icon": the node image list with its names. Ends with OK ("&OK" or a double click
// on an item) or without a choice ("&Cancel").
class TfrmChooseIcon : public QDialog {
    Q_OBJECT
public:
    explicit TfrmChooseIcon(QWidget* parent = nullptr);

    // Selects the item of this picture; an index outside the list selects nothing.
    void selectImage(int imageIndex);
    int chosenIndex() const { return choice_.chosen(); }
    QListWidget* list() const { return lvView_; }

    // Shows the chooser modally with `current` pre-selected; the chosen picture, or nullopt
    // when cancelled.
    static std::optional<int> choose(QWidget* parent, int current);

private:
    void confirm();

    QListWidget* lvView_;
    IconChoice choice_;
};

} // namespace quillet
