// Speed of the text control's core on large generated pages.
#include "PageGenerator.h"

#include "editor/EncodingDetective.h"
#include "editor/THTMLRichEdit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>

using namespace zn::editor;

namespace {

constexpr std::size_t kMB = 1024 * 1024;

/// Pages by argument: 1, 10, 50 = MB with CR LF; 0 = 10 MB on one single line.
const std::string& Page(std::int64_t arg) {
    static std::map<std::int64_t, std::string> pages;
    auto it = pages.find(arg);
    if (it == pages.end()) {
        const std::size_t size = (arg == 0 ? 10 : static_cast<std::size_t>(arg)) * kMB;
        it = pages.emplace(arg, zn::bench::GeneratePage(size, arg == 0)).first;
    }
    return it->second;
}

std::unique_ptr<THTMLRichEdit> LoadedEdit(std::int64_t arg) {
    auto edit = std::make_unique<THTMLRichEdit>();
    edit->SyntaxHighLighting = true;
    edit->Model().Load(Page(arg));
    return edit;
}

void PageArgs(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(10)->Arg(50)->Arg(0);
}

void BM_ColorAll(benchmark::State& state) {
    auto edit = LoadedEdit(state.range(0));
    for (auto _ : state) {
        edit->ColorAll();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * edit->Model().Length());
}
BENCHMARK(BM_ColorAll)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    THTMLRichEdit edit;
    const std::string& page = Page(state.range(0));
    for (auto _ : state) {
        edit.Model().Load(page);
    }
}
BENCHMARK(BM_Load)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

/// Detecting the encoding of a 10 MB page: as opened (UTF-8, the generated page's own) and as
/// Windows-1250 text holding UTF-8 bytes (arg 0).
void BM_DetectEncoding(benchmark::State& state) {
    const std::string& page = Page(10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zn::editor::DetectEncoding(page, state.range(0) != 0));
    }
}
BENCHMARK(BM_DetectEncoding)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

/// A typed character inside a tag in the middle of the page: the edit, the current-tag update
/// and the recolouring of the tag. Each iteration types one character and removes it again.
void BM_KeystrokeInTag(benchmark::State& state) {
    auto edit = LoadedEdit(state.range(0));
    edit->ColorAll();
    TextModel& m = edit->Model();
    const Position middle = m.FindChar('=', m.Length() / 2, m.Length()) + 1;
    m.SetCaret(middle);
    benchmark::DoNotOptimize(edit->InTag);
    for (auto _ : state) {
        m.Type("x");
        m.Backspace();
        if (m.CanUndo() && (state.iterations() & 0xFFF) == 0) {
            m.ClearUndo();
        }
    }
    if (!edit->InTag) {
        state.SkipWithError("caret not in a tag");
    }
    state.counters["keystrokes"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeystrokeInTag)->Apply(PageArgs)->Unit(benchmark::kMicrosecond);

void BM_CaretLineAndColumn(benchmark::State& state) {
    auto edit = LoadedEdit(state.range(0));
    TextModel& m = edit->Model();
    std::mt19937_64 rng(5);
    std::vector<Position> positions(4096);
    for (Position& p : positions) {
        p = static_cast<Position>(rng() % static_cast<std::uint64_t>(m.Length()));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Position p = positions[i++ & 4095];
        const Position line = m.LineFromPosition(p);
        benchmark::DoNotOptimize(p - m.LineStart(line));
    }
}
BENCHMARK(BM_CaretLineAndColumn)->Apply(PageArgs)->Unit(benchmark::kNanosecond);

/// The status bar's question after each keystroke: line and column of the one caret.
void BM_LineAndColumnOfTheCaret(benchmark::State& state) {
    auto edit = LoadedEdit(state.range(0));
    TextModel& m = edit->Model();
    m.SetCaret(m.Length() / 2 + 7);
    for (auto _ : state) {
        const Position line = m.LineFromPosition(m.SelEnd());
        benchmark::DoNotOptimize(m.SelEnd() - m.LineStart(line));
    }
}
BENCHMARK(BM_LineAndColumnOfTheCaret)->Apply(PageArgs)->Unit(benchmark::kNanosecond);

/// One character inserted at a random place of the page, undo record and notifications included.
void BM_InsertAnywhere(benchmark::State& state) {
    auto edit = std::make_unique<THTMLRichEdit>();
    edit->Model().Load(Page(state.range(0)));
    TextModel& m = edit->Model();
    std::mt19937_64 rng(9);
    for (auto _ : state) {
        const Position p = static_cast<Position>(rng() % static_cast<std::uint64_t>(m.Length()));
        m.Replace(p, 0, "x");
    }
}
BENCHMARK(BM_InsertAnywhere)->Apply(PageArgs)->Unit(benchmark::kMicrosecond);

} // namespace
