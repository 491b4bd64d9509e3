// The dialog "Kouzelník pro novou mapu": a picture and a map name for a new image map, with a
// preview of the picture whose size goes into the generated tags.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;

namespace zn::structure::ui {

class TMapWizard : public QDialog {
    Q_OBJECT

public:
    explicit TMapWizard(QWidget* parent = nullptr);

    /// Empties the fields and the preview before the wizard is shown.
    void Clear();
    /// The generated text (Windows-1250) for the fields.
    std::string Text(bool upperCaseTags) const;

    /// Links in IMG are read relative to this document file.
    std::string DocumentFileName;
    /// "Najít soubor": the chosen link for the current text (empty: none).
    std::function<QString(const QString& current)> ChooseImage;

    QLineEdit* IMG;
    QLineEdit* Name;
    QToolButton* SpeedButton2;
    QLabel* Image;
    QPushButton* OKButton;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void IMGChange();

    /// The size of the picture last loaded into the preview (empty before the first).
    QString width_, height_;
};

} // namespace zn::structure::ui
