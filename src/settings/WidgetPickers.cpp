#include "WidgetPickers.h"

#include "FontColourDialog.h"
#include "data/Texts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool WidgetPickers::InstallToolkitTexts() {
    static QTranslator* const russian = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral("qtbase_ru"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return translator;
        delete translator;
        return static_cast<QTranslator*>(nullptr);
    }();
    static bool installed = false;
    if (!russian)
        return false;
    const bool wanted = Language() == 2;
    if (wanted != installed)
        installed = wanted ? QCoreApplication::installTranslator(russian)
                           : !QCoreApplication::removeTranslator(russian);
    return installed;
}

std::optional<BoardFont> WidgetPickers::PickFont(const BoardFont& initial, QWidget* parent) {
    InstallToolkitTexts();
    FontColourDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

std::optional<TColor> WidgetPickers::PickColour(TColor initial, QWidget* parent) {
    InstallToolkitTexts();
    const QColor chosen = QColorDialog::getColor(
        ColorToQColor(initial), parent, T(Tx::ColourDialog), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return QColorToColor(chosen);
}
