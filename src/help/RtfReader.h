#pragma once

#include "RtfHtmlWriter.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// Reads the RTF subset the exercise descriptions are written in and renders it as HTML for
// a read-only rich-text viewer, and as plain text. Supported: groups, \par \line \tab \pard
// \plain, \b \i \ul (with 0 to switch off) \ulnone, \fs (half points), \cf with \colortbl,
// \ql \qc \qr \qj, \sb \sa \li \fi, \'hh in code page 1251, \u with \uc fallback skipping, escaped
// \\ \{ \}, a few typographic symbols; \fonttbl, \stylesheet, \info, {\* ...} and similar
// destinations are skipped, unknown control words ignored. Damaged input (unbalanced braces,
// truncated escapes, huge numbers, deep nesting) never crashes, hangs or grows the output beyond a
// small multiple of the input.
class RtfReader {
public:
    // Groups deeper than this share the state of the deepest kept group.
    static constexpr int MaxDepth = 64;

    explicit RtfReader(const QByteArray& rtf);
    RtfReader(const RtfReader&) = delete;
    RtfReader& operator=(const RtfReader&) = delete;

    // A whole HTML document (UTF-8 meta, one <p> per RTF paragraph, spans for formatting).
    const QString& html() const { return html_; }
    // The text alone: paragraphs end with '\n', \line gives '\n', \tab gives '\t'.
    const QString& plainText() const { return writer_.plainText(); }

    static QString ToHtml(const QByteArray& rtf) { return RtfReader(rtf).html(); }

private:
    using CharFormat = RtfHtmlWriter::CharFormat;
    using ParagraphFormat = RtfHtmlWriter::ParagraphFormat;
    using Align = RtfHtmlWriter::Align;
    enum class Destination { Text, Skip, ColourTable };

    struct State {
        CharFormat format;
        ParagraphFormat paragraph;
        Destination destination = Destination::Text;
        int unicodeSkip = 1;
    };

    void parse();
    void openGroup();
    void closeGroup();
    void readControl();
    void readControlWord();
    void readHexEscape();
    void controlWord(const QByteArray& word, bool hasParam, int param);
    void unicodeChar(int param);
    bool consumeFallback();
    void text(char32_t c);
    void lineBreak();
    void endParagraph(const ParagraphFormat& format);
    void finish();

    QByteArray in_;
    qsizetype pos_ = 0;
    State state_;
    std::vector<State> stack_;
    std::optional<State> capState_;
    int overflow_ = 0;
    int fallbackLeft_ = 0;
    char16_t highSurrogate_ = 0;

    RtfHtmlWriter::ColourTable colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool entryHasColour_ = false;

    RtfHtmlWriter writer_{colours_};
    ParagraphFormat contentParagraph_;
    QString html_;
};
