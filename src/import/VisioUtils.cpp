#include "VisioUtils.h"

#include <librevenge/librevenge.h>

#include "LogCategories.h"

#include <QDebug>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

const librevenge::RVNGProperty *find(const librevenge::RVNGPropertyList &props, const char *key)
{
    return key ? props[key] : nullptr;
}

bool isFinitePoint(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QString describeValue(const librevenge::RVNGProperty &prop)
{
    QString text;
    try {
        text = QString::fromUtf8(prop.getStr().cstr());
    } catch (...) {
        text.clear();
    }
    if (!text.isEmpty()) {
        if (text.size() > 100)
            text = text.left(100) + QStringLiteral("...[truncated]");
        text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
        text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
        return text;
    }
    librevenge::RVNGUnit unit;
    try {
        unit = prop.getUnit();
    } catch (...) {
        return QStringLiteral("[error reading value]");
    }
    try {
        if (unit == librevenge::RVNG_UNIT_ERROR)
            return QString::number(prop.getInt());
        return QString::number(prop.getDouble(), 'g', 6) + VisioUtils::unitSuffix(unit);
    } catch (...) {
        return QStringLiteral("[empty/unknown]");
    }
}

} // namespace

QString VisioUtils::unitSuffix(librevenge::RVNGUnit unit, QString *unitName)
{
    QString name;
    QString suffix;
    switch (unit) {
    case librevenge::RVNG_INCH:
        name = QStringLiteral("inches");
        suffix = QStringLiteral(" in");
        break;
    case librevenge::RVNG_PERCENT:
        name = QStringLiteral("percent");
        suffix = QStringLiteral("%");
        break;
    case librevenge::RVNG_POINT:
        name = QStringLiteral("points");
        suffix = QStringLiteral(" pt");
        break;
    case librevenge::RVNG_TWIP:
        name = QStringLiteral("twips");
        suffix = QStringLiteral(" twip");
        break;
    case librevenge::RVNG_GENERIC:
        name = QStringLiteral("generic");
        break;
    default:
        name = QStringLiteral("unknown unit");
        break;
    }
    if (unitName)
        *unitName = name;
    return suffix;
}

QString VisioUtils::getStringProp(const librevenge::RVNGPropertyList &props, const char *key)
{
    const librevenge::RVNGProperty *prop = find(props, key);
    if (!prop)
        return QString();
    try {
        const librevenge::RVNGString str = prop->getStr();
        if (str.empty())
            return QString();
        return QString::fromUtf8(str.cstr());
    } catch (...) {
        return QString();
    }
}

librevenge::RVNGString VisioUtils::getRawStringProp(const librevenge::RVNGPropertyList &props,
                                                    const char *key)
{
    const librevenge::RVNGProperty *prop = find(props, key);
    if (!prop)
        return librevenge::RVNGString();
    try {
        return prop->getStr();
    } catch (...) {
        return librevenge::RVNGString();
    }
}

bool VisioUtils::isKeyword(const librevenge::RVNGString &value, const char *keyword)
{
    return keyword && std::strcmp(value.cstr(), keyword) == 0;
}

int VisioUtils::getIntProp(const librevenge::RVNGPropertyList &props, const char *key, int def)
{
    const librevenge::RVNGProperty *prop = find(props, key);
    if (!prop)
        return def;
    try {
        return prop->getInt();
    } catch (...) {
        return def;
    }
}

double VisioUtils::getDoubleProp(const librevenge::RVNGPropertyList &props, const char *key,
                                 double def)
{
    const librevenge::RVNGProperty *prop = find(props, key);
    if (!prop)
        return def;
    try {
        const double value = prop->getDouble();
        return std::isfinite(value) ? value : def;
    } catch (...) {
        return def;
    }
}

double VisioUtils::getInchProp(const librevenge::RVNGPropertyList &props, const char *key,
                               double def)
{
    // Lengths are taken as stored: libvisio already reports inches.
    return getDoubleProp(props, key, def);
}

