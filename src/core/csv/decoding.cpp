#include "core/csv/decoding.h"

#include <QStringDecoder>

#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace core::csv {
namespace {

Reading<Utf8Text> notRecognised() {
    return Reading<Utf8Text>::failure({0, 0, u"son encodage n'est pas reconnu"_s, {}});
}

Reading<Utf8Text> notText() {
    return Reading<Utf8Text>::failure({0, 0, u"il ne contient pas du texte"_s, {}});
}

// A control character other than tab, CR and LF, or DEL: the bytes are no text.
bool hasControl(std::string_view bytes) {
    static const auto table = [] {
        std::array<bool, 256> t{};
        for (int c = 0; c < 0x20; ++c) t[c] = c != '\t' && c != '\r' && c != '\n';
        t[0x7f] = true;
        return t;
    }();
    bool found = false;
    for (const char c : bytes) found |= table[static_cast<unsigned char>(c)];
    return found;
}

Reading<Utf8Text> checked(Utf8Text text) {
    if (hasControl(text.view())) return notText();
    return Reading<Utf8Text>::success(std::move(text));
}

Reading<Utf8Text> fromWide(const QByteArray& bytes, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder(QByteArrayView(bytes).sliced(2));
    if (decoder.hasError()) return notRecognised();
    return checked({text.toUtf8(), 0});
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Runs of ASCII go eight bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080ull) break;
            p += 8;
        }
        if (p == end) break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        unsigned low = 0x80, high = 0xbf;  // the allowed range of the second byte
        if (c >= 0xc2 && c <= 0xdf) {
            more = 1;
        } else if (c >= 0xe0 && c <= 0xef) {
            more = 2;
            if (c == 0xe0) low = 0xa0;
            if (c == 0xed) high = 0x9f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            more = 3;
            if (c == 0xf0) low = 0x90;
            if (c == 0xf4) high = 0x8f;
        } else {
            return false;
        }
        if (end - p <= more) return false;
        if (p[1] < low || p[1] > high) return false;
        for (int k = 2; k <= more; ++k)
            if ((p[k] & 0xc0) != 0x80) return false;
        p += more + 1;
    }
    return true;
}

QByteArray utf8OfWindows1252(std::string_view bytes) {
    // 0x80 to 0x9f: the printable signs Windows puts where Latin-1 has controls; the
    // five it leaves undefined keep their Latin-1 code.
    static constexpr char16_t kHigh[32] = {
        0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
    QByteArray out;
    out.reserve(qsizetype(bytes.size() + bytes.size() / 8));
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        const char16_t u = c >= 0x80 && c < 0xa0 ? kHigh[c - 0x80] : char16_t(c);
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xc0 | (u >> 6));
            out += char(0x80 | (u & 0x3f));
        } else {
            out += char(0xe0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3f));
            out += char(0x80 | (u & 0x3f));
        }
    }
    return out;
}

Reading<Utf8Text> utf8Of(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        Utf8Text text{bytes, 3};
        if (!isValidUtf8(text.view())) return notRecognised();
        return checked(std::move(text));
    }
    if (bytes.startsWith("\xFF\xFE")) return fromWide(bytes, QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF")) return fromWide(bytes, QStringConverter::Utf16BE);
    const std::string_view view(bytes.constData(), size_t(bytes.size()));
    if (view.find('\0') != std::string_view::npos) {
        // Text in a wide encoding without its mark has a zero in every other byte.
        qsizetype zeros = 0;
        for (const char c : view) zeros += c == '\0';
        return zeros * 3 >= bytes.size() && zeros * 2 <= bytes.size() + 1 ? notRecognised()
                                                                          : notText();
    }
    // Not UTF-8: a spreadsheet saved in the old Windows encoding.
    if (!isValidUtf8(view)) return checked({utf8OfWindows1252(view), 0});
    return checked({bytes, 0});
}

}  // namespace core::csv
