#include "CourseBuilder.h"

#include "platform/DbfTable.h"
#include "platform/HostPath.h"
#include "store/Unit1.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

#include <cstdlib>

namespace CourseBuilder {

QColor frameColour(int store, int frame)
{
    static const QColor palette[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta,
                                     Qt::white, Qt::black, Qt::gray};
    constexpr int n = int(sizeof palette / sizeof palette[0]);
    return palette[(store * 3 + frame) % n];
}

void makeStore(const QString& code, const std::vector<QColor>& frames)
{
    const QString dir = QStringLiteral("master\\") + code + QLatin1Char('\\');
    QDir().mkpath(HostPath::toHost(dir));
    DbfTable::create(HostPath::toHost(dir + QStringLiteral("simu.dbf")),
                     {{"GR", 'B', 10, 0}, {"M", 'M', 10, 0}});
    DbfTable table;
    table.setDatabaseName(dir);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (const QColor& colour : frames) {
        QImage img(640, 480, QImage::Format_RGB32);
        img.fill(colour);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "JPG", 90);
        table.insert();
        table.setFieldBytes("GR", jpeg);
        table.post();
    }
    table.close();
}

void makeSmallStore(const QString& code, int records)
{
    const QString dir = QStringLiteral("master\\") + code + QLatin1Char('\\');
    QDir().mkpath(HostPath::toHost(dir));
    DbfTable::create(HostPath::toHost(dir + QStringLiteral("simu.dbf")), DbfTable::frameStoreFields());
    QImage img(16, 12, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 90);
    DbfTable table;
    table.setDatabaseName(dir);
    table.setTableName(QStringLiteral("simu.dbf"));
    table.open();
    for (int i = 0; i < records; ++i) {
        table.insert();
        table.setFieldBytes("GR", jpeg);
        table.post();
    }
}

QColor centreColour(const QImage& frame)
{
    if (frame.isNull())
        return {};
    return QColor(frame.pixel(frame.width() / 2, frame.height() / 2));
}

bool near(const QColor& a, const QColor& b)
{
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24
        && std::abs(a.blue() - b.blue()) < 24;
}

void openStore(const QString& code)
{
    ProForm->Table1.close();
    ProForm->Table1.setDatabaseName(QStringLiteral("master\\") + code + QLatin1Char('\\'));
    ProForm->setWindowTitle(code);
    ProForm->Table1.open();
}

} // namespace CourseBuilder
