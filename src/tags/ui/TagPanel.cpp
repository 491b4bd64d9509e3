// ReadCurrentTag and the previews of the Tag Inspector.
#include "tags/ui/TagPanel.h"

#include "base/Cp1250.h"
#include "base/Links.h"
#include "tags/ui/TagPanelWriters.h"

#include <QAudioOutput>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <filesystem>

namespace zn::tags::ui {
namespace {

bool FileExists(const std::string& name) {
    std::error_code error;
    return !name.empty() && std::filesystem::is_regular_file(std::filesystem::path(name), error);
}

} // namespace

TTagInspector::TTagInspector(InspectorHost& host, QStackedWidget* pages, QWidget* tp,
                             QObject* parent)
    : QObject(parent), host_(host), pages_(pages), tp_(tp) {
    panels_ = std::make_unique<TInspectorPanels>(pages);
    // Only the showing page decides the size of the stack, so a short panel is not stretched
    // to the height of the tallest.
    const auto fit = [pages] {
        for (int i = 0; i < pages->count(); ++i) {
            const bool current = i == pages->currentIndex();
            const auto policy = current ? QSizePolicy::Preferred : QSizePolicy::Ignored;
            pages->widget(i)->setSizePolicy(policy, policy);
        }
        pages->updateGeometry();
    };
    connect(pages, &QStackedWidget::currentChanged, this, fit);
    fit();
    stylySB_ = new QToolButton();
    stylySB_->setObjectName(QStringLiteral("StylySB"));
    stylySB_->setText(QStringLiteral("Styly"));
    stylySB_->setToolTip(QStringLiteral(
        "Preferovat v Tag Inspectoru zobrazování stylů před zobrazováním parametrů tagu"));
    stylySB_->setCheckable(true);
    connect(stylySB_, &QToolButton::toggled, this, [this] { ReadCurrentTag(); });

    for (const char* name : {"IMGImage", "BGImage", "MapImg", "InputImage"}) {
        auto* image = panels_->As<TPreviewImage>(name);
        connect(image, &TPreviewImage::clicked, this,
                [this, image] { host_.PicturePreviewed(image->Picture(), true); });
    }
    if (auto* classes = panels_->As<TDropCombo>("ClassCombo")) {
        classes->BeforePopup = [this, classes] {
            const QString text = classes->currentText();
            classes->clear();
            for (const std::string& c : host_.ScanDocument().Classes) {
                classes->addItem(FromBytes(c));
            }
            classes->setEditText(text);
        };
    }
    if (auto* maps = panels_->As<TDropCombo>("usemapCB")) {
        maps->BeforePopup = [this, maps] {
            const QString text = maps->currentText();
            maps->clear();
            for (const std::string& m : host_.ScanDocument().MapNames) {
                maps->addItem(FromBytes(m));
            }
            maps->setEditText(text);
        };
    }
    if (auto* edit = panels_->As<QPushButton>("SpeedButton31")) {
        edit->setToolTip(QStringLiteral("Editovat mapu"));
        connect(edit, &QPushButton::clicked, this,
                [this] { host_.EditMap(panels_->TextOf("MNAme"), {}); });
    }
    if (auto* edit = panels_->As<QPushButton>("SpeedButton32")) {
        edit->setToolTip(QStringLiteral("Editovat oblast"));
        connect(edit, &QPushButton::clicked, this,
                [this] { host_.EditMap(panels_->TextOf("MaName"), panels_->TextOf("AreaName")); });
    }
    if (auto* play = panels_->As<QPushButton>("SndMP")) {
        play->hide();
        connect(play, &QPushButton::clicked, this, [this] {
            if (player_ == nullptr) {
                return;
            }
            if (player_->playbackState() == QMediaPlayer::PlayingState) {
                player_->stop();
            } else {
                player_->play();
            }
        });
    }
    writers_ = new TInspectorWriters(*this);
}

TTagInspector::~TTagInspector() {
    // The button belongs to whatever window took it; one never placed is deleted here.
    if (stylySB_ != nullptr && stylySB_->parent() == nullptr) {
        delete stylySB_;
    }
}

QWidget* TTagInspector::CurrentPanel() const {
    return pages_->currentWidget();
}

void TTagInspector::ShowInspectorPanel(QWidget* panel) {
    if (panel != nullptr && pages_->currentWidget() != panel) {
        pages_->setCurrentWidget(panel);
    }
}

std::string TTagInspector::FileOfLink(const std::string& link) {
    return base::LinkToFileName(base::Cp1250ToUtf8(link), host_.InspectedFileName());
}

void TTagInspector::ReadCurrentTag() {
    editor::THTMLRichEdit* edit = host_.InspectedEdit();
    if (Reading || edit == nullptr) {
        return;
    }
    if (!edit->InTag || edit->CurrentTagName.empty()) {
        ShowInspectorPanel(tp_);
        return;
    }
    Reading = true;
    WriteGuard = true;
    TInspectorContext context;
    context.StylesDown = stylySB_->isChecked();
    context.ComboWriteFlag = ComboWriteFlag;
    context.TextColor = host_.DocumentTextColor();
    if (auto* ref = panels_->As<QComboBox>("RefCombo")) {
        context.RefComboText = ToBytes(ref->currentText());
    }
    const TInspectorRead read = ReadTag(edit->CurrentTagText, context);
    if (!read.Panel.empty()) {
        FillPanel(read);
        if (read.Panel == "IMGPanel") {
            PreviewWithDimensions(*edit);
        }
        if (!read.Writes.empty()) {
            WriteLater(read.Writes, edit->CurrentTagText);
        }
        ShowInspectorPanel(read.Panel == kButtonPanel ? tp_ : panels_->Panel(read.Panel));
    }
    WriteGuard = false;
    Reading = false;
}

void TTagInspector::FillPanel(const TInspectorRead& read) {
    const std::string& p = read.Panel;
    if (p == "AreaPanel") {
        CopyLinkHistory("AHRCB");
    } else if (p == "FPanel") {
        CopyLinkHistory("FSrc");
    }
    panels_->Apply(read);
    if (p == "BodyPanel") {
        SimplePreview("BGImage", panels_->TextOf("BGPicture"));
        host_.PageColorsRead(panels_->ColorOf("BackGround"), panels_->ColorOf("TextL"),
                             panels_->ColorOf("LinkL"));
    } else if (p == "MapPanel") {
        std::vector<TMapPair> pairs = host_.ScanDocument().Pairs;
        SimplePreview("MapImg", MapPicture(panels_->TextOf("MNAme"), pairs));
    } else if (p == "AreaPanel") {
        const TDocumentLists lists = host_.ScanDocument();
        if (auto* label = panels_->As<QLabel>("MaName")) {
            label->setText(FromBytes(AreaMapName(panels_->TextOf("AreaName"), lists.Areas)));
        }
    } else if (p == "InputPanel") {
        SimplePreview("InputImage", panels_->TextOf("SrcEdit"));
    } else if (p == "BGSPanel") {
        SoundPreview();
    }
}

void TTagInspector::CopyLinkHistory(const char* name) {
    auto* ref = panels_->As<QComboBox>("RefCombo");
    auto* combo = panels_->As<QComboBox>(name);
    if (ref == nullptr || combo == nullptr || HasFocusWithin(combo)) {
        return;
    }
    const QString text = combo->currentText();
    combo->clear();
    for (int i = 0; i < ref->count(); ++i) {
        combo->addItem(ref->itemText(i));
    }
    combo->setEditText(text);
}

bool TTagInspector::SimplePreview(const char* name, const std::string& link) {
    auto* image = panels_->As<TPreviewImage>(name);
    if (image == nullptr) {
        return false;
    }
    image->hide();
    if (link.empty() || !host_.InspectorSettings().AutoShow) {
        return false;
    }
    const std::string file = FileOfLink(link);
    if (!FileExists(file)) {
        return false;
    }
    const QImage picture = host_.LoadPreviewPicture(file);
    if (picture.isNull()) {
        return false;
    }
    image->SetPicture(picture);
    image->show();
    host_.PicturePreviewed(picture, false);
    return true;
}

void TTagInspector::PreviewWithDimensions(editor::THTMLRichEdit& edit) {
    auto* image = panels_->As<TPreviewImage>("IMGImage");
    const std::string src = panels_->TextOf("IMGSRC");
    if (src.empty()) {
        image->hide();
        return;
    }
    const std::string file = FileOfLink(src);
    if (!FileExists(file) || !host_.InspectorSettings().AutoShow) {
        LastPreviewed.clear();
        image->hide();
        return;
    }
    if (file == LastPreviewed) {
        image->setVisible(!image->Picture().isNull());
        return;
    }
    const QImage picture = host_.LoadPreviewPicture(file);
    image->SetPicture(picture);
    image->setVisible(!picture.isNull());
    if (picture.isNull()) {
        return;
    }
    host_.PicturePreviewed(picture, false);
    if (host_.InspectorSettings().AutoPutDim) {
        const std::vector<TAttributeWrite> writes =
            AutoDimensions(panels_->TextOf("IMGWidth"), panels_->TextOf("IMGHeight"),
                           picture.width(), picture.height());
        for (const TAttributeWrite& w : writes) {
            auto* field = panels_->As<QLineEdit>(w.Attribute == "WIDTH" ? "IMGWidth" : "IMGHeight");
            field->setText(QString::fromStdString(w.Value));
        }
        WriteLater(writes, edit.CurrentTagText);
    }
    LastPreviewed = file;
}

void TTagInspector::WriteLater(const std::vector<TAttributeWrite>& writes,
                               const std::string& tagText) {
    if (writes.empty()) {
        return;
    }
    // The text control is still reporting its tag change: the attributes are written once it
    // has finished, and only while the caret stands in the same tag.
    QTimer::singleShot(0, this, [this, writes, tagText] {
        editor::THTMLRichEdit* edit = host_.InspectedEdit();
        if (edit == nullptr || !edit->InTag || edit->CurrentTagText != tagText) {
            return;
        }
        const bool upper = host_.InspectorSettings().UpperCaseTags;
        ComboWriteFlag = false;
        for (const TAttributeWrite& w : writes) {
            edit->SetAttribute(w.Attribute, w.Value, upper);
        }
    });
}

void TTagInspector::SoundPreview() {
    auto* play = panels_->As<QPushButton>("SndMP");
    const std::string link = panels_->TextOf("SndSrc");
    const std::string file = link.empty() ? std::string() : FileOfLink(link);
    if (!FileExists(file)) {
        play->hide();
        return;
    }
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
        // A file that cannot be played (or no sound device) only hides the player.
        connect(player_, &QMediaPlayer::errorOccurred, this, [play] { play->hide(); });
        connect(player_, &QMediaPlayer::playbackStateChanged, this,
                [play](QMediaPlayer::PlaybackState state) {
                    play->setText(state == QMediaPlayer::PlayingState ? QStringLiteral("Zastavit")
                                                                      : QStringLiteral("Přehrát"));
                });
    }
    play->show();
    if (file != soundFile_) {
        soundFile_ = file;
        player_->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    }
    if (host_.InspectorSettings().AutoPlaySnd &&
        player_->playbackState() == QMediaPlayer::StoppedState) {
        player_->play();
    }
}

} // namespace zn::tags::ui
