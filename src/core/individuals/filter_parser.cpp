#include "core/individuals/filter.h"

#include "core/numbers.h"

#include <QTextBoundaryFinder>

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

// Deep enough for any filter a person types; a deeper one is refused, not a crash, and
// each level costs a flag per row while it is worked out.
constexpr int kDeepest = 64;

struct Token {
    enum class Kind { End, Name, Text, Number, Operator, Open, Close, And, Or, Not };
    Kind kind = Kind::End;
    qsizetype start = 0, end = 0;  // in UTF-16 units of the text
    QString value;                 // a name or a text, unquoted
    double number = 0;
    Comparison comparison = Comparison::Equal;
};

struct Fault {
    qsizetype offset;
    QString why;
};

// Only these digits start a number: others read as letters of a name.
bool digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool wordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == u'_';
}

Token::Kind keyword(QStringView word) {
    const auto is = [&](QStringView k) { return word.compare(k, Qt::CaseInsensitive) == 0; };
    if (is(u"ET") || is(u"AND")) return Token::Kind::And;
    if (is(u"OU") || is(u"OR")) return Token::Kind::Or;
    if (is(u"NON") || is(u"NOT")) return Token::Kind::Not;
    return Token::Kind::Name;
}

class Lexer {
public:
    explicit Lexer(QStringView text) : text_(text) {}

    Token next() {
        while (at_ < text_.size() && text_[at_].isSpace()) ++at_;
        Token t;
        t.start = at_;
        if (at_ >= text_.size()) {
            t.end = at_;
            return t;
        }
        const QChar c = text_[at_];
        const QChar d = at_ + 1 < text_.size() ? text_[at_ + 1] : QChar();
        if (c == u'(' || c == u')') {
            t.kind = c == u'(' ? Token::Kind::Open : Token::Kind::Close;
            ++at_;
        } else if (c == u'[') {
            t.kind = Token::Kind::Name;
            t.value =
                quoted(u']', u"le nom de variable ouvert par « [ » n'est jamais fermé par « ] »"_s)
                    .trimmed();
            if (t.value.isEmpty())
                throw Fault{t.start, u"un nom de variable est attendu entre « [ » et « ] »"_s};
        } else if (c == u'"' || c == u'«' || c == u'“') {
            t.kind = Token::Kind::Text;
            const QChar close = c == u'"' ? u'"' : c == u'«' ? u'»' : u'”';
            t.value = quoted(close, u"le texte ouvert par « %1 » n'est jamais fermé"_s.arg(c));
            if (c != u'"') t.value = t.value.trimmed();
        } else if (digit(c) || ((c == u'-' || c == u'+') && digit(d))) {
            number(t);
        } else if (wordCharacter(c)) {
            while (at_ < text_.size() && wordCharacter(text_[at_])) ++at_;
            t.value = text_.sliced(t.start, at_ - t.start).toString();
            t.kind = keyword(t.value);
        } else if (!comparison(c, d, t)) {
            throw Fault{at_, u"le caractère « %1 » est inattendu"_s.arg(text_.sliced(at_, 1))};
        }
        t.end = at_;
        return t;
    }

private:
    // A name between brackets or a text between quotes, the closing mark doubled inside.
    QString quoted(QChar close, const QString& unclosed) {
        const qsizetype open = at_++;
        QString value;
        for (;;) {
            if (at_ >= text_.size()) throw Fault{open, unclosed};
            const QChar c = text_[at_++];
            if (c != close) {
                value += c;
            } else if (close != u'»' && close != u'”' && at_ < text_.size() &&
                       text_[at_] == close) {
                value += c;
                ++at_;
            } else {
                return value;
            }
        }
    }

    // Digits with a point or the region's decimal separator: either reads the same.
    void number(Token& t) {
        t.kind = Token::Kind::Number;
        QString digits;
        if (text_[at_] == u'-' || text_[at_] == u'+') digits += text_[at_++];
        const auto run = [&] {
            while (at_ < text_.size() && digit(text_[at_])) digits += text_[at_++];
        };
        run();
        const QString separator = decimalSeparator();
        if (at_ + 1 < text_.size() && digit(text_[at_ + 1])) {
            if (text_[at_] == u'.' || (separator.size() == 1 && text_[at_] == separator[0])) {
                digits += u'.';
                ++at_;
                run();
            }
        }
        t.value = text_.sliced(t.start, at_ - t.start).toString();
        if (at_ < text_.size() && wordCharacter(text_[at_])) {
            while (at_ < text_.size() && wordCharacter(text_[at_])) ++at_;
            throw Fault{t.start,
                        u"« %1 » n'est pas un nombre"_s.arg(text_.sliced(t.start, at_ - t.start))};
        }
        bool ok = false;
        t.number = QLocale::c().toDouble(digits, &ok);
        if (!ok || !std::isfinite(t.number))
            throw Fault{t.start, u"le nombre « %1 » est trop grand"_s.arg(t.value)};
    }

