// The dialog of installed encodings "Instalované typy kódování": the installed files with the
// name each one defines, adding and removing files.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QAction;
class QPushButton;
class QTreeWidget;

namespace zn::editor::ui {

class TEncodingsForm : public QDialog {
    Q_OBJECT

public:
    explicit TEncodingsForm(QWidget* parent = nullptr);

    QTreeWidget* EncLV; ///< columns "Kódování" and "Soubor"
    QPushButton* AddButton;
    QPushButton* RemoveButton;
    QAction* InsertItem; ///< pop-up "Přidat"
    QAction* DeleteItem; ///< pop-up "Odebrat"
    /// `OpenDialog1.FileName`: the file chosen last.
    QString LastFile;

    /// Rebuilds the list from the installed paths.
    void SetPaths(const std::vector<std::string>& paths);
    /// Adds a row for the path unless the list holds the very same path; the file is read to
    /// show its name, "Není soubor kódování" or "Nelze přečíst".
    bool AddPath(const std::string& path);
    /// The paths of every row in order, the invalid ones included.
    std::vector<std::string> Paths() const;
    /// "O&debrat": removes the selected rows.
    void RemoveSelected();
    /// "&Přidat": the file dialog, each chosen file added.
    void AddFiles();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateButtons();
};

} // namespace zn::editor::ui
