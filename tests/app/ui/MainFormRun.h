// A main window run on a settings store of its own, shared by the Qt tests of the main window.
#pragma once

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "base/Prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace zn::test {

class MainFormRun {
protected:
    QTemporaryDir dir_;
    QString storePath_ = dir_.filePath(QStringLiteral("settings.sqlite"));
    base::ScriptedPrompter prompter_;
    std::unique_ptr<app::SettingsStore> store_;
    std::unique_ptr<app::ui::TMainForm> form_;

    QString File(const QString& name) const { return dir_.filePath(name); }
    /// Writes a file below the test folder (creating its folders) and returns its full name.
    QString Put(const QString& name, const QByteArray& bytes = "<HTML></HTML>") {
        const QString path = File(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    /// A store in `folder` on which the greeting and the information dialog count as seen.
    static void SeedSettings(const QString& storePath) {
        QDir().mkpath(QFileInfo(storePath).path());
        app::SettingsStore seed(storePath.toStdString());
        seed.WriteInteger(app::KVHTMLKey, "SaveInfo", 1);
        seed.WriteString(app::KVHTMLKey, "Version", app::VersionText);
    }

    /// A run of the editor on the test's store, shown and past its first showing; the greeting
    /// and the information dialog are taken as seen unless `fresh`. `beforeShow` may adjust the
    /// window first.
    app::ui::TMainForm& Start(const std::vector<std::string>& arguments, bool fresh = false,
                              const std::function<void(app::ui::TMainForm&)>& beforeShow = {}) {
        if (!fresh)
            SeedSettings(storePath_);
        store_ = std::make_unique<app::SettingsStore>(storePath_.toStdString());
        form_ = std::make_unique<app::ui::TMainForm>(*store_);
        form_->SetPrompter(&prompter_);
        form_->SetCommandLine(arguments);
        if (beforeShow)
            beforeShow(*form_);
        form_->show();
        [&] { QTRY_VERIFY(form_->FirstShowDone()); }();
        return *form_;
    }

    /// The end of the run: documents dropped without questions, settings written.
    void Stop() {
        if (form_) {
            for (app::ui::TMDIChild* document : form_->Documents()) {
                document->EditedText().Model().SetModified(false);
                document->UpdateModified();
            }
        }
        form_.reset();
        store_.reset();
    }
    /// Stop and remove the store, so the next test starts afresh.
    void StopAndForget() {
        Stop();
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(storePath_ + QString::fromLatin1(suffix));
    }
};

} // namespace zn::test
