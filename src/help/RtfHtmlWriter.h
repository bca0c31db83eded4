#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// Builds the HTML and the plain text of an RTF document from the characters, line breaks and
// paragraph ends the reader hands it, each with the formatting in force.
class RtfHtmlWriter {
public:
    enum class Align { Left, Center, Right, Justify };
    static constexpr int DefaultHalfPoints = 24;

    struct CharFormat {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int halfPoints = DefaultHalfPoints;
        int colour = 0; // index into the colour table
        bool operator==(const CharFormat&) const = default;
    };
    // Spacing and indents in twips (1/20 point), as RTF writes them.
    struct ParagraphFormat {
        Align align = Align::Left;
        int spaceBefore = 0;
        int spaceAfter = 0;
        int leftIndent = 0;
        int firstIndent = 0;
    };
    // Colour table entries as 0xRRGGBB; an empty entry means the default colour.
    using ColourTable = std::vector<std::optional<quint32>>;

    explicit RtfHtmlWriter(const ColourTable& colours) : colours_(colours) {}

    void addChar(char32_t c, const CharFormat& format);
    void lineBreak();
    // Ends the paragraph; an empty one becomes a blank line in the size of `current`.
    void endParagraph(const ParagraphFormat& format, const CharFormat& current);
    // Whether text or a line break was written since the last paragraph end.
    bool paragraphOpen() const { return paragraphOpen_; }
    // The whole HTML document of what was written.
    QString html();
    const QString& plainText() const { return plain_; }

private:
    void flushRun();
    QString spanStyle(const CharFormat& format) const;

    const ColourTable& colours_;
    QString run_;
    CharFormat runFormat_;
    QString paragraph_;
    bool paragraphOpen_ = false;
    QString body_;
    QString plain_;
};
