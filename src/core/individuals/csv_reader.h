#pragma once

// The text of a file of individuals read into columns, straight from its UTF-8 bytes.
// Each column decides for itself whether it holds numbers (every filled cell reads as
// one) and whether its decimal mark is a comma (then a point groups digits) or a point.
// A large file is read as two halves on two cores, parted at a line break.

#include "core/individuals/dataset.h"
#include "core/individuals/reader.h"

#include <functional>
#include <string_view>

namespace core::individuals {

// Told that the bytes from `begin` to `end` of the text are read, so that their memory
// may be given back (a mapped file's pages are read again from the cache if need be).
using Release = std::function<void(std::size_t begin, std::size_t end)>;

// `text` is UTF-8 without its mark; the caller keeps it alive for the reading.
Reading<Dataset> readText(std::string_view text, const Progress& progress,
                          const Release& release = {});

}  // namespace core::individuals
