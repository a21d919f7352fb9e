#include "core/csv/decoding.h"

#include <QStringDecoder>

#include <cstring>
#include <thread>

using namespace Qt::StringLiterals;

namespace core::csv {
namespace {

// The length of the UTF-8 sequence of a byte from 0x80 at p, or 0 where it is not one
// (no overlong forms, no surrogates).
std::size_t validSequence(const unsigned char* p, const unsigned char* end) {
    const unsigned char c = *p;
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
        return 0;
    }
    if (end - p <= more) return 0;
    if (p[1] < low || p[1] > high) return 0;
    for (int k = 2; k <= more; ++k)
        if ((p[k] & 0xc0) != 0x80) return 0;
    return std::size_t(more) + 1;
}

Reading<Utf8Text> notRecognised() {
    return Reading<Utf8Text>::failure({0, 0, u"son encodage n'est pas reconnu"_s, {}});
}

Reading<Utf8Text> notText() {
    return Reading<Utf8Text>::failure({0, 0, u"il ne contient pas du texte"_s, {}});
}

bool isControl(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7f;
}

// A control character other than tab, CR and LF, or DEL: the bytes are no text.
bool hasControl(std::string_view bytes) {
    bool found = false;
    for (const char c : bytes) found |= isControl(static_cast<unsigned char>(c));
    return found;
}

enum class Check { Text, NotUtf8, Control };

// One pass over valid UTF-8 text, eight ASCII bytes at a time: whether it is valid and
// holds no control character.
Check check(std::string_view bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        while (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if (w & kHigh) break;
            const std::uint64_t del = w ^ (kOnes * 0x7f);
            const bool low = ((w - kOnes * 0x20) & ~w & kHigh) != 0;
            if (low || ((del - kOnes) & ~del & kHigh) != 0)
                for (int k = 0; k < 8; ++k)
                    if (isControl(p[k])) return Check::Control;
            p += 8;
        }
        if (p == end) break;
        if (*p < 0x80) {
            if (isControl(*p)) return Check::Control;
            ++p;
            continue;
        }
        const std::size_t length = validSequence(p, end);
        if (length == 0) return Check::NotUtf8;
        p += length;
    }
    return Check::Text;
}

// Both halves of a large text at once.
Check checkOnTwoCores(std::string_view bytes) {
    if (bytes.size() < (1u << 20) || std::thread::hardware_concurrency() < 2) return check(bytes);
    // The halves part at the start of a character.
    std::size_t middle = bytes.size() / 2;
    while (middle < bytes.size() && (static_cast<unsigned char>(bytes[middle]) & 0xc0) == 0x80)
        ++middle;
    Check second = Check::Text;
    std::thread worker([&] { second = check(bytes.substr(middle)); });
    const Check first = check(bytes.substr(0, middle));
    worker.join();
    if (first == Check::NotUtf8 || second == Check::NotUtf8) return Check::NotUtf8;
    return first == Check::Control ? first : second;
}

Reading<Utf8Text> checked(Utf8Text text) {
    switch (checkOnTwoCores(text.view())) {
        case Check::Text:
            return Reading<Utf8Text>::success(std::move(text));
        case Check::Control:
            return notText();
        case Check::NotUtf8:
            break;
    }
    // Not UTF-8: a spreadsheet saved in the old Windows encoding.
    QByteArray converted = utf8OfWindows1252(text.view());
    if (hasControl({converted.constData(), std::size_t(converted.size())})) return notText();
    return Reading<Utf8Text>::success({std::move(converted), 0});
}

Reading<Utf8Text> fromWide(const QByteArray& bytes, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder(QByteArrayView(bytes).sliced(2));
    if (decoder.hasError()) return notRecognised();
    QByteArray utf8 = text.toUtf8();
    if (hasControl({utf8.constData(), std::size_t(utf8.size())})) return notText();
    return Reading<Utf8Text>::success({std::move(utf8), 0});
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const std::size_t length = validSequence(p, end);
        if (length == 0) return false;
        p += length;
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
        if (check(text.view()) == Check::NotUtf8) return notRecognised();
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
    return checked({bytes, 0});
}

}  // namespace core::csv
