// The writing side of the Tag Inspector: every control of the panels writes its value back
// into the current tag, the colour panels open the colour editor, the BODY colour labels take
// dropped colours, and the panel buttons act.
#pragma once

#include "tags/TagPanelWrite.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <string>

namespace zn::tags::ui {

class TColorForm;
class TFontForm;
class TTagInspector;

class TInspectorWriters : public QObject {
    Q_OBJECT

public:
    /// Connects every control of the inspector's panels to its writer.
    explicit TInspectorWriters(TTagInspector& inspector);
    ~TInspectorWriters() override;

    /// Writes a control's value as the user set it; nothing under the write guard.
    void Write(const TWriterRow& row, const TControlValue& value);
    /// A click on a colour panel or label: the colour editor, or with `dropped` the colour the
    /// label already shows, written without a dialog.
    void ColorClick(const TWriterRow& row, bool dropped);
    /// A BODY colour label dropped onto another.
    void DropColor(const std::string& source, const std::string& target);

    TColorForm& ColorForm();
    bool ColorDropFlag = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect(const TWriterRow& row);
    void ButtonClick(const TWriterRow& row);
    TWriteContext Context();

    TTagInspector& inspector_;
    QPointer<TColorForm> colorForm_;
    QPointer<TFontForm> fontForm_;
    QPoint pressPos_; ///< where the mouse went down on a colour label
};

} // namespace zn::tags::ui
