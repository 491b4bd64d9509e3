// The dialog "Jít na obrázek": the pictures of the document with small previews; the chosen
// one gives the caret position just after its "<".
#pragma once

#include "structure/DocumentStructure.h"

#include <QDialog>
#include <QImage>

#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QSpinBox;
class QLineEdit;

namespace zn::structure::ui {

class TGOTOIMGForm : public QDialog {
    Q_OBJECT

public:
    explicit TGOTOIMGForm(QWidget* parent = nullptr);

    /// Fills the list from the pictures of a scan; with `documentFileName` the entries whose
    /// file exists get their picture (JPEG or GIF; broken ones get none).
    void Fill(const std::vector<TIMG>& pictures, const std::string& documentFileName,
              bool loadPictures);
    /// The caret position (0-based, just after the chosen picture tag's "<"); nothing when no
    /// entry was chosen.
    std::optional<editor::Position> ChosenPosition() const;

    QListWidget* ImageLB;
    QSpinBox* UpDown1; ///< item height, 18-200 (its edit is `Edit1`)
    QLineEdit* Edit1;

private:
    void ApplyItemHeight();
    int chosen_ = -1;
};

} // namespace zn::structure::ui
