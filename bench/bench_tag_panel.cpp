// The Tag Inspector's reading when the caret moves into a tag, and the structure scan, on large
// pages.
#include "PageGenerator.h"

#include "editor/THTMLRichEdit.h"
#include "structure/DocumentStructure.h"
#include "tags/TagPanelRead.h"

#include <benchmark/benchmark.h>

namespace {

using zn::editor::Position;

/// The caret moves alternately into an IMG and a TD tag in the middle of the page; each move
/// updates the current tag and reads it into the inspector's values (no scan is needed).
void BM_InspectorRefresh(benchmark::State& state) {
    zn::editor::THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.Model().Load(zn::bench::GeneratePage(static_cast<std::size_t>(state.range(0)) << 20));
    std::string page = edit.Model().Text();
    const auto middle = page.size() / 2;
    const auto img = static_cast<Position>(page.find("<IMG", middle) + 5);
    const auto td = static_cast<Position>(page.find("<TD", middle) + 4);
    zn::tags::TInspectorContext context;
    std::size_t values = 0;
    bool flip = false;
    for (auto _ : state) {
        edit.Model().SetCaret(flip ? img : td);
        flip = !flip;
        const zn::tags::TInspectorRead read = zn::tags::ReadTag(edit.CurrentTagText, context);
        values += read.Values.size();
    }
    benchmark::DoNotOptimize(values);
}
BENCHMARK(BM_InspectorRefresh)->Arg(10)->Unit(benchmark::kMicrosecond);

/// A whole scan of the page with maps, areas and a style block added.
void BM_ScanStructure(benchmark::State& state) {
    std::string page = "<HTML><HEAD><STYLE TYPE=\"text/css\"><!-- .a {color:red} p > b {x:y} "
                       "--></STYLE></HEAD><BODY BGCOLOR=white><MAP NAME=m>"
                       "<AREA SHAPE=rect COORDS=1,2,3,4 HREF=a.html ALT=A></MAP>";
    page += zn::bench::GeneratePage(static_cast<std::size_t>(state.range(0)) << 20);
    for (auto _ : state) {
        const zn::structure::TStructure found = zn::structure::ScanStructure(page);
        benchmark::DoNotOptimize(found.Pictures.size());
    }
}
BENCHMARK(BM_ScanStructure)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
