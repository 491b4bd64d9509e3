// A control that shows what the clipboard holds: the list of its formats and the content of
// the chosen one as text, formatted HTML, a picture or raw bytes. It follows the clipboard.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class QStackedWidget;
class QTextBrowser;

namespace zn::app::ui {

class TClipboardView : public QWidget {
    Q_OBJECT
public:
    /// What is on show.
    enum class TPage { Empty, Text, Html, Picture, Bytes };

    explicit TClipboardView(QWidget* parent = nullptr);

    /// Reads the clipboard again (called by itself whenever the clipboard changes).
    void Refresh();
    TPage CurrentPage() const;

    QListWidget* FormatList;
    QPlainTextEdit* TextView;
    QTextBrowser* HtmlView;
    QLabel* PictureView;
    QLabel* EmptyView;

private:
    void ShowFormat(const QString& format);
    void ShowBytes(const QString& format, const QByteArray& bytes);

    QStackedWidget* pages_;
    QScrollArea* pictureScroll_;
    QPlainTextEdit* bytesView_;
};

} // namespace zn::app::ui
