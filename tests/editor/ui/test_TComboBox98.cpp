// Completion offers of the combo box while typing, and never after Backspace or Delete.
#include "editor/ui/TComboBox98.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using zn::editor::ui::TComboBox98;

class TestTComboBox98 : public QObject {
    Q_OBJECT

    struct Offer {
        int key;
        QString completion;
    };

    QWidget* window_ = nullptr;
    TComboBox98* box_ = nullptr;
    QList<Offer> offers_;
    QStringList events_;

private slots:
    void init() {
        window_ = new QWidget;
        auto* layout = new QVBoxLayout(window_);
        box_ = new TComboBox98(window_);
        box_->addItems({"xyz", "Abcdef", "abzz", "Příliš"});
        box_->setEditText(QString());
        layout->addWidget(box_);
        offers_.clear();
        events_.clear();
        box_->OnComplete = [this](TComboBox98& sender, int key, bool& accept, QString& rest) {
            QCOMPARE(&sender, box_);
            QVERIFY(accept);
            offers_.append({key, rest});
            events_ << QStringLiteral("complete");
        };
        connect(box_, &TComboBox98::Changed, this, [this] { events_ << QStringLiteral("change"); });
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        box_->setFocus();
        QTRY_VERIFY(box_->hasFocus());
        offers_.clear();
        events_.clear();
    }

    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void typingOffersTheRestOfTheFirstMatch() {
        QTest::keyClicks(box_, "aB");
        QCOMPARE(offers_.size(), 2);
        QCOMPARE(offers_[0].completion, QStringLiteral("bcdef"));
        QCOMPARE(offers_[0].key, int(Qt::Key_A));
        QCOMPARE(offers_[1].completion, QStringLiteral("cdef"));
        QCOMPARE(offers_[1].key, int(Qt::Key_B));
        // The box itself never takes the completion.
        QCOMPARE(box_->currentText(), QStringLiteral("aB"));
        // Completion first, then the box's own change handling.
        QCOMPARE(events_, QStringList({"complete", "change", "complete", "change"}));
        QTest::keyClicks(box_, "q");
        QCOMPARE(offers_.size(), 2); // "aBq" matches nothing
    }

    void backspaceAndDeleteOfferNothing() {
        QTest::keyClicks(box_, "abc");
        offers_.clear();
        QTest::keyClick(box_, Qt::Key_Backspace);
        QCOMPARE(box_->currentText(), QStringLiteral("ab"));
        QVERIFY(offers_.isEmpty());
        QTest::keyClick(box_, Qt::Key_Home);
        QTest::keyClick(box_, Qt::Key_Delete);
        QCOMPARE(box_->currentText(), QStringLiteral("b"));
        QVERIFY(offers_.isEmpty());
        QCOMPARE(box_->LastKey(), int(Qt::Key_Delete));
        // The next typed letter offers again.
        QTest::keyClick(box_, Qt::Key_A);
        QCOMPARE(offers_.size(), 1);
        QCOMPARE(offers_[0].completion, QStringLiteral("cdef"));
    }

    void switchesAndLimits() {
        box_->Complete = false;
        QTest::keyClicks(box_, "ab");
        QVERIFY(offers_.isEmpty());
        box_->Complete = true;
        box_->MinLengthComplete = 4;
        box_->setEditText(QString());
        QTest::keyClicks(box_, "abc");
        QVERIFY(offers_.isEmpty());
        QTest::keyClicks(box_, "d");
        QCOMPARE(offers_.size(), 1);
        QCOMPARE(offers_[0].completion, QStringLiteral("ef"));
    }
};

QTEST_MAIN(TestTComboBox98)
#include "test_TComboBox98.moc"
