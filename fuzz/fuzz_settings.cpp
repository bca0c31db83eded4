// Loading the settings from an arbitrary oxel.ini, and for some inputs saving them back.
#include "FuzzScratch.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Settings.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QDir(FuzzScratchDir()).filePath(QStringLiteral("oxel.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Settings settings;
    try {
        TDataFile store(path);
        settings.Load(store);
        // Saving rewrites the store; half of the inputs take that path.
        if (size == 0 || (data[size - 1] & 1) == 0)
            return 0;
        settings.SaveOptions(store);
        Settings reread;
        reread.Load(store);
        // Colours and switches survive a save exactly (font faces may be normalised).
        if (reread.ShulteBGColor != settings.ShulteBGColor ||
            reread.TargetColor != settings.TargetColor ||
            reread.NumbersShowHints != settings.NumbersShowHints ||
            reread.LightClick != settings.LightClick ||
            reread.ShulteFont1.size != settings.ShulteFont1.size)
            __builtin_trap();
    } catch (const OxelError&) {
    }
    return 0;
}
