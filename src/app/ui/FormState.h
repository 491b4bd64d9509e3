// A window's form-state store: its placement and a listed set of its components' properties,
// restored when the window is created and saved when it is hidden or destroyed.
#pragma once

#include "app/ui/FormStores.h"
#include "app/ui/WindowPlacement.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QFileDialog;
class QPlainTextEdit;
class QSpinBox;
class QSplitter;
class QWidget;

namespace zn::app {
class SettingsStore;
}

namespace zn::app::ui {

/// What a file dialog remembers between uses: the last file, the chosen filter (1-based, as
/// the filter list is numbered) and the folder to start in.
struct DialogMemory {
    QString FileName;
    int FilterIndex = 1;
    QString InitialDir;

    /// Prepares a dialog: its folder, proposed file and filter.
    void ApplyTo(QFileDialog& dialog) const;
    /// Takes the user's choice from a dialog that was accepted.
    void TakeFrom(const QFileDialog& dialog);
};

/// Keeps a window's placement and properties under its own key of the settings store, for
/// example "\Software\KVHTML\Find". Declare it as a member of the window class after the
/// widgets it binds, add the bindings in the constructor and call Restore(); it saves itself
/// each time the window is hidden (closing and accepting a dialog included) and when it is
/// destroyed. Values are named after the component and its property ("CaseChB.Checked");
/// lists live in a sub-key of that name with values "0", "1", ...
class FormState : public QObject {
public:
    FormState(QWidget* window, QString key, PlacementKind placement);
    FormState(QWidget* window, QString key, PlacementKind placement, SettingsStore& store);
    /// One of the program's stores (FormStores.h), in the program's settings store or another.
    FormState(QWidget* window, const FormStore& form);
    FormState(QWidget* window, const FormStore& form, SettingsStore& store);
    ~FormState() override;

    // Bindings by getter and setter; the setter runs only for a stored value of its type.
    void AddString(const QString& name, std::function<QString()> get,
                   std::function<void(const QString&)> set);
    void AddInteger(const QString& name, std::function<int()> get, std::function<void(int)> set);
    void AddBool(const QString& name, std::function<bool()> get, std::function<void(bool)> set);
    void AddColor(const QString& name, std::function<QColor()> get,
                  std::function<void(const QColor&)> set);
    void AddFont(const QString& name, std::function<QFont()> get,
                 std::function<void(const QFont&)> set);
    void AddStringList(const QString& name, std::function<QStringList()> get,
                       std::function<void(const QStringList&)> set);
    void AddIntegerList(const QString& name, std::function<QList<int>()> get,
                        std::function<void(const QList<int>&)> set);

    /// A Qt property of an object, of type bool, int, QString, QStringList, QColor, QFont or
    /// QKeySequence; returns false for other types.
    bool AddProperty(QObject* object, const char* property, const QString& name);

    // The usual components, named after their object name.
    void AddCheckBox(QAbstractButton* box); ///< "<name>.Checked"
    void AddSpinBox(QSpinBox* box);         ///< "<name>.Value"
    void AddComboItems(QComboBox* combo);   ///< "<name>.Items"
    void AddLines(QPlainTextEdit* edit);    ///< "<name>.Lines"
    void AddSplitter(QSplitter* splitter);  ///< "<name>.Sizes"
    void AddShortcut(QAction* action);      ///< "<name>.ShortCut"
    /// "<dialogName>.FileName", "<dialogName>.FilterIndex", "<dialogName>.InitialDir".
    void AddDialog(const QString& dialogName, DialogMemory& memory);

    void Restore();
    void Save();
    const std::string& Key() const { return key_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        std::function<void()> Save;
        std::function<void()> Restore;
    };
    std::string ValueName(const QString& name) const { return name.toStdString(); }
    std::string ListKey(const QString& name) const;

    QPointer<QWidget> window_;
    std::string key_;
    PlacementKind placement_;
    SettingsStore& store_;
    std::vector<Binding> bindings_;
};

} // namespace zn::app::ui
