#include "DataFile.h"

#include "Errors.h"
#include "Text1251.h"
#include "Texts.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <string>

// One entry of the store as the scan found it: where its header and data start, the
// length its header declares and how many of those bytes the file really holds.
struct TDataFile::Entry {
    qsizetype header = 0;
    qsizetype data = 0;
    qint64 length = 0;
    qsizetype present = 0;
    QString section;
    QString name;

    bool truncated() const { return present < length; }
    qint64 end() const { return data + length; }
};

namespace {

constexpr int SectionOffset = 4;
constexpr int NameOffset = SectionOffset + TDataFile::NameFieldSize;
constexpr int LengthOffset = NameOffset + TDataFile::NameFieldSize;
constexpr int FontHeadSize = 9;
constexpr int MaxNameLength = TDataFile::NameFieldSize - 1;
const QString TestName = QStringLiteral("$test");

// A name field holds the name up to its first zero byte, or all 36 bytes when none.
QString NameField(const char* field) {
    const char* zero = static_cast<const char*>(std::memchr(field, 0, TDataFile::NameFieldSize));
    const qsizetype size = zero ? zero - field : TDataFile::NameFieldSize;
    return DecodeText(QByteArray(field, size));
}

void PutName(char* field, const QByteArray& name) {
    std::memcpy(field, name.constData(), static_cast<size_t>(name.size()));
}

// Section and entry names go into 36-byte fields with a terminating zero, in Windows-1251.
QByteArray StorableName(const QString& name) {
    if (name.size() > MaxNameLength)
        throw OxelError(T(Tx::DataNameTooLong).arg(name));
    const QByteArray bytes = EncodeText(name);
    if (name.contains(QChar(0)) || DecodeText(bytes) != name)
        throw OxelError(T(Tx::DataNameNotStorable).arg(name));
    return bytes;
}

bool SameName(const QString& stored, const QString& wanted) {
    return QString::compare(stored, wanted, Qt::CaseInsensitive) == 0;
}

bool Matches(const QString& section, const QString& name, const QString& wantedSection,
             const QString& wantedName) {
    return SameName(section, wantedSection) &&
           (wantedName == TestName || SameName(name, wantedName));
}

} // namespace

TDataFile::TDataFile(const QString& fileName) : fileName_(fileName) {
    QFile file(fileName_);
    const bool existed = file.exists();
    if (!file.open(QIODevice::ReadWrite))
        throw OxelError(T(existed ? Tx::CannotOpenFile : Tx::CannotCreateFile)
                            .arg(fileName_, file.errorString()));
}

TDataFile::~TDataFile() = default;

QByteArray TDataFile::Load() const {
    return pending_ ? *pending_ : LoadFileBytes(fileName_);
}

void TDataFile::Save(const QByteArray& store) {
    if (pending_)
        *pending_ = store;
    else
        SaveFileBytes(fileName_, store);
}

TDataFile::Batch::Batch(TDataFile& file) : file_(file) {
    Q_ASSERT(!file_.pending_);
    file_.pending_ = LoadFileBytes(file_.fileName_);
}

TDataFile::Batch::~Batch() {
    file_.pending_.reset();
}

void TDataFile::Batch::Commit() {
    if (!file_.pending_)
        return;
    const QByteArray store = *file_.pending_;
    file_.pending_.reset();
    SaveFileBytes(file_.fileName_, store);
}

bool TDataFile::ReadHeader(const QByteArray& store, qsizetype pos, Entry& entry) {
    if (store.size() - pos < HeaderSize)
        return false;
    char header[HeaderSize];
    std::memcpy(header, store.constData() + pos, HeaderSize);
    Decode(header, HeaderSize);
    if (qFromLittleEndian<quint32>(header) != Magic)
        throw OxelError(T(Tx::InvalidFileFormat));
    entry.header = pos;
    entry.data = pos + HeaderSize;
    entry.length = qFromLittleEndian<quint32>(header + LengthOffset);
    entry.present =
        static_cast<qsizetype>(std::min<qint64>(entry.length, store.size() - entry.data));
    entry.section = NameField(header + SectionOffset);
    entry.name = NameField(header + NameOffset);
    return true;
}

