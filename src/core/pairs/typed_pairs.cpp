#include "core/pairs/typed_pairs.h"

#include "core/numbers.h"
#include "core/series_file.h"

using namespace Qt::StringLiterals;

namespace core::pairs {

TypedPairs analyseTyped(const std::vector<TypedRow>& rows, const QString& nameX,
                        const QString& nameY) {
    TypedPairs t;
    Pairs pairs{nameX, nameY, {}, {}};
    t.rows.resize(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        RowCheck& check = t.rows[r];
        const QString cells[2] = {rows[r].x.trimmed(), rows[r].y.trimmed()};
        check.empty = cells[0].isEmpty() && cells[1].isEmpty();
        if (check.empty) continue;
        double values[2] = {0, 0};
        for (int c = 0; c < 2 && check.faultyColumn < 0; ++c) {
            const auto text = cellNumber(cells[c]);
            if (cells[c].isEmpty())
                check.why = u"la valeur manque"_s;
            else if (!text)
                check.why = u"« %1 » n'est pas un nombre"_s.arg(cells[c]);
            else
                values[c] = numberFromText(*text);
            if (!check.why.isEmpty()) check.faultyColumn = c;
        }
        if (check.faultyColumn >= 0) {
            if (t.firstFault < 0) t.firstFault = int(r);
            continue;
        }
        pairs.x.push_back(values[0]);
        pairs.y.push_back(values[1]);
        t.rowOf.push_back(r);
    }
    t.pairs = std::make_shared<const Pairs>(std::move(pairs));
    return t;
}

QString faultText(const TypedPairs& t) {
    if (t.firstFault < 0) return {};
    const RowCheck& check = t.rows[std::size_t(t.firstFault)];
    return u"Ligne %1, %2 : %3"_s.arg(QString::number(t.firstFault + 1),
                                      check.faultyColumn == 0 ? t.pairs->nameX : t.pairs->nameY,
                                      check.why);
}

}  // namespace core::pairs
