#pragma once

// The entries of a zip archive held in memory (a spreadsheet file), read through
// libzip. An entry larger than a sheet can sensibly be is refused before it is inflated.

#include <QByteArray>
#include <QString>

#include <optional>

struct zip;

namespace core::individuals {

class ZipArchive {
public:
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    bool contains(const QString& name) const;
    // The entry's bytes, or none where it is missing, too large or damaged.
    std::optional<QByteArray> read(const QString& name) const;

private:
    QByteArray bytes_;  // libzip reads from these without copying them
    zip* archive_ = nullptr;
};

}  // namespace core::individuals
