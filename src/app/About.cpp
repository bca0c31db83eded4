#include "About.h"

#include "Glyphs.h"
#include "data/Texts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget* parent, const QString& dataDir) : QDialog(parent) {
    setWindowTitle(T(Tx::AboutCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(Glyphs::ProgramIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(T(Tx::ProductName), this);
    name->setObjectName(QStringLiteral("ProductNameL"));
    QFont nameFont = name->font();
    nameFont.setPixelSize(26);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto* version = new QLabel(QString::fromLatin1(VersionText), this);
    version->setObjectName(QStringLiteral("VersionL"));
    auto* description = new QLabel(T(Tx::Copyright), this);
    description->setObjectName(QStringLiteral("DescriptionL"));

    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);
    if (!dataDir.isEmpty()) {
        auto* folder = new QLabel(T(Tx::DataFolderLine).arg(QDir::toNativeSeparators(dataDir)), this);
        folder->setObjectName(QStringLiteral("DataFolderL"));
        folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addSpacing(8);
        texts->addWidget(folder);
    }
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon);
    top->addLayout(texts);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(T(Tx::Ok));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(line);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutForm::Execute(QWidget* parent, const QString& dataDir) {
    TAboutForm form(parent, dataDir);
    form.exec();
}
