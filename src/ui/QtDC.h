// The drawing context over QPainter. Antialiasing is off, as on the device's screen.
// Colours turn into QColor here and nowhere else; font faces stay as the controls
// name them and reach an installed face through Qt's font substitution.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "controls/DC.h"
#include "ui/IconSource.h"

namespace rq::ui {

QColor ToQColor(Colour colour);

class QtDC : public CDC {
public:
    // Draws with `painter`, already active on its device; neither is owned.
    explicit QtDC(QPainter& painter, const IconSource* icons = nullptr);
    ~QtDC() override;

    // An off-screen context on an image of its own; null when the image cannot be made.
    static std::unique_ptr<QtDC> OnImage(CSize size, const IconSource* icons = nullptr);
    // The image of an off-screen context, else null.
    const QImage* Image() const { return m_image.get(); }

    void FillRect(const CRect& rect, Colour colour) override;
    void Line(CPoint from, CPoint to) override;
    void Polyline(const CPoint* points, int count) override;
    void Polygon(const CPoint* points, int count) override;
    void Ellipse(const CRect& rect) override;
    void RoundRect(const CRect& rect, CSize corner) override;
    void DrawText(std::u16string_view text, const CRect& rect, unsigned flags) override;
    CSize GetTextExtent(std::u16string_view text) const override;
    void DrawIcon(int x, int y, IconId icon) override;
    void BitBlt(const CRect& dest, CDC& source, CPoint sourceTopLeft) override;
    std::unique_ptr<CDC> CreateCompatibleDC(CSize size) override;

    // The Qt font a logical font becomes: its cell height (ascent plus descent) is the
    // logical height.
    static QFont ToQFont(const CFont& font);

private:
    QtDC(std::unique_ptr<QImage> image, const IconSource* icons);
    void Setup();
    // Brings the painter's pen, brush and font up to the selected ones.
    void SyncShapes();
    void SyncText();
    const QPoint* ToQPoints(const CPoint* points, int count);

    std::unique_ptr<QImage> m_image;
    std::unique_ptr<QPainter> m_ownPainter;
    QPainter* m_painter;
    const IconSource* m_icons;
    // What the painter holds, so unchanged pens and brushes are not made again.
    CPen m_syncedPen;
    CBrush m_syncedBrush;
    bool m_shapesSynced = false;
    std::vector<QPoint> m_points;  // reused: no allocation per polyline once grown
};

}  // namespace rq::ui
