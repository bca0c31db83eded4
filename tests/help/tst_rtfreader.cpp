#include "TestSupport.h"
#include "help/RtfReader.h"
#include "data/Dictionaries.h"
#include "data/ExerciseInfo.h"
#include "data/Text1251.h"
#include "data/Texts.h"

#include <QFile>
#include <QtTest>

namespace {

QString Plain(const char* rtf) {
    return RtfReader(QByteArray(rtf)).plainText();
}
QString Html(const char* rtf) {
    return RtfReader(QByteArray(rtf)).html();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void boldItalicUnderlineMakeSpans();
    void groupEndRestoresFormatting();
    void plainAndPardResetFormatting();
    void alignmentAppliesToItsParagraph();
    void codePage1251EscapesDecode();
    void unicodeSkipsItsFallback();
    void unicodeSurrogatePairJoins();
    void colourTableColoursText();
    void fontSizeInHalfPointsIsClamped();
    void spacingAndIndentsBecomeMargins();
    void paragraphLineAndTabBreaks();
    void emptyParagraphIsBlankLine();
    void escapedBracesAndBackslash();
    void textIsHtmlEscaped();
    void destinationsAreSkipped();
    void unknownControlWordsAreIgnored();
    void binaryDataIsSkipped();
    void damagedInputReadsLeniently_data();
    void damagedInputReadsLeniently();
    void deepNestingIsCappedAndRestored();
    void deliveredDocumentsRead_data();
    void deliveredDocumentsRead();
};

void TestRtfReader::boldItalicUnderlineMakeSpans() {
    const QString html = Html("{\\rtf1 a\\b b\\b0 c\\i d\\i0 e\\ul f\\ulnone g\\ul h\\ul0 i}");
    QVERIFY(html.contains("<span style=\"font-weight:bold\">b</span>c"));
    QVERIFY(html.contains("<span style=\"font-style:italic\">d</span>e"));
    QVERIFY(html.contains("<span style=\"text-decoration:underline\">f</span>g"));
    QVERIFY(html.contains("<span style=\"text-decoration:underline\">h</span>i"));
    QVERIFY(html.contains(">a<span"));
    QCOMPARE(Plain("{\\rtf1 a\\b b\\b0 c\\i d\\i0 e\\ul f\\ulnone g\\ul h\\ul0 i}"), "abcdefghi\n");
}

void TestRtfReader::groupEndRestoresFormatting() {
    const QString html = Html("{\\rtf1 x{\\b\\i y}z}");
    QVERIFY(html.contains("x<span style=\"font-weight:bold; font-style:italic\">y</span>z"));
}

void TestRtfReader::plainAndPardResetFormatting() {
    const QString html =
        Html("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\b\\i\\ul\\fs40\\cf1 a\\plain b}");
    QVERIFY(html.contains(
        "<span style=\"font-weight:bold; font-style:italic; text-decoration:underline; "
        "font-size:20pt; color:#ff0000\">a</span>b</p>"));
}

void TestRtfReader::alignmentAppliesToItsParagraph() {
    const QString html = Html("{\\rtf1\\qc centred\\par\\pard left\\par\\qr right\\par\\qj just}");
    QVERIFY(html.contains("align=\"center\">centred</p>"));
    QVERIFY(html.contains("white-space:pre-wrap\">left</p>"));
    QVERIFY(html.contains("align=\"right\">right</p>"));
    QVERIFY(html.contains("align=\"justify\">just</p>"));
}

void TestRtfReader::codePage1251EscapesDecode() {
    QCOMPARE(Plain("{\\rtf1\\ansi\\ansicpg1251 \\'e0\\'c0\\'b8\\'A8\\'b9\\'97}"),
             QString::fromUtf8("аАёЁ№—\n"));
    // Every upper byte decodes as the program's own code page decoder does.
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QString expected = DecodeText(QByteArray(1, char(b)));
        if (expected.size() != 1 || expected.at(0).unicode() < 0x20 ||
            expected.at(0) == QChar::ReplacementCharacter)
            continue;
        const QByteArray rtf = "{\\'" + QByteArray::number(b, 16).toUpper() + "}";
        QCOMPARE(RtfReader(rtf).plainText(), expected + u'\n');
    }
    // Raw upper bytes are read in the same code page.
    QCOMPARE(RtfReader(QByteArray("{\xe0\xe1}")).plainText(), QString::fromUtf8("аб\n"));
}

void TestRtfReader::unicodeSkipsItsFallback() {
    QCOMPARE(Plain("{\\u1072?\\u1073?}"), QString::fromUtf8("аб\n"));
    QCOMPARE(Plain("{\\u1072\\'e0 x}"), QString::fromUtf8("а x\n"));
    QCOMPARE(Plain("{\\uc2\\u1072??x}"), QString::fromUtf8("аx\n"));
    QCOMPARE(Plain("{\\uc0\\u1072 x}"), QString::fromUtf8("аx\n"));
    // The fallback ends with its group.
    QCOMPARE(Plain("{{\\uc3\\u1072}bc}"), QString::fromUtf8("аbc\n"));
    // Values past U+7FFF are written negative.
    QCOMPARE(Plain("{\\u-1793?}"), QString(QChar(0xF8FF)) + u'\n');
}

