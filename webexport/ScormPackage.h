#pragma once

#include "webexport/WebExport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The course as a SCORM 1.2 package for a learning management system: the
// web export plus one launch page per lesson (lesson-NN.html, each an LMS
// item of its own) with the script that talks to the LMS, and the manifest
// imsmanifest.xml, all in one zip file. Without an LMS a launch page plays
// its lesson like the web export.
namespace ScormPackage {

// Writes the package to outZip, which must not exist; a failure leaves
// nothing there.
WebExport::Summary build(const QString& courseRoot, const QString& outZip, const WebExport::Pictures& pictures,
                         const WebExport::Progress& progress = {});

// The manifest for lessons (their titles, lesson 1 first) and the package's
// files (paths relative to the package root).
QByteArray manifest(const QStringList& lessonTitles, const QStringList& files);

// The launch page of a lesson.
QByteArray launchPage(int lesson, const QString& title);
QString launchPageName(int lesson);

} // namespace ScormPackage