// Scans from the start; a partial header or a length past the end of the file ends the
// search (the next header would start past the end), but an entry found there is still
// found with the bytes present.
bool TDataFile::FindEntry(const QByteArray& store, const QString& section, const QString& name,
                          Entry& found) {
    for (qsizetype pos = 0; ReadHeader(store, pos, found); pos = found.end()) {
        if (Matches(found.section, found.name, section, name))
            return true;
    }
    return false;
}

void TDataFile::Encode(char* buffer, int count) {
    Decode(buffer, count);
}

void TDataFile::Decode(char* buffer, int count) {
    static constexpr int KeyLength = std::char_traits<char>::length(Key);
    for (int i = 1; i < count; ++i)
        buffer[i] = static_cast<char>(buffer[i] ^ Key[(i - 1) % KeyLength]);
}

bool TDataFile::EntryExists(const QString& section, const QString& name) {
    Entry entry;
    return FindEntry(Load(), section, name, entry);
}

int TDataFile::ReadData(const QString& section, const QString& name, char* buffer, int bufferSize) {
    const QByteArray store = Load();
    Entry entry;
    if (!FindEntry(store, section, name, entry))
        return -1;
    const int count =
        static_cast<int>(std::clamp<qint64>(entry.present, 0, std::max(bufferSize, 0)));
    if (count > 0) {
        std::memcpy(buffer, store.constData() + entry.data, static_cast<size_t>(count));
        Decode(buffer, count);
    }
    return count;
}

int TDataFile::ReadStream(const QString& section, const QString& name, QByteArray& stream) {
    const QByteArray store = Load();
    Entry entry;
    if (!FindEntry(store, section, name, entry))
        return -1;
    stream = store.mid(entry.data, entry.present);
    Decode(stream.data(), static_cast<int>(stream.size()));
    return static_cast<int>(stream.size());
}

QString TDataFile::ReadString(const QString& section, const QString& name,
                              const QString& defaultValue) {
    QByteArray data;
    if (ReadStream(section, name, data) < 0)
        return defaultValue;
    const qsizetype zero = data.indexOf('\0');
    return DecodeText(zero < 0 ? data : data.left(zero));
}

qint32 TDataFile::ReadInteger(const QString& section, const QString& name, qint32 defaultValue) {
    char bytes[4];
    if (ReadData(section, name, bytes, sizeof bytes) < static_cast<int>(sizeof bytes))
        return defaultValue;
    return qFromLittleEndian<qint32>(bytes);
}

bool TDataFile::ReadBool(const QString& section, const QString& name, bool defaultValue) {
    char byte = 0;
    if (ReadData(section, name, &byte, 1) < 1)
        return defaultValue;
    return byte != 0;
}

void TDataFile::ReadFont(const QString& section, const QString& name, FontRecord& font) {
    QByteArray data;
    if (ReadStream(section, name, data) >= 0)
        DecodeFont(data, font);
}

// The whole entries of the store except those the write replaces: every copy of the
// (section, name) pair, so a damaged file holding it twice cannot hide the new value
// ("$test" replaces only the first entry of the section). The scan stops at a damaged tail
// (a partial header, or an entry whose data runs past the end): it is dropped so that the
// appended entry stays reachable. A header with a wrong magic refuses the write.
QByteArray TDataFile::KeptEntries(const QByteArray& store, const QString& section,
                                  const QString& name) {
    QByteArray kept;
    bool replaced = false;
    Entry entry;
    for (qsizetype pos = 0; ReadHeader(store, pos, entry) && !entry.truncated();
         pos = entry.end()) {
        if (Matches(entry.section, entry.name, section, name) && !(replaced && name == TestName))
            replaced = true;
        else
            kept.append(store.constData() + entry.header, HeaderSize + entry.length);
    }
    return kept;
}

