#include "core/individuals/pairs_of.h"

namespace core::individuals {

pairs::Pairs pairsOf(const Dataset& dataset, int x, int y, const Selection& selection) {
    const Variable& vx = dataset.variables()[std::size_t(x)];
    const Variable& vy = dataset.variables()[std::size_t(y)];
    pairs::Pairs result{.nameX = vx.name, .nameY = vy.name};
    result.x.reserve(selection.count);
    result.y.reserve(selection.count);
    for (std::size_t i = 0; i < dataset.rowCount(); ++i)
        if (selection.kept[i] && !vx.isMissing(i) && !vy.isMissing(i)) {
            result.x.push_back(vx.numbers[i]);
            result.y.push_back(vy.numbers[i]);
        }
    return result;
}

}  // namespace core::individuals
