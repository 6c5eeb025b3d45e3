#include "webexport/ScormPackage.h"

#include "content/Catalogue.h"
#include "platform/AppError.h"
#include "webexport/ZipWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace ScormPackage {

namespace {

QStringList lessonTitles()
{
    QStringList titles;
    for (const QString& row : Catalogue::rows()) {
        if (row.startsWith(QLatin1String("Lesson ")))
            titles << row.trimmed();
    }
    return titles;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

void writeZip(const QString& dir, const QString& outZip)
{
    QSaveFile file(outZip);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(outZip)));
    ZipWriter zip(file, QDateTime::currentDateTime());
    // The manifest first: some importers look for it there.
    QStringList files = WebExport::filesBelow(dir);
    files.removeAll(QStringLiteral("imsmanifest.xml"));
    files.prepend(QStringLiteral("imsmanifest.xml"));
    for (const QString& name : files)
        zip.add(name, readFile(QDir(dir).filePath(name)));
    zip.finish();
    if (!file.commit())
        throw AppError(QStringLiteral("Cannot write file %1").arg(QDir::toNativeSeparators(outZip)));
}

} // namespace

QString launchPageName(int lesson)
{
    return QStringLiteral("lesson-%1.html").arg(lesson, 2, 10, QLatin1Char('0'));
}

QByteArray launchPage(int lesson, const QString& title)
{
    QByteArray page = WebExport::builtInFile(QStringLiteral("lesson.html"));
    page.replace("@TITLE@", title.toHtmlEscaped().toUtf8());
    page.replace("@LESSON@", QByteArray::number(lesson));
    return page;
}

QByteArray manifest(const QStringList& titles, const QStringList& files)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("manifest"));
    w.writeAttribute(QStringLiteral("identifier"), QStringLiteral("lessonwright-course"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    w.writeDefaultNamespace(QStringLiteral("http://www.imsproject.org/xsd/imscp_rootv1p1p2"));
    w.writeNamespace(QStringLiteral("http://www.adlnet.org/xsd/adlcp_rootv1p2"), QStringLiteral("adlcp"));
    const QString adlcp = QStringLiteral("http://www.adlnet.org/xsd/adlcp_rootv1p2");

    w.writeStartElement(QStringLiteral("metadata"));
    w.writeTextElement(QStringLiteral("schema"), QStringLiteral("ADL SCORM"));
    w.writeTextElement(QStringLiteral("schemaversion"), QStringLiteral("1.2"));
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("organizations"));
    w.writeAttribute(QStringLiteral("default"), QStringLiteral("course"));
    w.writeStartElement(QStringLiteral("organization"));
    w.writeAttribute(QStringLiteral("identifier"), QStringLiteral("course"));
    w.writeTextElement(QStringLiteral("title"), QStringLiteral("Lessonwright"));
    for (int i = 0; i < titles.size(); ++i) {
        w.writeStartElement(QStringLiteral("item"));
        w.writeAttribute(QStringLiteral("identifier"), QStringLiteral("lesson-%1").arg(i + 1));
        w.writeAttribute(QStringLiteral("identifierref"), QStringLiteral("sco-%1").arg(i + 1));
        w.writeAttribute(QStringLiteral("isvisible"), QStringLiteral("true"));
        w.writeTextElement(QStringLiteral("title"), titles.at(i));
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("resources"));
    for (int i = 0; i < titles.size(); ++i) {
        w.writeStartElement(QStringLiteral("resource"));
        w.writeAttribute(QStringLiteral("identifier"), QStringLiteral("sco-%1").arg(i + 1));
        w.writeAttribute(QStringLiteral("type"), QStringLiteral("webcontent"));
        w.writeAttribute(adlcp, QStringLiteral("scormtype"), QStringLiteral("sco"));
        w.writeAttribute(QStringLiteral("href"), launchPageName(i + 1));
        w.writeEmptyElement(QStringLiteral("file"));
        w.writeAttribute(QStringLiteral("href"), launchPageName(i + 1));
        w.writeEmptyElement(QStringLiteral("dependency"));
        w.writeAttribute(QStringLiteral("identifierref"), QStringLiteral("player"));
        w.writeEndElement();
    }
    w.writeStartElement(QStringLiteral("resource"));
    w.writeAttribute(QStringLiteral("identifier"), QStringLiteral("player"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("webcontent"));
    w.writeAttribute(adlcp, QStringLiteral("scormtype"), QStringLiteral("asset"));
    for (const QString& f : files) {
        w.writeEmptyElement(QStringLiteral("file"));
        w.writeAttribute(QStringLiteral("href"), f);
    }
    w.writeEndElement();
    w.writeEndElement();

    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}

WebExport::Summary build(const QString& courseRoot, const QString& outZip, const WebExport::Pictures& pictures,
                         const WebExport::Progress& progress)
{
    const auto staging = WebExport::makeStagingFolder(outZip);
    const QDir dir(staging->path());
    const WebExport::Summary summary = WebExport::writeInto(courseRoot, dir.path(), pictures, progress);
    WebExport::writeFile(dir.filePath(QStringLiteral("scorm.js")), WebExport::builtInFile(QStringLiteral("scorm.js")));
    const QStringList titles = lessonTitles();
    const QStringList shared = WebExport::filesBelow(dir.path());
    for (int i = 0; i < titles.size(); ++i)
        WebExport::writeFile(dir.filePath(launchPageName(i + 1)), launchPage(i + 1, titles.at(i)));
    WebExport::writeFile(dir.filePath(QStringLiteral("imsmanifest.xml")), manifest(titles, shared));
    writeZip(dir.path(), outZip);
    return summary;
}

} // namespace ScormPackage
