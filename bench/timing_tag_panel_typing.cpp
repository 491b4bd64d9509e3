// Timing of typing into a Tag Inspector field on a 10 MB page: each character rewrites the
// attribute in the tag, the tag is read back into the panel and the document view repaints
// (run with QT_QPA_PLATFORM=offscreen).
#include "PageGenerator.h"
#include "TagPanelBenchHost.h"

#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"
#include "tags/ui/TagPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLineEdit>
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
    host.edit.ColorAll();
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* view = new editor::ui::HtmlEditView(host.edit, &window);
    layout->addWidget(view, 1);
    auto* pages = new QStackedWidget(&window);
    layout->addWidget(pages);
    auto* tp = new QToolBar(pages);
    pages->addWidget(tp);
    tags::ui::TTagInspector inspector(host, pages, tp);
    host.edit.OnTagChange = [&inspector] { inspector.ReadCurrentTag(); };
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();

    const std::string text = host.edit.Model().Text();
    const auto img = static_cast<editor::Position>(text.find("<IMG", text.size() / 2) + 2);
    host.edit.Model().SetCaret(img);
    QApplication::processEvents();
    auto* field = inspector.Panels().As<QLineEdit>("IMGAlt");
    field->setFocus();
    QApplication::processEvents();
    std::vector<double> times;
    std::vector<double> writes; ///< the rewrite and the read alone, without the repaint
    const char* const word = "obrazek s popisem ";
    for (int round = 0; round < 20; ++round) {
        for (const char* c = word; *c != '\0'; ++c) {
            QElapsedTimer timer;
            timer.start();
            field->insert(QString(QLatin1Char(*c)));
            writes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            // The view repaints what the edit marked as changed, as the event loop would.
            QApplication::processEvents();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        field->clear();
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::sort(writes.begin(), writes.end());
    std::printf("typing into an inspector field on a 10 MB page: median %.3f ms, 95th percentile "
                "%.3f ms, max %.3f ms per character (%zu characters)\n",
                times[times.size() / 2], times[times.size() * 95 / 100], times.back(),
                times.size());
    std::printf("of which the rewrite and the read: median %.3f ms, 95th percentile %.3f ms\n",
                writes[writes.size() / 2], writes[writes.size() * 95 / 100]);
    return 0;
}
