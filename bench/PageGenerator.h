// Generated HTML pages for benchmarks: about 30 000 tags per MB, CR LF or one single line.
#pragma once

#include <cstddef>
#include <string>

namespace zn::bench {

/// A page of about `bytes` bytes. With `singleLine` no line break is written.
inline std::string GeneratePage(std::size_t bytes, bool singleLine = false) {
    static const char* const kPieces[] = {
        "<P CLASS=\"text\">Příliš <B>žluťoučký</B> kůň</P>",
        "<A HREF=\"page.html\" TARGET=_top>odkaz</A> ",
        "<TD WIDTH=100 ALIGN=\"right\">12 345</TD>",
        "<IMG SRC=\"a.gif\" WIDTH=32 HEIGHT=32 ALT=\"obrázek\">",
        "<FONT COLOR=\"#FF0000\">barva</FONT> <I>i</I>",
        "<!-- komentář --><BR>",
    };
    std::string page;
    page.reserve(bytes + 128);
    std::size_t i = 0;
    while (page.size() < bytes) {
        page += kPieces[i % (sizeof(kPieces) / sizeof(kPieces[0]))];
        if (!singleLine && i % 2 == 1) {
            page += "\r\n";
        }
        ++i;
    }
    return page;
}

} // namespace zn::bench
