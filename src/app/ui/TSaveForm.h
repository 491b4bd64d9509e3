// The information dialog "Informace" shown for new documents: save early for relative links.
#pragma once

#include <QDialog>

class QCheckBox;

namespace zn::app::ui {

class TSaveForm : public QDialog {
    Q_OBJECT

public:
    /// `dontShow` is the setting SaveInfo; the check box starts from it.
    explicit TSaveForm(bool dontShow, QWidget* parent = nullptr);
    /// "Příště tuto informaci nezobrazovat": written back to SaveInfo at exit.
    bool DontShowAgain() const;
    void SetDontShowAgain(bool on);

private:
    QCheckBox* check_ = nullptr;
};

} // namespace zn::app::ui