double VisioUtils::getPercentProp(const librevenge::RVNGPropertyList &props, const char *key,
                                  double def)
{
    // Every style carries several percentages, so the common forms are read
    // without a QString round trip; anything else takes the general path.
    const librevenge::RVNGProperty *prop = find(props, key);
    if (!prop)
        return def;
    librevenge::RVNGString raw;
    try {
        if (prop->getUnit() == librevenge::RVNG_PERCENT) {
            // librevenge's own text for these is the percentage with four
            // decimals, and 0 for anything smaller; the same rounding keeps
            // the value exactly what reading that text gives.
            const double percent = prop->getDouble() * 100.0;
            if (percent < 0.0001 && percent > -0.0001)
                return 0.0;
            char text[40];
            const std::to_chars_result written =
                std::to_chars(text, text + sizeof text, percent, std::chars_format::fixed, 4);
            double value = 0;
            if (written.ec == std::errc()) {
                const std::from_chars_result parsed = std::from_chars(text, written.ptr, value);
                if (parsed.ec == std::errc() && parsed.ptr == written.ptr)
                    return std::isfinite(value) ? value : def;
            }
        }
        raw = prop->getStr();
    } catch (...) {
        return def;
    }
    const char *first = raw.cstr();
    const char *last = first + std::strlen(first);
    if (last > first && last[-1] == '%')
        --last;
    if (last > first && *first != '+') {
        double value = 0;
        const std::from_chars_result parsed = std::from_chars(first, last, value);
        if (parsed.ec == std::errc() && parsed.ptr == last)
            return std::isfinite(value) ? value : def;
    }

    QString text = getStringProp(props, key).trimmed();
    if (text.isEmpty())
        return def;
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : def;
}

QColor VisioUtils::parseColor(const QString &s)
{
    if (s.isEmpty() || s == QLatin1String("none"))
        return QColor(Qt::transparent);
    if (!s.startsWith(QLatin1Char('#')))
        return QColor(Qt::black);

    QColor color;
    switch (s.size()) {
    case 9: // #RRGGBBAA: the alpha digits are not used; opacity keys set transparency
        color.setNamedColor(s.left(7));
        return color;
    case 7:
        color.setNamedColor(s);
        return color;
    case 4: {
        int channels[3];
        for (int i = 0; i < 3; ++i) {
            const int digit = QString(s.at(i + 1)).toInt(nullptr, 16);
            channels[i] = digit * 17;
        }
        return QColor(channels[0], channels[1], channels[2]);
    }
    default:
        return QColor(Qt::black);
    }
}

QColor VisioUtils::applyTintShade(const QColor &c, double tint, double shade)
{
    double channels[3] = {double(c.red()), double(c.green()), double(c.blue())};
    if (tint > 0) {
        for (double &v : channels)
            v = std::trunc(v + (255.0 - v) * tint);
    }
    if (shade > 0) {
        for (double &v : channels)
            v = std::trunc(v + (0.0 - v) * shade);
    }
    // Factors above 1 push channels out of range; NaN fails the range test too.
    for (double v : channels) {
        if (!(v >= 0.0 && v <= 255.0))
            return QColor();
    }
    return QColor(int(channels[0]), int(channels[1]), int(channels[2]), c.alpha());
}

void VisioUtils::getPropertyKeys(const librevenge::RVNGPropertyList &props, const QString &indent)
{
    if (props.empty()) {
        qCDebug(lcImport).noquote() << indent + QStringLiteral("(empty property list)");
        return;
    }
    librevenge::RVNGPropertyList::Iter it(props);
    for (it.rewind(); it.next();) {
        const char *key = it.key();
        if (!key)
            continue;
        const QString keyText = QString::fromUtf8(key);
        const librevenge::RVNGProperty *prop = it();
        if (!prop)
            qCDebug(lcImport).noquote() << indent + keyText << "= [null property]";
        else
            qCDebug(lcImport).noquote() << indent + keyText << "=" << describeValue(*prop);

        const librevenge::RVNGPropertyListVector *children = props.child(key);
        if (children && children->count() > 0) {
            qCDebug(lcImport).noquote() << indent + QStringLiteral("  ^ has") << children->count()
                               << "child items:";
            for (unsigned long i = 0; i < children->count(); ++i) {
                qCDebug(lcImport).noquote() << indent + QStringLiteral("  --- child[") << i << "] ---";
                getPropertyKeys((*children)[i], indent + QStringLiteral("    "));
            }
        }
    }
}

