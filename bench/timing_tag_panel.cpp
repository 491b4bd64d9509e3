// Timing of the Tag Inspector's refresh when the caret moves into a tag of a 10 MB page: the
// current tag, the read and the filling of the Qt panel (run with QT_QPA_PLATFORM=offscreen).
#include "PageGenerator.h"
#include "TagPanelBenchHost.h"

#include "editor/THTMLRichEdit.h"
#include "tags/ui/TagPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QToolBar>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zn;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::TagPanelBenchHost host;
    host.edit.SyntaxHighLighting = true;
    host.edit.Model().Load(bench::GeneratePage(std::size_t(10) << 20));
    QWidget window;
    auto* pages = new QStackedWidget(&window);
    auto* tp = new QToolBar(pages);
    pages->addWidget(tp);
    tags::ui::TTagInspector inspector(host, pages, tp);
    host.edit.OnTagChange = [&inspector] { inspector.ReadCurrentTag(); };
    window.resize(300, 700);
    window.show();
    QApplication::processEvents();

    const std::string text = host.edit.Model().Text();
    const std::size_t middle = text.size() / 2;
    const char* const kTags[] = {"<IMG", "<TD", "<A ", "<FONT", "<P "};
    std::vector<editor::Position> targets;
    for (const char* tag : kTags) {
        targets.push_back(static_cast<editor::Position>(text.find(tag, middle) + 2));
    }
    std::vector<double> times;
    for (int round = 0; round < 200; ++round) {
        for (editor::Position target : targets) {
            QElapsedTimer timer;
            timer.start();
            host.edit.Model().SetCaret(target);
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("inspector refresh on a 10 MB page: median %.3f ms, 95th percentile %.3f ms, "
                "max %.3f ms (%zu moves)\n",
                times[times.size() / 2], times[times.size() * 95 / 100], times.back(),
                times.size());
    return 0;
}
