// The picture viewer "Prohlížeč obrázků": a tool window that shows one picture zoomed from
// 10 to 500 %, opens JPEG, GIF and BMP files, saves as JPEG or BMP and uses the clipboard.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QFileDialog;
class QLabel;
class QScrollArea;
class QSlider;
class QTimer;
class QToolButton;

namespace zn::app::ui {

class TStretchImage;

/// The filters of the picture open dialogs, in order: web pictures, all pictures, JPEG, GIF, BMP.
const QStringList& PictureOpenFilters();

class TPPrevForm : public QMainWindow {
    Q_OBJECT
public:
    /// Key of the stored window placement.
    static constexpr const char* PlacementKey = "\\Software\\KVHTML\\PicturePreview";
    /// Filters of the save dialog, in order: 1 JPEG, 2 BMP.
    enum TSaveFilter { JpegFilter = 1, BmpFilter = 2 };

    explicit TPPrevForm(QWidget* parent = nullptr);
    ~TPPrevForm() override;

    /// Menu command: shows the window when hidden, hides it when shown.
    void Toggle();
    /// A picture preview clicked elsewhere: shown only when the viewer is not visible yet.
    void ShowPicture(const QImage& picture);
    /// Takes a picture without showing the window (a preview loaded it).
    void SetPicture(const QImage& picture);

    /// Loads a JPEG, GIF or BMP file; false with a message in LastError() when it fails (the
    /// shown picture then stays as it was).
    bool OpenFile(const QString& fileName);
    /// Saves with the rules of the save dialog's filter: the default extension is appended
    /// when the name has none, then JPEG (filter 1) or BMP (filter 2) is written.
    bool SaveAs(const QString& fileName, int filterIndex);
    /// The name a save with this filter writes to.
    static QString WithDefaultExtension(const QString& fileName, int filterIndex);

    void Copy();
    void Paste();
    void SetZoom(int percent);
    int Zoom() const;
    const QImage& Picture() const { return picture_; }
    QString LastError() const { return lastError_; }

    /// The periodic update (every 300 ms while shown): paste follows the clipboard, save and
    /// copy follow the picture, the status bar shows the picture's size.
    void UpdateCommands();

    // Controls, named as in the rest of the program.
    QToolButton* OpenSB;
    QToolButton* saveSB;
    QToolButton* copySB;
    QToolButton* PasteSB;
    QSlider* TrackBar1;
    QScrollArea* Scroll;
    TStretchImage* Image;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    QAction* OpenItem;
    QAction* SaveItem;
    QAction* CopyItem;
    QAction* PasteItem;
    QTimer* Timer1;

signals:
    /// The window was shown or hidden (by the user or by Toggle); menus follow with a check.
    void VisibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildToolBar();
    void BuildMenu();
    void BuildStatusBar();
    void OpenSBClick();
    void SaveSBClick();
    void TrackBar1Change(int position);
    void ApplyZoom();
    void ReportError();
    void RestorePlacement();
    void StorePlacement();

    QImage picture_;
    QString lastError_;
    QFileDialog* SaveDlg_ = nullptr;
    int openFilterIndex_ = 2;
    QString openFolder_;
    bool placementRestored_ = false;
};

} // namespace zn::app::ui
