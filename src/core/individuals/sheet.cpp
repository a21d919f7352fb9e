#include "core/individuals/sheet.h"

#include "core/individuals/sheet_table.h"
#include "core/individuals/zip_archive.h"

using namespace Qt::StringLiterals;

namespace core::individuals {

Reading<Dataset> readSheet(const QByteArray& bytes, std::optional<SheetKind> kind,
                           const Progress& progress) {
    const auto cancelled = [] {
        return Reading<Dataset>::failure({0, 0, u"Lecture annulée."_s, {}});
    };
    if (progress && !progress(0.0)) return cancelled();
    const ZipArchive archive(bytes);
    if (!archive.isOpen())
        return Reading<Dataset>::failure({0, 0, u"ce n'est pas un classeur lisible"_s, {}});
    if (!kind) kind = archive.contains(u"content.xml"_s) ? SheetKind::Ods : SheetKind::Xlsx;
    auto rows = *kind == SheetKind::Ods ? odsRows(archive) : xlsxRows(archive);
    if (!rows) return Reading<Dataset>::failure(rows.error);
    if (progress && !progress(0.8)) return cancelled();
    return datasetOfSheet(std::move(*rows.value));
}

}  // namespace core::individuals
