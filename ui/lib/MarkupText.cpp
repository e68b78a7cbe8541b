#include "ui/lib/MarkupText.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <array>

namespace tv {

namespace {

// Colour identifiers and their values; system colours are $80000000 + index.
struct TColorName {
    const char* name;
    quint32 value;
};

constexpr quint32 kSystem = 0x80000000u;
constexpr quint32 kNone = 0x1FFFFFFFu;

constexpr std::array<TColorName, 42> kColorNames{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", kSystem + 0},
    {"clBackground", kSystem + 1},
    {"clActiveCaption", kSystem + 2},
    {"clInactiveCaption", kSystem + 3},
    {"clMenu", kSystem + 4},
    {"clWindow", kSystem + 5},
    {"clWindowFrame", kSystem + 6},
    {"clMenuText", kSystem + 7},
    {"clWindowText", kSystem + 8},
    {"clCaptionText", kSystem + 9},
    {"clActiveBorder", kSystem + 10},
    {"clInactiveBorder", kSystem + 11},
    {"clAppWorkSpace", kSystem + 12},
    {"clHighlight", kSystem + 13},
    {"clHighlightText", kSystem + 14},
    {"clBtnFace", kSystem + 15},
    {"clBtnShadow", kSystem + 16},
    {"clGrayText", kSystem + 17},
    {"clBtnText", kSystem + 18},
    {"clInactiveCaptionText", kSystem + 19},
    {"clBtnHighlight", kSystem + 20},
    {"cl3DDkShadow", kSystem + 21},
    {"cl3DLight", kSystem + 22},
    {"clInfoText", kSystem + 23},
    {"clInfoBk", kSystem + 24},
    {"clNone", kNone},
}};

// Optional sign and decimal digits, nothing else.
std::optional<int> strictInt(const QString& s) {
    int i = 0;
    const int n = s.size();
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    qint64 v = 0;
    for (; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i].unicode() - '0');
        if (v > 0x7FFFFFFF)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -v : v);
}

