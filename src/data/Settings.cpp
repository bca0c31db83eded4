#include "Settings.h"

#include "Texts.h"

#include <variant>

namespace {

const QString Options = QStringLiteral("OPTIONS");
const QString Common = QStringLiteral("COMMON");
const QString Lessons = QStringLiteral("Lessons");

// Reads one "OPTIONS" entry into a look value; the value's content is the default.
class OptionReader {
public:
    OptionReader(TDataFile& file, const QString& name) : file_(file), name_(name) {}

    void operator()(quint32* colour) {
        *colour = static_cast<quint32>(
            file_.ReadInteger(Options, name_, static_cast<qint32>(*colour)));
    }
    void operator()(bool* flag) { *flag = file_.ReadBool(Options, name_, *flag); }
    // A present entry is read over the default; a damaged one leaves the default.
    void operator()(FontRecord* font) {
        if (file_.EntryExists(Options, name_))
            file_.ReadFont(Options, name_, *font);
    }

private:
    TDataFile& file_;
    const QString& name_;
};

// Writes one look value to its "OPTIONS" entry.
class OptionWriter {
public:
    OptionWriter(TDataFile& file, const QString& name) : file_(file), name_(name) {}

    void operator()(const quint32* colour) {
        file_.WriteInteger(Options, name_, static_cast<qint32>(*colour));
    }
    void operator()(const bool* flag) { file_.WriteBool(Options, name_, *flag); }
    void operator()(const FontRecord* font) { file_.WriteFont(Options, name_, *font); }

private:
    TDataFile& file_;
    const QString& name_;
};

} // namespace

Settings::Settings() {
    RestoreDefaults();
}

Settings::Settings(const Settings& other)
    : looks_(other.looks_), FullScreen(other.FullScreen), LightClick(other.LightClick),
      RightCP(other.RightCP) {}

Settings& Settings::operator=(const Settings& other) {
    looks_ = other.looks_;
    FullScreen = other.FullScreen;
    LightClick = other.LightClick;
    RightCP = other.RightCP;
    return *this;
}

bool Settings::operator==(const Settings& other) const {
    return looks_ == other.looks_ && FullScreen == other.FullScreen &&
           LightClick == other.LightClick && RightCP == other.RightCP;
}

void Settings::RestoreDefaults() {
    for (int number = 1; number <= ExerciseCount; ++number)
        RestoreDefaults(number);
    FullScreen = false;
    LightClick = true;
    RightCP = true;
}

void Settings::RestoreDefaults(int exerciseNumber) {
    if (exerciseNumber >= 1 && exerciseNumber <= ExerciseCount)
        Look(exerciseNumber - 1) = Exercise(exerciseNumber - 1).look.Defaults();
}

void Settings::Load(TDataFile& file) {
    RestoreDefaults();
    for (const LookEntry& entry : LookEntries(EntryOrder::Load))
        std::visit(OptionReader(file, entry.name),
                   ValueOf(Look(entry.exercise), entry.part, entry.number));
    FullScreen = file.ReadBool(Common, QStringLiteral("FullScreen"), FullScreen);
    LightClick = file.ReadBool(Common, QStringLiteral("LightClick"), LightClick);
    RightCP = file.ReadBool(Common, QStringLiteral("RightCP"), RightCP);
}

void Settings::SaveOptions(TDataFile& file) const {
    TDataFile::Batch batch(file);
    for (const LookEntry& entry : LookEntries(EntryOrder::Save))
        std::visit(OptionWriter(file, entry.name),
                   ValueOf(Look(entry.exercise), entry.part, entry.number));
    batch.Commit();
}

void Settings::TakeOptions(const Settings& other) {
    const bool fullScreen = FullScreen;
    const bool lightClick = LightClick;
    const bool rightCP = RightCP;
    *this = other;
    FullScreen = fullScreen;
    LightClick = lightClick;
    RightCP = rightCP;
}

void Settings::WriteFullScreen(TDataFile& file, bool on) {
    FullScreen = on;
    file.WriteBool(Common, QStringLiteral("FullScreen"), on);
}

void Settings::WriteLightClick(TDataFile& file, bool on) {
    LightClick = on;
    file.WriteBool(Common, QStringLiteral("LightClick"), on);
}

void Settings::WriteRightCP(TDataFile& file, bool on) {
    RightCP = on;
    file.WriteBool(Common, QStringLiteral("RightCP"), on);
}

quint32 Settings::BoardBgColor(int exerciseIndex) const {
    return Exercise(exerciseIndex).look.BoardBackground(Look(exerciseIndex));
}

quint32 Settings::BoardGridColor(int exerciseIndex) const {
    return Exercise(exerciseIndex).look.BoardGrid(Look(exerciseIndex));
}

QString Settings::ReadLastUser(TDataFile& file) {
    return file.ReadString(Common, QStringLiteral("LastUser"), T(Tx::NoName, 2));
}

void Settings::WriteLastUser(TDataFile& file, const QString& name) {
    file.WriteString(Common, QStringLiteral("LastUser"), name);
}

int Settings::ReadLanguage(TDataFile& file) {
    return file.ReadInteger(Common, QStringLiteral("Language"), 2) == 1 ? 1 : 2;
}

void Settings::WriteLanguage(TDataFile& file, int language) {
    file.WriteInteger(Common, QStringLiteral("Language"), language == 1 ? 1 : 2);
}

QSize Settings::ReadLessonsSize(TDataFile& file) {
    const int height = file.ReadInteger(Lessons, QStringLiteral("Height"), 300);
    const int width = file.ReadInteger(Lessons, QStringLiteral("Width"), 500);
    return QSize(width, height);
}

void Settings::WriteLessonsSize(TDataFile& file, const QSize& size) {
    file.WriteInteger(Lessons, QStringLiteral("Height"), size.height());
    file.WriteInteger(Lessons, QStringLiteral("Width"), size.width());
}
