#include "core/individuals/shown_dates.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

QString twoDigits(qint64 n) {
    return u"%1"_s.arg(qlonglong(n), 2, 10, QChar(u'0'));
}

QString dayText(const QDate& day) {
    return u"%1/%2/%3"_s.arg(twoDigits(day.day()), twoDigits(day.month()))
        .arg(day.year(), 4, 10, QChar(u'0'));
}

// The letters of a format's first section that say what it shows.
struct Letters {
    bool date = false, month = false, hours = false, seconds = false, twoDigitHours = false,
         elapsed = false, percent = false;
};

Letters lettersOf(QStringView code) {
    Letters l;
    if (code.compare(u"General", Qt::CaseInsensitive) == 0) return l;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u';') break;  // the sections for negatives, zero and texts show no more
        if (c == u'"') {
            while (++i < code.size() && code[i] != u'"') {
            }
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;  // an escaped character, a space as wide as one, a fill
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', i);
            const QStringView inside = code.mid(i + 1, end < 0 ? -1 : end - i - 1);
            // [h], [mm], [ss] count time beyond a day; colours and conditions show nothing.
            if (!inside.isEmpty() && inside.count(inside[0]) == inside.size() &&
                QStringView(u"hHmMsS").contains(inside[0])) {
                l.elapsed = true;
                const QChar unit = inside[0].toLower();
                l.hours |= unit == u'h';
                l.month |= unit == u'm';
                l.seconds |= unit == u's';
            }
            if (end < 0) break;
            i = end;
        } else if (code.mid(i, 5).compare(u"AM/PM", Qt::CaseInsensitive) == 0) {
            i += 4;
        } else if (code.mid(i, 3).compare(u"A/P", Qt::CaseInsensitive) == 0) {
            i += 2;
        } else if (c == u'd' || c == u'y') {
            l.date = true;
        } else if (c == u'm') {
            l.month = true;
        } else if (c == u'h') {
            l.twoDigitHours |= i + 1 < code.size() && code[i + 1].toLower() == u'h';
            l.hours = true;
        } else if (c == u's') {
            l.seconds = true;
        } else if (c == u'%') {
            l.percent = true;
        }
    }
    return l;
}

NumberFormat formatOf(const Letters& l) {
    NumberFormat f;
    f.hours = l.hours;
    f.seconds = l.seconds;
    f.twoDigitHours = l.twoDigitHours;
    f.elapsed = l.elapsed;
    // "m" alone is a month; beside hours or seconds it counts minutes.
    if (l.date || (l.month && !l.hours && !l.seconds && !l.elapsed))
        f.kind = NumberFormat::Kind::Date;
    else if (l.hours || l.seconds || l.elapsed)
        f.kind = NumberFormat::Kind::Time;
    else if (l.percent)
        f.kind = NumberFormat::Kind::Percent;
    return f;
}

}  // namespace

NumberFormat builtInFormat(int id) {
    // The codes spreadsheets agree on for the ids they leave out of the file.
    switch (id) {
        case 9:
            return customFormat(u"0%");
        case 10:
            return customFormat(u"0.00%");
        case 14:
            return customFormat(u"mm-dd-yy");
        case 15:
            return customFormat(u"d-mmm-yy");
        case 16:
            return customFormat(u"d-mmm");
        case 17:
            return customFormat(u"mmm-yy");
        case 18:
            return customFormat(u"h:mm AM/PM");
        case 19:
            return customFormat(u"h:mm:ss AM/PM");
        case 20:
            return customFormat(u"h:mm");
        case 21:
            return customFormat(u"h:mm:ss");
        case 22:
            return customFormat(u"m/d/yy h:mm");
        case 45:
            return customFormat(u"mm:ss");
        case 46:
            return customFormat(u"[h]:mm:ss");
        case 47:
            return customFormat(u"mmss.0");
        default:
            return {};
    }
}

NumberFormat customFormat(QStringView code) {
    return formatOf(lettersOf(code));
}

std::optional<QString> shownSerial(double serial, const NumberFormat& format, bool from1904) {
    // Beyond 31 December 9999 a spreadsheet shows no date either.
    if (!std::isfinite(serial) || serial < 0 || serial >= 2958466) return std::nullopt;
    const auto whole = qint64(std::llround(serial * 86400));
    qint64 days = whole / 86400;
    const qint64 second = whole % 86400;
    if (format.kind == NumberFormat::Kind::Date) {
        // Before 1 March 1900 the 1900 system counts a 29 February that never was.
        if (!from1904 && days < 60 && days > 0) ++days;
        const QDate start = from1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
        const QString day = dayText(start.addDays(days));
        if (!format.hours) return day;
        return day + u' ' + twoDigits(second / 3600) + u':' + twoDigits(second / 60 % 60);
    }
    const qint64 hours = format.elapsed ? whole / 3600 : second / 3600;
    QString text;
    if (format.hours)
        text = (format.twoDigitHours ? twoDigits(hours) : QString::number(hours)) + u':';
    const qint64 minutes = format.hours ? second / 60 % 60 : whole / 60;
    text += !format.hours && format.elapsed ? QString::number(minutes) : twoDigits(minutes % 60);
    if (format.seconds) text += u':' + twoDigits(whole % 60);
    return text;
}

std::optional<QString> shownIsoDate(QStringView value, bool withTime) {
    const QDate day = QDate::fromString(value.left(10), Qt::ISODate);
    if (!day.isValid()) return std::nullopt;
    if (!withTime) return dayText(day);
    const QTime time =
        value.size() > 11 ? QTime::fromString(value.mid(11, 5), u"HH:mm"_s) : QTime(0, 0);
    if (!time.isValid()) return std::nullopt;
    return dayText(day) + u' ' + twoDigits(time.hour()) + u':' + twoDigits(time.minute());
}

}  // namespace core::individuals
