// Speed of find, replace and encoding conversion, side by side with sed and iconv run on the
// same text written to a file.
#include "PageGenerator.h"

#include "base/Cp1250.h"
#include "base/Prompter.h"
#include "editor/EncChanger.h"
#include "editor/RangeText.h"
#include "editor/Search.h"
#include "editor/THTMLRichEdit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include <sys/resource.h>

using namespace zn::editor;

namespace {

constexpr std::size_t kMB = 1024 * 1024;

/// Lines of words from a small alphabet ('a' is one letter in 15, so 20 MB hold about 1.3
/// million) and Czech letters that Windows-1250 and ISO 8859-2 both carry.
std::string Words(std::size_t size, bool czech) {
    static const std::string plain = "abcdefghijklmno";
    static const std::string accented = zn::base::Utf8ToCp1250("áčďéěíňóřšťúůýž");
    std::mt19937 random(7);
    std::string text;
    text.reserve(size + 100);
    while (text.size() < size) {
        for (int word = 0; word < 10; ++word) {
            const int length = 2 + static_cast<int>(random() % 8);
            for (int i = 0; i < length; ++i) {
                const bool useAccent = czech && random() % 4 == 0;
                const std::string& pool = useAccent ? accented : plain;
                text += pool[random() % pool.size()];
            }
            text += ' ';
        }
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

const std::string& Text(std::size_t megabytes, bool czech) {
    static std::map<std::pair<std::size_t, bool>, std::string> texts;
    auto& text = texts[{megabytes, czech}];
    if (text.empty()) {
        text = Words(megabytes * kMB, czech);
    }
    return text;
}

/// The text in a file for the external programs.
std::string TextFile(std::size_t megabytes, bool czech) {
    const std::string file =
        (std::filesystem::temp_directory_path() /
         ("znackar-bench-" + std::to_string(megabytes) + (czech ? "cz" : "") + ".txt"))
            .string();
    if (!std::filesystem::exists(file)) {
        std::ofstream(file, std::ios::binary) << Text(megabytes, czech);
    }
    return file;
}

TEncodings Shipped() {
    const std::string folder = std::string(ZN_DATA_DIR) + "/encodings/";
    TEncodings encodings;
    encodings.Load({folder + "windows-1250.enc", folder + "iso-8859-2.enc", folder + "ascii.enc"});
    return encodings;
}

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

/// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when not there.
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, key.size() + 1, key + ":") == 0) {
            return std::stol(line.substr(key.size() + 1));
        }
    }
    return -1;
}

/// Starts the peak of the resident memory afresh from what is resident now.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

/// Runs the command once per iteration; "child_cpu_ms" is the program's own processor time per
/// run, comparable with the CPU column of the benchmarks that run here.
void RunCommand(benchmark::State& state, const std::string& command) {
    const double before = ChildCpuSeconds();
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
    }
    state.counters["child_cpu_ms"] =
        (ChildCpuSeconds() - before) * 1000.0 / static_cast<double>(state.iterations());
}

// --- replacing every "a" by "aa" in 20 MB ---

void BM_ReplaceAllInDocument(benchmark::State& state) {
    const std::string& text = Text(20, false);
    Position count = 0;
    long peakGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        THTMLRichEdit edit;
        edit.Model().Load(text);
        ResetPeakMemory();
        const long resident = StatusKb("VmRSS");
        state.ResumeTiming();
        count = ReplaceInDocument(edit, 1, "a", kMatchCase | kReplaceAll, "aa");
        benchmark::DoNotOptimize(count);
        peakGrowth = std::max(peakGrowth, StatusKb("VmHWM") - resident);
    }
    state.counters["replaced"] = static_cast<double>(count);
    // How much more memory the replace needed at its peak than the loaded document.
    state.counters["peak_growth_mb"] = static_cast<double>(peakGrowth) / 1024.0;
}
BENCHMARK(BM_ReplaceAllInDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReplaceTextString(benchmark::State& state) {
    const std::string& text = Text(20, false);
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(ReplaceText(copy, 1, "a", kMatchCase | kReplaceAll, "aa"));
    }
}
BENCHMARK(BM_ReplaceTextString)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Sed(benchmark::State& state) {
    RunCommand(state, "sed 's/a/aa/g' " + TextFile(20, false) + " > /dev/null");
}
BENCHMARK(BM_Sed)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- converting 50 MB from Windows-1250 to ISO 8859-2 ---

void BM_ConvertDocument(benchmark::State& state) {
    const TEncodings encodings = Shipped();
    const std::string& text = Text(50, true);
    zn::base::ScriptedPrompter prompter;
    for (auto _ : state) {
        state.PauseTiming();
        THTMLRichEdit edit;
        edit.Model().Load(text);
        TEncChanger changer(&prompter, encodings);
        changer.FromEnc = "Windows-1250";
        changer.ToEnc = "ISO Latin2 (ISO 8859-2)";
        state.ResumeTiming();
        benchmark::DoNotOptimize(ConvertDocument(edit, changer, false, false, prompter));
    }
}
BENCHMARK(BM_ConvertDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConvertText(benchmark::State& state) {
    const TEncodings encodings = Shipped();
    const std::string& text = Text(50, true);
    TEncChanger changer(nullptr, encodings);
    changer.FromEnc = "Windows-1250";
    changer.ToEnc = "ISO Latin2 (ISO 8859-2)";
    for (auto _ : state) {
        benchmark::DoNotOptimize(changer.Convert(text));
    }
}
BENCHMARK(BM_ConvertText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Iconv(benchmark::State& state) {
    RunCommand(state, "iconv -f cp1250 -t iso-8859-2 " + TextFile(50, true) + " > /dev/null");
}
BENCHMARK(BM_Iconv)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- finding a word with the diacritics option in 10 MB ---

void BM_FindIgnoringDiacritics(benchmark::State& state) {
    const TEncodings encodings = Shipped();
    THTMLRichEdit edit;
    edit.Model().Load(Text(10, true) + zn::base::Utf8ToCp1250(" příliš"));
    Position found = 0;
    for (auto _ : state) {
        found = SearchText("prilis", 1, edit.Model().Store(), kIgnoreDiacritics, encodings);
        benchmark::DoNotOptimize(found);
    }
    if (found == 0) {
        state.SkipWithError("not found");
    }
}
BENCHMARK(BM_FindIgnoringDiacritics)->Unit(benchmark::kMillisecond);

// --- replacing with prompting: each answer costs the same, wherever the occurrence is ---

void BM_ReplaceWithPromptsYesToAll(benchmark::State& state) {
    // A page with tags, as documents are: the text control finds the tag around each change.
    const std::string text = zn::bench::GeneratePage(kMB);
    const auto occurrences = static_cast<std::size_t>(std::count(text.begin(), text.end(), 'o'));
    for (auto _ : state) {
        state.PauseTiming();
        THTMLRichEdit edit;
        edit.Model().Load(text);
        zn::base::ScriptedPrompter prompter;
        prompter.answers.assign(occurrences, zn::base::Answer::Yes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            ReplaceWithPrompts(edit, 1, "o", kMatchCase | kReplaceAll, "00", prompter));
    }
    state.counters["answers"] = static_cast<double>(occurrences);
}
BENCHMARK(BM_ReplaceWithPromptsYesToAll)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
