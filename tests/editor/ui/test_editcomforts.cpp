// The text view's aids: the line-number gutter, the tag pair found for painting, and what
// assistive technology reads and edits through the accessibility interfaces.
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using namespace zn::editor;
using zn::editor::ui::HtmlEditView;

class TestEditComforts : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<THTMLRichEdit> edit_;
    std::unique_ptr<HtmlEditView> view_;

    void Open(const std::string& text, Position caret) {
        view_.reset();
        edit_ = std::make_unique<THTMLRichEdit>();
        edit_->Model().Load(text);
        view_ = std::make_unique<HtmlEditView>(*edit_);
        view_->resize(500, 300);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
        edit_->Model().SetCaret(caret);
        view_->viewport()->repaint();
        QApplication::processEvents();
    }

private slots:
    void gutterMakesRoomAndGoes() {
        Open(std::string(120, 'x') + "\r\nb", 0);
        QVERIFY(view_->lineNumbers());
        const int withNumbers = view_->viewport()->geometry().left();
        view_->setLineNumbers(false);
        QApplication::processEvents();
        const int without = view_->viewport()->geometry().left();
        QVERIFY(withNumbers > without);
        // Clicks land on the same characters either way.
        const QPoint at = view_->caretRect().center();
        QCOMPARE(view_->positionAt(at), Position(0));
    }

    void tagPairFoundWhenPainted() {
        Open("<b>x</b>\r\n<i>y", 1);
        auto pair = view_->shownTagPair();
        QVERIFY(pair.has_value());
        QCOMPARE(pair->pairOpen, Position(4));
        QCOMPARE(pair->pairEnd, Position(8));
        // Moving into a tag without a partner, and out of tags, clears it.
        edit_->Model().SetCaret(12);
        view_->viewport()->repaint();
        QVERIFY(!view_->shownTagPair().has_value());
        edit_->Model().SetCaret(3);
        view_->viewport()->repaint();
        QVERIFY(!view_->shownTagPair().has_value());
    }

    void accessibleTextByLines() {
        Open("ab\r\n\xE8"
             "d",
             4); // "č" in Windows-1250
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view_.get());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QVERIFY(iface->state().editable && iface->state().multiLine);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 6);
        QCOMPARE(text->cursorPosition(), 4);
        int start = -1, end = -1;
        QCOMPARE(text->textAtOffset(5, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("čd"));
        QCOMPARE(start, 4);
        QCOMPARE(end, 6);
        QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("ab\r\n"));
        text->setSelection(0, 1, 5);
        QCOMPARE(text->selectionCount(), 1);
        QCOMPARE(edit_->Model().SelText(), std::string("b\r\n\xE8"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("čd"));
    }

    void accessibleEdits() {
        Open("ab\r\ncd", 0);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view_.get());
        QAccessibleEditableTextInterface* editable = iface->editableTextInterface();
        QVERIFY(editable);
        editable->insertText(2, QStringLiteral("ž"));
        QCOMPARE(edit_->Model().Text(), std::string("ab\x9E\r\ncd"));
        editable->replaceText(0, 1, QStringLiteral("X"));
        editable->deleteText(3, 5); // the line break goes whole
        QCOMPARE(edit_->Model().Text(), std::string("Xb\x9E"
                                                    "cd"));
        // Offsets beyond the text are clipped, not trusted.
        editable->deleteText(4, 1000);
        QCOMPARE(edit_->Model().Text(), std::string("Xb\x9E"
                                                    "c"));
        QVERIFY(edit_->Model().CanUndo());
    }
};

QTEST_MAIN(TestEditComforts)
#include "test_editcomforts.moc"
