// The editing view: keys, mouse, clipboard, drops, repainting and printing.
#include "base/Cp1250.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"
#include "editor/ui/TextPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace zn::editor;
using namespace zn::base;
using zn::editor::ui::HtmlEditView;

class TestHtmlEditView : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<THTMLRichEdit> edit_;
    std::unique_ptr<HtmlEditView> view_;

    void Open(const std::string& text, Position caret = 0) {
        view_.reset();
        edit_ = std::make_unique<THTMLRichEdit>();
        edit_->SyntaxHighLighting = true;
        edit_->Model().Load(text);
        edit_->ColorAll();
        view_ = std::make_unique<HtmlEditView>(*edit_);
        view_->resize(500, 300);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        view_->setFocus();
        edit_->Model().SetCaret(caret);
        QApplication::processEvents();
    }
    TextModel& M() { return edit_->Model(); }
    QWidget* Port() { return view_->viewport(); }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(view_.get(), key, mods);
    }
    /// A key carrying text, as a keyboard layout or compose sequence delivers it.
    void TypeUnicode(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(view_.get(), &press);
        QApplication::sendEvent(view_.get(), &release);
    }
    /// The middle of the character at pos, in viewport coordinates.
    QPoint PointOf(Position pos) {
        const auto& layout = view_->Layout();
        const double x = layout.XOfPosition(pos) + 3 - view_->horizontalScrollBar()->value();
        const double w =
            layout.Advance(static_cast<unsigned char>(M().CharAt(pos)), layout.XOfPosition(pos));
        const double lh = view_->Fonts().LineHeight();
        const double y = static_cast<double>(layout.RowOfPosition(pos) - view_->topRow()) * lh;
        return QPoint(static_cast<int>(x + w / 3), static_cast<int>(y + lh / 2));
    }

