// The picture viewer window: tool bar, zoomed picture, status bar and its file, clipboard
// and zoom commands.
#include "app/ui/PPrevForm.h"

#include "app/ui/AppSettings.h"
#include "app/ui/FormStores.h"
#include "app/ui/StretchImage.h"
#include "app/ui/WindowPlacement.h"
#include "structure/ui/PictureImage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

namespace zn::app::ui {

namespace {

const QStringList OpenFilterList = {
    QStringLiteral("Web obrázek (*.jpg *.jpeg *.gif)"),
    QStringLiteral("obrázek (*.jpg *.jpeg *.gif *.bmp)"),
    QStringLiteral("JPEG obrázek (*.jpg *.jpeg)"),
    QStringLiteral("GIF obrázek (*.gif)"),
    QStringLiteral("BMP obrázek (*.bmp)"),
};

} // namespace

const QStringList& PictureOpenFilters() {
    return OpenFilterList;
}

namespace {

const QStringList SaveFilters = {
    QStringLiteral("Jpeg (*.jpg *.jpe *.jpeg)"),
    QStringLiteral("BMP (*.bmp)"),
};

bool ClipboardHasPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasImage();
}

QToolButton* ToolButton(QToolBar* bar, QAction* action, const char* name) {
    auto* button = new QToolButton(bar);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setObjectName(QString::fromLatin1(name));
    bar->addWidget(button);
    return button;
}

} // namespace

TPPrevForm::TPPrevForm(QWidget* parent) : QMainWindow(parent, Qt::Tool) {
    setObjectName(QStringLiteral("PPrevForm"));
    setWindowTitle(QStringLiteral("Prohlížeč obrázků"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(420, 340);

    Image = new TStretchImage;
    Image->setObjectName(QStringLiteral("Image"));
    Scroll = new QScrollArea(this);
    Scroll->setObjectName(QStringLiteral("Scroll"));
    Scroll->setWidget(Image);
    Scroll->setWidgetResizable(false);
    setCentralWidget(Scroll);

    BuildMenu();
    BuildToolBar();
    BuildStatusBar();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(300);
    connect(Timer1, &QTimer::timeout, this, &TPPrevForm::UpdateCommands);
    SetPicture({});
    UpdateCommands();
}

TPPrevForm::~TPPrevForm() {
    if (isVisible())
        StorePlacement();
}

void TPPrevForm::BuildMenu() {
    QStyle* s = style();
    OpenItem =
        new QAction(s->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("&Otevřít"), this);
    SaveItem = new QAction(s->standardIcon(QStyle::SP_DialogSaveButton),
                           QStringLiteral("&Uložit jako.."), this);
    CopyItem = new QAction(QStringLiteral("Kopírovat"), this);
    PasteItem = new QAction(QStringLiteral("Vložit"), this);
    OpenItem->setIconText(QStringLiteral("Otevřít"));
    SaveItem->setIconText(QStringLiteral("Uložit jako"));
    OpenItem->setShortcut(QKeySequence::Open);
    CopyItem->setShortcut(QKeySequence::Copy);
    PasteItem->setShortcut(QKeySequence::Paste);
    connect(OpenItem, &QAction::triggered, this, &TPPrevForm::OpenSBClick);
    connect(SaveItem, &QAction::triggered, this, &TPPrevForm::SaveSBClick);
    connect(CopyItem, &QAction::triggered, this, &TPPrevForm::Copy);
    connect(PasteItem, &QAction::triggered, this, &TPPrevForm::Paste);
    QMenu* file = menuBar()->addMenu(QStringLiteral("Soubor"));
    file->addAction(OpenItem);
    file->addAction(SaveItem);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Editace"));
    edit->addAction(CopyItem);
    edit->addAction(PasteItem);
}

void TPPrevForm::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Nástroje"));
    bar->setMovable(false);
    bar->setFloatable(false);
    OpenSB = ToolButton(bar, OpenItem, "OpenSB");
    saveSB = ToolButton(bar, SaveItem, "saveSB");
    copySB = ToolButton(bar, CopyItem, "copySB");
    PasteSB = ToolButton(bar, PasteItem, "PasteSB");
    // The zoom gets a row of its own, so that it is never folded away on a narrow window.
    addToolBarBreak();
    QToolBar* zoomBar = addToolBar(QStringLiteral("Zvětšení"));
    zoomBar->setMovable(false);
    zoomBar->setFloatable(false);
    zoomBar->addWidget(new QLabel(QStringLiteral(" Zvětšení: "), zoomBar));
    TrackBar1 = new QSlider(Qt::Horizontal, zoomBar);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(10, 500);
    TrackBar1->setValue(100);
    TrackBar1->setTickInterval(20);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setPageStep(20);
    zoomBar->addWidget(TrackBar1);
    connect(TrackBar1, &QSlider::valueChanged, this, &TPPrevForm::TrackBar1Change);
}

void TPPrevForm::BuildStatusBar() {
    StatusPanel0 = new QLabel(this);
    StatusPanel0->setFixedWidth(100);
    StatusPanel1 = new QLabel(this);
    StatusPanel1->setFixedWidth(50);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1);
    statusBar()->setSizeGripEnabled(true);
}

void TPPrevForm::Toggle() {
    if (isVisible())
        hide();
    else
        show();
}

void TPPrevForm::ShowPicture(const QImage& picture) {
    if (isVisible())
        return;
    SetPicture(picture);
    Scroll->horizontalScrollBar()->setValue(0);
    Scroll->verticalScrollBar()->setValue(0);
    ApplyZoom();
    show();
}