    bool comparison(QChar c, QChar d, Token& t) {
        t.kind = Token::Kind::Operator;
        const auto take = [&](Comparison k, int length) {
            t.comparison = k;
            at_ += length;
            return true;
        };
        if (c == u'=') return take(Comparison::Equal, d == u'=' ? 2 : 1);
        if (c == u'≠') return take(Comparison::NotEqual, 1);
        if (c == u'!' && d == u'=') return take(Comparison::NotEqual, 2);
        if (c == u'<' && d == u'>') return take(Comparison::NotEqual, 2);
        if (c == u'<')
            return d == u'=' ? take(Comparison::LessOrEqual, 2) : take(Comparison::Less, 1);
        if (c == u'>')
            return d == u'=' ? take(Comparison::GreaterOrEqual, 2) : take(Comparison::Greater, 1);
        if (c == u'≤') return take(Comparison::LessOrEqual, 1);
        if (c == u'≥') return take(Comparison::GreaterOrEqual, 1);
        return false;
    }

    QStringView text_;
    qsizetype at_ = 0;
};

class Parser {
public:
    explicit Parser(QStringView text) : text_(text), lexer_(text) { advance(); }

    FilterNode whole() {
        FilterNode node = either(0);
        if (token_.kind == Token::Kind::Close)
            throw Fault{token_.start, u"cette « ) » ne ferme aucune « ( »"_s};
        if (token_.kind != Token::Kind::End)
            throw Fault{token_.start, u"« ET » ou « OU » est attendu avant « %1 »"_s.arg(typed())};
        return node;
    }

private:
    void advance() {
        previous_ = text_.sliced(token_.start, token_.end - token_.start).toString();
        token_ = lexer_.next();
    }
    QString typed() const {
        return text_.sliced(token_.start, token_.end - token_.start).toString();
    }

    FilterNode join(FilterNode::Kind kind, Token::Kind word, int depth) {
        FilterNode first = kind == FilterNode::Kind::Or
                               ? join(FilterNode::Kind::And, Token::Kind::And, depth)
                               : negation(depth);
        if (token_.kind != word) return first;
        FilterNode node{.kind = kind};
        node.operands.push_back(std::move(first));
        while (token_.kind == word) {
            advance();
            node.operands.push_back(kind == FilterNode::Kind::Or
                                        ? join(FilterNode::Kind::And, Token::Kind::And, depth)
                                        : negation(depth));
        }
        return node;
    }
    FilterNode either(int depth) { return join(FilterNode::Kind::Or, Token::Kind::Or, depth); }

    FilterNode negation(int depth) {
        if (depth > kDeepest)
            throw Fault{token_.start, u"le filtre est imbriqué trop profondément"_s};
        if (token_.kind != Token::Kind::Not) return primary(depth);
        advance();
        FilterNode node{.kind = FilterNode::Kind::Not};
        node.operands.push_back(negation(depth + 1));
        return node;
    }