// The new content is built in memory and replaces the file in one piece.
int TDataFile::WriteData(const QString& section, const QString& name, int count, const char* data) {
    const QByteArray sectionBytes = StorableName(section);
    const QByteArray nameBytes = StorableName(name);
    if (count < 0 || !data)
        count = 0;
    QByteArray store = KeptEntries(Load(), section, name);

    char header[HeaderSize] = {};
    qToLittleEndian<quint32>(Magic, header);
    PutName(header + SectionOffset, sectionBytes);
    PutName(header + NameOffset, nameBytes);
    qToLittleEndian<quint32>(static_cast<quint32>(count), header + LengthOffset);
    Encode(header, HeaderSize);
    QByteArray copy(data, count);
    Encode(copy.data(), count);

    store.append(header, HeaderSize);
    store.append(copy);
    Save(store);
    return count;
}

void TDataFile::WriteString(const QString& section, const QString& name, const QString& value) {
    const qsizetype zero = value.indexOf(QChar(0));
    QByteArray bytes = EncodeText(zero < 0 ? value : value.left(zero));
    bytes.append('\0');
    WriteData(section, name, static_cast<int>(bytes.size()), bytes.constData());
}

void TDataFile::WriteInteger(const QString& section, const QString& name, qint32 value) {
    char bytes[4];
    qToLittleEndian<qint32>(value, bytes);
    WriteData(section, name, sizeof bytes, bytes);
}

void TDataFile::WriteBool(const QString& section, const QString& name, bool value) {
    const char byte = value ? 1 : 0;
    WriteData(section, name, 1, &byte);
}

void TDataFile::WriteFont(const QString& section, const QString& name, const FontRecord& font) {
    const QByteArray bytes = EncodeFont(font);
    WriteData(section, name, static_cast<int>(bytes.size()), bytes.constData());
}

// The tail after the entry moves up as stored: every run is enciphered on its own. An entry
// whose data runs past the end of the file takes the rest of the file with it.
void TDataFile::DeleteEntry(const QString& section, const QString& name) {
    QByteArray store = Load();
    Entry entry;
    if (!FindEntry(store, section, name, entry))
        return;
    store.remove(entry.header, HeaderSize + entry.present);
    Save(store);
}

QByteArray TDataFile::EncodeFont(const FontRecord& font) {
    QByteArray bytes(FontHeadSize, '\0');
    char* p = bytes.data();
    p[0] = static_cast<char>(font.charset);
    qToLittleEndian<quint32>(font.colour, p + 1);
    p[5] = static_cast<char>(font.pitch);
    qToLittleEndian<quint16>(font.size, p + 6);
    p[8] = static_cast<char>(font.style);
    const qsizetype zero = font.face.indexOf(QChar(0));
    bytes.append(EncodeText(zero < 0 ? font.face : font.face.left(zero)));
    bytes.append('\0');
    return bytes;
}

bool TDataFile::DecodeFont(const QByteArray& data, FontRecord& font) {
    if (data.size() < FontHeadSize + 1)
        return false;
    const char* p = data.constData();
    font.charset = static_cast<quint8>(p[0]);
    font.colour = qFromLittleEndian<quint32>(p + 1);
    font.pitch = static_cast<quint8>(p[5]);
    font.size = qFromLittleEndian<quint16>(p + 6);
    font.style = static_cast<quint8>(p[8]) & (FontRecord::Bold | FontRecord::Italic |
                                              FontRecord::Underline | FontRecord::StrikeOut);
    const QByteArray face = data.mid(FontHeadSize);
    const qsizetype zero = face.indexOf('\0');
    font.face = DecodeText(zero < 0 ? face : face.left(zero));
    return true;
}