private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void cleanup() {
        view_.reset();
        edit_.reset();
    }

    void typingAsciiAndCzech() {
        Open("");
        QTest::keyClicks(view_.get(), "ab");
        TypeUnicode(QStringLiteral("ř"));
        TypeUnicode(QStringLiteral("Ž"));
        TypeUnicode(QStringLiteral("≠"));
        QCOMPARE(M().Text(), std::string("ab\xF8\x8E&#8800;"));
        QCOMPARE(M().SelStart(), M().Length());
    }

    void inputMethodCommitAndPreedit() {
        Open("x");
        M().SetCaret(1);
        QInputMethodEvent preedit(QStringLiteral("ˇ"), {});
        QApplication::sendEvent(view_.get(), &preedit);
        QCOMPARE(M().Text(), std::string("x")); // pre-edit text is only shown
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("č"));
        QApplication::sendEvent(view_.get(), &commit);
        QCOMPARE(M().Text(), std::string("x\xE8"));
        QCOMPARE(static_cast<QWidget*>(view_.get())->inputMethodQuery(Qt::ImCursorPosition).toInt(),
                 2);
    }

    void editingKeys() {
        Open("abc\r\ndef", 2);
        Key(Qt::Key_Backspace);
        QCOMPARE(M().Text(), std::string("ac\r\ndef"));
        Key(Qt::Key_Delete);
        QCOMPARE(M().Text(), std::string("a\r\ndef"));
        Key(Qt::Key_Delete); // the whole line break
        QCOMPARE(M().Text(), std::string("adef"));
        Key(Qt::Key_Return);
        QCOMPARE(M().Text(), std::string("a\r\ndef"));
        QCOMPARE(M().SelStart(), Position(3));
        Key(Qt::Key_Left);
        QCOMPARE(M().SelStart(), Position(1)); // never between CR and LF
        Key(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(M().SelStart(), M().Length());
        Key(Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(M().SelText(), std::string("def"));
        Key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(M().SelLength(), M().Length());
    }

    void lessThanCompletesAndTabStaysInTheText() {
        Open("a", 1);
        QTest::keyClicks(view_.get(), "<");
        QCOMPARE(M().Text(), std::string("a<>"));
        QVERIFY(edit_->InTag);
        Key(Qt::Key_Tab);
        QCOMPARE(M().Text(), std::string("a<\t>"));
        QVERIFY(view_->hasFocus());
    }

    void clipboardKeys() {
        Open("<b>ahoj</b>", 3);
        M().Select(3, 4);
        Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("ahoj"));
        Key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(M().Text(), std::string("<b></b>"));
        QApplication::clipboard()->setText(QStringLiteral("<i>ř</i>\nx"));
        Key(Qt::Key_Insert, Qt::ShiftModifier); // Shift+Insert pastes and colours
        QCOMPARE(M().Text(), std::string("<b><i>\xF8</i>\r\nx</b>"));
        QCOMPARE(M().ColorAt(3), ColorKind::Tag);
        M().Select(3, 3);
        Key(Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("<i>"));
        Key(Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(M().Text(), std::string("<b>\xF8</i>\r\nx</b>"));
    }

    void clickLandsOnTheCharacterDrawnThere() {
        Open("ab\tcd <b>W</b>\r\nsecond line");
        for (Position pos : {Position(0), Position(1), Position(3), Position(6), Position(9),
                             Position(16), Position(20)}) {
            QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(pos));
            QCOMPARE(M().Sel().caret, pos);
        }
        // Past the end of a line: its end.
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(480, PointOf(0).y()));
        QCOMPARE(M().Sel().caret, Position(14));
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::ShiftModifier, PointOf(16));
        QCOMPARE(M().SelText(), std::string("\r\n"));
    }

    void clickOnAWrappedLine() {
        std::string words;
        for (int i = 0; i < 60; ++i) {
            words += "slovo" + std::to_string(i) + " ";
        }
        Open(words);
        view_->setWordWrap(true);
        QApplication::processEvents();
        QVERIFY(view_->Layout().RowCount() > 3);
        const Position third = view_->Layout().RowStart(2) + 2;
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(third));
        QCOMPARE(M().Sel().caret, third);
        QCOMPARE(view_->horizontalScrollBar()->maximum(), 0);
    }

    void doubleAndTripleClick() {
        Open("first line\r\nsecond word here");
        QTest::mouseDClick(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(20));
        QCOMPARE(M().SelText(), std::string("word"));
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(20));
        QCOMPARE(M().SelText(), std::string("second word here"));
    }

    void dragSelects() {
        Open("hello world");
        QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(1));
        QTest::mouseMove(Port(), PointOf(7));
        QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(7));
        QCOMPARE(M().SelText(), std::string("ello w"));
        // A click inside the selection without moving puts the caret there.
        QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, PointOf(3));
        QCOMPARE(M().SelLength(), Position(0));
        QCOMPARE(M().Sel().caret, Position(3));
    }

    void dropsMoveAndInsertText() {
        Open("one two three");
        M().Select(4, 4); // "two "
        view_->dropText(QStringLiteral("two "), 13, true);
        QCOMPARE(M().Text(), std::string("one threetwo "));
        QCOMPARE(M().SelText(), std::string("two "));
        M().Undo();
        QCOMPARE(M().Text(), std::string("one two three"));
        view_->dropText(QStringLiteral("ž"), 0, false); // from another program
        QCOMPARE(M().Text(), std::string("\x9Eone two three"));
        M().Select(4, 3);
        view_->dropText(QStringLiteral("two"), 5, true); // onto itself: nothing
        QCOMPARE(M().Text(), std::string("\x9Eone two three"));
    }

    void oneCharacterRepaintsLittle() {
        std::string text;
        for (int i = 0; i < 40; ++i) {
            text += "<p class=x>line " + std::to_string(i) + "</p>\r\n";
        }
        Open(text, 5);
        QApplication::processEvents();
        QTest::qWait(20);
        QTest::keyClicks(view_.get(), "y");
        QApplication::processEvents();
        QTest::qWait(20);
        const QRect painted = view_->lastPaintedRegion().boundingRect();
        QVERIFY2(painted.height() <= 3 * view_->Fonts().LineHeight() + 2,
                 qPrintable(QString::number(painted.height())));
        QVERIFY(painted.height() > 0);
    }

    void caretStaysVisibleAfterEdits() {
        std::string text;
        for (int i = 0; i < 200; ++i) {
            text += "row " + std::to_string(i) + "\r\n";
        }
        Open(text);
        Key(Qt::Key_End, Qt::ControlModifier);
        QVERIFY(view_->topRow() > 150);
        Key(Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view_->topRow(), Position(0));
        M().SetCaret(M().LineStart(120));
        QVERIFY(view_->topRow() <= 120 && view_->topRow() + view_->visibleRows() > 120);
    }

    void longLineScrollsSideways() {
        Open(std::string(20000, 'a') + "<b>", 0);
        Key(Qt::Key_End);
        QVERIFY(view_->horizontalScrollBar()->value() > 1000);
        QVERIFY(Port()->rect().contains(view_->caretRect().center()));
        QTest::keyClicks(view_.get(), "z");
        QCOMPARE(M().CharAt(20003), 'z');
    }

    void printingPaginates() {
        std::string text;
        for (int i = 0; i < 300; ++i) {
            text += "<p>line " + std::to_string(i) + "</p>\r\n";
        }
        Open(text);
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
        QFont font = view_->Fonts().Font();
        font.setPointSize(10);
        const int pages = zn::editor::ui::PrintText(M(), font, {}, printer);
        QVERIFY(pages >= 3);
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                     bytes.count("/Type /Page "),
                 pages);
    }
};

QTEST_MAIN(TestHtmlEditView)
#include "test_htmleditview.moc"