QColor fromBgr(quint32 v) {
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

std::optional<QColor> colorValue(quint32 v, const QPalette& palette) {
    if (v == kNone)
        return QColor(Qt::transparent);
    if ((v & 0xFF000000u) == kSystem)
        return SystemColor(int(v & 0xFFFFFFu), palette);
    if (v > 0xFFFFFFu)
        return std::nullopt;
    return fromBgr(v);
}

int rightEdge(const QRect& r) {
    return r.x() + r.width();
}

class TLayouter {
public:
    TLayouter(const QString& text, const QRect& r, const TMarkupContext& c, bool draw)
        : m_text(text), m_r(r), m_c(c), m_draw(draw), m_font(c.font), m_color(c.color), m_penX(r.x()),
          m_penY(r.y()) {}

    TMarkupLayout run() {
        TMarkupLayout out;
        if (m_text.isEmpty())
            return out;
        const int n = m_text.size();
        int i = 0;
        while (i < n) {
            const QChar ch = m_text[i];
            if (ch == '\n') {
                lineBreak();
                ++i;
            } else if (ch == '\r') {
                ++i;
                if (!m_empty) {
                    lineBreak();
                    // Taken for the line feed of a CR LF pair; any other character is kept.
                    if (i < n && m_text[i] == '\n')
                        ++i;
                }
            } else if (ch == '/' && i + 1 < n && m_text[i + 1] == '{') {
                m_markup = false;
                i += 2;
            } else if (ch == '/' && i + 1 < n && m_text[i + 1] == '}') {
                m_markup = true;
                i += 2;
            } else if (ch == '/' && i + 1 < n && m_markup) {
                flush();
                i = token(i + 1);
            } else {
                addChar(ch);
                ++i;
            }
        }
        flush();
        finishLine();
        m_out.extent = QPoint(m_r.x() + m_widest, m_total);
        return std::move(m_out);
    }

private:
    QFontMetrics metrics() const {
        return m_c.device ? QFontMetrics(m_font, m_c.device) : QFontMetrics(m_font);
    }

    void addChar(QChar ch) {
        if (m_empty) {
            m_lineHeight += metrics().size(Qt::TextSingleLine, QStringLiteral("Wg")).height();
            m_empty = false;
        }
        m_pending += ch;
    }

    void addText(const QString& s) {
        for (QChar ch : s)
            addChar(ch);
    }

    void flush() {
        if (m_pending.isEmpty())
            return;
        const QFontMetrics fm = metrics();
        const int width = fm.horizontalAdvance(m_pending);
        if (m_draw) {
            const int right = rightEdge(m_r);
            if (m_penX >= right) {
                m_pending.clear();
                return;
            }
            TMarkupRun run;
            run.rect = QRect(m_penX, m_penY, right - m_penX, std::max(fm.height(), 1));
            run.source = m_pending;
            run.text = (m_c.endEllipsis && width > run.rect.width())
                           ? fm.elidedText(m_pending, Qt::ElideRight, run.rect.width())
                           : m_pending;
            run.font = m_font;
            run.color = m_color;
            run.width = width;
            m_out.runs.push_back(std::move(run));
        }
        m_penX += width;
        m_lineWidth += width;
        m_pending.clear();
    }

    void finishLine() {
        m_total += m_lineHeight;
        m_widest = std::max(m_widest, m_lineWidth);
        ++m_out.lineCount;
    }

    void lineBreak() {
        flush();
        finishLine();
        m_penX = m_r.x();
        m_penY = m_r.y() + m_total;
        m_lineHeight = 0;
        m_lineWidth = 0;
        m_empty = true;
    }

    QChar at(int i) const { return i < m_text.size() ? m_text[i] : QChar(); }

    // Reads "{...}" at i; returns the index after it. No "{" at i: an empty argument.
    int readArg(int i) {
        m_arg.clear();
        if (at(i) != '{')
            return i;
        const int close = m_text.indexOf('}', i + 1);
        if (close < 0) {
            m_arg = m_text.mid(i + 1);
            return m_text.size();
        }
        m_arg = m_text.mid(i + 1, close - i - 1);
        return close + 1;
    }

    // i is the index of the letter after the slash; returns where reading goes on.
    int token(int i) {
        const QChar t = m_text[i];
        const QChar next = at(i + 1);
        switch (t.unicode()) {
        case '#':
            lineBreak();
            return i + 1;
        case 'b':
            m_font.setBold(next != '0');
            return next == '0' ? i + 2 : i + 1;
        case 'u':
            m_font.setUnderline(next != '0');
            return next == '0' ? i + 2 : i + 1;
        case 'i':
            if (next == '0') {
                m_font.setItalic(false);
                return i + 2;
            }
            if (QStringLiteral("mnpsh").contains(next) && at(i + 2) == '{') {
                const int after = readArg(i + 2);
                image(next);
                return after;
            }
            m_font.setItalic(true);
            return i + 1;
        case 's':
            if (next == '0') {
                m_font.setStrikeOut(false);
                return i + 2;
            }
            if (next == '{') {
                const int after = readArg(i + 1);
                if (const auto size = strictInt(m_arg); size && *size > 0)
                    m_font.setPointSize(*size);
                return after;
            }
            m_font.setStrikeOut(true);
            return i + 1;
        case 'c': {
            const int after = readArg(i + 1);
            if (const auto c = MarkupColor(m_arg, m_c.palette))
                m_color = *c;
            return after;
        }
        case 'f': {
            const int after = readArg(i + 1);
            if (!m_arg.trimmed().isEmpty())
                m_font.setFamily(m_arg.trimmed());
            return after;
        }
        case 'l': {
            const int after = readArg(i + 1);
            const auto c = MarkupColor(m_arg, m_c.palette);
            if (m_draw && c && c->alpha() > 0 && m_penX < rightEdge(m_r))
                m_out.lines.push_back(TMarkupLine{m_penX, rightEdge(m_r), m_penY, *c});
            return after;
        }
        case 'o':
            if (next == 'w' || next == 'W' || next == 'h' || next == 'H') {
                const int after = readArg(i + 2);
                offset(next, amount(next == 'w' || next == 'W'));
                return after;
            }
            break;
        default:
            break;
        }
        // Not a token: the slash and the character are text.
        addChar('/');
        addChar(t);
        return i + 1;
    }

    int amount(bool horizontal) const {
        if (const auto n = strictInt(m_arg))
            return *n;
        if (m_arg.isEmpty())
            return 0;
        const QFontMetrics fm = metrics();
        return horizontal ? fm.horizontalAdvance(m_arg) : fm.size(Qt::TextSingleLine, m_arg).height();
    }

    void offset(QChar which, int n) {
        switch (which.unicode()) {
        case 'w':
            m_penX += n;
            m_lineWidth += n;
            break;
        case 'W':
            m_penX -= n;
            m_lineWidth -= n;
            break;
        case 'h':
            m_penY += n;
            m_lineHeight += n;
            break;
        case 'H':
            m_penY -= n;
            m_lineHeight -= n;
            break;
        default:
            break;
        }
    }

    void image(QChar kind) {
        const QImage source = MarkupImage(m_arg, m_c.images);
        if (source.isNull())
            return; // nothing loaded: nothing drawn, no advance
        if (m_draw && m_penX < rightEdge(m_r))
            m_out.images.push_back(
                TMarkupImage{QPoint(m_penX, m_penY), MarkupImageEffect(source, kind), rightEdge(m_r)});
        m_penX += source.width();
        m_lineWidth += source.width();
        if (kind == 'p' && source.height() > m_lineHeight) {
            m_lineHeight = source.height();
            m_empty = false;
        }
    }

    const QString& m_text;
    const QRect m_r;
    const TMarkupContext& m_c;
    const bool m_draw;
    QFont m_font;
    QColor m_color;
    int m_penX;
    int m_penY;
    int m_lineWidth = 0;  // W
    int m_lineHeight = 0; // H
    bool m_empty = true;  // E
    int m_total = 0;      // T
    int m_widest = 0;     // M
    bool m_markup = true;
    QString m_pending;
    QString m_arg;
    TMarkupLayout m_out;
};

QPalette paletteOf(QPainter* painter) {
    if (painter && painter->device() && painter->device()->devType() == QInternal::Widget)
        return static_cast<QWidget*>(painter->device())->palette();
    return QGuiApplication::palette();
}

// Resource names are matched without regard to case, with or without their extension.
QImage loadResource(const QString& name) {
    if (name.isEmpty())
        return {};
    if (name.startsWith(QLatin1String(":/")))
        return QImage(name);
    const QDir dir(QStringLiteral(":/images"));
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
        const QString base = QFileInfo(entry).completeBaseName();
        if (entry.compare(name, Qt::CaseInsensitive) == 0 || base.compare(name, Qt::CaseInsensitive) == 0) {
            QImage img(dir.filePath(entry));
            if (!img.isNull())
                return img;
        }
    }
    return {};
}

} // namespace

