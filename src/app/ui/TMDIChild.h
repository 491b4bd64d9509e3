// The document window: one open file in the text control, its preview, loading and saving.
#pragma once

#include "app/DiskStamp.h"
#include "base/Color.h"
#include "editor/THTMLRichEdit.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QStackedWidget;
class QStatusBar;
class QTabBar;
class QToolButton;
class QVBoxLayout;

namespace zn::editor::ui {
class HtmlEditView;
}

namespace zn::app::ui {

class DocumentHost;
class EncodingOfferBar;
class FormState;
class PreviewPane;

/// The content of one child window of the main window's document area. The caption is the full
/// file name ("BezJmena" + number for an untitled document); the main window finds documents by
/// comparing captions.
class TMDIChild : public QWidget {
    Q_OBJECT

public:
    explicit TMDIChild(DocumentHost& host, QWidget* parent = nullptr);
    ~TMDIChild() override;

    /// An empty untitled document: asks "Vytvořit HTML strukturu?" when the setting says so and
    /// shows the information dialog unless it was switched off.
    void CreateNew(const QString& caption);
    /// Reads a file. On failure shows a Czech message naming it, tells the host, and returns
    /// false; the caller then closes the window.
    bool Open(const QString& fileName);
    /// Shows a recovered text under its old caption, as modified (nothing is read or written).
    void Recover(const QString& caption, const std::string& text);
    /// Reads the file again (the window already shows it).
    bool Reload(const QString& fileName);
    /// Reads the file again in the other encoding (UTF-8 or Windows-1250); a modified document
    /// is read only when the user agrees to lose the changes.
    bool ReopenInOtherEncoding();
    /// Converts the selection (or, without one, the whole text) from the encoding it seems to
    /// be in, as one undo step; tells the user when it looks right already.
    void RepairSelectionEncoding();
    /// The offer shown when the page seems to be in another encoding than it is edited in.
    EncodingOfferBar& EncodingOffer() { return *offer_; }
    /// Writes the document; `saveAs` always asks for a name. True when it was written.
    bool Save(bool saveAs);
    /// 0: the source; 1: the preview.
    void ShowPage(int index);
    int CurrentPage() const { return page_; }
    /// Writes and shows the preview again while the preview page is showing.
    void RefreshPreview();
    /// Text in Windows-1250 at the caret, coloured; the selection wrapped in two texts.
    void InsertText(const std::string& text);
    void SurroundSelection(const std::string& before, const std::string& after);
    /// Copies the control's modified state into the window and its status bar.
    void UpdateModified();
    /// Font, highlighting, colours, completion and word wrap from the settings.
    void ApplyLook();
    /// After the preferences changed: the new look, the text recoloured (or uncoloured) when
    /// `recolor`; the modified state stays and the caret goes to the start, nothing selected.
    void ApplyPreferences(bool recolor);
    /// The close question; false when the user chose Cancel. Preview files are deleted first
    /// in any case.
    bool QueryClose();
    /// Asks whether to read the file again when another program changed it since it was read
    /// or saved (or tells that it was deleted); asks once per change.
    void CheckDiskChange();
    /// The window became the active document: reports its current tag once.
    void Activated();

    QString Caption() const { return caption_; }
    bool Modified() const { return modified_; }
    editor::THTMLRichEdit& EditedText() { return *edit_; }
    editor::ui::HtmlEditView& EditorView() { return *view_; }
    /// Preview files written and not yet deleted (at most one).
    QStringList PreviewFiles() const { return previewFiles_; }
    /// The status bar panels: caret, "změna", "insert", the encoding.
    QString StatusPanel(int index) const;

    /// Document colours from the BODY tag (0x00BBGGRR).
    base::TColor DocBackground = 0xAFAFAF;
    base::TColor DocText = 0x000000;
    base::TColor DocLink = 0xFF0000;
    /// The colours of the BODY tag read by the Tag Inspector; the text control takes them
    /// when the setting UseColors is on.
    void SetPageColors(base::TColor body, base::TColor text, base::TColor link);

signals:
    void captionChanged(const QString& caption);
    void modifiedChanged(bool modified);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetCaption(const QString& caption);
    /// Reads a file, as UTF-8 or Windows-1250 by its content unless `utf8` is 0 or 1.
    bool ReadInto(const QString& fileName, int utf8 = -1);
    /// Runs the encoding detective and shows its offer when it finds another encoding.
    void OfferEncoding();
    void ReadDocumentColors();
    /// Background and text: the document's own with UseColors, else the configured ones.
    void ApplyColors();
    bool WriteTo(const QString& fileName);
    /// Before writing a page whose declared charset cannot hold some of its characters: asks
    /// what to put in their place. False when the user does not want the page saved.
    bool CheckDeclaredCharset(const QString& fileName);
    /// Before a save over a file that changed on disk since it was read: false unless the user
    /// agrees to overwrite it.
    bool ConfirmOverwriteChanged();
    bool SaveAs();
    bool ConfirmReadOnly(const QString& fileName, bool& wasReadOnly);
    /// Writes over a file after the read-only question; the permission is put back afterwards.
    bool WriteGuarded(const QString& fileName);
    void WritePreview();
    void DeletePreviewFiles(const QString& keep = QString());
    void UpdateStatus();
    void OnTagChange();

    DocumentHost& host_;
    std::unique_ptr<editor::THTMLRichEdit> edit_;
    editor::ui::HtmlEditView* view_ = nullptr;
    PreviewPane* preview_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStatusBar* status_ = nullptr;
    QLabel* panels_[4] = {nullptr, nullptr, nullptr, nullptr};
    EncodingOfferBar* offer_ = nullptr;
    bool bom_ = false; ///< the UTF-8 file began with a byte-order mark: saved with it again
    QString caption_;
    bool modified_ = false;
    int page_ = -1;
    QStringList previewFiles_;
    int saveFilterIndex_ = 2; ///< "HTML files"
    QString saveInitialDir_;
    std::unique_ptr<FormState> formState_; ///< the save dialog's folder and filter
    DiskStamp stamp_;                      ///< the file as last read or written
    DiskStamp ignoredStamp_;               ///< a change the user was already asked about
    bool unixLineEnds_ = false; ///< the file was read with LF line ends only: saved with LF
};

} // namespace zn::app::ui
