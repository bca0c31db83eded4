#include "RtfReader.h"

#include "RtfKeywords.h"
#include "data/Text1251.h"

#include <algorithm>
#include <array>
#include <climits>

namespace {

// The 1251 code page as a table, built once from the program's own decoder.
char32_t DecodeByte(unsigned char byte) {
    static const std::array<char16_t, 128> upper = [] {
        std::array<char16_t, 128> t{};
        for (int b = 0; b < 128; ++b) {
            const QString s = DecodeText(QByteArray(1, static_cast<char>(0x80 + b)));
            t[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
        }
        return t;
    }();
    return byte < 0x80 ? char32_t(byte) : char32_t(upper[byte - 0x80]);
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr int MaxWordLength = 32;
constexpr int MaxColours = 1024;
constexpr int MaxUnicodeSkip = 64;
constexpr int DefaultHalfPoints = RtfHtmlWriter::DefaultHalfPoints;
constexpr int MinHalfPoints = 8;
constexpr int MaxHalfPoints = 144;
constexpr int MaxSpacing = 1440; // one inch
constexpr int MaxIndent = 7200;  // five inches

} // namespace

RtfReader::RtfReader(const QByteArray& rtf) : in_(rtf) {
    parse();
}

void RtfReader::parse() {
    while (pos_ < in_.size()) {
        const char c = in_.at(pos_++);
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            text(DecodeByte(static_cast<unsigned char>(c)));
        }
    }
    finish();
}

void RtfReader::openGroup() {
    fallbackLeft_ = 0;
    if (overflow_ > 0 || stack_.size() >= MaxDepth) {
        if (overflow_ == 0)
            capState_ = state_;
        ++overflow_;
        return;
    }
    stack_.push_back(state_);
}

void RtfReader::closeGroup() {
    fallbackLeft_ = 0;
    if (overflow_ > 0) {
        if (--overflow_ == 0)
            state_ = *capState_;
        return;
    }
    if (stack_.empty())
        return; // a stray closing brace
    state_ = stack_.back();
    stack_.pop_back();
}

void RtfReader::readControl() {
    if (pos_ >= in_.size())
        return; // a lone backslash at the very end
    const char c = in_.at(pos_);
    if (IsLetter(c)) {
        readControlWord();
        return;
    }
    ++pos_;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        text(char32_t(c));
        break;
    case '\'':
        readHexEscape();
        break;
    case '~':
        text(0x00A0);
        break;
    case '_':
        text(0x2011);
        break;
    case '\r':
    case '\n':
        if (!consumeFallback() && state_.destination == Destination::Text)
            endParagraph(state_.paragraph);
        break;
    case '*':
        if (!consumeFallback())
            state_.destination = Destination::Skip;
        break;
    default:
        consumeFallback(); // \- \| \: and unknown symbols stand for nothing here
    }
}

void RtfReader::readControlWord() {
    const qsizetype start = pos_;
    while (pos_ < in_.size() && IsLetter(in_.at(pos_)))
        ++pos_;
    const QByteArray word = in_.mid(start, std::min<qsizetype>(pos_ - start, MaxWordLength));

    bool negative = false;
    if (pos_ + 1 < in_.size() && in_.at(pos_) == '-' && IsDigit(in_.at(pos_ + 1))) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    qint64 value = 0;
    while (pos_ < in_.size() && IsDigit(in_.at(pos_))) {
        hasParam = true;
        value = std::min<qint64>(value * 10 + (in_.at(pos_) - '0'), INT_MAX);
        ++pos_;
    }
    if (pos_ < in_.size() && in_.at(pos_) == ' ')
        ++pos_;
    controlWord(word, hasParam, static_cast<int>(negative ? -value : value));
}

void RtfReader::readHexEscape() {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < in_.size() && HexValue(in_.at(pos_)) >= 0) {
        value = value * 16 + HexValue(in_.at(pos_));
        ++pos_;
        ++digits;
    }
    if (digits < 2) {
        consumeFallback(); // a truncated escape stands for nothing
        return;
    }
    text(DecodeByte(static_cast<unsigned char>(value)));
}

