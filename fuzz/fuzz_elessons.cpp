// The English ladder file elessons.ini, read as the ladder window reads it: looked up in the
// data folder for the English interface and read by the lessons reader.
#include "FuzzScratch.h"
#include "users/UprLessons.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString dir = FuzzScratchDir();
    {
        QFile file(QDir(dir).filePath(QStringLiteral("elessons.ini")));
        if (dir.isEmpty() || !file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    if (UprLessons::FileName(dir, 1) != QLatin1String("elessons.ini"))
        __builtin_trap();
    const int level = size > 0 ? data[0] % 12 : 0;
    const UprLessons lessons = UprLessons::Load(dir, level, 1);
    if (lessons.Count() > LessonsIni::MaxLessons)
        __builtin_trap();
    for (int n = 1; n <= lessons.Count(); ++n) {
        const Lesson& lesson = lessons.At(n);
        if (lesson.steps.size() > LessonsIni::MaxSteps)
            __builtin_trap();
        // A lesson may be started only when its steps can run and it is not beyond the user.
        if (lessons.MayStart(n) && (lesson.steps.isEmpty() || n > level + 1))
            __builtin_trap();
        if (lesson.Startable() != UprLessons::Problem(lesson).isEmpty())
            __builtin_trap();
        if (UprLessons::Status(n, level).isEmpty())
            __builtin_trap();
        for (const LadderStep& step : lesson.steps)
            step.Passed(step.limit);
    }
    for (const int row : lessons.ShowOrder())
        if (row < 1 || row > lessons.Count())
            __builtin_trap();
    return 0;
}
