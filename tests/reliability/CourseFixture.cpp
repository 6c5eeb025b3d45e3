#include "CourseFixture.h"

#include "platform/AppError.h"
#include "platform/HandlerGuard.h"
#include "content/Catalogue.h"
#include "player/ImageBox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QListWidget>

namespace Course {

QByteArray jpeg(const QColor& colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 95))
        throw std::runtime_error("no JPEG writer");
    return bytes;
}

QColor frameColour(int index)
{
    static const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::cyan, Qt::white};
    return colours[index % 7];
}

int frameOf(const QImage& image)
{
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    for (int k = 0; k < 7; ++k) {
        const QColor f = frameColour(k);
        if (std::abs(c.red() - f.red()) + std::abs(c.green() - f.green()) + std::abs(c.blue() - f.blue()) < 24)
            return k;
    }
    return -1;
}

QString partDir(const QString& code)
{
    return QStringLiteral("master\\%1\\").arg(code);
}

QString hostPartDir(const QString& code)
{
    return QDir::currentPath() + QStringLiteral("/master/") + code;
}

QStringList events(int count)
{
    QStringList lines;
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            lines << QString();
        lines << QStringLiteral("# %1  Mouse:513 X=%2 Y=%3 Event:Left_Button_Down")
                     .arg(k, 4, 10, QLatin1Char('0'))
                     .arg(100 + 10 * k, 3, 10, QLatin1Char('0'))
                     .arg(50 + 5 * k, 3, 10, QLatin1Char('0'))
              << QStringLiteral("# %1  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480").arg(k, 4, 10, QLatin1Char('0'));
    }
    return lines;
}

QStringList steps(const std::vector<int>& screens)
{
    QStringList lines;
    int number = 1;
    for (int screen : screens) {
        lines << QStringLiteral("$$$$$$ Step  %1").arg(number++) << QStringLiteral("%Screen =  %1").arg(screen)
              << QStringLiteral("%Topic 'T'") << QStringLiteral("%Location =  200 150 181 131")
              << QStringLiteral("%Scroll= 0") << QStringLiteral("Step for event %1.").arg(screen)
              << QStringLiteral("!");
    }
    return lines;
}

void writeStore(const QString& code, int frames)
{
    QDir().mkpath(hostPartDir(code));
    DbfTable table;
    table.setDatabaseName(partDir(code));
    table.setTableName(QStringLiteral("simu.dbf"));
    DbfTable::create(partDir(code) + QStringLiteral("simu.dbf"), DbfTable::frameStoreFields());
    table.open();
    for (int k = 0; k < frames; ++k) {
        table.insert();
        table.setFieldBytes("GR", jpeg(frameColour(k)));
        if (k == 0)
            table.setFieldBytes("M", events(frames).join(QLatin1Char('\n')).toLatin1());
        if (k == 1)
            table.setFieldBytes("M", steps({0}).join(QLatin1Char('\n')).toLatin1());
        table.post();
    }
}

void patch(const QString& hostPath, qint64 offset, const QByteArray& bytes)
{
    QFile f(hostPath);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(offset) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot patch " + hostPath.toStdString());
}

void truncate(const QString& hostPath, qint64 size)
{
    if (!QFile::resize(hostPath, size))
        throw std::runtime_error("cannot truncate " + hostPath.toStdString());
}

} // namespace Course

ScriptedTarget::ScriptedTarget()
    : m_previous(PartLoader::setTarget(this))
{
}

ScriptedTarget::~ScriptedTarget()
{
    PartLoader::setTarget(m_previous);
}

void ScriptedTarget::setScripts(const QString& code, const QStringList& events, const QStringList& steps)
{
    m_events[code] = events;
    m_steps[code] = steps;
}

// The library's scripts are ignored: the part's own come with its code,
// which the loader sets before it opens the store.
void ScriptedTarget::setEventScript(const QStringList&) {}

void ScriptedTarget::setStepScript(const QStringList&) {}

DbfTable& ScriptedTarget::frameStore()
{
    return ProForm->Table1;
}

void ScriptedTarget::setCurrentPartCode(const QString& code)
{
    simu_form->engine().setCurrentPartCode(code);
    // The code is known for sure only now; the scripts follow it.
    simu_form->engine().setEventScript(m_events.value(code));
    simu_form->engine().setStepScript(m_steps.value(code));
}

void ScriptedTarget::showPlayer()
{
    simu_form->showPlayer();
}

void ScriptedTarget::runPlayer()
{
    simu_form->save1Click();
}

void CourseWindows::SetUp()
{
    windows.emplace();
    target = std::make_unique<ScriptedTarget>();
}

void CourseWindows::TearDown()
{
    target.reset();
    windows.reset();
}

void CourseWindows::playLesson(int lessonIndex)
{
    Mainf->setPlayQueue(Catalogue::partCodes(lessonIndex));
    // As the double click's connection runs it: a failure ends in the box.
    guarded([&] {
        Mainf->runsimu(
            Mainf->ListBox2->count() > lessonIndex ? Mainf->ListBox2->item(lessonIndex)->text() : QString(),
            lessonIndex);
    });
}

bool CourseWindows::stepOneEvent()
{
    if (!simu_form->Timer1->enabled() && !simu_form->Timer2->enabled())
        return false;
    for (int ticks = 0; simu_form->Timer1->enabled() && ticks < 1000; ++ticks)
        simu_form->Timer1Timer();
    if (simu_form->Timer2->enabled())
        simu_form->Timer2Timer();
    return true;
}

int CourseWindows::shownFrame() const
{
    // The frame box's picture: a first frame still being decoded arrives
    // when it is asked for.
    const QImage& frame = simu_form->Image1->picture();
    if (frame.isNull())
        return -1;
    return Course::frameOf(frame);
}
