// "Dávkové vkládání obrázků": the options of inserting several pictures at once.
#pragma once

#include "tags/PictureInsertion.h"

#include <QDialog>

class QCheckBox;

namespace zn::tags::ui {

/// Kept for the whole run, so the choices last until the program ends (they are not stored).
class TPicturePrefForm : public QDialog {
public:
    explicit TPicturePrefForm(QWidget* parent = nullptr);

    QCheckBox* CB1; ///< "Zapisovat rozměry"
    QCheckBox* CB2; ///< "<BR Clear=All> za každým obrázkem"
    QCheckBox* CB3; ///< "Cik-Cak (střídat levé a pravé zarovnávání)"

    TPictureOptions Options() const;
};

} // namespace zn::tags::ui
