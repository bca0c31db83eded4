#include "UprLessons.h"

#include "data/FileLookup.h"
#include "data/Texts.h"

#include <QFileInfo>
#include <algorithm>

UprLessons::UprLessons(QList<Lesson> lessons, int uprLevel)
    : lessons_(std::move(lessons)), uprLevel_(uprLevel) {}

UprLessons UprLessons::Load(const QString& programDir, int uprLevel, int language) {
    return UprLessons(LessonsIni::Load(FileLookup::Find(programDir, FileName(programDir, language))),
                      uprLevel);
}

QString UprLessons::FileName(const QString& programDir, int language) {
    const QString russian = QStringLiteral("lessons.ini");
    const QString english = QStringLiteral("elessons.ini");
    // The steps are the same in both; a folder without the English texts keeps its ladder.
    return language == 1 && QFileInfo::exists(FileLookup::Find(programDir, english)) ? english
                                                                                     : russian;
}

QString UprLessons::Status(int n, int uprLevel) {
    const int current = uprLevel + 1;
    if (n == current)
        return T(Tx::LessonCurrent);
    return T(n > current ? Tx::LessonLocked : Tx::LessonPassed);
}

QList<int> UprLessons::ShowOrder() const {
    if (lessons_.isEmpty())
        return {};
    QList<int> rows;
    for (int row : {2, 1, uprLevel_ + 1})
        rows.append(std::clamp(row, 1, Count()));
    return rows;
}

bool UprLessons::MayStart(int n) const {
    return n >= 1 && n <= Count() && n <= uprLevel_ + 1 && At(n).Startable();
}

QString UprLessons::Problem(const Lesson& lesson) {
    switch (lesson.problem) {
    case LessonProblem::None:
        return {};
    case LessonProblem::NoSteps:
        return T(Tx::LessonNoSteps);
    case LessonProblem::BadExercise:
        return T(Tx::LessonBadExercise).arg(lesson.problemStep);
    case LessonProblem::BadMode:
        return T(Tx::LessonBadMode).arg(lesson.problemStep);
    }
    return {};
}
