#include "core/individuals/zip_archive.h"

#include <zip.h>

namespace core::individuals {
namespace {

// A sheet's XML larger than this is no class's data (and may be an archive built to
// inflate without end).
constexpr zip_uint64_t kLargestEntry = zip_uint64_t(1) << 30;

}  // namespace

ZipArchive::ZipArchive(const QByteArray& bytes) : bytes_(bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes_.constData(), zip_uint64_t(bytes_.size()), 0, &error);
    if (source) {
        archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (!archive_) zip_source_free(source);
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    if (archive_) zip_discard(archive_);
}

bool ZipArchive::contains(const QString& name) const {
    return archive_ && zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0;
}

std::optional<QByteArray> ZipArchive::read(const QString& name) const {
    if (!archive_) return std::nullopt;
    const zip_int64_t index = zip_name_locate(archive_, name.toUtf8().constData(), 0);
    if (index < 0) return std::nullopt;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE) || stat.size > kLargestEntry)
        return std::nullopt;
    zip_file_t* file = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!file) return std::nullopt;
    QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
    zip_int64_t done = 0;
    while (done < zip_int64_t(stat.size)) {
        const zip_int64_t n =
            zip_fread(file, data.data() + done, zip_uint64_t(zip_int64_t(stat.size) - done));
        if (n <= 0) break;
        done += n;
    }
    // The checksum is verified once the whole entry is read.
    char extra;
    const bool whole = done == zip_int64_t(stat.size) && zip_fread(file, &extra, 1) == 0;
    zip_fclose(file);
    if (!whole) return std::nullopt;
    return data;
}

}  // namespace core::individuals
