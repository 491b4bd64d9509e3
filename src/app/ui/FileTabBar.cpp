// Showing the file tabs and their pop-up menu.
#include "app/ui/FileTabBar.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace zn::app::ui {

namespace {

QString TabText(const std::string& caption) {
    return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

FileTabBar::FileTabBar(QWidget* parent)
    : QTabBar(parent), TabMenu(new QMenu(this)),
      TabCloseItem(TabMenu->addAction(QStringLiteral("Zavřít"))),
      TabFullPathItem(TabMenu->addAction(QStringLiteral("Celá cesta"))) {
    setObjectName(QStringLiteral("TabC"));
    TabMenu->setObjectName(QStringLiteral("TabMenu"));
    TabFullPathItem->setCheckable(true);
    setExpanding(false);
    setUsesScrollButtons(true);
    setDocumentMode(true);
    setElideMode(Qt::ElideMiddle);
    hide();
    // A click (also on the current tab) or a change by keyboard; changes made by Sync() are
    // silent.
    const auto choose = [this](int index) {
        if (index >= 0)
            emit DocumentChosen(FullName(index));
    };
    connect(this, &QTabBar::tabBarClicked, this, choose);
    connect(this, &QTabBar::currentChanged, this, choose);
}

QString FileTabBar::FullName(int index) const {
    if (index < 0 || index >= static_cast<int>(tabs_.TabSt().size()))
        return {};
    return QString::fromStdString(tabs_.TabSt()[static_cast<std::size_t>(index)]);
}

void FileTabBar::Sync(const std::vector<std::string>& documentCaptions,
                      const std::string& activeCaption, bool fullPath) {
    if (tabs_.Sync(documentCaptions, activeCaption, fullPath))
        Rebuild();
    if (tabs_.Selected() >= 0 && currentIndex() != tabs_.Selected()) {
        const QSignalBlocker block(this);
        setCurrentIndex(tabs_.Selected());
    }
    if (isHidden() == tabs_.Visible())
        setVisible(tabs_.Visible());
}

void FileTabBar::SetFullPath(bool fullPath) {
    tabs_.SetFullPath(fullPath);
    for (int i = 0; i < count(); ++i)
        setTabText(i, LabelOf(static_cast<std::size_t>(i)));
}

QString FileTabBar::LabelOf(std::size_t index) const {
    const QString label = TabText(tabs_.Captions()[index]);
    return modified_.contains(QString::fromStdString(tabs_.TabSt()[index]))
               ? label + QStringLiteral(" *")
               : label;
}

void FileTabBar::SetModifiedNames(const QStringList& fullNames) {
    if (fullNames == modified_)
        return;
    modified_ = fullNames;
    for (int i = 0; i < count(); ++i) {
        const QString label = LabelOf(static_cast<std::size_t>(i));
        if (tabText(i) != label)
            setTabText(i, label);
    }
}

void FileTabBar::Rebuild() {
    const QSignalBlocker block(this);
    while (count() > 0)
        removeTab(count() - 1);
    for (std::size_t i = 0; i < tabs_.TabSt().size(); ++i) {
        const int index = addTab(LabelOf(i));
        setTabToolTip(index, QString::fromStdString(tabs_.TabSt()[i]));
    }
}

void FileTabBar::contextMenuEvent(QContextMenuEvent* event) {
    TabMenu->exec(event->globalPos());
}

} // namespace zn::app::ui