void RtfReader::controlWord(const QByteArray& word, bool hasParam, int param) {
    const RtfKeyword* found = FindRtfKeyword(word);
    if (!found) {
        consumeFallback();
        return;
    }
    using K = RtfKeyword::Kind;
    const K keyword = found->kind;
    if (keyword == K::Binary) {
        // Binary data of the given length follows; it is never text.
        if (hasParam && param > 0)
            pos_ += std::min<qsizetype>(param, in_.size() - pos_);
        return;
    }
    if (keyword == K::Unicode) {
        if (hasParam)
            unicodeChar(param);
        return;
    }
    if (consumeFallback() || state_.destination == Destination::Skip)
        return;
    if (state_.destination == Destination::ColourTable) {
        const int component = std::clamp(param, 0, 255);
        switch (keyword) {
        case K::Red:
            red_ = component;
            entryHasColour_ = true;
            break;
        case K::Green:
            green_ = component;
            entryHasColour_ = true;
            break;
        case K::Blue:
            blue_ = component;
            entryHasColour_ = true;
            break;
        default:
            break;
        }
        return;
    }
    const bool on = !hasParam || param != 0;
    CharFormat& format = state_.format;
    switch (keyword) {
    case K::Par:
        endParagraph(state_.paragraph);
        break;
    case K::Line:
        lineBreak();
        break;
    case K::Tab:
        text(U'\t');
        break;
    case K::Pard:
        state_.paragraph = ParagraphFormat{};
        break;
    case K::Plain:
        format = CharFormat{};
        break;
    case K::Bold:
        format.bold = on;
        break;
    case K::Italic:
        format.italic = on;
        break;
    case K::Underline:
        format.underline = on;
        break;
    case K::UnderlineNone:
        format.underline = false;
        break;
    case K::FontSize:
        format.halfPoints = hasParam && param > 0 ? std::clamp(param, MinHalfPoints, MaxHalfPoints)
                                                  : DefaultHalfPoints;
        break;
    case K::Colour:
        format.colour = std::max(param, 0);
        break;
    case K::AlignLeft:
        state_.paragraph.align = Align::Left;
        break;
    case K::AlignCenter:
        state_.paragraph.align = Align::Center;
        break;
    case K::AlignRight:
        state_.paragraph.align = Align::Right;
        break;
    case K::AlignJustify:
        state_.paragraph.align = Align::Justify;
        break;
    case K::SpaceBefore:
        state_.paragraph.spaceBefore = std::clamp(param, 0, MaxSpacing);
        break;
    case K::SpaceAfter:
        state_.paragraph.spaceAfter = std::clamp(param, 0, MaxSpacing);
        break;
    case K::LeftIndent:
        state_.paragraph.leftIndent = std::clamp(param, 0, MaxIndent);
        break;
    case K::FirstIndent:
        state_.paragraph.firstIndent = std::clamp(param, -MaxIndent, MaxIndent);
        break;
    case K::UnicodeSkip:
        state_.unicodeSkip = hasParam ? std::clamp(param, 0, MaxUnicodeSkip) : 1;
        break;
    case K::ColourTable:
        state_.destination = Destination::ColourTable;
        colours_.clear();
        red_ = green_ = blue_ = 0;
        entryHasColour_ = false;
        break;
    case K::Symbol:
        text(found->symbol);
        break;
    case K::SkipDestination:
        state_.destination = Destination::Skip;
        break;
    default:
        break; // colour components outside the colour table mean nothing
    }
}

void RtfReader::unicodeChar(int param) {
    // \u takes a signed 16-bit value; characters past U+7FFF are written negative.
    const int code = param < 0 ? param + 65536 : param;
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    const bool low = code >= 0xDC00 && code <= 0xDFFF;
    if (high) {
        highSurrogate_ = static_cast<char16_t>(code);
    } else if (low) {
        const char16_t pending = highSurrogate_;
        text(pending ? QChar::surrogateToUcs4(pending, static_cast<char16_t>(code))
                     : char32_t(0xFFFD));
    } else if (code > 0 && code <= 0x10FFFF) {
        text(static_cast<char32_t>(code));
    } else if (code != 0) {
        text(0xFFFD);
    }
    // The fallback characters that follow stand for the same character: skip them.
    fallbackLeft_ = state_.unicodeSkip;
}

bool RtfReader::consumeFallback() {
    if (fallbackLeft_ <= 0)
        return false;
    --fallbackLeft_;
    return true;
}

void RtfReader::text(char32_t c) {
    if (consumeFallback() || state_.destination == Destination::Skip)
        return;
    highSurrogate_ = 0;
    if (state_.destination == Destination::ColourTable) {
        if (c == U';') {
            if (colours_.size() < MaxColours)
                colours_.push_back(entryHasColour_ ? std::optional<quint32>(quint32(red_) << 16 |
                                                                            quint32(green_) << 8 |
                                                                            quint32(blue_))
                                                   : std::nullopt);
            red_ = green_ = blue_ = 0;
            entryHasColour_ = false;
        }
        return;
    }
    if (c < 0x20 && c != U'\t')
        return;
    writer_.addChar(c, state_.format);
    contentParagraph_ = state_.paragraph;
}

void RtfReader::lineBreak() {
    writer_.lineBreak();
    contentParagraph_ = state_.paragraph;
}

void RtfReader::endParagraph(const ParagraphFormat& format) {
    writer_.endParagraph(format, state_.format);
}

void RtfReader::finish() {
    // An unterminated last paragraph keeps the format its text was written with, even when
    // the closing brace of the document has reset the state.
    if (writer_.paragraphOpen())
        endParagraph(contentParagraph_);
    html_ = writer_.html();
}
