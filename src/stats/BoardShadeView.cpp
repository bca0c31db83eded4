#include "BoardShadeView.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor Empty(0xD8, 0xD8, 0xD8);
const QColor Darkest(0x8C, 0x1E, 0x14);

} // namespace

BoardShadeView::BoardShadeView(BoardShade shade, QWidget* parent)
    : QWidget(parent), shade_(std::move(shade)) {
    for (double v : shade_.values)
        highest_ = std::max(highest_, v);
    setMinimumSize(160, 160);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QColor BoardShadeView::Shade(double value, double highest) {
    const double share = highest > 0 ? std::clamp(value / highest, 0.0, 1.0) : 0.0;
    const auto mix = [share](int from, int to) { return int(from + (to - from) * share + 0.5); };
    return QColor(mix(255, Darkest.red()), mix(255, Darkest.green()), mix(255, Darkest.blue()));
}

QColor BoardShadeView::CellColor(int cell) const {
    const double value = cell < shade_.values.size() ? shade_.values[cell] : -1;
    return value < 0 ? Empty : Shade(value, highest_);
}

QSize BoardShadeView::sizeHint() const {
    return QSize(300, 300);
}

int BoardShadeView::heightForWidth(int width) const {
    return shade_.cols > 0 ? width * shade_.rows / shade_.cols : width;
}

void BoardShadeView::paintEvent(QPaintEvent*) {
    if (shade_.cols <= 0 || shade_.rows <= 0)
        return;
    QPainter painter(this);
    const int side = std::min(width() / shade_.cols, height() / shade_.rows);
    if (side <= 0)
        return;
    // Under its heading, whatever room is left below.
    const QPoint origin((width() - side * shade_.cols) / 2, 0);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::clamp(side / 3, 6, 16));
    painter.setFont(font);
    for (int cell = 0; cell < shade_.cols * shade_.rows; ++cell) {
        const QRect rect(origin + QPoint(cell % shade_.cols * side, cell / shade_.cols * side),
                         QSize(side, side));
        const QColor fill = CellColor(cell);
        painter.fillRect(rect, fill);
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        if (cell < shade_.labels.size()) {
            painter.setPen(fill.lightness() < 128 ? Qt::white : Qt::black);
            painter.drawText(rect, Qt::AlignCenter, shade_.labels[cell]);
        }
    }
}
