// Timing of the editing view on large pages (run with QT_QPA_PLATFORM=offscreen). The view
// shows its line numbers, the caret's line and the tag pair, as the editor does by default.
#include "PageGenerator.h"

#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

using namespace zn::editor;
using zn::editor::ui::HtmlEditView;

namespace {

constexpr std::size_t kMB = 1024 * 1024;

long ResidentKB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

/// Documents are opened as UTF-8 (argument "utf8"); the generated pages are valid UTF-8 with
/// Czech letters, so the same keystrokes are timed in both encodings.
bool openAsUtf8 = false;

struct Document {
    std::unique_ptr<THTMLRichEdit> edit;
    std::unique_ptr<HtmlEditView> view;
};

/// Reads a file into a control, colours it and paints the view once.
Document OpenFile(const QString& path, bool wrap, double* ms = nullptr) {
    QElapsedTimer timer;
    timer.start();
    Document doc;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    {
        const QByteArray bytes = file.readAll();
        doc.edit = std::make_unique<THTMLRichEdit>();
        doc.edit->SyntaxHighLighting = true;
        doc.edit->Model().SetUtf8(openAsUtf8);
        doc.edit->Model().Load(std::string_view(bytes.constData(), bytes.size()));
    }
    doc.edit->ColorAll();
    doc.view = std::make_unique<HtmlEditView>(*doc.edit);
    doc.view->resize(1000, 700);
    doc.view->setWordWrap(wrap);
    doc.view->show();
    doc.view->viewport()->repaint();
    if (ms) {
        *ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    return doc;
}

/// Average time of one keystroke with the repaint it causes, in ms: a character typed, then
/// removed with Backspace, so the line keeps its length.
double TypingMs(Document& doc, Position caret, int keys) {
    doc.view->setFocus();
    doc.edit->Model().SetCaret(caret);
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        const bool type = i % 2 == 0;
        QKeyEvent press(QEvent::KeyPress, type ? Qt::Key_X : Qt::Key_Backspace, Qt::NoModifier,
                        type ? QStringLiteral("x") : QString());
        QApplication::sendEvent(doc.view.get(), &press);
        QApplication::processEvents(); // the repaint
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / keys;
}

/// A caret inside a tag in the middle of the page: `offset` characters after `needle`.
Position CaretAfter(Document& doc, std::string_view needle, Position offset) {
    const TextModel& model = doc.edit->Model();
    return model.Find(needle, model.Length() / 2, model.Length()) + offset;
}

/// Typing inside tags, where the tag pair is looked for at each repaint: in the name of a TD
/// (its partner is lost while "TDx" stands, the worst case: the whole window is searched) and
/// in an attribute of a P (the partner stays found).
void TagTyping(Document& doc, const char* title) {
    std::printf("%s: typed char in a tag name     %8.3f ms\n", title,
                TypingMs(doc, CaretAfter(doc, "<TD WIDTH", 3), 200));
    std::printf("%s: typed char in an attribute   %8.3f ms\n", title,
                TypingMs(doc, CaretAfter(doc, "<P CLASS", 5), 200));
}

double PageScrollMs(Document& doc, double where, int pages) {
    QScrollBar* bar = doc.view->verticalScrollBar();
    bar->setValue(static_cast<int>(bar->maximum() * where));
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < pages; ++i) {
        bar->setValue(bar->value() + (i % 2 == 0 ? 1 : -1) * bar->pageStep());
        doc.view->viewport()->repaint();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / pages;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Optional scenario names: memory, page, line; all of them by default. "utf8" opens the
    // pages as UTF-8.
    QStringList only = QApplication::arguments().mid(1);
    openAsUtf8 = only.removeAll(QStringLiteral("utf8")) > 0;
    auto wanted = [&](const char* name) {
        return only.isEmpty() || only.contains(QString::fromLatin1(name));
    };
    QTemporaryDir dir;
    auto write = [&](const char* name, std::size_t mb, bool singleLine) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        const std::string page = zn::bench::GeneratePage(mb * kMB, singleLine);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(page.data(), static_cast<qint64>(page.size()));
        return path;
    };
    if (wanted("memory")) {
        // First, before the process has held anything big.
        THTMLRichEdit emptyEdit;
        HtmlEditView emptyView(emptyEdit);
        emptyView.show();
        emptyView.viewport()->repaint();
        const QString fiftyMB = write("50.html", 50, false);
        malloc_trim(0);
        const long before = ResidentKB();
        Document doc = OpenFile(fiftyMB, false);
        QApplication::processEvents();
        malloc_trim(0);
        const long after = ResidentKB();
        const double perByte = static_cast<double>(after - before) * 1024.0 /
                               static_cast<double>(doc.edit->Model().Length());
        std::printf("50 MB page: resident memory per document byte %6.2f bytes\n", perByte);
        for (double where : {0.0, 0.5, 1.0}) {
            std::printf("50 MB page: page scroll at %3.0f%%             %8.3f ms\n", where * 100,
                        PageScrollMs(doc, where, 100));
        }
        doc.view->setWordWrap(true);
        for (double where : {0.0, 0.5, 1.0}) {
            std::printf("50 MB page: page scroll at %3.0f%% (wrap)      %8.3f ms\n", where * 100,
                        PageScrollMs(doc, where, 100));
        }
    }
    if (wanted("page")) {
        const QString tenMB = write("10.html", 10, false);
        double ms = 0;
        Document doc = OpenFile(tenMB, false, &ms);
        std::printf("10 MB page: read, colour and first paint   %8.1f ms\n", ms);
        std::printf("10 MB page: typed character, no wrap       %8.3f ms\n",
                    TypingMs(doc, doc.edit->Model().Length() / 2, 200));
        doc.view->setWordWrap(true);
        std::printf("10 MB page: typed character, wrap          %8.3f ms\n",
                    TypingMs(doc, doc.edit->Model().Length() / 2, 200));
        TagTyping(doc, "10 MB page (wrap)");
        doc.view->setWordWrap(false);
        TagTyping(doc, "10 MB page (no wrap)");
    }
    if (only.contains(QStringLiteral("profile"))) {
        // Long typing run for a profiler.
        const QString tenMB = write("10.html", 10, false);
        Document doc = OpenFile(tenMB, false);
        std::printf("typed character, no wrap %8.3f ms\n",
                    TypingMs(doc, doc.edit->Model().Length() / 2, 3000));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(doc.view.get(), &press);
        QApplication::processEvents();
        const QRect r = doc.view->lastPaintedRegion().boundingRect();
        std::printf("last painted %d,%d %dx%d\n", r.x(), r.y(), r.width(), r.height());
    }
    if (wanted("line")) {
        const QString oneLine = write("line.html", 10, true);
        for (bool wrap : {false, true}) {
            double ms = 0;
            Document doc = OpenFile(oneLine, wrap, &ms);
            std::printf("10 MB single line (%s): open and paint     %8.1f ms\n",
                        wrap ? "wrap   " : "no wrap", ms);
            for (double at : {0.01, 0.5, 0.99}) {
                const auto caret =
                    static_cast<Position>(static_cast<double>(doc.edit->Model().Length()) * at);
                std::printf("10 MB single line (%s): typed char at %2.0f%% %8.3f ms\n",
                            wrap ? "wrap   " : "no wrap", at * 100, TypingMs(doc, caret, 100));
            }
            TagTyping(doc, wrap ? "10 MB single line (wrap)   " : "10 MB single line (no wrap)");
        }
    }
    return 0;
}
