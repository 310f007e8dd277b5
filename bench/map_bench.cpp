// The map's repaint of a 99999-point track through the Qt drawing context at 480 x 640,
// beside a floor: one QPainter polyline of the same points, already projected, with the
// same pen. Then the same track zoomed in 16 times, where nearly every segment is culled
// by its box. "allocs" counts heap allocations per repaint: none may grow with points.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "controls/GpsMapControl.h"
#include "ui/QtDC.h"
#include "view/ControlModelOf.h"
#include "view/GpsViewData.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr int kPoints = 99999;
constexpr int kWidth = 480;
constexpr int kHeight = 640;
constexpr double kScale = 8.0;  // metres per pixel: the view is 3.84 x 5.12 km
const rq::CRect kClient{0, 0, kWidth, kHeight};

// A wandering walk of 6 to 20 m steps that turns gently and bounces off a margin of
// the view, so every point is in view and the line crosses itself like a long trip.
struct Scene {
    rq::CGpsViewData data;
    rq::CGpsMapControl map{rq::ControlModelOf(data)};

    Scene() {
        map.OnSize(kWidth, kHeight);
        map.SetCenter(rq::CCoordinate(47.0, 8.0));
        map.SetScale(kScale, false);
        const rq::CDoubleRect area = map.GetVisibleArea();
        const double marginLat = (area.top - area.bottom) * 0.05;
        const double marginLon = (area.right - area.left) * 0.05;
        std::mt19937 random(20261207);
        std::normal_distribution<double> turn(0.0, 0.35);
        std::uniform_real_distribution<double> step(6.0, 20.0);
        double lat = 47.0, lon = 8.0, heading = 0.3;
        const double lonMetres = map.Viewport().MetresPerDegreeLongitude();
        for (int i = 0; i < kPoints; ++i) {
            heading += turn(random);
            const double d = step(random);
            double nextLat = lat + d * std::cos(heading) / 111200.162632;
            double nextLon = lon + d * std::sin(heading) / lonMetres;
            if (nextLat > area.top - marginLat || nextLat < area.bottom + marginLat) {
                heading = M_PI - heading;
                nextLat = lat;
            }
            if (nextLon > area.right - marginLon || nextLon < area.left + marginLon) {
                heading = -heading;
                nextLon = lon;
            }
            lat = nextLat;
            lon = nextLon;
            data.track.AddHead(rq::CGpsTrackCoordinate(lat, lon));
        }
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void BM_PolylineFloor(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.map.SetScale(kScale, false);
    std::vector<QPoint> points;
    for (const rq::CGpsTrackCoordinate& p : scene.data.track.Points()) {
        const rq::CPoint s = scene.map.GeoToScreen(p);
        points.emplace_back(s.x, s.y);
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(rq::ui::ToQColor(scene.data.track.colour));
    pen.setWidth(static_cast<int>(scene.data.track.penWidth));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    for (auto _ : state) {
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    state.counters["points"] = static_cast<double>(points.size());
}
BENCHMARK(BM_PolylineFloor)->Unit(benchmark::kMillisecond);

void MapDraw(benchmark::State& state, double scale) {
    Scene& scene = TheScene();
    scene.map.SetScale(scale, false);
    auto dc = rq::ui::QtDC::OnImage({kWidth, kHeight});
    scene.map.Draw(*dc, kClient);  // the buffers grow here, once
    const long before = g_allocations.load();
    for (auto _ : state) {
        scene.map.Draw(*dc, kClient);
    }
    state.counters["allocs"] = benchmark::Counter(
        static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
    scene.map.SetScale(kScale, false);
}

void BM_MapDrawFull(benchmark::State& state) {
    MapDraw(state, kScale);
}
BENCHMARK(BM_MapDrawFull)->Unit(benchmark::kMillisecond);

void BM_MapDrawZoomedIn(benchmark::State& state) {
    MapDraw(state, kScale / 16);
}
BENCHMARK(BM_MapDrawZoomedIn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