    FilterNode primary(int depth) {
        if (token_.kind == Token::Kind::Open) {
            const qsizetype open = token_.start;
            advance();
            FilterNode node = either(depth + 1);
            if (token_.kind != Token::Kind::Close)
                throw Fault{token_.start,
                            u"« ) » est attendue pour fermer la « ( » de la colonne %1"_s.arg(
                                columnOf(text_, open))};
            advance();
            return node;
        }
        if (token_.kind != Token::Kind::Name) {
            if (previous_.isEmpty())
                throw Fault{token_.start, u"une comparaison est attendue au début du filtre"_s};
            throw Fault{token_.start,
                        u"une comparaison est attendue après « %1 »"_s.arg(previous_)};
        }
        FilterNode node;
        node.variable = token_.value;
        node.variableColumn = columnOf(text_, token_.start);
        advance();
        if (token_.kind != Token::Kind::Operator)
            throw Fault{
                token_.start,
                u"une comparaison (=, ≠, <, ≤, >, ≥) est attendue après « %1 »"_s.arg(previous_)};
        node.comparison = token_.comparison;
        node.operatorColumn = columnOf(text_, token_.start);
        advance();
        if (token_.kind == Token::Kind::Name && !typed().startsWith(u'['))
            throw Fault{token_.start,
                        u"un texte s'écrit entre guillemets : \"%1\""_s.arg(token_.value)};
        if (token_.kind != Token::Kind::Text && token_.kind != Token::Kind::Number)
            throw Fault{token_.start, u"une valeur est attendue après « %1 »"_s.arg(previous_)};
        node.valueIsText = token_.kind == Token::Kind::Text;
        node.text = token_.value;
        node.number = token_.number;
        node.valueColumn = columnOf(text_, token_.start);
        advance();
        return node;
    }

public:
    // The column a person counts: one per character seen, accents and all.
    static int columnOf(QStringView text, qsizetype offset) {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.data(), text.size());
        int column = 1;
        for (qsizetype p = graphemes.toNextBoundary(); p > 0 && p <= offset;
             p = graphemes.toNextBoundary())
            ++column;
        return column;
    }

private:
    QStringView text_;
    Lexer lexer_;
    Token token_;
    QString previous_;
};

ReadError at(QStringView text, qsizetype offset, const QString& why) {
    return {.line = 1, .column = Parser::columnOf(text, offset), .why = why};
}

QString listOfNames(const QStringList& names) {
    constexpr qsizetype kShown = 20;
    QString list = names.mid(0, kShown).join(u", "_s);
    if (names.size() > kShown) list += u", …"_s;
    return list;
}

// Looks the names up and checks each comparison fits its variable.
void bind(FilterNode& node, const Dataset& dataset) {
    for (FilterNode& operand : node.operands) bind(operand, dataset);
    if (node.kind != FilterNode::Kind::Compare) return;
    const auto fault = [](int column, const QString& why) {
        throw ReadError{.line = 1, .column = column, .why = why};
    };
    node.variableIndex = dataset.indexOf(node.variable);
    if (node.variableIndex < 0)
        fault(node.variableColumn, u"la variable « %1 » n'existe pas (variables : %2)"_s.arg(
                                       node.variable, listOfNames(dataset.names())));
    const Variable& v = dataset.variables()[size_t(node.variableIndex)];
    if (v.nature == Nature::Numeric && node.valueIsText) {
        if (const auto n = readNumber(node.text)) {
            node.valueIsText = false;
            node.number = *n;
        } else {
            fault(node.valueColumn,
                  u"« %1 » est numérique : un nombre est attendu, pas « %2 »"_s.arg(v.name,
                                                                                    node.text));
        }
    }
    const bool order =
        node.comparison != Comparison::Equal && node.comparison != Comparison::NotEqual;
    if (v.nature == Nature::Qualitative && node.valueIsText && order)
        fault(node.operatorColumn, u"« %1 » compare des nombres, et « %2 » est qualitative"_s.arg(
                                       operatorText(node.comparison), v.name));
}

}  // namespace

Reading<FilterNode> parseFilterSyntax(QStringView text) {
    try {
        return Reading<FilterNode>::success(Parser(text).whole());
    } catch (const Fault& fault) {
        return Reading<FilterNode>::failure(at(text, fault.offset, fault.why));
    }
}

Reading<Filter> parseFilter(QStringView text, const Dataset& dataset) {
    if (text.trimmed().isEmpty()) return Reading<Filter>::success({});
    Reading<FilterNode> syntax = parseFilterSyntax(text);
    if (!syntax) return Reading<Filter>::failure(syntax.error);
    try {
        bind(*syntax.value, dataset);
    } catch (const ReadError& error) {
        return Reading<Filter>::failure(error);
    }
    return Reading<Filter>::success({std::make_shared<const FilterNode>(std::move(*syntax.value))});
}

QString filterFault(const ReadError& error) {
    return u"colonne %1 : %2"_s.arg(error.column).arg(error.why);
}

QString variableText(const QString& name) {
    bool bare = !name.isEmpty() && !name[0].isDigit() && keyword(name) == Token::Kind::Name;
    for (QChar c : name) bare = bare && wordCharacter(c);
    if (bare) return name;
    return u'[' + QString(name).replace(u"]"_s, u"]]"_s) + u']';
}

}  // namespace core::individuals
