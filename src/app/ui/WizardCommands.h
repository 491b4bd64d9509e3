// The generators of the main window: "Tabulka", "Vložit obrázky..." and "Dokument s rámy...".
#pragma once

#include "app/ui/FormState.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;

namespace zn::tags::ui {
class TPicturePrefForm;
class TTableForm;
} // namespace zn::tags::ui

namespace zn::structure::ui {
class TFramefrm;
}

namespace zn::app::ui {

class TMainForm;

/// Owns the three dialogs (made on first use and kept until the program ends, so their
/// contents last) and the picture dialog's memory. Each command inserts into the active
/// document at the moment it runs, as one undo step, and does nothing without one.
class WizardCommands : public QObject {
    Q_OBJECT

public:
    explicit WizardCommands(TMainForm& main);
    ~WizardCommands() override;

    /// "Tabulka" and "Vložit obrázky..." in "&HTML", the button "Tabulka", and
    /// "Dokument s rámy..." in "Nová HTML struktura".
    void Install();

    void TableSBClick();
    void InsertPictures1Click();
    void ND2Click();

    tags::ui::TTableForm& TableForm();
    tags::ui::TPicturePrefForm& PicturePrefForm();
    structure::ui::TFramefrm& Framefrm();

    /// Replaces the multiple-selection picture dialog (initial folder -> chosen names).
    std::function<QStringList(const QString& folder)> PictureNamesAsker;

    QAction* TableItem = nullptr;
    QAction* InsertPictures1 = nullptr;
    QAction* ND2 = nullptr;

private:
    QStringList AskPictureNames(const QString& folder);
    void OpenFramesAfter(const std::vector<std::string>& sources, const std::string& document);

    TMainForm& main_;
    QPointer<tags::ui::TTableForm> tableForm_;
    QPointer<tags::ui::TPicturePrefForm> picturePrefForm_;
    QPointer<structure::ui::TFramefrm> framefrm_;
    std::unique_ptr<FormState> tableState_;
    std::unique_ptr<FormState> frameState_;
    DialogMemory pictureDialog_; ///< `OpenPictureDialog1`, kept with the main window's properties
    std::unique_ptr<FormState> pictureDialogState_;
};

} // namespace zn::app::ui
