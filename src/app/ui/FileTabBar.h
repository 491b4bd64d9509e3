// The file tab strip `TabC`: one tab per open document, with its pop-up menu `TabMenu`.
#pragma once

#include "app/FileTabs.h"

#include <QTabBar>

class QAction;
class QMenu;

namespace zn::app::ui {

class FileTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit FileTabBar(QWidget* parent = nullptr);

    /// Follows the documents (see FileTabs::Sync); the strip is hidden while none is open.
    void Sync(const std::vector<std::string>& documentCaptions, const std::string& activeCaption,
              bool fullPath);
    /// Rewrites every caption as the full name or the file name.
    void SetFullPath(bool fullPath);
    const FileTabs& Tabs() const { return tabs_; }
    /// Marks the tabs of these documents (full names) with "*" as modified.
    void SetModifiedNames(const QStringList& fullNames);
    /// The full name of a tab (`TabSt`).
    QString FullName(int index) const;

    QMenu* TabMenu;
    QAction* TabCloseItem;    ///< "Zavřít"
    QAction* TabFullPathItem; ///< "Celá cesta"

signals:
    /// A tab was clicked: the document of that full name comes to the front.
    void DocumentChosen(const QString& fullName);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Rebuild();
    QString LabelOf(std::size_t index) const;

    FileTabs tabs_;
    QStringList modified_;
};

} // namespace zn::app::ui