std::optional<QColor> SystemColor(int index, const QPalette& p) {
    using R = QPalette::ColorRole;
    switch (index) {
    case 0:
        return p.color(R::Button); // clScrollBar
    case 1:
        return p.color(R::Dark); // clBackground (desktop)
    case 2:
        return p.color(R::Highlight); // clActiveCaption
    case 3:
        return p.color(R::Mid); // clInactiveCaption
    case 4:
        return p.color(R::Window); // clMenu
    case 5:
        return p.color(R::Base); // clWindow
    case 6:
        return p.color(R::Shadow); // clWindowFrame
    case 7:
        return p.color(R::WindowText); // clMenuText
    case 8:
        return p.color(R::Text); // clWindowText
    case 9:
        return p.color(R::HighlightedText); // clCaptionText
    case 10:
        return p.color(R::Button); // clActiveBorder
    case 11:
        return p.color(R::Button); // clInactiveBorder
    case 12:
        return p.color(R::Mid); // clAppWorkSpace
    case 13:
        return p.color(R::Highlight); // clHighlight
    case 14:
        return p.color(R::HighlightedText); // clHighlightText
    case 15:
        return p.color(R::Button); // clBtnFace
    case 16:
        return p.color(R::Dark); // clBtnShadow
    case 17:
        return p.color(QPalette::Disabled, R::Text); // clGrayText
    case 18:
        return p.color(R::ButtonText); // clBtnText
    case 19:
        return p.color(QPalette::Disabled, R::WindowText); // clInactiveCaptionText
    case 20:
        return p.color(R::Light); // clBtnHighlight
    case 21:
        return p.color(R::Shadow); // cl3DDkShadow
    case 22:
        return p.color(R::Midlight); // cl3DLight
    case 23:
        return p.color(R::ToolTipText); // clInfoText
    case 24:
        return p.color(R::ToolTipBase); // clInfoBk
    default:
        return std::nullopt;
    }
}