bool TPPrevForm::OpenFile(const QString& fileName) {
    lastError_.clear();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QImage picture = structure::ui::LoadPictureFile(fileName, &lastError_);
    QApplication::restoreOverrideCursor();
    if (picture.isNull())
        return false;
    SetPicture(picture);
    ApplyZoom();
    UpdateCommands();
    return true;
}

QString TPPrevForm::WithDefaultExtension(const QString& fileName, int filterIndex) {
    // A name has an extension when its last part (after the last "/") holds a ".".
    QString name = fileName.section(QLatin1Char('/'), -1);
    if (name.contains(QLatin1Char('.')))
        return fileName;
    return fileName + (filterIndex == BmpFilter ? QStringLiteral(".bmp") : QStringLiteral(".jpg"));
}

bool TPPrevForm::SaveAs(const QString& fileName, int filterIndex) {
    lastError_.clear();
    if (picture_.isNull())
        return false;
    QString target = WithDefaultExtension(fileName, filterIndex);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    bool saved = filterIndex == BmpFilter
                     ? structure::ui::SaveBmpFile(picture_, target, &lastError_)
                     : structure::ui::SaveJpegFile(picture_, target, &lastError_);
    QApplication::restoreOverrideCursor();
    return saved;
}

void TPPrevForm::Copy() {
    if (!picture_.isNull())
        QGuiApplication::clipboard()->setImage(picture_);
}

void TPPrevForm::Paste() {
    if (!ClipboardHasPicture())
        return;
    QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        return;
    SetPicture(picture);
    const QSignalBlocker quiet(TrackBar1);
    TrackBar1->setValue(100);
    ApplyZoom();
    UpdateCommands();
}

void TPPrevForm::SetZoom(int percent) {
    TrackBar1->setValue(percent);
}

int TPPrevForm::Zoom() const {
    return TrackBar1->value();
}

void TPPrevForm::TrackBar1Change(int) {
    ApplyZoom();
}

void TPPrevForm::SetPicture(const QImage& picture) {
    picture_ = picture;
    Image->SetPicture(picture);
}

void TPPrevForm::ApplyZoom() {
    const int position = TrackBar1->value();
    const int width = int(std::lround(picture_.width() * position / 100.0));
    const int height = int(std::lround(picture_.height() * position / 100.0));
    Image->resize(width, height);
    StatusPanel1->setText(QString::number(position) + QLatin1Char('%'));
}

void TPPrevForm::UpdateCommands() {
    // The tool buttons follow their actions.
    PasteItem->setEnabled(ClipboardHasPicture());
    const bool empty = picture_.isNull();
    StatusPanel0->setText(
        empty ? QStringLiteral("prázdný")
              : QStringLiteral("%1x%2").arg(picture_.width()).arg(picture_.height()));
    SaveItem->setEnabled(!empty);
    CopyItem->setEnabled(!empty);
}

void TPPrevForm::OpenSBClick() {
    QFileDialog dialog(this, QStringLiteral("Otevřít obrázek"), openFolder_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(PictureOpenFilters());
    dialog.selectNameFilter(PictureOpenFilters().value(openFilterIndex_ - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    openFilterIndex_ = int(PictureOpenFilters().indexOf(dialog.selectedNameFilter())) + 1;
    if (openFilterIndex_ <= 0)
        openFilterIndex_ = 2;
    openFolder_ = QFileInfo(fileName).absolutePath();
    if (!QFileInfo::exists(fileName))
        return;
    if (!OpenFile(fileName))
        ReportError();
}

void TPPrevForm::SaveSBClick() {
    if (picture_.isNull())
        return;
    if (SaveDlg_ == nullptr) {
        SaveDlg_ = new QFileDialog(this, QStringLiteral("Uložit obrázek jako"));
        SaveDlg_->setObjectName(QStringLiteral("SaveDlg"));
        SaveDlg_->setAcceptMode(QFileDialog::AcceptSave);
        SaveDlg_->setNameFilters(SaveFilters);
    }
    if (SaveDlg_->exec() != QDialog::Accepted || SaveDlg_->selectedFiles().isEmpty())
        return;
    int filter = int(SaveFilters.indexOf(SaveDlg_->selectedNameFilter())) + 1;
    if (!SaveAs(SaveDlg_->selectedFiles().constFirst(),
                filter == BmpFilter ? BmpFilter : JpegFilter))
        ReportError();
}

void TPPrevForm::ReportError() {
    if (!lastError_.isEmpty())
        QMessageBox::critical(this, windowTitle(), lastError_);
}

void TPPrevForm::showEvent(QShowEvent* event) {
    if (!placementRestored_) {
        placementRestored_ = true;
        RestorePlacement();
    }
    QMainWindow::showEvent(event);
    UpdateCommands();
    Timer1->start();
    emit VisibilityChanged(true);
}

void TPPrevForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // The main window being minimised hides its tool windows too; that is no user's choice.
    if (event->spontaneous())
        return;
    Timer1->stop();
    StorePlacement();
    emit VisibilityChanged(false);
}

void TPPrevForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    TrackBar1->setFixedWidth(qMax(40, width() - 120));
}

void TPPrevForm::RestorePlacement() {
    ui::RestorePlacement(AppSettingsStore(), PicturePreviewStore.Key, *this,
                         PicturePreviewStore.Placement);
}

void TPPrevForm::StorePlacement() {
    ui::SavePlacement(AppSettingsStore(), PicturePreviewStore.Key, *this,
                      PicturePreviewStore.Placement);
}

} // namespace zn::app::ui
