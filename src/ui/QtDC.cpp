#include "ui/QtDC.h"

#include <QFontMetrics>
#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

#include "ui/QtText.h"

namespace rq::ui {

namespace {

// The faces the controls name, and the one installed face they all become; the set-up
// installs it, so every machine renders the same.
constexpr const char* kInstalledFace = "DejaVu Sans";
constexpr const char* kNamedFaces[] = {"Tahoma", "Microsoft Sans Serif"};
// The device's default font; a logical font without face or height stands for it.
constexpr char16_t kDefaultFace[] = u"Tahoma";
constexpr int kDefaultHeight = 16;

void InstallSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* face : kNamedFaces) QFont::insertSubstitution(face, kInstalledFace);
    });
}

Qt::PenStyle ToQtStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return Qt::DashLine;
        case PenStyle::Dot:
            return Qt::DotLine;
        case PenStyle::Null:
            return Qt::NoPen;
        default:
            return Qt::SolidLine;
    }
}

QRect OutlineRect(const CRect& r) {
    // Qt outlines cover right and bottom; the device's stay inside them.
    return QRect(r.left, r.top, r.Width() - 1, r.Height() - 1);
}

}  // namespace

QColor ToQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

QtDC::QtDC(QPainter& painter, const IconSource* icons) : m_painter(&painter), m_icons(icons) {
    Setup();
}

QtDC::QtDC(std::unique_ptr<QImage> image, const IconSource* icons)
    : m_image(std::move(image)),
      m_ownPainter(std::make_unique<QPainter>(m_image.get())),
      m_painter(m_ownPainter.get()),
      m_icons(icons) {
    Setup();
}

QtDC::~QtDC() = default;

std::unique_ptr<QtDC> QtDC::OnImage(CSize size, const IconSource* icons) {
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    auto image = std::make_unique<QImage>(size.cx, size.cy, QImage::Format_RGB32);
    if (image->isNull()) return nullptr;
    image->fill(Qt::white);
    return std::unique_ptr<QtDC>(new QtDC(std::move(image), icons));
}

void QtDC::Setup() {
    InstallSubstitutes();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, false);
}

QFont QtDC::ToQFont(const CFont& font) {
    InstallSubstitutes();
    using Key = std::tuple<int, int, std::u16string>;
    static std::map<Key, QFont> made;  // the UI thread's; a handful of fonts in all
    const std::u16string face(font.Face().empty() ? kDefaultFace : font.Face());
    const int height = font.height > 0 ? font.height : kDefaultHeight;
    const int weight = font.weight > 0 ? std::clamp(font.weight, 100, 900) : 400;
    const Key key{height, weight, face};
    if (auto it = made.find(key); it != made.end()) return it->second;

    QFont q(ToQString(face));
    q.setStyleStrategy(QFont::NoAntialias);
    q.setWeight(static_cast<QFont::Weight>(weight));
    q.setPixelSize(height);
    // The logical height is the whole cell; Qt's pixel size is the em, a little less.
    const int cell = QFontMetrics(q).height();
    if (cell > height) q.setPixelSize(std::max(1, height * height / cell));
    made.emplace(key, q);
    return q;
}

void QtDC::SyncShapes() {
    const DCState& s = State();
    if (!m_shapesSynced || !(m_syncedPen == s.pen)) {
        QPen pen(ToQColor(s.pen.colour));
        pen.setStyle(ToQtStyle(s.pen.style));
        if (s.pen.width <= 1) {
            pen.setWidth(1);
            pen.setCapStyle(Qt::FlatCap);  // a line leaves out its last pixel
        } else {
            pen.setWidth(s.pen.width);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
        }
        m_painter->setPen(pen);
        m_syncedPen = s.pen;
    }
    if (!m_shapesSynced || !(m_syncedBrush == s.brush)) {
        m_painter->setBrush(s.brush.null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(s.brush.colour)));
        m_syncedBrush = s.brush;
    }
    m_shapesSynced = true;
}

