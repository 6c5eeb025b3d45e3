#pragma once

#include "platform/AppError.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "store/LessonTableBuilder.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

// A 640 x 480 JPEG of one colour, distinct per seed.
QByteArray frameJpeg(int seed, int width = 640, int height = 480);

// Creates dir/ori/test.dbf + .dbt, the empty template every store copies.
void makeTemplate(const QString& courseRoot);

// Creates directory and its parents; fails the test when it cannot.
void makeDirectory(const QString& path);

// The values of one field of every record of dir/simu.dbf, read through a
// table object of its own.
std::vector<QByteArray> fieldValues(const QString& directory, const QByteArray& field);

// A table object with its two field objects and a builder on them, the way
// the lesson-store window holds them; the template lives below startup.
struct Bench {
    explicit Bench(const QString& startup)
    {
        table.setTableName(QStringLiteral("simu.dbf"));
        builder.setStartupDirectory(startup);
    }
    DbfTable table;
    TableField gr{table, QByteArrayLiteral("GR"), TableField::Kind::Blob};
    TableField m{table, QByteArrayLiteral("M"), TableField::Kind::Memo};
    LessonTableBuilder builder{table, gr, m};
};
