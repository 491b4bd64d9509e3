// The question before saving a page whose declared charset cannot hold some of its characters.
#pragma once

#include "editor/CharsetCheck.h"

#include <QDialog>

#include <vector>

namespace zn::app::ui {

/// Lists the characters with their lines and offers named entities, numeric entities, ASCII
/// substitutes, saving unchanged, or not saving.
class CharsetCheckDialog : public QDialog {
    Q_OBJECT

public:
    enum Choice { NamedEntities, NumericEntities, Ascii, SaveUnchanged, Cancel };

    CharsetCheckDialog(const QString& fileName, editor::PageEncoding declared,
                       const std::vector<editor::UnfitCharacter>& unfit, QWidget* parent = nullptr);

    Choice Chosen() const { return chosen_; }

private:
    Choice chosen_ = Cancel;
};

} // namespace zn::app::ui
