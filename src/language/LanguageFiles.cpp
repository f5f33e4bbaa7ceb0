#include "language/LanguageFiles.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace LanguageFiles {

namespace {

constexpr Language Languages[LanguageCount] = {
    {0, "de", "Deutsch1"},       {1, "en", "Englisch1"}, {2, "fr", "Franzsisch1"},
    {3, "sp", "Spanisch1"},      {4, "tr", "Trkisch1"},  {5, "ru", "Russisch1"},
    {6, "nl", "Niederlndisch1"}, {7, "cz", "schechisch1"}, {8, "pl", "Polnisch1"},
};

// 0x80..0x9F of Windows-1252; 0 where the code page leaves the byte undefined (read as the C1 control).
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t high = b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : 0;
        *out++ = QChar(high ? high : char16_t(b));
    }
    return text;
}

QStringList splitLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

QString joined(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

const Language* byNumber(int number)
{
    return number >= 0 && number < LanguageCount ? &Languages[number] : nullptr;
}

const Language* byCode(const QString& code)
{
    for (const Language& language : Languages) {
        if (code == QLatin1String(language.code))
            return &language;
    }
    return nullptr;
}

QStringList decodeLines(const QByteArray& bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom); // drops the mark itself
        return splitLines(decoder.decode(bytes));
    }
    return splitLines(fromWindows1252(bytes));
}

std::optional<QStringList> readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeLines(file.readAll());
}

QByteArray encodeWindows1252(const QStringList& lines)
{
    const QString text = joined(lines);
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        char out = '?';
        for (int i = 0; i < int(HighControls.size()); ++i) {
            if (HighControls[i] == u)
                out = char(0x80 + i);
        }
        bytes += out;
    }
    return bytes;
}

QByteArray encodeUtf16Le(const QStringList& lines)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(joined(lines));
}

QByteArray encodeUtf8(const QStringList& lines)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    return encoder.encode(joined(lines));
}

CaptionRecords::CaptionRecords(QStringList base, std::optional<QStringList> translation)
    : m_base(std::move(base))
    , m_translation(std::move(translation))
{
}

std::optional<Texts> CaptionRecords::find(const QString& view, const QString& item)
{
    for (int k = m_position; k < m_position + Window; ++k) {
        const qsizetype line = qsizetype(k) * 5;
        if (base(line).trimmed() != view || base(line + 1).trimmed() != item)
            continue;
        m_position = k;
        if (m_translation) {
            const auto at = [&](qsizetype i) {
                return i < m_translation->size() ? m_translation->at(i) : QString();
            };
            return Texts{at(qsizetype(k) * 2), at(qsizetype(k) * 2 + 1), std::nullopt};
        }
        bool ok = false;
        const int characterSet = base(line + 4).toInt(&ok);
        return Texts{base(line + 2), base(line + 3), ok ? std::optional(characterSet) : std::nullopt};
    }
    return std::nullopt;
}

bool CaptionRecords::seekView(const QString& view)
{
    for (qsizetype line = 0; line < m_base.size(); line += 5) {
        if (base(line).trimmed() == view || base(line + 1).trimmed() == view) {
            m_position = int(line / 5);
            return true;
        }
    }
    return false;
}

bool hasCaption(ItemKind kind)
{
    return kind != ItemKind::Edit;
}

bool hasCharacterSet(ItemKind kind)
{
    return kind != ItemKind::MenuEntry;
}

bool isNumber(const QString& text, const QLocale& locale)
{
    bool ok = false;
    locale.toDouble(text.trimmed(), &ok);
    return ok;
}

std::optional<QStringList> exportRecord(const ExportItem& given, const QLocale& locale)
{
    // A line break inside a text would split its record and shift every record after it.
    ExportItem item = given;
    for (QString* text : {&item.caption, &item.hint}) {
        text->replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text->replace(QLatin1Char('\n'), QLatin1Char(' '));
        text->replace(QLatin1Char('\r'), QLatin1Char(' '));
    }
    const bool hasText = !item.caption.isEmpty() || !item.hint.isEmpty();
    const QString characterSet = QString::number(item.characterSet);
    switch (item.kind) {
    case ItemKind::MenuEntry:
        if (!item.visible)
            return std::nullopt;
        return QStringList{item.view, item.name, item.caption, item.hint, QStringLiteral("1")};
    case ItemKind::Label:
    case ItemKind::CheckBox:
        if (!hasText || isNumber(item.caption, locale))
            return std::nullopt;
        break;
    case ItemKind::Panel:
    case ItemKind::PictureButton:
    case ItemKind::Button:
    case ItemKind::SpeedButton:
    case ItemKind::View:
        if (!hasText)
            return std::nullopt;
        break;
    case ItemKind::RadioButton:
    case ItemKind::Page:
    case ItemKind::ChoiceGroup:
        break;
    case ItemKind::Edit:
        if (item.hint.isEmpty() || isNumber(item.hint, locale))
            return std::nullopt;
        return QStringList{item.view, item.name, item.hint, item.hint, characterSet};
    }
    return QStringList{item.view, item.name, item.caption, item.hint, characterSet};
}

} // namespace LanguageFiles
