#include "RtfHtmlWriter.h"

#include <QStringList>
#include <algorithm>

namespace {

// Twips to pixels at 96 dots per inch.
int Pixels(int twips) {
    return twips / 15;
}

QString FontSize(int halfPoints) {
    return QStringLiteral("font-size:%1pt").arg(halfPoints / 2.0);
}

} // namespace

void RtfHtmlWriter::addChar(char32_t c, const CharFormat& format) {
    if (run_.isEmpty()) {
        runFormat_ = format;
    } else if (!(format == runFormat_)) {
        flushRun();
        runFormat_ = format;
    }
    const auto chars = QChar::fromUcs4(c);
    run_ += QStringView(chars);
    plain_ += QStringView(chars);
    paragraphOpen_ = true;
}

void RtfHtmlWriter::lineBreak() {
    flushRun();
    paragraph_ += QStringLiteral("<br />");
    plain_ += u'\n';
    paragraphOpen_ = true;
}

void RtfHtmlWriter::endParagraph(const ParagraphFormat& format, const CharFormat& current) {
    flushRun();
    QString align;
    switch (format.align) {
    case Align::Left:
        break;
    case Align::Center:
        align = QStringLiteral(" align=\"center\"");
        break;
    case Align::Right:
        align = QStringLiteral(" align=\"right\"");
        break;
    case Align::Justify:
        align = QStringLiteral(" align=\"justify\"");
        break;
    }
    QString content = paragraph_;
    if (content.isEmpty()) {
        // An empty paragraph is a blank line of the current size.
        const QString style =
            current.halfPoints == DefaultHalfPoints
                ? QString()
                : QStringLiteral(" style=\"%1\"").arg(FontSize(current.halfPoints));
        content = QStringLiteral("<span%1>&nbsp;</span>").arg(style);
    }
    QString style = QStringLiteral("margin:0px; white-space:pre-wrap");
    if (format.spaceBefore > 0)
        style += QStringLiteral("; margin-top:%1px").arg(Pixels(format.spaceBefore));
    if (format.spaceAfter > 0)
        style += QStringLiteral("; margin-bottom:%1px").arg(Pixels(format.spaceAfter));
    // A hanging first line may not start left of the page.
    const int first = std::max(format.firstIndent, -format.leftIndent);
    if (format.leftIndent > 0)
        style += QStringLiteral("; margin-left:%1px").arg(Pixels(format.leftIndent));
    if (first != 0)
        style += QStringLiteral("; text-indent:%1px").arg(Pixels(first));
    body_ += QStringLiteral("<p style=\"%1\"%2>%3</p>\n").arg(style, align, content);
    paragraph_.clear();
    plain_ += u'\n';
    paragraphOpen_ = false;
}

QString RtfHtmlWriter::html() {
    flushRun();
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\" /></head>\n"
                          "<body style=\"font-family:'Arial'; font-size:12pt\">\n") +
           body_ + QStringLiteral("</body></html>\n");
}

void RtfHtmlWriter::flushRun() {
    if (run_.isEmpty())
        return;
    const QString escaped = run_.toHtmlEscaped();
    const QString style = spanStyle(runFormat_);
    if (style.isEmpty())
        paragraph_ += escaped;
    else
        paragraph_ += QStringLiteral("<span style=\"%1\">%2</span>").arg(style, escaped);
    run_.clear();
}

QString RtfHtmlWriter::spanStyle(const CharFormat& format) const {
    QStringList parts;
    if (format.bold)
        parts << QStringLiteral("font-weight:bold");
    if (format.italic)
        parts << QStringLiteral("font-style:italic");
    if (format.underline)
        parts << QStringLiteral("text-decoration:underline");
    if (format.halfPoints != DefaultHalfPoints)
        parts << FontSize(format.halfPoints);
    if (format.colour >= 0 && format.colour < static_cast<int>(colours_.size()) &&
        colours_[format.colour])
        parts << QStringLiteral("color:#%1").arg(*colours_[format.colour], 6, 16, QLatin1Char('0'));
    return parts.join(QStringLiteral("; "));
}
