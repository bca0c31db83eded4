#include "RtfKeywords.h"

#include <QHash>

const RtfKeyword* FindRtfKeyword(const QByteArray& word) {
    using K = RtfKeyword::Kind;
    static const QHash<QByteArray, RtfKeyword> table = [] {
        QHash<QByteArray, RtfKeyword> t;
        auto add = [&t](const char* name, K kind, char32_t symbol = 0) {
            t.insert(QByteArray(name), RtfKeyword{kind, symbol});
        };
        for (const char* name : {"par", "page", "sect", "row"})
            add(name, K::Par);
        add("line", K::Line);
        add("tab", K::Tab);
        add("cell", K::Tab);
        add("pard", K::Pard);
        add("plain", K::Plain);
        add("b", K::Bold);
        add("i", K::Italic);
        for (const char* name : {"ul", "uld", "uldb", "ulw", "ulth", "uldash"})
            add(name, K::Underline);
        add("ulnone", K::UnderlineNone);
        add("fs", K::FontSize);
        add("cf", K::Colour);
        add("ql", K::AlignLeft);
        add("qc", K::AlignCenter);
        add("qr", K::AlignRight);
        add("qj", K::AlignJustify);
        add("sb", K::SpaceBefore);
        add("sa", K::SpaceAfter);
        add("li", K::LeftIndent);
        add("fi", K::FirstIndent);
        add("u", K::Unicode);
        add("uc", K::UnicodeSkip);
        add("colortbl", K::ColourTable);
        add("red", K::Red);
        add("green", K::Green);
        add("blue", K::Blue);
        add("bin", K::Binary);
        add("emdash", K::Symbol, 0x2014);
        add("endash", K::Symbol, 0x2013);
        add("bullet", K::Symbol, 0x2022);
        add("lquote", K::Symbol, 0x2018);
        add("rquote", K::Symbol, 0x2019);
        add("ldblquote", K::Symbol, 0x201C);
        add("rdblquote", K::Symbol, 0x201D);
        add("emspace", K::Symbol, 0x2003);
        add("enspace", K::Symbol, 0x2002);
        // Destinations whose text is never shown.
        for (const char* name : {"fonttbl",
                                 "stylesheet",
                                 "info",
                                 "pict",
                                 "header",
                                 "headerl",
                                 "headerr",
                                 "headerf",
                                 "footer",
                                 "footerl",
                                 "footerr",
                                 "footerf",
                                 "footnote",
                                 "fldinst",
                                 "object",
                                 "listtable",
                                 "listoverridetable",
                                 "revtbl",
                                 "rsidtbl",
                                 "generator",
                                 "themedata",
                                 "colorschememapping",
                                 "latentstyles",
                                 "datastore",
                                 "xmlnstbl",
                                 "filetbl",
                                 "bkmkstart",
                                 "bkmkend",
                                 "nonshppict",
                                 "shpinst",
                                 "annotation",
                                 "atnid"})
            add(name, K::SkipDestination);
        return t;
    }();
    const auto found = table.constFind(word);
    return found == table.constEnd() ? nullptr : &found.value();
}
