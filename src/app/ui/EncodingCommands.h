// The encoding commands of the main window: "České kódování...", the two tool buttons between
// Windows-1250 and ISO 8859-2, and installing dropped ".ENC" files.
#pragma once

#include "editor/EncChanger.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QAction;

namespace zn::editor::ui {
class TEncForm;
class TEncodingsForm;
} // namespace zn::editor::ui

namespace zn::app::ui {

class FormState;
class TMainForm;

/// Owns the main window's converter (so the pair last chosen persists) and the two dialogs.
/// Building it installs the shipped encoding files on a first start and loads the encodings.
class EncodingCommands : public QObject {
    Q_OBJECT

public:
    explicit EncodingCommands(TMainForm& main);
    ~EncodingCommands() override;

    /// The item of "&Funkce", the tool buttons and the main window's hook for ".ENC" files.
    void Install();

    void EncodingItemClick();
    /// A tool button: converts the selection or the whole text without the dialog.
    void ConvertWithoutDialog(const char* from, const char* to);
    void InstallEncodingFile(const QString& fileName);
    /// "Konfigurace": the dialog of installed encodings.
    void ShowInstalledEncodings();

    editor::ui::TEncForm& EncForm();
    editor::ui::TEncodingsForm& EncodingsForm();
    editor::TEncChanger& Changer() { return changer_; }

    QAction* EncodingItem = nullptr;
    QAction* WinToIsoButton = nullptr;
    QAction* IsoToWinButton = nullptr;
    QAction* ReopenItem = nullptr;
    QAction* RepairItem = nullptr;

private:
    void ConvertActive(bool useDialogChoice);

    TMainForm& main_;
    editor::TEncChanger changer_;
    QPointer<editor::ui::TEncForm> encForm_;
    QPointer<editor::ui::TEncodingsForm> encodingsForm_;
    std::unique_ptr<FormState> encFormState_;
    std::unique_ptr<FormState> encodingsState_;
};

} // namespace zn::app::ui
