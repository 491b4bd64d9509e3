// "Editor Stylů": one CSS rule's declarations on eight property pages, written back as text.
#pragma once

#include "base/Color.h"
#include "structure/CssRule.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <map>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zn::structure::ui {

class TStyleColorPanel;

class TStyleForm : public QDialog {
    Q_OBJECT

public:
    explicit TStyleForm(QWidget* parent = nullptr);

    /// Every panel to "žádná", every control filled from the rule's text (Windows-1250), and
    /// the notice of what OK would drop.
    void Prepare(const std::string& css);
    /// The rule rebuilt from the controls.
    std::string CssText() const;
    TStyleControls Controls() const;
    /// Prepare, show modally; the rebuilt text on OK.
    std::optional<std::string> Edit(const std::string& css);

    /// A control by its name; null for an unknown name.
    QWidget* Control(const std::string& name) const;
    template <typename T>
    T* As(const std::string& name) const {
        return qobject_cast<T*>(Control(name));
    }

    // What the dialog needs from outside; unset ones do nothing.
    /// The colour editor on "#RRGGBB"; nothing when cancelled.
    std::function<std::optional<std::string>(const std::string&)> ChooseColor;
    /// The font list in the given colours; the chosen names joined by ",".
    std::function<std::optional<QString>(base::TColor font, base::TColor back)> ChooseFonts;
    /// A picture address for a link field; `current` when cancelled.
    std::function<QString(const QString& current)> ChooseLink;
    /// The picture a link names; a null image when there is none.
    std::function<QImage(const std::string& link)> LoadPicture;
    base::TColor DocumentTextColor = 0;
    base::TColor DocumentBodyColor = 0xFFFFFF;

    QTabWidget* Pages;
    QLabel* DroppedL; ///< the properties OK would drop, one line

private:
    QWidget* Page(const QString& caption);
    QComboBox* Combo(const char* name, const std::vector<const char*>& items);
    void Simple(QGridLayout* grid, const QString& caption, const char* name,
                const std::vector<const char*>& items);
    void Pair(QGridLayout* grid, const QString& caption, const char* value,
              const std::vector<const char*>& items, const char* units, bool percent = false);
    TStyleColorPanel* Panel(QGridLayout* grid, const QString& caption, const char* name);
    QLineEdit* PictureRow(QGridLayout* grid, const QString& caption, const char* edit,
                          const char* browse, const char* image);
    void BuildFont();
    void BuildBackground();
    void BuildBlock();
    void BuildBox();
    void BuildBorder();
    void BuildList();
    void BuildPositioning();
    void BuildExtensions();
    void ConnectPairs();
    void SetControls(const TStyleControls& controls);
    void PickColor(TStyleColorPanel* panel);
    void PickFonts();
    void Preview(const char* edit, const char* image);

    std::map<std::string, QWidget*> controls_;
    bool filling_ = false;
};

} // namespace zn::structure::ui
