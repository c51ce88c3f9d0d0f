// Blocks of cell texts read from text and written as text; see cell_block.h.
#include "app/tables/cell_block.h"

#include <QRegularExpression>

namespace app {

CellBlock ParseCellBlock(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    if (lines.endsWith(u'\n')) lines.chop(1);
    CellBlock block;
    if (lines.isEmpty()) return block;
    const bool tabbed = lines.contains(u'\t');
    static const QRegularExpression separator(QStringLiteral(" *; *| +"));
    for (const QString& line : lines.split(u'\n')) {
        if (tabbed) {
            block.append(line.split(u'\t'));
        } else {
            QString cells = line;
            while (cells.startsWith(u' ')) cells.remove(0, 1);
            while (cells.endsWith(u' ')) cells.chop(1);
            block.append(cells.split(separator));
        }
    }
    return block;
}

QString CellBlockText(const CellBlock& block) {
    QStringList lines;
    lines.reserve(block.size());
    for (const QStringList& cells : block) lines.append(cells.join(u'\t'));
    return lines.join(u'\n');
}

}  // namespace app
