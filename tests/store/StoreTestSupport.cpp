#include "StoreTestSupport.h"

#include "store/StandInFrames.h"

#include <QDir>

#include <gtest/gtest.h>

QByteArray frameJpeg(int seed, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(int((unsigned(seed) * 47u) % 360u), 200, 200));
    return StandInFrames::encodeJpeg(image);
}

void makeDirectory(const QString& path)
{
    if (!QDir().mkpath(path))
        ADD_FAILURE() << "cannot create " << path.toStdString();
}

void makeTemplate(const QString& courseRoot)
{
    makeDirectory(courseRoot + QStringLiteral("/ori"));
    DbfTable::create(courseRoot + QStringLiteral("/ori/test.dbf"), DbfTable::frameStoreFields());
}

std::vector<QByteArray> fieldValues(const QString& directory, const QByteArray& field)
{
    DbfTable table;
    table.setDatabaseName(directory);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    std::vector<QByteArray> values;
    for (int i = 0; i < table.recordCount(); ++i) {
        if (i > 0)
            table.next();
        values.push_back(table.fieldBytes(field));
    }
    return values;
}
