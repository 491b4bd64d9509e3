// Deciding the start and handing files to the running editor.
#include "app/ui/Startup.h"

#include "app/CommandLine.h"
#include "app/DocumentNames.h"
#include "app/HandOff.h"
#include "app/InstanceLock.h"
#include "app/InstanceSocket.h"
#include "app/SettingsStore.h"
#include "app/ui/TTMessager.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>

namespace zn::app::ui {

namespace {

/// Long enough for another start's complete hand-off, which holds the lock meanwhile.
constexpr int kLockWaitMs = HandOffTimeoutMs + 5000;
/// The settings store's usual wait for another process's change.
constexpr int kStoreWaitMs = 10000;
/// How long a start retries when the name is still held by an editor that is going away.
constexpr int kListenRetryMs = 3000;

std::vector<std::string> AbsoluteNames(const std::vector<std::string>& names) {
    const std::string folder = QDir::currentPath().toStdString();
    std::vector<std::string> absolute;
    for (const std::string& name : names)
        absolute.push_back(AbsoluteFileName(name, folder));
    return absolute;
}

} // namespace

namespace {

/// The second start's use of the settings store, opened only when an editor answers.
class HandOffStore {
public:
    explicit HandOffStore(const std::function<SettingsStore&()>& open) : open_(open) {}

    /// Writes the names within `remainingMs`; false when the store could not take them (a
    /// store left in memory is no hand-off).
    bool Write(const std::vector<std::string>& names, int remainingMs) {
        SettingsStore& store = Store();
        if (!store.IsPersistent())
            return false;
        store.SetBusyTimeout(remainingMs);
        const bool written = WriteHandOff(store, names);
        store.SetBusyTimeout(kStoreWaitMs);
        return written;
    }

    /// Removes what a failed hand-off left; a frozen editor may hold the store, so the wait
    /// is short.
    void Clear() {
        if (!store_)
            return;
        store_->SetBusyTimeout(1000);
        ClearHandOff(*store_);
        store_->SetBusyTimeout(kStoreWaitMs);
    }

private:
    SettingsStore& Store() {
        if (!store_)
            store_ = &open_();
        return *store_;
    }

    const std::function<SettingsStore&()>& open_;
    SettingsStore* store_ = nullptr;
};

} // namespace

StartDecision DecideStart(const std::function<SettingsStore&()>& openStore,
                          const std::string& settingsFolder,
                          const std::vector<std::string>& arguments, int timeoutMs) {
    InstanceLock lock(settingsFolder);
    // Without the lock (a folder that cannot hold it, a start that hangs) the start goes on:
    // at worst two editors run, which is better than none.
    lock.Acquire(kLockWaitMs);
    const QString name = QString::fromStdString(MessagerSocketPath(settingsFolder));
    const std::vector<std::string> names = AbsoluteNames(FilesToHandOff(arguments));
    HandOffStore store(openStore);
    const QDeadlineTimer retry(kListenRetryMs);
    StartDecision decision;
    for (;;) {
        const HandOffResult result = HandOffToRunningInstance(
            name, [&](int remainingMs) { return store.Write(names, remainingMs); }, timeoutMs);
        if (result == HandOffResult::Delivered) {
            decision.First = false;
            return decision;
        }
        if (result == HandOffResult::NoAnswer) {
            // The files must not open later, after the user was told they were not handed over.
            store.Clear();
            decision.First = false;
            decision.ExitCode = 1;
            decision.Message =
                QStringLiteral("Spuštěný editor %1 neodpověděl do %2 sekund; "
                               "soubory mu nebyly předány.")
                    .arg(QString::fromUtf8(ApplicationName.data(), ApplicationName.size()))
                    .arg(timeoutMs / 1000);
            return decision;
        }
        if (result == HandOffResult::Lost)
            store.Clear();
        auto marker = std::make_unique<TTMessager>(name);
        if (marker->Listen()) {
            decision.Marker = std::move(marker);
            return decision;
        }
        if (retry.hasExpired())
            return decision; // first start without a marker
        QThread::msleep(100);
    }
}

void ReportStartFailure(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    const QString platform = QGuiApplication::platformName();
    // Nobody could click a box on a platform without a screen.
    if (platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal"))
        return;
    QMessageBox::warning(nullptr, QString::fromUtf8(ApplicationName.data(), ApplicationName.size()),
                         message);
}

} // namespace zn::app::ui