void TestRtfReader::unicodeSurrogatePairJoins() {
    QCOMPARE(Plain("{\\u-10179?\\u-8704?}"), QString::fromUcs4(U"\U0001F600\n"));
    // A lone half of a pair never reaches the text as a broken character.
    const QString lone = Plain("{\\u-8704?x\\u-10179?y}");
    QCOMPARE(lone, QString(QChar::ReplacementCharacter) + "xy\n");
    QVERIFY(lone.toUtf8() == QString::fromUtf8(lone.toUtf8()).toUtf8());
}

void TestRtfReader::colourTableColoursText() {
    const QString html = Html("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                              "\\cf1 r\\cf2 b\\cf0 n\\cf9 x}");
    QVERIFY(html.contains("<span style=\"color:#ff0000\">r</span>"));
    QVERIFY(html.contains("<span style=\"color:#000080\">b</span>"));
    QVERIFY(html.contains("</span>nx</p>"));
    // Out-of-range components are clamped, not wrapped.
    QVERIFY(Html("{{\\colortbl;\\red999\\green-5\\blue256;}\\cf1 a}").contains("color:#ff00ff"));
}

void TestRtfReader::fontSizeInHalfPointsIsClamped() {
    QVERIFY(Html("{\\fs40 big}").contains("<span style=\"font-size:20pt\">big</span>"));
    QVERIFY(Html("{\\fs21 odd}").contains("font-size:10.5pt\">odd"));
    QVERIFY(Html("{\\fs1000000 huge}").contains("font-size:72pt\">huge"));
    QVERIFY(Html("{\\fs1 tiny}").contains("font-size:4pt\">tiny"));
    QVERIFY(Html("{\\fs40\\fs0 normal}").contains("white-space:pre-wrap\">normal</p>"));
}

void TestRtfReader::spacingAndIndentsBecomeMargins() {
    // Twips at 96 dpi: 15 twips to the pixel.
    const QString html = Html("{\\sb150\\sa300\\li600\\fi-300 item\\par\\pard plain\\par}");
    QVERIFY(html.contains("margin:0px; white-space:pre-wrap; margin-top:10px; margin-bottom:20px; "
                          "margin-left:40px; text-indent:-20px\">item</p>"));
    QVERIFY(html.contains("<p style=\"margin:0px; white-space:pre-wrap\">plain</p>"));
    // A hanging line never starts left of the page; huge values are clamped.
    QVERIFY(Html("{\\li150\\fi-9000 a}").contains("margin-left:10px; text-indent:-10px\">a"));
    QVERIFY(Html("{\\sb99999999\\li-5 a}").contains("white-space:pre-wrap; margin-top:96px\">a"));
}

void TestRtfReader::paragraphLineAndTabBreaks() {
    const RtfReader reader(QByteArray("{\\rtf1 a\\par b\\line c\\tab d}"));
    QCOMPARE(reader.plainText(), "a\nb\nc\td\n");
    QCOMPARE(reader.html().count("<p "), 2);
    QVERIFY(reader.html().contains("b<br />c\td</p>"));
    // A backslash before a line end is a paragraph break as well.
    QCOMPARE(Plain("{a\\\r\nb}"), "a\nb\n");
}

void TestRtfReader::emptyParagraphIsBlankLine() {
    const RtfReader reader(QByteArray("{\\rtf1 a\\par\\par b\\par}"));
    QCOMPARE(reader.plainText(), "a\n\nb\n");
    QCOMPARE(reader.html().count("<p "), 3);
    QVERIFY(reader.html().contains("<span>&nbsp;</span></p>"));
}

void TestRtfReader::escapedBracesAndBackslash() {
    QCOMPARE(Plain("{\\{x\\}\\\\y}"), "{x}\\y\n");
}

void TestRtfReader::textIsHtmlEscaped() {
    const QString html = Html("{a <b> & \"c\" \\{<script>\\}}");
    QVERIFY(html.contains("a &lt;b&gt; &amp; &quot;c&quot; {&lt;script&gt;}"));
    QVERIFY(!html.contains("<b>"));
    QVERIFY(!html.contains("<script>"));
}

void TestRtfReader::destinationsAreSkipped() {
    const char* rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\stylesheet{\\s0 Normal;}}"
                      "{\\info{\\title Secret}{\\author Nobody}}{\\*\\generator Writer 1.0;}"
                      "{\\*\\unknowndest hidden {nested} text}{\\pict\\pngblip 89504e47}visible}";
    QCOMPARE(Plain(rtf), "visible\n");
}

void TestRtfReader::unknownControlWordsAreIgnored() {
    QCOMPARE(Plain("{\\foo12 a\\bar b\\rtf1\\deff0\\lang1049 c}"), "abc\n");
    const QByteArray longWord = "{\\" + QByteArray(5000, 'x') + "123 tail}";
    QCOMPARE(RtfReader(longWord).plainText(), "tail\n");
}

