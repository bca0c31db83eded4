#pragma once

#include <QByteArray>

// The RTF control words the reader acts on, and what each one means to it.
struct RtfKeyword {
    enum class Kind {
        Par,
        Line,
        Tab,
        Pard,
        Plain,
        Bold,
        Italic,
        Underline,
        UnderlineNone,
        FontSize,
        Colour,
        AlignLeft,
        AlignCenter,
        AlignRight,
        AlignJustify,
        SpaceBefore,
        SpaceAfter,
        LeftIndent,
        FirstIndent,
        Unicode,
        UnicodeSkip,
        ColourTable,
        Red,
        Green,
        Blue,
        Binary,
        Symbol,
        SkipDestination,
    };
    Kind kind;
    char32_t symbol; // the character a Symbol keyword stands for
};

// The keyword of that control word, or nullptr for a word the reader ignores.
const RtfKeyword* FindRtfKeyword(const QByteArray& word);
