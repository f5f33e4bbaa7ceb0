#include "tipfiles/TipCsv.h"

#include "draws/OutputFile.h"

#include <QStringList>
#include <algorithm>

namespace TipCsv {

QByteArray encode(const TipSheet& sheet)
{
    QStringList header{QStringLiteral("Tipp")};
    for (int c = 1; c <= TipSheet::Cells; ++c)
        header << QStringLiteral("Zahl%1").arg(c);
    QByteArray bytes = header.join(QLatin1Char(',')).toLatin1() + "\r\n";
    for (int r = 0; r < TipSheet::Rows; ++r) {
        const auto& row = sheet.cells[std::size_t(r)];
        if (std::all_of(row.begin(), row.end(), [](int v) { return v == 0; }))
            continue;
        QStringList fields{QString::number(r + 1)};
        for (int v : row)
            fields << TipSheet::cellText(v);
        bytes += fields.join(QLatin1Char(',')).toLatin1() + "\r\n";
    }
    return bytes;
}

void write(const QString& path, const TipSheet& sheet)
{
    OutputFile::write(path, encode(sheet));
}

} // namespace TipCsv