void TestRtfReader::binaryDataIsSkipped() {
    QCOMPARE(Plain("{a\\bin5 {}\\\\xb}"), "ab\n");
    QCOMPARE(Plain("{a\\bin999999999 rest}"), "a\n");
}

void TestRtfReader::damagedInputReadsLeniently_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("plain");
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b a{\\i b") << "ab\n";
    QTest::newRow("stray closing braces") << QByteArray("}}}a}b}") << "ab\n";
    QTest::newRow("lone backslash at end") << QByteArray("{ab\\") << "ab\n";
    QTest::newRow("truncated hex escape") << QByteArray("{x\\'e") << "x\n";
    QTest::newRow("hex escape without digits") << QByteArray("{x\\'g0}") << "xg0\n";
    QTest::newRow("minus without digits") << QByteArray("{\\fs- a}") << "- a\n";
    QTest::newRow("huge parameter") << QByteArray("{\\fs99999999999999999999999 a}") << "a\n";
    QTest::newRow("huge unicode") << QByteArray("{\\u99999999999 ?a}")
                                  << "\xef\xbf\xbd"
                                     "a\n";
    QTest::newRow("huge fallback count")
        << QByteArray("{\\uc99999999 \\u1072 abc}") << QString::fromUtf8("а\n");
    QTest::newRow("zero and control bytes") << QByteArray("{a\0b\x01\x1f"
                                                          "c}",
                                                          8)
                                            << "abc\n";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("not rtf at all") << QByteArray("plain words") << "plain words\n";
    QTest::newRow("colour table never closed") << QByteArray("{{\\colortbl;\\red1;") << "";
    QTest::newRow("colour index past table") << QByteArray("{\\cf2147483647 a}") << "a\n";
}

void TestRtfReader::damagedInputReadsLeniently() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, plain);
    const RtfReader reader(rtf);
    QCOMPARE(reader.plainText(), plain);
    QVERIFY(reader.html().startsWith("<!DOCTYPE html>"));
    QVERIFY(reader.html().endsWith("</body></html>\n"));
}

void TestRtfReader::deepNestingIsCappedAndRestored() {
    const int depth = 200000;
    const QByteArray deep =
        "{\\rtf1 " + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + " after}";
    const RtfReader reader(deep);
    QCOMPARE(reader.plainText(), "deep after\n");
    // The state past the cap is dropped when the deep part closes: "after" is not bold.
    QVERIFY(reader.html().contains("<span style=\"font-weight:bold\">deep</span> after"));

    // Formatting set inside kept groups below the cap still ends with its group.
    QByteArray kept = "{";
    for (int i = 0; i < RtfReader::MaxDepth - 1; ++i)
        kept += "{\\i ";
    kept += "x" + QByteArray(RtfReader::MaxDepth - 1, '}') + "y}";
    QVERIFY(RtfReader(kept).html().contains("<span style=\"font-style:italic\">x</span>y"));
}

void TestRtfReader::deliveredDocumentsRead_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("startButton");
    const char* english[ExerciseCount] = {"Schulte Table",    "Red-Black Schulte", "Word Mnemonics",
                                          "Targets",          "Counter",           "Word Pairs",
                                          "Number Mnemonics", "Proofreading",      "N-back"};
    for (int i = 0; i < ExerciseCount; ++i) {
        const QString name = QString::fromLatin1(Exercise(i).helpName);
        QTest::newRow(qPrintable(name)) << i << 2 << T(Exercise(i).title, 2) << "Старт";
        QTest::newRow(qPrintable("e" + name))
            << i << 1 << QString::fromLatin1(english[i]) << "Start";
    }
}

void TestRtfReader::deliveredDocumentsRead() {
    QFETCH(int, exercise);
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, startButton);
    ProgramFolder folder;
    const QString name = QString::fromLatin1(Exercise(exercise).helpName);
    QFile file(folder.file("hlp/" + QString(language == 1 ? "e" : "") + name + ".rtf"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray rtf = file.readAll();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY2(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7f; }),
             "the document must be plain ASCII");

    const RtfReader reader(rtf);
    QVERIFY2(reader.plainText().size() > 2000,
             qPrintable(QString::number(reader.plainText().size())));
    QVERIFY2(reader.plainText().contains(title), qPrintable(title));
    // The controls are named by their real captions in the document's language.
    QVERIFY(reader.plainText().contains(startButton));
    // The heading quoted is the one a run shows: the built-in one of the language, which the
    // delivered list of that language holds.
    const QString heading = T(Exercise(exercise).heading, language);
    const QString quoted = language == 2 ? QStringLiteral("«%1»").arg(heading)
                                         : QStringLiteral("“%1”").arg(heading);
    QCOMPARE(Dictionaries(folder.path()).LoadHeadingList(language).value(exercise), heading);
    QVERIFY2(reader.plainText().simplified().contains(quoted), qPrintable(quoted));
    QVERIFY(reader.html().contains("font-weight:bold"));
    QVERIFY(reader.html().contains("color:#"));
    // Nothing of the font table leaks into the text.
    QVERIFY(!reader.plainText().contains("Arial"));
    QVERIFY(!reader.plainText().contains(u'\\'));
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
