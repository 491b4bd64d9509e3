// "Zapsat" of the document parameters on large pages, and the tag walker over every tag of one.
#include "PageGenerator.h"

#include "editor/TREhook.h"
#include "tags/DocumentParameters.h"

#include <benchmark/benchmark.h>

namespace {

using zn::editor::THTMLRichEdit;

std::string Page(std::int64_t megabytes, bool skeleton) {
    const std::string body = zn::bench::GeneratePage(static_cast<std::size_t>(megabytes) << 20);
    if (!skeleton) {
        return body;
    }
    return "<HTML>\r\n<HEAD>\r\n<TITLE>Stránka</TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + body +
           "\r\n</BODY>\r\n</HTML>\r\n";
}

/// Every parameter set, so that each META tag is inserted and filled; then undone (not timed). Arg
/// 1 is a page with its skeleton, arg 0 a page without HTML, HEAD and BODY (searched to the end).
void BM_WriteParameters(benchmark::State& state) {
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load(Page(10, state.range(0) != 0));
    edit.ColorAll();
    zn::tags::TParameters values = zn::tags::DefaultParameters();
    for (int i = zn::tags::Charset; i < zn::tags::kParameterCount; ++i) {
        values[i] = "hodnota";
    }
    for (auto _ : state) {
        zn::tags::WriteParameters(edit, values, true);
        state.PauseTiming();
        edit.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WriteParameters)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

/// The walker from the first tag to the last, reading each tag's name.
void BM_WalkEveryTag(benchmark::State& state) {
    THTMLRichEdit edit;
    edit.Model().Load(Page(10, true));
    zn::editor::TREhook walker;
    for (auto _ : state) {
        walker.SetRichEd(&edit);
        std::size_t tags = 0;
        while (walker.FindNext()) {
            tags += walker.TagName().size() > 0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(tags);
    }
}
BENCHMARK(BM_WalkEveryTag)->Unit(benchmark::kMillisecond);

} // namespace