QPainterPath VisioUtils::parseSvgPath(const QString &d)
{
    static const QRegularExpression numberPattern(
        QStringLiteral("[+-]?\\d*\\.?\\d+(?:[eE][+-]?\\d+)?"));

    QPainterPath path;
    const qsizetype n = d.size();
    qsizetype pos = 0;
    QPointF current(0, 0);
    QPointF subpathStart(0, 0);
    // Second control point of the last curve, mirrored by S and T.
    QPointF lastControl(0, 0);
    QChar lastCurve;
    QChar command;

    auto skipSeparators = [&] {
        while (pos < n && (d.at(pos).isSpace() || d.at(pos) == QLatin1Char(',')))
            ++pos;
    };
    auto readNumber = [&](double &out) {
        skipSeparators();
        if (pos >= n)
            return false;
        const QRegularExpressionMatch match = numberPattern.match(
            d, pos, QRegularExpression::NormalMatch,
            QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return false;
        bool ok = false;
        const double value = match.captured(0).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return false;
        pos = match.capturedEnd(0);
        out = value;
        return true;
    };
    // Reads a point, relative to the current one when asked; a sum that
    // overflows counts as a failed read.
    auto readPoint = [&](bool relative, QPointF &out) {
        double x = 0, y = 0;
        if (!readNumber(x) || !readNumber(y))
            return false;
        out = relative ? current + QPointF(x, y) : QPointF(x, y);
        return isFinitePoint(out);
    };

    while (true) {
        skipSeparators();
        if (pos >= n)
            break;
        const QChar ch = d.at(pos);
        if (ch.isLetter()) {
            command = ch;
            ++pos;
        } else if (command.isNull()) {
            ++pos; // a stray character with no command to repeat
            continue;
        }

        const char16_t c = command.unicode();
        const bool relative = command.isLower();
        const QChar previousCurve = lastCurve;
        lastCurve = QChar();
        switch (c) {
        case u'M':
        case u'm': {
            QPointF p;
            if (!readPoint(relative, p))
                return path;
            path.moveTo(p);
            current = subpathStart = p;
            while (true) {
                const qsizetype saved = pos;
                if (!readPoint(relative, p)) {
                    pos = saved;
                    break;
                }
                path.lineTo(p);
                current = p;
            }
            break;
        }
        case u'L':
        case u'l': {
            QPointF p;
            if (!readPoint(relative, p))
                return path;
            path.lineTo(p);
            current = p;
            break;
        }
        case u'H':
        case u'h': {
            double x = 0;
            if (!readNumber(x))
                return path;
            if (relative)
                x += current.x();
            if (!std::isfinite(x))
                return path;
            current.setX(x);
            path.lineTo(current);
            break;
        }
        case u'V':
        case u'v': {
            double y = 0;
            if (!readNumber(y))
                return path;
            if (relative)
                y += current.y();
            if (!std::isfinite(y))
                return path;
            current.setY(y);
            path.lineTo(current);
            break;
        }
        case u'C':
        case u'c':
        case u'S':
        case u's': {
            // All points of one segment are relative to its start.
            const bool smooth = c == u'S' || c == u's';
            const QPointF start = current;
            QPointF control1 = start;
            if (smooth) {
                if (previousCurve == QLatin1Char('C'))
                    control1 = 2 * start - lastControl;
            } else if (!readPoint(relative, control1)) {
                return path;
            }
            QPointF control2, end;
            if (!readPoint(relative, control2) || !readPoint(relative, end))
                return path;
            path.cubicTo(control1, control2, end);
            current = end;
            lastControl = control2;
            lastCurve = QLatin1Char('C');
            break;
        }
        case u'Q':
        case u'q':
        case u'T':
        case u't': {
            const bool smooth = c == u'T' || c == u't';
            QPointF control = current;
            if (smooth) {
                if (previousCurve == QLatin1Char('Q'))
                    control = 2 * current - lastControl;
            } else if (!readPoint(relative, control)) {
                return path;
            }
            QPointF end;
            if (!readPoint(relative, end))
                return path;
            path.quadTo(control, end);
            current = end;
            lastControl = control;
            lastCurve = QLatin1Char('Q');
            break;
        }
        case u'Z':
        case u'z':
            path.closeSubpath();
            current = subpathStart;
            command = QChar();
            break;
        default:
            // Unsupported command: skip its data one character at a time.
            if (pos < n)
                ++pos;
            break;
        }
    }
    return path;
}
