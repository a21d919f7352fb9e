#include "core/individuals/columns.h"

#include <QSet>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace core::individuals {

QStringList uniqueNames(const QStringList& header) {
    QStringList names;
    QSet<QString> taken;
    for (const QString& name : header) taken.insert(name.trimmed());
    QSet<QString> given;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const QString base = header[i].trimmed();
        QString name = base.isEmpty() ? u"Variable %1"_s.arg(i + 1) : base;
        // A repeated name, or a made-up one that another column already bears.
        for (int k = 2; given.contains(name) || (base.isEmpty() && taken.contains(name)); ++k)
            name = u"%1 (%2)"_s.arg(base.isEmpty() ? u"Variable %1"_s.arg(i + 1) : base).arg(k);
        given.insert(name);
        names << name;
    }
    return names;
}

QStringList numberedNames(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i) names << u"Variable %1"_s.arg(i);
    return names;
}

void numberByAppearance(Variable& variable, const std::vector<std::string>& words) {
    std::vector<std::int32_t> order(words.size(), -1);
    std::int32_t next = 0;
    for (std::int32_t& code : variable.codes) {
        if (code < 0) continue;
        std::int32_t& renamed = order[std::size_t(code)];
        if (renamed < 0) renamed = next++;
        code = renamed;
    }
    variable.labels = QStringList(next);
    // A word may begin with a byte-order mark, which is part of it here.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    for (std::size_t old = 0; old < words.size(); ++old)
        if (order[old] >= 0)
            variable.labels[order[old]] =
                utf8(QByteArrayView(words[old].data(), qsizetype(words[old].size())));
}

void countMissing(Variable& variable) {
    std::int64_t missing = 0;
    if (variable.nature == Nature::Numeric)
        for (const double x : variable.numbers) missing += std::isnan(x);
    else
        for (const std::int32_t code : variable.codes) missing += code == Variable::kMissing;
    variable.missing = missing;
}

void dropEmptyTrailing(std::vector<Variable>& variables, const QStringList& header) {
    while (!variables.empty()) {
        const Variable& last = variables.back();
        const qsizetype at = qsizetype(variables.size()) - 1;
        const std::size_t rows = std::max(last.numbers.size(), last.codes.size());
        const bool named = at < header.size() && !header[at].trimmed().isEmpty();
        if (named || std::size_t(last.missing) != rows) break;
        variables.pop_back();
    }
}

void nameVariables(std::vector<Variable>& variables, const QStringList& header, bool hasHeader) {
    const QStringList names = hasHeader ? uniqueNames(header.first(qsizetype(variables.size())))
                                        : numberedNames(int(variables.size()));
    for (std::size_t i = 0; i < variables.size(); ++i) variables[i].name = names[qsizetype(i)];
}

}  // namespace core::individuals
