#include "ui/IconStore.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <array>

#include "poi/PoiTypeTable.h"

// The resources live in a static library: name them so the linker keeps them.
static void InitIconResources() {
    static bool done = false;
    if (done) return;
    Q_INIT_RESOURCE(icons);
    done = true;
}

namespace rq::ui {

namespace {

// POI pictures by type value; "Unknown" and "Others" share one picture.
constexpr std::array<const char*, kPoiTypeCount> kPoiFiles = {
    "unknown", "port",        "parking",    "museum",      "church",        "garage",
    "hotel",   "movie",       "fine-art",   "gas-station", "police",        "fire-station",
    "park",    "zoo",         "hospital",   "medical",     "school",        "post-office",
    "railway", "bus-station", "shopping",   "airport",     "bank",          "atm",
    "library", "mansion",     "drug-store", "sports",      "entertainment", "business",
    "wifi",    "dining",      "civilian",   "unknown",
};

struct ButtonPicture {
    CommandId command;
    const char* file;
};
// Every command of the button strips.
constexpr ButtonPicture kButtons[] = {
    {CommandId::ZoomIn, "zoom-in"},           {CommandId::ZoomOut, "zoom-out"},
    {CommandId::CenterGps, "center-gps"},     {CommandId::AddMilestone, "add-milestone"},
    {CommandId::AddPoi, "add-poi"},           {CommandId::ViewMap, "map"},
    {CommandId::ViewInfoPanel, "info-panel"}, {CommandId::NextPage, "next-page"},
    {CommandId::PrevPage, "prev-page"},
};

QPixmap Render(const QString& path, QSize size) {
    if (path.isEmpty() || size.isEmpty()) return {};
    InitIconResources();
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

QString IconPath(IconId id) {
    const int value = static_cast<int>(id);
    if (value <= static_cast<int>(IconId::PoiTypeLast))
        return QStringLiteral(":/icons/poi/%1.svg").arg(QLatin1String(kPoiFiles[value]));
    switch (id) {
        case IconId::MessageMarker:
            return QStringLiteral(":/icons/status/message.svg");
        case IconId::Recording:
            return QStringLiteral(":/icons/status/recording.svg");
        case IconId::Playback:
            return QStringLiteral(":/icons/status/playback.svg");
        default:
            return {};
    }
}

QHash<int, QPixmap>& IconCache() {
    static QHash<int, QPixmap> cache;
    return cache;
}

}  // namespace

QSize IconStore::IconSize(IconId id) {
    const int value = static_cast<int>(id);
    if (value <= static_cast<int>(IconId::PoiTypeLast)) {
        const PoiTypeRow* row = FindPoiType(static_cast<std::uint32_t>(value));
        return QSize(row->iconWidth, row->iconHeight);
    }
    switch (id) {
        case IconId::MessageMarker:
            return {13, 11};
        case IconId::Recording:
            return {28, 16};
        case IconId::Playback:
            return {12, 16};
        default:
            return {};
    }
}

const QPixmap& IconStore::Icon(IconId id) {
    QHash<int, QPixmap>& cache = IconCache();
    const int key = static_cast<int>(id);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, Render(IconPath(id), IconSize(id)));
    return *it;
}

const QPixmap& IconStore::Button(CommandId command, int size) {
    static QHash<int, QPixmap> cache;
    static const QPixmap none;
    if (size != 16 && size != 31) return none;
    const int key = static_cast<int>(command) * 64 + size;
    auto it = cache.find(key);
    if (it == cache.end()) {
        QString path;
        for (const ButtonPicture& button : kButtons) {
            if (button.command == command)
                path = QStringLiteral(":/icons/buttons/%1.svg").arg(QLatin1String(button.file));
        }
        it = cache.insert(key, Render(path, QSize(size, size)));
    }
    return *it;
}

void IconStore::ReleasePoiTypeIcons() {
    for (int type = static_cast<int>(IconId::PoiTypeFirst);
         type <= static_cast<int>(IconId::PoiTypeLast); ++type) {
        IconCache().remove(type);
    }
}

int IconStore::CachedIconCount() {
    return static_cast<int>(IconCache().size());
}

QIcon IconStore::ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(Render(QStringLiteral(":/icons/roamquill.svg"), QSize(size, size)));
    return icon;
}

}  // namespace rq::ui