std::optional<QColor> MarkupColor(const QString& text, const QPalette& palette) {
    const QString s = text.trimmed();
    for (const TColorName& c : kColorNames)
        if (s.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return colorValue(c.value, palette);
    if (s.startsWith('$')) {
        const QString hex = s.mid(1);
        if (hex.isEmpty() || hex.size() > 8)
            return std::nullopt;
        bool ok = false;
        const quint32 v = hex.toUInt(&ok, 16);
        if (!ok || hex.startsWith('+') || hex.startsWith('-'))
            return std::nullopt;
        return colorValue(v, palette);
    }
    const auto v = strictInt(s);
    if (!v || *v < 0)
        return std::nullopt;
    return colorValue(quint32(*v), palette);
}

QImage MarkupImage(const QString& ref, const QList<QPixmap>* images) {
    if (!ref.isEmpty() && ref[0].isDigit() && images) {
        const auto index = strictInt(ref);
        if (!index || *index < 0 || *index >= images->size())
            return {};
        return images->at(*index).toImage();
    }
    return loadResource(ref);
}

QImage MarkupImageEffect(const QImage& source, QChar kind) {
    QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    if (w == 0 || h == 0)
        return img;
    const QRgb topLeft = img.pixel(0, 0);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            switch (kind.unicode()) {
            case 'n':
                line[x] = qRgba(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p), qAlpha(p));
                break;
            case 's': {
                int b = qBlue(p);
                b = b == 0 ? 66 : (b == 255 ? 189 : b);
                line[x] = qRgba(qRed(p) / 2, qGreen(p) / 2, b, qAlpha(p));
                break;
            }
            case 'h':
                if (p != topLeft && (x + y) % 2 == 1)
                    line[x] = qRgb(8, 36, 107);
                break;
            default:
                break;
            }
        }
    }
    const QRgb lowerLeft = img.pixel(0, h - 1);
    if (qAlpha(lowerLeft) == 255) {
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < w; ++x)
                if (line[x] == lowerLeft)
                    line[x] = 0;
        }
    }
    return img;
}

TMarkupLayout LayoutMarkupText(const QString& text, const QRect& r, const TMarkupContext& context,
                               bool draw) {
    return TLayouter(text, r, context, draw).run();
}

void PaintMarkupLayout(QPainter* painter, const TMarkupLayout& layout) {
    painter->save();
    painter->setBackgroundMode(Qt::TransparentMode);
    for (const TMarkupImage& im : layout.images) {
        const int visible = std::min(im.image.width(), im.clipRight - im.pos.x());
        if (visible > 0)
            painter->drawImage(im.pos, im.image, QRect(0, 0, visible, im.image.height()));
    }
    for (const TMarkupLine& line : layout.lines) {
        painter->setPen(QPen(line.color, 1));
        painter->drawLine(line.x1, line.y, line.x2 - 1, line.y);
    }
    for (const TMarkupRun& run : layout.runs) {
        if (!run.color.isValid() || run.color.alpha() == 0)
            continue;
        painter->save();
        painter->setClipRect(run.rect, Qt::IntersectClip);
        painter->setFont(run.font);
        painter->setPen(run.color);
        painter->drawText(run.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, run.text);
        painter->restore();
    }
    painter->restore();
}

QPoint DrawMarkupText(QPainter* painter, const QString& text, const QRect& r, bool measureOnly,
                      const QList<QPixmap>* images, bool endEllipsis) {
    if (!painter)
        return MeasureMarkupText(text, QGuiApplication::font(), images);
    TMarkupContext c;
    c.font = painter->font();
    c.color = painter->pen().color();
    c.palette = paletteOf(painter);
    c.images = images;
    c.device = painter->device();
    c.endEllipsis = endEllipsis;
    const TMarkupLayout layout = LayoutMarkupText(text, r, c, !measureOnly);
    if (!measureOnly)
        PaintMarkupLayout(painter, layout);
    return layout.extent;
}

QPoint MeasureMarkupText(const QString& text, const QFont& font, const QList<QPixmap>* images,
                         QPaintDevice* device) {
    TMarkupContext c;
    c.font = font;
    c.images = images;
    c.device = device;
    return LayoutMarkupText(text, QRect(0, 0, 0, 0), c, false).extent;
}

QString MarkupLiteral(const QString& text) {
    return QStringLiteral("/{") + text + QStringLiteral("/}");
}

