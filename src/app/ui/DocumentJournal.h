// Keeps a recovery journal of every modified document of the main window and offers the
// journals of an editor that did not end properly at the next start.
#pragma once

#include "app/RecoveryJournal.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QTimer;

namespace zn::app::ui {

class TMainForm;
class TMDIChild;

/// Once a second the text of each document changed since its last journal is copied (the copy
/// is the only work on the user-interface thread) and handed to the journal's worker thread.
/// A journal goes as soon as its document is saved or closed; when the program is asked to end
/// without closing its documents, the journals stay for the next start.
class DocumentJournal : public QObject {
    Q_OBJECT

public:
    /// Starts journalling into `folder` (RecoveryFolder() normally); recovery is offered once,
    /// right after the window is first shown.
    DocumentJournal(TMainForm& form, const std::string& folder);
    ~DocumentJournal() override;

    /// Journals every document changed since its last journal now.
    void Tick();
    /// Waits until the journals queued so far are on disk.
    void Flush() { journal_->Flush(); }
    RecoveryJournal& Journal() { return *journal_; }
    /// Offers the documents of editors that ended without removing their journals: "Obnovit"
    /// opens them as modified with their own names, "Zahodit" deletes the journals.
    void OfferRecovery();

    /// Replaces the question (the names of the found documents) -> true for "Obnovit".
    std::function<bool(const QStringList& names)> RecoveryAsker;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tracked;
    Tracked& Track(TMDIChild* document);
    void Forget(int id);
    bool AskRecovery(const QStringList& names);

    TMainForm& form_;
    std::string folder_;
    std::unique_ptr<RecoveryJournal> journal_;
    std::map<int, std::unique_ptr<Tracked>> tracked_;
    QTimer* timer_ = nullptr;
    int nextId_ = 1;
    bool keepAll_ = false;
    bool offered_ = false;
};

} // namespace zn::app::ui
