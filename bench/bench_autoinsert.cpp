// Speed of "Automaticky vkládat": 20 definitions over a 10 MB page, every abbreviation occurring
// about 500 times, some texts with functions; the target is under 0.5 s for the whole run.
#include "PageGenerator.h"

#include "editor/AutoInsert.h"
#include "editor/THTMLRichEdit.h"

#include <benchmark/benchmark.h>

using namespace zn::editor;

namespace {

std::string Abbreviation(int i) {
    return "@zk" + std::to_string(i) + "@";
}

/// The page with one of the 20 abbreviations after every line.
std::string PageWithAbbreviations() {
    const std::string page = zn::bench::GeneratePage(10 * 1024 * 1024);
    std::string out;
    out.reserve(page.size() + page.size() / 10);
    int line = 0;
    for (std::size_t start = 0; start < page.size();) {
        std::size_t end = page.find("\r\n", start);
        end = end == std::string::npos ? page.size() : end + 2;
        out.append(page, start, end - start);
        if (++line % 20 == 0) {
            out += Abbreviation(line / 20 % 20);
        }
        start = end;
    }
    return out;
}

std::vector<TAutoDef> Definitions() {
    std::vector<TAutoDef> items;
    for (int i = 0; i < 20; ++i) {
        const std::string text = i % 4 == 0   ? "*fnc*(DATE,\"d.m.yyyy\")"
                                 : i % 4 == 1 ? "*fnc*(SUM,1,*fnc*(MULT,2,3))"
                                 : i % 4 == 2 ? "<B>*fnc*(UPPERCASE,\"text\")</B>"
                                              : "<A HREF=\"index.html\">domů</A>";
        items.push_back({Abbreviation(i), text + "\r\n", true});
    }
    return items;
}

void BM_AutoInsertDocument(benchmark::State& state) {
    const std::string page = PageWithAbbreviations();
    const std::vector<TAutoDef> items = Definitions();
    AutoInsertResult result;
    for (auto _ : state) {
        state.PauseTiming();
        THTMLRichEdit edit;
        edit.Model().Load(page);
        state.ResumeTiming();
        result = AutoInsertDocument(edit, items, LocalNow());
        benchmark::DoNotOptimize(result);
    }
    if (!result.Error.empty()) {
        state.SkipWithError(result.Error.c_str());
    }
    state.counters["replaced"] = static_cast<double>(result.Replaced);
    state.counters["MB"] = static_cast<double>(page.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_AutoInsertDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

namespace {

/// The replacing alone, on a string: what the run costs before the document is set.
void BM_AutoInsertText(benchmark::State& state) {
    const std::string page = PageWithAbbreviations();
    const std::vector<TAutoDef> items = Definitions();
    for (auto _ : state) {
        state.PauseTiming();
        std::string text = page;
        state.ResumeTiming();
        benchmark::DoNotOptimize(AutoInsertText(text, items, LocalNow()));
    }
}
BENCHMARK(BM_AutoInsertText)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
