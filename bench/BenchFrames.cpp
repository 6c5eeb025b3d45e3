#include "bench/BenchFrames.h"

#include "content/storyboard/FrameRenderer.h"
#include "platform/DbfTable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <stdexcept>

namespace {

// Noise over smooth colour fields: the hardest kind of picture for JPEG, so
// the largest frame a course could carry.
QByteArray photographicJpeg()
{
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator rng(20261208);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(rng.bounded(96)) - 48;
            line[x] = qRgb(qBound(0, x * 255 / 640 + n, 255), qBound(0, y * 255 / 480 + n, 255),
                qBound(0, ((x + y) % 256) + n, 255));
        }
    }
    return FrameRenderer::encodeJpeg(image, 92);
}

QTemporaryDir& storeFolder()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

const BenchFrames& BenchFrames::get()
{
    static const BenchFrames frames = [] {
        BenchFrames f;
        // Rendered screens of the lessons whose storyboards exist; a few
        // frames from each, to cover menus, dialogs and editors.
        for (const char* code : {"p1", "p2", "p3", "p8", "p11", "p20"}) {
            try {
                FrameRenderer::renderPart(QString::fromLatin1(code), [&](int index, const QByteArray& jpeg) {
                    if (index % 4 == 0)
                        f.jpegs.push_back(jpeg);
                });
            } catch (...) {
                // A part without a storyboard yet is simply left out.
            }
        }
        f.jpegs.push_back(photographicJpeg());
        return f;
    }();
    return frames;
}

const QByteArray& BenchFrames::step(size_t i)
{
    const auto& jpegs = get().jpegs;
    return jpegs[1 + i % (jpegs.size() - 1)];
}

std::vector<QString> BenchFrames::writeFiles(const QString& directory)
{
    std::vector<QString> paths;
    const auto& jpegs = get().jpegs;
    for (size_t i = 0; i < jpegs.size(); ++i) {
        const QString path = QDir(directory).filePath(QStringLiteral("%1.jpg").arg(i + 1, 4, 10, QLatin1Char('0')));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(jpegs[i]) != jpegs[i].size())
            throw std::runtime_error("cannot write a bench frame");
        paths.push_back(path);
    }
    return paths;
}

const BenchStore& BenchStore::get()
{
    static const BenchStore store = [] {
        BenchStore s;
        s.directory = storeFolder().path();
        const QString dbf = s.directory + QStringLiteral("/simu.dbf");
        DbfTable::create(dbf, DbfTable::frameStoreFields());
        DbfTable table;
        table.setDatabaseName(s.directory);
        table.setTableName(QStringLiteral("simu.dbf"));
        table.open();
        for (const QByteArray& jpeg : BenchFrames::get().jpegs) {
            table.insert();
            table.setFieldBytes("GR", jpeg);
            table.post();
        }
        table.close();

        // Where each GR lives: the record's block number times the block
        // size, past the 8-byte memo header.
        QFile f(dbf);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        const int headerLength = quint8(bytes[8]) | (quint8(bytes[9]) << 8);
        const int recordLength = quint8(bytes[10]) | (quint8(bytes[11]) << 8);
        for (size_t i = 0; i < BenchFrames::get().jpegs.size(); ++i) {
            const QByteArray block = bytes.mid(headerLength + int(i) * recordLength + 1, 10).trimmed();
            s.grOffsets.push_back(block.toLongLong() * 512 + 8);
        }
        return s;
    }();
    return store;
}
