#include "HelpViewer.h"

#include "HelpBrowser.h"
#include "data/Dialogs.h"
#include "data/FileLookup.h"
#include "data/Texts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPointer<HelpViewer> instance;

bool ReportIfMissing(const QString& path) {
    if (QFileInfo(path).isFile())
        return false;
    ShowError(T(Tx::HelpFileMissing).arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

HelpViewer* HelpViewer::ShowContext(const QString& programDir, int context) {
    return Open(programDir, FileLookup::Find(programDir, BookFile(Language())),
                QString::number(context));
}

QString HelpViewer::BookFile(int language) {
    return language == 1 ? QStringLiteral("eoxel.hlp") : QString::fromLatin1(BookName);
}

QString HelpViewer::Counterpart(const QString& fileName, int language) {
    for (int other : {1, 2}) {
        if (fileName == BookFile(other))
            return BookFile(language);
        if (fileName == WhatsNewName(other))
            return WhatsNewName(language);
    }
    return fileName;
}

HelpViewer* HelpViewer::ShowDocument(const QString& programDir, const QString& name) {
    const qsizetype hash = name.indexOf(u'#');
    const QString file = hash < 0 ? name : name.left(hash);
    const QString anchor = hash < 0 ? QString() : name.mid(hash + 1);
    return Open(programDir, FileLookup::Find(programDir, file), anchor);
}

QString HelpViewer::WhatsNewName(int language) {
    return language == 1 ? QStringLiteral("enew.htm") : QStringLiteral("new.htm");
}

HelpViewer* HelpViewer::Instance() {
    return instance.data();
}

void HelpViewer::Release() {
    delete instance.data();
}

HelpViewer* HelpViewer::Open(const QString& programDir, const QString& path,
                             const QString& anchor) {
    if (ReportIfMissing(path))
        return nullptr;
    if (!instance) {
        instance = new HelpViewer;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, instance.data(),
                         &QObject::deleteLater);
    }
    instance->programDir_ = programDir;
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    instance->showUrl(url);
    instance->present();
    return instance.data();
}

HelpViewer::HelpViewer()
    : browser_(new HelpBrowser(this)), back_(new QToolButton(this)),
      forward_(new QToolButton(this)), contents_(new QToolButton(this)) {
    setAttribute(Qt::WA_QuitOnClose, false);
    ShowTexts();
    back_->setEnabled(false);
    forward_->setEnabled(false);
    for (QToolButton* button : {back_, forward_, contents_})
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser_);

    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::openLink);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { ShowContext(programDir_, 1); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    resize(std::min(900, screen.width() * 9 / 10), std::min(700, screen.height() * 9 / 10));
    move(screen.center() - rect().center());
}

void HelpViewer::ShowTexts() {
    setWindowTitle(T(Tx::HelpCaption));
    back_->setText(T(Tx::HelpBack));
    forward_->setText(T(Tx::HelpForward));
    contents_->setText(T(Tx::HelpContents));
}

void HelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    ShowTexts();
    const QUrl shown = browser_->source();
    if (!shown.isLocalFile())
        return;
    const QFileInfo file(shown.toLocalFile());
    const QString name = Counterpart(file.fileName(), Language());
    const QString path = file.dir().filePath(name);
    if (name == file.fileName() || !QFileInfo(path).isFile())
        return;
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(shown.fragment());
    showUrl(url);
}

void HelpViewer::openLink(const QUrl& url) {
    const QUrl target = browser_->source().resolved(url);
    if (!target.isLocalFile())
        return; // the help documents link only to each other
    if (ReportIfMissing(target.toLocalFile()))
        return;
    showUrl(target);
}

void HelpViewer::showUrl(const QUrl& url) {
    browser_->setSource(url, QTextDocument::HtmlResource);
}

void HelpViewer::present() {
    // A modal window blocks every other window; above one, help must be modal itself.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}
