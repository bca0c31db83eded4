#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The font record kept in a font entry: character set, colour ($BBGGRR, system colours with
// high byte 80 hex kept as they are), pitch (0 default, 1 variable, 2 fixed), size in points,
// style bits (1 bold, 2 italic, 4 underline, 8 strike-out) and the face name.
struct FontRecord {
    enum Style : quint8 { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

    quint8 charset = 1;
    quint32 colour = 0;
    quint8 pitch = 0;
    quint16 size = 8;
    quint8 style = 0;
    QString face = QStringLiteral("ARIAL");

    bool operator==(const FontRecord&) const = default;
};

// A small keyed store of typed values in one file, addressed by section and entry name
// (compared without regard to letter case, Cyrillic included). The file is a plain
// sequence of entries, each an 80-byte header (magic 274, two 36-byte name fields, data
// length) followed by its data; header and data are enciphered separately with the text key.
// A write removes the old entry and appends the new one at the end. Every write or delete
// replaces the file atomically, so a write that is cut off leaves the old or the new store.
class TDataFile {
public:
    // Gathers the writes and deletes made while it lives into one replacement of the file:
    // they work on the store in memory (reads see them), and Commit writes the result, the
    // very bytes the same calls one by one would have left. Without Commit, or when a call
    // inside throws, the file stays as it was. Batches do not nest.
    class Batch {
    public:
        explicit Batch(TDataFile& file);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Replaces the file atomically with the gathered store; throws OxelError.
        void Commit();

    private:
        TDataFile& file_;
    };

    // Opens the store, creating an empty file when none exists. Throws OxelError naming the
    // file when it can be neither opened nor created.
    explicit TDataFile(const QString& fileName);
    virtual ~TDataFile();
    TDataFile(const TDataFile&) = delete;
    TDataFile& operator=(const TDataFile&) = delete;

    const QString& FileName() const { return fileName_; }

    // Every lookup throws OxelError("Invalid file format.") when it reaches a header whose
    // magic is not 274. The entry name "$test" matches the first entry of the section.
    bool EntryExists(const QString& section, const QString& name);
    // Reads the entry's data into the buffer, at most bufferSize bytes; the byte count read
    // (less than the length for a truncated file), or -1 when the entry is absent.
    int ReadData(const QString& section, const QString& name, char* buffer, int bufferSize);
    // The entry's data replaces the stream's content; its length (the bytes present for a
    // truncated file), or -1 (stream untouched).
    int ReadStream(const QString& section, const QString& name, QByteArray& stream);
    QString ReadString(const QString& section, const QString& name, const QString& defaultValue);
    qint32 ReadInteger(const QString& section, const QString& name, qint32 defaultValue);
    bool ReadBool(const QString& section, const QString& name, bool defaultValue);
    // Fills the font from the stored record; unchanged when absent or shorter than 10 bytes.
    void ReadFont(const QString& section, const QString& name, FontRecord& font);

    // Names longer than 35 characters, or with characters Windows-1251 cannot hold, are
    // refused with OxelError; so is a write to a store with a damaged header.
    int WriteData(const QString& section, const QString& name, int count, const char* data);
    void WriteString(const QString& section, const QString& name, const QString& value);
    void WriteInteger(const QString& section, const QString& name, qint32 value);
    void WriteBool(const QString& section, const QString& name, bool value);
    void WriteFont(const QString& section, const QString& name, const FontRecord& font);
    void DeleteEntry(const QString& section, const QString& name);

    // The cipher is its own inverse: Encode calls Decode.
    virtual void Encode(char* buffer, int count);
    virtual void Decode(char* buffer, int count);

    static constexpr const char* Key = "Qwzr7TnbpXahkM2VdeLFyuo4s";
    static constexpr quint32 Magic = 274;
    static constexpr int HeaderSize = 80;
    static constexpr int NameFieldSize = 36;

    static QByteArray EncodeFont(const FontRecord& font);
    // False when the data is shorter than 10 bytes.
    static bool DecodeFont(const QByteArray& data, FontRecord& font);

private:
    struct Entry;
    QByteArray Load() const;
    void Save(const QByteArray& store);
    // Deciphers the header at pos into entry; false when fewer than 80 bytes are left.
    bool ReadHeader(const QByteArray& store, qsizetype pos, Entry& entry);
    bool FindEntry(const QByteArray& store, const QString& section, const QString& name,
                   Entry& found);
    QByteArray KeptEntries(const QByteArray& store, const QString& section, const QString& name);

    QString fileName_;
    // The store of a batch in progress, which loading and saving use instead of the file.
    std::optional<QByteArray> pending_;
};
