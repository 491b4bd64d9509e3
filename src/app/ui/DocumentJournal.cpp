// Journalling the main window's documents and recovering them at the next start.
#include "app/ui/DocumentJournal.h"

#include "app/DocumentNames.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "editor/TextModel.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace zn::app::ui {

namespace {
/// Journals are at most this old (plus the time of one write).
constexpr int kJournalIntervalMs = 1000;
} // namespace

/// One document under watch: counts the changes of its text.
struct DocumentJournal::Tracked : editor::TextObserver {
    QPointer<TMDIChild> Document;
    int Id = 0;
    quint64 Changes = 0;
    quint64 Journalled = 0;
    bool HasJournal = false;

    void TextChanged(const editor::TextChange&) override { ++Changes; }
};

DocumentJournal::DocumentJournal(TMainForm& form, const std::string& folder)
    : QObject(&form), form_(form), folder_(folder),
      journal_(std::make_unique<RecoveryJournal>(folder)) {
    timer_ = new QTimer(this);
    timer_->setInterval(kJournalIntervalMs);
    connect(timer_, &QTimer::timeout, this, &DocumentJournal::Tick);
    timer_->start();
    form.installEventFilter(this);
    // Asked to end without closing the documents (a signal from the system): whatever is not
    // saved stays in the journals.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        Tick();
        keepAll_ = true;
        journal_->Flush();
    });
}

DocumentJournal::~DocumentJournal() {
    for (auto& [id, tracked] : tracked_) {
        if (tracked->Document)
            tracked->Document->EditedText().Model().RemoveObserver(tracked.get());
    }
}

bool DocumentJournal::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Show && !offered_) {
        offered_ = true;
        QTimer::singleShot(0, this, &DocumentJournal::OfferRecovery);
    }
    return false;
}

DocumentJournal::Tracked& DocumentJournal::Track(TMDIChild* document) {
    for (auto& [id, tracked] : tracked_) {
        if (tracked->Document == document)
            return *tracked;
    }
    auto tracked = std::make_unique<Tracked>();
    tracked->Document = document;
    tracked->Id = nextId_++;
    tracked->Changes = 1; // not journalled yet
    document->EditedText().Model().AddObserver(tracked.get());
    const int id = tracked->Id;
    connect(document, &TMDIChild::modifiedChanged, this, [this, id](bool modified) {
        auto it = tracked_.find(id);
        if (!modified && it != tracked_.end() && it->second->HasJournal) {
            journal_->Remove(id); // saved: the file has the text
            it->second->HasJournal = false;
        }
    });
    connect(document, &QObject::destroyed, this, [this, id] { Forget(id); });
    return *tracked_.emplace(id, std::move(tracked)).first->second;
}

void DocumentJournal::Forget(int id) {
    auto it = tracked_.find(id);
    if (it == tracked_.end())
        return;
    if (it->second->HasJournal && !keepAll_)
        journal_->Remove(id); // closed: saved, or its changes thrown away on purpose
    tracked_.erase(it);
}

void DocumentJournal::Tick() {
    if (keepAll_ || !journal_->Usable())
        return;
    for (TMDIChild* document : form_.Documents()) {
        Tracked& tracked = Track(document);
        const editor::TextModel& model = document->EditedText().Model();
        if (!model.Modified() || tracked.Journalled == tracked.Changes)
            continue;
        const QString caption = document->Caption();
        JournalEntry entry;
        entry.Name = caption.toStdString();
        entry.Untitled = IsUntitled(entry.Name);
        entry.Text = model.Text();
        journal_->Write(tracked.Id, std::move(entry));
        tracked.Journalled = tracked.Changes;
        tracked.HasJournal = true;
    }
}

bool DocumentJournal::AskRecovery(const QStringList& names) {
    if (RecoveryAsker)
        return RecoveryAsker(names);
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                    QStringLiteral("Editor minule neskončil správně. Zůstaly neuložené změny "
                                   "těchto dokumentů:\n\n%1\n\nObnovit je?")
                        .arg(names.join(QLatin1Char('\n'))),
                    QMessageBox::NoButton, &form_);
    QPushButton* restore = box.addButton(QStringLiteral("Obnovit"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Zahodit"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

void DocumentJournal::OfferRecovery() {
    const std::vector<RecoveredDocument> found = FindRecoverable(folder_);
    if (found.empty())
        return;
    QStringList names;
    for (const RecoveredDocument& document : found)
        names.push_back(QString::fromStdString(document.Entry.Name));
    if (AskRecovery(names)) {
        for (const RecoveredDocument& document : found) {
            TMDIChild* opened = form_.AddRecoveredDocument(
                QString::fromStdString(document.Entry.Name), document.Entry.Text);
            // Journalled again right away under this session before the old journal goes.
            Track(opened);
        }
        Tick();
        journal_->Flush();
    }
    DiscardRecovered(found);
}

} // namespace zn::app::ui
