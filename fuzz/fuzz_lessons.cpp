// The ladder file reader on arbitrary bytes.
#include "data/IniFile.h"
#include "data/LessonsIni.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IniFile ini = IniFile::FromBytes(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QList<Lesson> lessons = LessonsIni::Read(ini);
    if (lessons.size() > LessonsIni::MaxLessons)
        __builtin_trap();
    for (const Lesson& lesson : lessons) {
        if (lesson.steps.size() > LessonsIni::MaxSteps)
            __builtin_trap();
        if (lesson.Startable() && lesson.steps.isEmpty())
            __builtin_trap();
        for (const LadderStep& step : lesson.steps)
            step.Passed(step.limit);
    }
    return 0;
}
