#include "RecordPanel.h"

#include "RecordLayout.h"
#include "data/NumberFormat.h"
#include "data/Texts.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>

namespace {

enum Colour { HeadingBg, HeadingText, CellBg, CellText };

QFont Face(const QStringList& families, int points) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

QFont TitleFont() {
    return Face({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, 14);
}

QFont HeadingFont() {
    return Face({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, 11);
}

QFont CellFont() {
    return Face({QStringLiteral("Liberation Sans")}, 8);
}

void PaintWidget(QWidget* widget, TColor background) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ColorToQColor(background));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLabel* MakeCell(QWidget* parent, const QRect& rect, const QString& text, const QFont& font,
                 TColor background, TColor colour) {
    auto* cell = new QLabel(text, parent);
    cell->setFrameStyle(QFrame::NoFrame);
    cell->setAlignment(Qt::AlignCenter);
    cell->setFont(font);
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, ColorToQColor(background));
    p.setColor(QPalette::WindowText, ColorToQColor(colour));
    cell->setPalette(p);
    cell->setAutoFillBackground(true);
    cell->setGeometry(rect);
    cell->show();
    return cell;
}

} // namespace

RecordPanel::RecordPanel(QFrame* recordP, std::function<bool()> seriesTicked)
    : parent_(recordP), seriesTicked_(std::move(seriesTicked)) {
    parent_->installEventFilter(this);
}

RecordPanel::~RecordPanel() {
    parent_->removeEventFilter(this);
    RecListFree();
}

void RecordPanel::PaintParent() {
    PaintWidget(parent_, seriesTicked_() ? SeriesColor : NormalColor);
}

void RecordPanel::PaintRecTable() {
    PaintRecTable(clBlack, clWhite, clWhite, clBlack);
}

void RecordPanel::PaintRecTable(TColor headingBg, TColor headingText, TColor cellBg,
                                TColor cellText) {
    colours_[HeadingBg] = headingBg;
    colours_[HeadingText] = headingText;
    colours_[CellBg] = cellBg;
    colours_[CellText] = cellText;
    // Nothing is painted while the cells are rebuilt.
    parent_->setUpdatesEnabled(false);
    PaintParent();
    RecListFree();

    using L = RecordLayout;
    const std::array<QRect, L::CellCount> rects = L::Cells(parent_->size());
    const QFont heading = HeadingFont();
    const QFont cell = CellFont();
    auto add = [&](const QString& text, const QFont& font, bool isHeading) {
        const int i = static_cast<int>(recList_.size());
        recList_.append(MakeCell(parent_, rects[i], text, font, isHeading ? headingBg : cellBg,
                                 isHeading ? headingText : cellText));
    };

    add(T(Tx::BestResults), TitleFont(), true);
    for (int row = 0; row < L::GridRows; ++row) {
        const bool isHeading = row == 0 || row == L::GridRows - 1;
        add(isHeading ? T(Tx::NumberSign) : QString::number(row), isHeading ? heading : cell,
            isHeading);
    }
    for (Tx head : {Tx::NameHead, Tx::ResultHead, Tx::DateHead}) {
        add(T(head), heading, true);
        add(T(head), heading, true);
    }
    for (int column = 0; column < 3; ++column)
        for (int r = 0; r < RecordTables::RowCount; ++r)
            add(QString(), cell, false);

    FillCells();
    parent_->setUpdatesEnabled(true);
}

void RecordPanel::RecListFree() {
    while (!recList_.isEmpty())
        delete recList_.takeLast();
}

void RecordPanel::ShowTable(const RecordTables::Table& rows) {
    rows_ = rows;
    FillCells();
}

void RecordPanel::FillCells() {
    if (recList_.size() != RecordLayout::CellCount)
        return;
    for (int r = 0; r < RecordTables::RowCount; ++r) {
        const RecordTables::Row& row = rows_[r];
        recList_[RecordLayout::FirstName + r]->setText(row.name);
        recList_[RecordLayout::FirstResult + r]->setText(row.result);
        recList_[RecordLayout::FirstResult + r]->setToolTip(row.hint);
        recList_[RecordLayout::FirstDate + r]->setText(ShownDate(row.date, Language()));
    }
}

bool RecordPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent_ && event->type() == QEvent::Resize && !recList_.isEmpty())
        PaintRecTable(colours_[HeadingBg], colours_[HeadingText], colours_[CellBg],
                      colours_[CellText]);
    return QObject::eventFilter(watched, event);
}
