#include "core/individuals/reader.h"

#include "core/csv/decoding.h"
#include "core/individuals/csv_reader.h"
#include "core/individuals/sheet.h"

#include <QFile>
#include <QFileInfo>

#include <sys/mman.h>
#include <unistd.h>

#include <new>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

// A gigabyte of text is far beyond what a class works with, and beyond what the column
// store should hold in memory.
constexpr qint64 kLargestFile = qint64(1) << 30;

Reading<Dataset> failure(const QString& why) {
    return Reading<Dataset>::failure({0, 0, why, {}});
}

Reading<Dataset> outOfMemory() {
    return failure(u"la mémoire manque pour le lire"_s);
}

// Below this, a file is simply read into memory.
constexpr qint64 kMapFrom = 1 << 20;

// The text of a file mapped rather than copied: its pages come from the system's cache,
// and those already read are given back as the reading goes, so a large file costs
// little more memory than its columns. Converted text (UTF-16, Windows-1252) is a copy
// of its own, kept whole.
Reading<Dataset> readMappedText(const QByteArray& bytes, uchar* mapped, const Progress& progress) {
    const Reading<csv::Utf8Text> text = csv::utf8Of(bytes);
    if (!text) return Reading<Dataset>::failure(text.error);
    const std::string_view view = text.value->view();
    Release release;
    if (text.value->bytes.constData() == bytes.constData()) {
        const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
        const std::size_t offset = std::size_t(text.value->start);
        release = [=](std::size_t begin, std::size_t end) {
            // Whole pages only: the others hold bytes still to be read.
            const std::size_t from = (begin + offset + page - 1) / page * page;
            const std::size_t to = (end + offset) / page * page;
            if (to > from) madvise(mapped + from, to - from, MADV_DONTNEED);
        };
        release(0, view.size());  // the check of the encoding read it all
    }
    return readText(view, progress, release);
}

std::optional<SheetKind> kindOfSuffix(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"ods"_s) return SheetKind::Ods;
    if (suffix == u"xlsx"_s) return SheetKind::Xlsx;
    return std::nullopt;
}

}  // namespace

Reading<Dataset> readIndividuals(const QByteArray& bytes, const Progress& progress) {
    try {
        if (bytes.size() > kLargestFile) return failure(u"il est trop grand (plus d'un Go)"_s);
        if (bytes.startsWith("PK\x03\x04")) return readSheet(bytes, std::nullopt, progress);
        const Reading<csv::Utf8Text> text = csv::utf8Of(bytes);
        if (!text) return Reading<Dataset>::failure(text.error);
        return readText(text.value->view(), progress);
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
}

Reading<Dataset> readIndividualsFile(const QString& path, const Progress& progress) {
    const QFileInfo info(path);
    if (!info.exists()) return failure(u"ce fichier n'existe pas"_s);
    if (info.isDir()) return failure(u"c'est un dossier"_s);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.error() == QFileDevice::PermissionsError
                           ? u"la lecture en est interdite"_s
                           : u"il ne peut pas être lu"_s);
    if (file.size() > kLargestFile) return failure(u"il est trop grand (plus d'un Go)"_s);
    const std::optional<SheetKind> kind = kindOfSuffix(path);
    if (!kind && file.size() >= kMapFrom) {
        if (uchar* mapped = file.map(0, file.size())) {
            const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped),
                                                             qsizetype(file.size()));
            if (!bytes.startsWith("PK\x03\x04")) {
                try {
                    return readMappedText(bytes, mapped, progress);
                } catch (const std::bad_alloc&) {
                    return outOfMemory();
                }
            }
            file.unmap(mapped);
        }
    }
    QByteArray bytes;
    try {
        bytes = file.read(kLargestFile + 1);
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
    if (file.error() != QFileDevice::NoError) return failure(u"il ne peut pas être lu"_s);
    file.close();
    if (kind) {
        try {
            return readSheet(bytes, kind, progress);
        } catch (const std::bad_alloc&) {
            return outOfMemory();
        }
    }
    return readIndividuals(bytes, progress);
}

QString explain(const ReadError& error, const QString& fileName) {
    QString where;
    if (!error.cell.isEmpty())
        where = u"case %1, "_s.arg(error.cell);
    else if (error.line > 0)
        where = error.column > 0 ? u"ligne %1, colonne %2, "_s.arg(error.line).arg(error.column)
                                 : u"ligne %1, "_s.arg(error.line);
    return u"Impossible d'ouvrir « %1 » : %2%3."_s.arg(fileName, where, error.why);
}

}  // namespace core::individuals
