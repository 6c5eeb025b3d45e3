#include "store/StandInFrames.h"

#include "content/EventScript.h"
#include "content/ScriptLibrary.h"
#include "platform/AppError.h"

#include <QPainter>

#include <turbojpeg.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace StandInFrames {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

std::vector<EventRecord> libraryEvents(const Catalogue::PartEntry& part)
{
    const QStringList lines = ScriptLibrary::lines(part.sheet, part.eventList);
    if (lines.isEmpty())
        return {};
    try {
        return EventScript::parse(lines);
    } catch (const AppError&) {
        // A script that does not parse still gets frames: the catalogue's
        // count and no markers. The course checker names the script.
        return {};
    }
}

// A steady colour per part, so that parts are told apart at a glance.
QColor partColour(const Catalogue::PartEntry& part)
{
    const int hue = (part.lesson * 37 + part.position * 11) % 360;
    return QColor::fromHsv(hue, 90, 200);
}

QImage drawFrame(const Catalogue::PartEntry& part, int index, int events, const std::optional<EventRecord>& record)
{
    // Drawn straight in the encoder's pixel layout: no conversion pass per frame.
    QImage image(kWidth, kHeight, QImage::Format_RGBX8888);
    image.fill(QColor(0, 128, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The designer's main window: title bar, menu strip, tool strip, and
    // three panes (navigator, layout canvas, property sheet).
    const QRect window(8, 8, kWidth - 16, kHeight - 40);
    p.fillRect(window, QColor(192, 192, 192));
    p.fillRect(QRect(window.left() + 2, window.top() + 2, window.width() - 4, 18), partColour(part).darker(160));
    p.fillRect(QRect(window.left() + 2, window.top() + 22, window.width() - 4, 16), QColor(212, 208, 200));
    for (int i = 0; i < 12; ++i)
        p.fillRect(QRect(window.left() + 6 + i * 26, window.top() + 42, 22, 20), QColor(168, 168, 168));
    const QRect navigator(window.left() + 4, window.top() + 68, 150, window.height() - 74);
    const QRect canvas(navigator.right() + 6, navigator.top(), 300, navigator.height());
    const QRect properties(canvas.right() + 6, navigator.top(), window.right() - canvas.right() - 10, navigator.height());
    p.fillRect(navigator, Qt::white);
    p.fillRect(canvas, partColour(part).lighter(130));
    p.fillRect(properties, Qt::white);
    for (int row = 0; row < 14; ++row) {
        p.fillRect(QRect(navigator.left() + 8 + (row % 3) * 10, navigator.top() + 8 + row * 20, 90, 8), QColor(80, 80, 80));
        p.fillRect(QRect(properties.left() + 6, properties.top() + 8 + row * 20, properties.width() / 2 - 8, 8), QColor(80, 80, 80));
    }
    // Form items on the canvas grow with the recording, so consecutive
    // frames differ the way a session's screens do.
    const int items = 1 + index * 8 / std::max(1, events);
    for (int i = 0; i < items; ++i)
        p.fillRect(QRect(canvas.left() + 20, canvas.top() + 20 + i * 40, 160, 24), QColor(240, 240, 240));

    // Task bar with a progress strip: how far into the part this frame is.
    p.fillRect(QRect(0, kHeight - 28, kWidth, 28), QColor(192, 192, 192));
    p.fillRect(QRect(4, kHeight - 22, (kWidth - 8) * (index + 1) / std::max(1, events), 16), partColour(part).darker(130));

    if (record) {
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.setBrush(Qt::NoBrush);
        const QRect area(QPoint(record->left, record->top), QPoint(record->right - 1, record->bottom - 1));
        if (area.width() < kWidth || area.height() < kHeight)
            p.drawRect(area.intersected(image.rect().adjusted(1, 1, -1, -1)));
        if (record->isMouse()) {
            const QPoint at(record->x, record->y);
            p.drawLine(at - QPoint(8, 0), at + QPoint(8, 0));
            p.drawLine(at - QPoint(0, 8), at + QPoint(0, 8));
        }
    }
    p.end();
    return image;
}

} // namespace

int eventCount(const Catalogue::PartEntry& part)
{
    const std::vector<EventRecord> records = libraryEvents(part);
    return records.empty() ? part.events : int(records.size());
}

QImage draw(const Catalogue::PartEntry& part, int index)
{
    const std::vector<EventRecord> records = libraryEvents(part);
    const int events = records.empty() ? part.events : int(records.size());
    std::optional<EventRecord> record;
    if (index >= 0 && index < int(records.size()))
        record = records[size_t(index)];
    return drawFrame(part, index, events, record);
}

void render(const Catalogue::PartEntry& part, const FrameSink& sink)
{
    const std::vector<EventRecord> records = libraryEvents(part);
    const int events = records.empty() ? part.events : int(records.size());
    for (int index = 0; index < events; ++index) {
        std::optional<EventRecord> record;
        if (index < int(records.size()))
            record = records[size_t(index)];
        sink(index, encodeJpeg(drawFrame(part, index, events, record)));
    }
}

QByteArray encodeJpeg(const QImage& source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGBX8888);
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(), tjDestroy);
    if (!handle)
        throw AppError(QStringLiteral("The JPEG encoder cannot start"));
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle.get(), image.constBits(), image.width(), int(image.bytesPerLine()),
                               image.height(), TJPF_RGBX, &out, &size, TJSAMP_420, quality, 0);
    const std::unique_ptr<unsigned char, void (*)(unsigned char*)> owned(out, tjFree);
    if (rc != 0)
        throw AppError(QStringLiteral("JPEG encoding failed: %1").arg(QString::fromLatin1(tjGetErrorStr2(handle.get()))));
    return QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
}

} // namespace StandInFrames
