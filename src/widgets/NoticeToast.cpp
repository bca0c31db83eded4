#include "NoticeToast.h"

#include "FlatButton.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

NoticeToast::NoticeToast(QWidget* host) : QFrame(host) {
    setObjectName(QStringLiteral("NoticeToast"));
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("#NoticeToast { background: #FFFBE6; border: 1px solid #C9A227;"
                                 " border-radius: 3px; }"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 6, 4, 6);
    TextL = new QLabel(this);
    TextL->setObjectName(QStringLiteral("NoticeL"));
    TextL->setWordWrap(true);
    TextL->setStyleSheet(
        QStringLiteral("font-family: 'Liberation Sans'; font-size: 12px; font-weight: bold;"));
    CloseSB = FlatButton(this, "NoticeCloseSB",
                         QStringLiteral("font-family: 'Liberation Sans'; font-size: 11px;"));
    CloseSB->setText(QStringLiteral("×"));
    row->addWidget(TextL, 1);
    row->addWidget(CloseSB, 0, Qt::AlignTop);
    timer_.setSingleShot(true);
    timer_.setInterval(ShownMs);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
    connect(CloseSB, &QToolButton::clicked, this, &QWidget::hide);
    host->installEventFilter(this);
    hide();
}

void NoticeToast::ShowLines(const QStringList& lines) {
    lines_ = lines;
    TextL->setText(lines.join(QLatin1Char('\n')));
    Place();
    show();
    raise();
    timer_.start();
}

void NoticeToast::Place() {
    const QWidget* host = parentWidget();
    const int width = std::max(120, host->width() - 8);
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry(4, std::max(0, host->height() - height - 4), width, height);
}

bool NoticeToast::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        Place();
    return QFrame::eventFilter(watched, event);
}
