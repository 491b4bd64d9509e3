// The bar above the text that offers to convert a page found to be in another encoding.
#pragma once

#include "editor/EncodingDetective.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;

namespace zn::app::ui {

/// Shows which encoding the page seems to be in, with a few words read both ways, and the
/// buttons "Převést" (calls OnConvert, then hides) and "Ponechat" (hides).
class EncodingOfferBar : public QWidget {
    Q_OBJECT

public:
    explicit EncodingOfferBar(QWidget* parent = nullptr);

    void Offer(editor::PageEncoding found, const std::vector<editor::SuspiciousWord>& words);
    editor::PageEncoding Found() const { return found_; }
    QString Text() const;

    std::function<void(editor::PageEncoding)> OnConvert;

private:
    QLabel* label_ = nullptr;
    editor::PageEncoding found_ = editor::PageEncoding::Windows1250;
};

} // namespace zn::app::ui
