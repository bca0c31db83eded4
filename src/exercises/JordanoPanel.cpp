#include "JordanoPanel.h"

#include "data/Texts.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QLabel* MakeLine(QWidget* parent, const QString& name) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setAlignment(Qt::AlignCenter);
    // Small enough for the count line to fit the narrow control panel on one line.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    line->setFont(font);
    line->setWordWrap(true);
    line->setFrameShape(QFrame::Panel);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

JordanoPanel::JordanoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pJordano"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    pLetters = MakeLine(this, QStringLiteral("pLetters"));
    lbFind = new QListWidget(this);
    lbFind->setObjectName(QStringLiteral("lbFind"));
    lbFind->setFocusPolicy(Qt::NoFocus);
    lbFind->setMinimumHeight(160);
    pInfo = MakeLine(this, QStringLiteral("pInfo"));
    layout->addWidget(pLetters);
    layout->addWidget(lbFind, 1);
    layout->addWidget(pInfo);
}

void JordanoPanel::ShowResult(const ConsonantSearch::Result& result) {
    pLetters->setText(result.letters);
    lbFind->clear();
    lbFind->addItems(result.found);
    pInfo->setText(T(Tx::WordsFound) + QString::number(lbFind->count()));
}