void QtDC::SyncText() {
    const DCState& s = State();
    const QFont font = ToQFont(s.font);
    if (m_painter->font() != font) m_painter->setFont(font);
    // Text is drawn with the painter's pen: the next shape sets its own again.
    m_painter->setPen(ToQColor(s.textColour));
    m_shapesSynced = false;
    if (s.bkMode == BkMode::Opaque) {
        m_painter->setBackgroundMode(Qt::OpaqueMode);
        m_painter->setBackground(ToQColor(s.bkColour));
    } else {
        m_painter->setBackgroundMode(Qt::TransparentMode);
    }
}

const QPoint* QtDC::ToQPoints(const CPoint* points, int count) {
    if (m_points.size() < static_cast<std::size_t>(count)) m_points.resize(count);
    for (int i = 0; i < count; ++i) m_points[i] = QPoint(points[i].x, points[i].y);
    return m_points.data();
}

void QtDC::FillRect(const CRect& r, Colour colour) {
    m_painter->fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(colour));
}

void QtDC::Line(CPoint from, CPoint to) {
    SyncShapes();
    m_painter->drawLine(from.x, from.y, to.x, to.y);
}

void QtDC::Polyline(const CPoint* points, int count) {
    if (count < 2) return;
    SyncShapes();
    m_painter->drawPolyline(ToQPoints(points, count), count);
}

void QtDC::Polygon(const CPoint* points, int count) {
    if (count < 2) return;
    SyncShapes();
    m_painter->drawPolygon(ToQPoints(points, count), count);
}

void QtDC::Ellipse(const CRect& rect) {
    SyncShapes();
    m_painter->drawEllipse(OutlineRect(rect));
}

void QtDC::RoundRect(const CRect& rect, CSize corner) {
    SyncShapes();
    m_painter->drawRoundedRect(OutlineRect(rect), corner.cx / 2.0, corner.cy / 2.0);
}

void QtDC::DrawText(std::u16string_view text, const CRect& r, unsigned flags) {
    SyncText();
    int align = (flags & kTextCenter)  ? Qt::AlignHCenter
                : (flags & kTextRight) ? Qt::AlignRight
                                       : Qt::AlignLeft;
    if (flags & kTextSingleLine) {
        align |= Qt::TextSingleLine;
        align |= (flags & kTextBottom)    ? Qt::AlignBottom
                 : (flags & kTextVCenter) ? Qt::AlignVCenter
                                          : Qt::AlignTop;
    } else {
        align |= Qt::AlignTop;
    }
    m_painter->drawText(QRect(r.left, r.top, r.Width(), r.Height()), align, ToQString(text));
}

CSize QtDC::GetTextExtent(std::u16string_view text) const {
    const QFontMetrics metrics(ToQFont(State().font));
    int lines = 0;
    int widest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        std::u16string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        widest = std::max(widest, metrics.horizontalAdvance(ToQString(line)));
        ++lines;
        if (end == text.size()) break;
        start = end + 1;
    }
    return {widest, lines * metrics.height()};
}

void QtDC::DrawIcon(int x, int y, IconId icon) {
    if (!m_icons) return;
    const QPixmap picture = m_icons->Pixmap(icon);
    if (!picture.isNull()) m_painter->drawPixmap(x, y, picture);
}

void QtDC::BitBlt(const CRect& dest, CDC& source, CPoint from) {
    const auto* other = dynamic_cast<const QtDC*>(&source);
    if (!other || !other->m_image) return;
    m_painter->drawImage(QPoint(dest.left, dest.top), *other->m_image,
                         QRect(from.x, from.y, dest.Width(), dest.Height()));
}

std::unique_ptr<CDC> QtDC::CreateCompatibleDC(CSize size) {
    return OnImage(size, m_icons);
}

}  // namespace rq::ui
