// The cost of crash recovery for a 10 MB document: the copy of the text made on the
// user-interface thread, one journal write on the worker thread, and typing while journals are
// being written.
#include "PageGenerator.h"

#include "app/RecoveryJournal.h"
#include "editor/THTMLRichEdit.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::size_t kTenMegabytes = 10u << 20;

std::string Folder() {
    return (std::filesystem::temp_directory_path() /
            ("znackar-bench-" + std::to_string(::getpid())))
        .string();
}

/// The work on the user-interface thread: copying the text out of the model.
void BM_JournalCopy10MB(benchmark::State& state) {
    zn::editor::THTMLRichEdit edit;
    edit.Model().Load(zn::bench::GeneratePage(kTenMegabytes));
    for (auto _ : state)
        benchmark::DoNotOptimize(edit.Model().Text());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kTenMegabytes));
}
BENCHMARK(BM_JournalCopy10MB)->Unit(benchmark::kMillisecond);

/// One journal write on the worker (atomic: temporary file, fsync, rename), waited for.
void BM_JournalWrite10MB(benchmark::State& state) {
    const std::string folder = Folder();
    {
        zn::app::RecoveryJournal journal(folder);
        const std::string text = zn::bench::GeneratePage(kTenMegabytes);
        for (auto _ : state) {
            journal.Write(1, {"/tmp/page.html", false, text});
            journal.Flush();
        }
        journal.Remove(1);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_JournalWrite10MB)->Unit(benchmark::kMillisecond)->UseRealTime();

/// One typed character in a 10 MB document while the worker writes journals without pause.
void BM_TypingWhileJournalling(benchmark::State& state) {
    const std::string folder = Folder() + "-typing";
    {
        zn::app::RecoveryJournal journal(folder);
        zn::editor::THTMLRichEdit edit;
        edit.Model().Load(zn::bench::GeneratePage(kTenMegabytes));
        edit.Model().SetSelection(kTenMegabytes / 2, kTenMegabytes / 2);
        std::atomic<bool> stop{false};
        const std::string text = edit.Model().Text();
        std::thread writer([&] {
            while (!stop) {
                journal.Write(1, {"/tmp/page.html", false, text});
                journal.Flush();
            }
        });
        for (auto _ : state)
            edit.InsertText("a");
        stop = true;
        writer.join();
        journal.Remove(1);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TypingWhileJournalling)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
