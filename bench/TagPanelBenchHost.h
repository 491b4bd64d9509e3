// The Tag Inspector's host for timing programs: one text control, no files, no scan.
#pragma once

#include "editor/THTMLRichEdit.h"
#include "tags/ui/TagPanel.h"

namespace zn::bench {

class TagPanelBenchHost : public tags::ui::InspectorHost {
public:
    editor::THTMLRichEdit edit;
    editor::THTMLRichEdit* InspectedEdit() override { return &edit; }
    std::string InspectedFileName() override { return "/nonexistent/page.html"; }
    tags::ui::InspectorOptions InspectorSettings() override { return {}; }
    base::TColor DocumentTextColor() override { return 0; }
    tags::TDocumentLists ScanDocument() override { return {}; }
    QImage LoadPreviewPicture(const std::string&) override { return {}; }
    void PageColorsRead(base::TColor, base::TColor, base::TColor) override {}
    void PicturePreviewed(const QImage&, bool) override {}
};

} // namespace zn::bench
