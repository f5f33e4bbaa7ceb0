#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// The language files: a caption file of 5-line records (view, item, caption, hint, character set),
// an optional translation of 2-line records running parallel to it, choice files and a message file.
namespace LanguageFiles {

// One entry of the language menu; `number` is what the setting "Sprache" stores.
struct Language
{
    int number;
    const char* code;   // suffix of the language's files
    const char* action; // name of its menu entry
};
inline constexpr int LanguageCount = 9;
const Language* byNumber(int number); // nullptr outside 0..8: nothing is loaded then
const Language* byCode(const QString& code); // nullptr for no language

inline constexpr const char* Folder = "land";
inline constexpr const char* CaptionFile = "bezeich.txt";
inline constexpr const char* MessageStem = "meldungen.txt.";
inline constexpr const char* ChoiceStems[] = {"Radio1.txt.", "Radio2.txt.", "Radio3.txt."};

// Lines of a text file: a byte-order mark names UTF-8 or UTF-16 (LE or BE); without one the bytes are
// Windows-1252. Lines end with CR LF or LF; a final line end adds no empty line.
QStringList decodeLines(const QByteArray& bytes);
// Reads `path`; nullopt when it cannot be read.
std::optional<QStringList> readLines(const QString& path);

// Each line ended by CR LF; characters outside Windows-1252 become '?'.
QByteArray encodeWindows1252(const QStringList& lines);
// Each line ended by CR LF, little-endian with a byte-order mark.
QByteArray encodeUtf16Le(const QStringList& lines);
// Each line ended by CR LF, with a byte-order mark.
QByteArray encodeUtf8(const QStringList& lines);

// What a matching record sets; the character set only outside translation mode and only when its
// line is a decimal number.
struct Texts
{
    QString caption;
    QString hint;
    std::optional<int> characterSet;
    bool operator==(const Texts&) const = default;
};

// The loader's search over the caption file. It looks at 11 records from the last match on, so the
// file must list the items in the order the loader visits them.
class CaptionRecords
{
public:
    static constexpr int Window = 11;

    explicit CaptionRecords(QStringList base, std::optional<QStringList> translation = std::nullopt);

    std::optional<Texts> find(const QString& view, const QString& item);
    bool translating() const { return m_translation.has_value(); }
    int position() const { return m_position; }
    // Puts the search on the first record of `view` or of its window title, for a view made after the
    // language was applied.
    // Returns false, leaving the position, when the file has no record of it.
    bool seekView(const QString& view);

private:
    QString base(qsizetype line) const { return line < m_base.size() ? m_base.at(line) : QString(); }

    QStringList m_base;
    std::optional<QStringList> m_translation;
    int m_position = 0;
};

// The kinds of items whose texts a language sets, in the order the export tests them.
enum class ItemKind
{
    MenuEntry,
    Label,
    Panel,
    PictureButton,
    Button,
    SpeedButton,
    View,
    CheckBox,
    RadioButton,
    Page,
    ChoiceGroup,
    Edit,
};
bool hasCaption(ItemKind kind);
bool hasCharacterSet(ItemKind kind);

// An item as the export sees it.
struct ExportItem
{
    ItemKind kind;
    QString view;
    QString name;
    QString caption;
    QString hint;
    int characterSet = 1;
    bool visible = true;
};

// Texts that show a value, not wording ("3", "12,5" under a German locale).
bool isNumber(const QString& text, const QLocale& locale);

// The 5 caption-file lines of an item, or nullopt when it is not exported. The template takes lines 2
// and 3 of a record.
std::optional<QStringList> exportRecord(const ExportItem& item, const QLocale& locale);

} // namespace LanguageFiles