QString MarkupPlainText(const QString& markup) {
    QString plain;
    const int n = int(markup.size());
    // Skips "{...}" at i when there is one; returns the index after it.
    const auto skipArgument = [&](int i) {
        if (i >= n || markup[i] != '{')
            return i;
        const int close = int(markup.indexOf('}', i));
        return close < 0 ? n : close + 1;
    };
    bool markupOn = true;
    for (int i = 0; i < n;) {
        const QChar c = markup[i];
        const QChar next = i + 1 < n ? markup[i + 1] : QChar();
        if (c == '/' && next == '{') {
            markupOn = false;
            i += 2;
        } else if (c == '/' && next == '}') {
            markupOn = true;
            i += 2;
        } else if (c == '\r') {
            plain += '\n';
            i += (next == '\n') ? 2 : 1;
        } else if (c != '/' || !markupOn || i + 1 >= n) {
            plain += c;
            ++i;
        } else if (next == '#') {
            plain += '\n';
            i += 2;
        } else if (next == 'b' || next == 'u' || next == 's' || next == 'i') {
            const QChar third = i + 2 < n ? markup[i + 2] : QChar();
            if (third == '0') {
                i += 3;
            } else if (next == 's' && third == '{') {
                i = skipArgument(i + 2);
            } else if (next == 'i' && QStringLiteral("mnpsh").contains(third) && i + 3 < n &&
                       markup[i + 3] == '{') {
                i = skipArgument(i + 3);
            } else {
                i += 2;
            }
        } else if (next == 'c' || next == 'f' || next == 'l') {
            i = skipArgument(i + 2);
        } else if (next == 'o' && i + 2 < n && QStringLiteral("wWhH").contains(markup[i + 2])) {
            i = skipArgument(i + 3);
        } else {
            plain += c;
            plain += next;
            i += 2;
        }
    }
    return plain;
}

namespace {

// Index after the token whose slash is at i (markup on), its argument included.
int TokenEnd(const QString& s, int i) {
    const int n = int(s.size());
    const auto argEnd = [&](int at) {
        if (at >= n || s[at] != '{')
            return at;
        const int close = int(s.indexOf('}', at));
        return close < 0 ? n : close + 1;
    };
    if (i + 1 >= n)
        return n;
    const QChar t = s[i + 1];
    const QChar third = i + 2 < n ? s[i + 2] : QChar();
    if (t == 'c' || t == 'f' || t == 'l')
        return argEnd(i + 2);
    if (t == 's' && third == '{')
        return argEnd(i + 2);
    if (t == 'o' && QStringLiteral("wWhH").contains(third))
        return argEnd(i + 3);
    if (t == 'i' && QStringLiteral("mnpsh").contains(third) && i + 3 < n && s[i + 3] == '{')
        return argEnd(i + 3);
    if (QStringLiteral("buis").contains(t) && third == '0')
        return i + 3;
    return i + 2;
}

int LineWidth(const QString& line, const QFont& font) {
    return MeasureMarkupText(line, font).x();
}

} // namespace

QString WrapMarkupText(const QString& text, const QFont& font, int maxWidth) {
    QString out;
    QString line;            // the current line as written so far
    bool literalAtLine = false; // markup was off where the current line began
    bool literal = false;
    int lastBreak = -1;      // in line: where a break may go (after that index)
    bool lastBreakLiteral = false;

    // The line as it would be measured on its own.
    const auto measured = [&](const QString& part, bool literalAtEnd) {
        return (literalAtLine ? QStringLiteral("/{") : QString()) + part +
               (literalAtEnd ? QStringLiteral("/}") : QString());
    };
    const auto endLine = [&](const QString& breakToken) {
        out += line + breakToken;
        line.clear();
        literalAtLine = literal;
        lastBreak = -1;
    };
    // Breaks the current line at its last break point when it is too wide.
    const auto fit = [&] {
        if (lastBreak < 0 || LineWidth(measured(line, literal), font) <= maxWidth)
            return;
        out += line.left(lastBreak + 1) + (lastBreakLiteral ? QStringLiteral("/}/#/{") : QStringLiteral("/#"));
        literalAtLine = lastBreakLiteral;
        line = line.mid(lastBreak + 1);
        lastBreak = -1;
    };

    const int n = int(text.size());
    for (int i = 0; i < n;) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        if (c == '/' && (next == '{' || next == '}')) {
            literal = next == '{';
            line += text.mid(i, 2);
            i += 2;
            continue;
        }
        if (c == '\n' || (c == '/' && next == '#' && !literal)) {
            fit();
            const int len = c == '\n' ? 1 : 2;
            endLine(text.mid(i, len));
            i += len;
            continue;
        }
        if (c == '/' && !literal) {
            const int end = TokenEnd(text, i);
            line += text.mid(i, end - i);
            i = end;
            continue;
        }
        line += c;
        ++i;
        if (c == ' ' || c == '\\' || (c == '/' && literal)) {
            fit(); // the text up to here may already need the previous break point
            lastBreak = int(line.size()) - 1;
            lastBreakLiteral = literal;
        }
    }
    fit();
    out += line;
    return out;
}

} // namespace tv
