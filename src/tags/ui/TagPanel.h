// The Tag Inspector: reads the tag under the caret of the active document into the sub-panel
// made for it, with picture, map and sound previews.
#pragma once

#include "base/Color.h"
#include "editor/THTMLRichEdit.h"
#include "tags/TagPanelRead.h"
#include "tags/ui/TagPanelPanels.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QToolButton>

#include <memory>
#include <optional>
#include <string>

class QStackedWidget;
class QMediaPlayer;
class QAudioOutput;
class QWidget;

namespace zn::tags::ui {

class TInspectorWriters;

/// The settings the inspector reads.
struct InspectorOptions {
    bool AutoShow = true;
    bool AutoPutDim = true;
    bool AutoPlaySnd = false;
    bool UpperCaseTags = true;
};

/// What the inspector needs from the main window. Scanning the document and loading pictures
/// belong to layers the inspector does not see; the main window hands over plain data.
class InspectorHost {
public:
    virtual ~InspectorHost() = default;
    /// The active document's text control; null when none is open.
    virtual editor::THTMLRichEdit* InspectedEdit() = 0;
    /// Full name of the active document (UTF-8); empty for an untitled one.
    virtual std::string InspectedFileName() = 0;
    virtual InspectorOptions InspectorSettings() = 0;
    /// The active document's text colour (the FONT panel's default).
    virtual base::TColor DocumentTextColor() = 0;
    /// Scans the active document.
    virtual TDocumentLists ScanDocument() = 0;
    /// A JPEG or GIF picture; a null image for other, missing, unreadable or broken files
    /// (never a message).
    virtual QImage LoadPreviewPicture(const std::string& fileName) = 0;
    /// BODY's colours were read: the document takes them.
    virtual void PageColorsRead(base::TColor body, base::TColor text, base::TColor link) = 0;
    /// A preview loaded a picture (`show` false) or was clicked (`show` true).
    virtual void PicturePreviewed(const QImage& picture, bool show) = 0;
    /// Opens the image map editor on a map (its name without "#") and, if given, an area; a
    /// host without the editor does nothing.
    virtual void EditMap(const std::string& /*map*/, const std::string& /*area*/) {}

    // --- what the panel buttons need; the defaults do nothing ---
    /// Lets the user choose a file for a link field; `current` when cancelled.
    virtual std::string ChooseLinkFor(const std::string& current, int browseKind) {
        (void)browseKind;
        return current;
    }
    /// Opens a file (UTF-8) in the external picture viewer, or editor with `editor`.
    virtual void OpenInPictureProgram(const std::string& fileName, bool editor) {
        (void)fileName;
        (void)editor;
    }
    /// The active document's page colour (the font list's background).
    virtual base::TColor DocumentBodyColor() { return 0xFFFFFF; }
    /// The style editor on an inline style (Windows-1250); the rebuilt text on OK.
    virtual std::optional<std::string> EditStyleText(const std::string& /*css*/) {
        return std::nullopt;
    }
    /// The parent of the inspector's dialogs.
    virtual QWidget* DialogParent() { return nullptr; }
};

class TTagInspector : public QObject {
    Q_OBJECT

public:
    /// Adds the sub-panels to `pages`, which already holds the button panel `tp`.
    TTagInspector(InspectorHost& host, QStackedWidget* pages, QWidget* tp,
                  QObject* parent = nullptr);
    ~TTagInspector() override;

    /// Fills the panel of the active document's current tag. Never moves the focus or the caret.
    void ReadCurrentTag();
    /// Shows one sub-panel (or `TP`); nothing happens when it is showing already.
    void ShowInspectorPanel(QWidget* panel);
    QWidget* CurrentPanel() const;

    TInspectorPanels& Panels() { return *panels_; }
    TInspectorWriters& Writers() { return *writers_; }
    /// The tool button "Styly": attributes and styles instead of the tag's own panel.
    QToolButton* StylySB() const { return stylySB_; }

    bool Reading = false;
    bool WriteGuard = true; ///< no writer acts before the first read has completed
    bool ComboWriteFlag = false;
    std::string LastPreviewed; ///< file of the picture last loaded into the IMG preview

    InspectorHost& Host() { return host_; }
    /// Loads a picture link into a preview; false when nothing was shown.
    bool SimplePreview(const char* image, const std::string& link);
    /// The local file a link of the active document names.
    std::string FileOfLink(const std::string& link);

private:
    void FillPanel(const TInspectorRead& read);
    void PreviewWithDimensions(editor::THTMLRichEdit& edit);
    void SoundPreview();
    void WriteLater(const std::vector<TAttributeWrite>& writes, const std::string& tagText);
    void CopyLinkHistory(const char* combo);

    InspectorHost& host_;
    QStackedWidget* pages_;
    QWidget* tp_;
    std::unique_ptr<TInspectorPanels> panels_;
    TInspectorWriters* writers_ = nullptr;
    QPointer<QToolButton> stylySB_;
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* audio_ = nullptr;
    std::string soundFile_;
};

} // namespace zn::tags::ui
