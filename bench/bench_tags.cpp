// Tag commands on large highlighted pages (a wrap or an insertion and its undo), and the link
// and colour rules that run for every picture of a gallery or every colour field.
#include "PageGenerator.h"

#include "base/HtmlColor.h"
#include "base/Links.h"
#include "tags/TagCommands.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using zn::editor::Position;
using zn::editor::THTMLRichEdit;

std::unique_ptr<THTMLRichEdit> HighlightedPage(std::int64_t megabytes) {
    auto edit = std::make_unique<THTMLRichEdit>();
    edit->SyntaxHighLighting = true;
    edit->Model().Load(zn::bench::GeneratePage(static_cast<std::size_t>(megabytes) << 20));
    edit->ColorAll();
    return edit;
}

/// "Tučný" around 200 characters in the middle of the page, then undone.
void BM_WrapSelection(benchmark::State& state) {
    auto edit = HighlightedPage(state.range(0));
    auto& m = edit->Model();
    const Position middle = m.FindChar('>', m.Length() / 2, m.Length()) + 1;
    for (auto _ : state) {
        m.Select(middle, 200);
        zn::tags::MenuParByHint(*edit, "b", true);
        m.Undo();
    }
}
BENCHMARK(BM_WrapSelection)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

/// "Netříděný seznam" at the caret in the middle of the page, then undone.
void BM_InsertList(benchmark::State& state) {
    auto edit = HighlightedPage(state.range(0));
    auto& m = edit->Model();
    const Position middle = m.FindChar('>', m.Length() / 2, m.Length()) + 1;
    for (auto _ : state) {
        m.SetCaret(middle);
        zn::tags::RunTagCommand(*edit, zn::tags::TagCommand::UnorderedList, true);
        m.Undo();
    }
}
BENCHMARK(BM_InsertList)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_MakeRelativeLink(benchmark::State& state) {
    zn::base::LinkSettings settings;
    settings.DocumentFileName = "/home/user/web/pages/2024/index.html";
    zn::base::ScriptedPrompter prompter;
    const std::string file = "/home/user/web/pictures/holiday/photo-0001.jpg";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zn::base::MakeLink(file, settings, prompter));
    }
}
BENCHMARK(BM_MakeRelativeLink);

void BM_HtmlToColor(benchmark::State& state) {
    const char* texts[] = {"#A0B1C2", "fuchsia", "Teal", "#ff0000"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zn::base::HtmlToColor(texts[i++ & 3]));
    }
}
BENCHMARK(BM_HtmlToColor);

} // namespace
