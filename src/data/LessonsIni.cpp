#include "LessonsIni.h"

#include "ExerciseInfo.h"
#include "Texts.h"

namespace {

constexpr int ExercisePositions = ExerciseCount;

void Check(Lesson& lesson) {
    if (lesson.steps.isEmpty()) {
        lesson.problem = LessonProblem::NoSteps;
        return;
    }
    for (int k = 0; k < lesson.steps.size(); ++k) {
        const LadderStep& step = lesson.steps.at(k);
        if (step.exercisePosition < 0 || step.exercisePosition >= ExercisePositions)
            lesson.problem = LessonProblem::BadExercise;
        else if (!ExerciseAtListPosition(step.exercisePosition).hasMode(step.mode))
            lesson.problem = LessonProblem::BadMode;
        else
            continue;
        lesson.problemStep = k + 1;
        return;
    }
}

} // namespace

bool LadderStep::Passed(double result) const {
    if (exercisePosition < 0 || exercisePosition >= ExercisePositions)
        return false;
    if (ExerciseAtListPosition(exercisePosition).result == ResultKind::Score)
        return result >= limit;
    return result <= limit;
}

QList<Lesson> LessonsIni::Load(const QString& path) {
    return Read(IniFile(path));
}

QList<Lesson> LessonsIni::Read(const IniFile& ini) {
    const QString missing = T(Tx::LessonMissingText);
    QList<Lesson> lessons;
    for (int n = 1; n <= MaxLessons; ++n) {
        const QString section = QStringLiteral("LESSON_%1").arg(n);
        if (!ini.SectionExists(section))
            break;
        Lesson lesson;
        lesson.number = n;
        lesson.name = ini.ReadString(section, QStringLiteral("name"), missing);
        lesson.opis = ini.ReadString(section, QStringLiteral("opis"), missing);
        for (int k = 1; k <= MaxSteps; ++k) {
            const QString l = QStringLiteral("L%1").arg(k);
            if (!ini.KeyExists(section, l))
                break;
            LadderStep step;
            step.exercisePosition = ini.ReadInteger(section, l, 0);
            step.mode = ini.ReadInteger(section, QStringLiteral("R%1").arg(k), 0);
            step.limit = ini.ReadInteger(section, QStringLiteral("F%1").arg(k), 0);
            step.text = ini.ReadString(section, QStringLiteral("S%1").arg(k), QString());
            lesson.steps.append(step);
        }
        Check(lesson);
        lessons.append(lesson);
    }
    return lessons;
}
