#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "launcher/AppWindows.h"
#include "launcher/menuunit_.h"
#include "platform/DbfTable.h"
#include "platform/TableField.h"
#include "playback/PlaybackEngine.h"
#include "player/ArrowPictures.h"
#include "player/ImageBox.h"
#include "player/PlayerTimer.h"
#include "player/proj10.h"
#include "player/showm.h"
#include "store/DemoCourse.h"
#include "store/StandInFrames.h"
#include "store/Unit1.h"
#include "support/TestSupport.h"
#include "webexport/WebPartCompiler.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

// The web export's compiled data against the desktop player, on every event
// of every part: the frame record, the narration box (text and place), the
// arrow (place and picture) and the pointer. Once with the player window
// driven through its handlers as its timers and the learner would, tick by
// tick; once with the playback engine going straight to each event.

namespace {

DemoCourse::FrameSource tinyFrames()
{
    const QByteArray jpeg = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        return StandInFrames::encodeJpeg(image);
    }();
    return [jpeg](const Catalogue::PartEntry& part, const DemoCourse::FrameSink& sink) {
        for (int i = 0; i < StandInFrames::eventCount(part); ++i)
            sink(i, jpeg);
    };
}

QString pictureName(const QImage& image)
{
    for (const NarrationPass::ArrowName& a : NarrationPass::kArrowNames) {
        if (image == ArrowPictures::picture(a.arrow))
            return WebPartCompiler::pictureName(a.arrow);
    }
    return {};
}

} // namespace

class DesktopAgreement : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        DemoCourse::build(s_dir->filePath("course"), tinyFrames());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(s_dir->filePath("course")));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    // The part compiled for the web from its store in the course.
    static WebPart exported(const Catalogue::PartEntry& part)
    {
        DbfTable table;
        const TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
        table.setDatabaseName(part.directory);
        table.setTableName("simu.dbf");
        table.open();
        return WebPartCompiler::compile(part.code, part.lesson, ScriptLibrary::lines(part.sheet, part.eventList),
                                        ScriptLibrary::lines(part.sheet, part.stepList), table, gr);
    }

    static QTemporaryDir* s_dir;
    QString m_previous;
};

QTemporaryDir* DesktopAgreement::s_dir = nullptr;

TEST_F(DesktopAgreement, ThePlayerWindowTickByTick)
{
    ErrorRecorder errors;
    PointerRecorder pointer;
    std::optional<AppWindows> windows;
    windows.emplace();

    QString picture; // the arrow picture carries over from part to part
    for (const Catalogue::PartEntry& part : Catalogue::parts()) {
        SCOPED_TRACE(part.code.toStdString());
        // One part at a time: a queue of one chains to nothing.
        Mainf->playlistbox->clear();
        Mainf->playlistbox->addItem(part.code);
        pointer.moves.clear();
        Mainf->runsimu(part.isBase() ? QString() : part.code, part.isBase() ? part.lesson - 1 : 999);
        ASSERT_EQ(ProForm->windowTitle(), part.code);

        const PlayerState& s = simu_form->engine().state();
        const QPoint origin(s.originx, s.originy);
        const QPoint arrowOrigin(s.originx, s.originy - s.menuoffset);
        const WebPart web = exported(part);
        ASSERT_EQ(pointer.moves, std::vector<QPoint>{origin}); // Run puts the pointer on the frame's corner

        for (size_t k = 0; k < web.events.size(); ++k) {
            const WebEvent& e = web.events[k];
            SCOPED_TRACE(k);
            ASSERT_EQ(ProForm->Table1.recNo(), e.frame + 1);
            ASSERT_EQ(popupform->isVisible(), e.boxVisible);
            if (e.boxVisible) {
                EXPECT_EQ(popupform->Memo1->toPlainText(), e.text.join('\n'));
                EXPECT_EQ(popupform->pos(), e.box + origin);
            }
            if (!e.arrowPicture.isEmpty())
                picture = e.arrowPicture;
            ASSERT_EQ(simu_form->Image2->isVisible(), e.arrow == WebEvent::ArrowShow::Shown);
            if (e.arrow == WebEvent::ArrowShow::Shown) {
                EXPECT_EQ(simu_form->Image2->pos(), e.arrowAt + arrowOrigin);
                EXPECT_EQ(pictureName(simu_form->Image2->picture()), picture);
            }
            if (popupform->isVisible())
                popupform->NBClick();

            pointer.moves.clear();
            for (int guard = 0; simu_form->Timer1->enabled() && guard < 1000; ++guard)
                simu_form->Timer1Timer();
            std::vector<QPoint> ticks;
            for (const QPoint& p : pointer.moves)
                ticks.push_back(p - origin);
            ASSERT_EQ(ticks, e.ticks);
            ASSERT_TRUE(simu_form->Timer2->enabled());
            simu_form->Timer2Timer();
        }
        EXPECT_EQ(simu_form->Label1->text(), "Done.....");
        EXPECT_FALSE(simu_form->Timer1->enabled());
    }
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join('|').toStdString();
    windows.reset();
}

// The engine's state at each event of each lesson, reached by going there
// directly, is the exported event: the frame, the pointer where the glide
// toward that event sets off, the box and the arrow (none on a part's first
// frame; pictures carry over).
TEST_F(DesktopAgreement, TheEngineGoingToEveryEvent)
{
    for (int lesson = 0; lesson < 20; ++lesson) {
        const QStringList codes = Catalogue::partCodes(lesson);
        DbfTable table;
        const TableField gr(table, QByteArrayLiteral("GR"), TableField::Kind::Blob);
        table.setTableName("simu.dbf");
        PlaybackEngine engine;
        engine.setFrameStore(&table, &gr);
        engine.setQueue(codes);
        engine.setMapping(ScreenMapping{});

        QString picture;
        for (int p = 0; p < codes.size(); ++p) {
            SCOPED_TRACE(codes.at(p).toStdString());
            const WebPart web = exported(*Catalogue::findPart(codes.at(p)));
            for (int k = 0; k < int(web.events.size()); ++k) {
                SCOPED_TRACE(k);
                const WebEvent& e = web.events[size_t(k)];
                engine.goToEvent(p, k);
                const PlaybackEngine::Screen& screen = engine.screen();
                ASSERT_EQ(screen.frameRecord, e.frame + 1);
                const QPoint start = k == 0 ? QPoint(0, 0) : web.events[size_t(k - 1)].ticks.back();
                EXPECT_EQ(screen.pointer, start);
                ASSERT_EQ(screen.box.visible, e.boxVisible);
                if (e.boxVisible) {
                    EXPECT_EQ(screen.box.lines, e.text);
                    EXPECT_EQ(QPoint(screen.box.left.value_or(0), screen.box.top.value_or(0)), e.box);
                }
                const std::optional<QPoint> arrow
                    = e.arrow == WebEvent::ArrowShow::Shown ? std::optional<QPoint>(e.arrowAt) : std::nullopt;
                if (!e.arrowPicture.isEmpty())
                    picture = e.arrowPicture;
                ASSERT_EQ(screen.arrow.visible, arrow.has_value());
                if (arrow) {
                    EXPECT_EQ(QPoint(screen.arrow.left, screen.arrow.top), *arrow);
                    EXPECT_EQ(screen.arrow.picture ? WebPartCompiler::pictureName(*screen.arrow.picture) : QString(), picture);
                }
            }
        }
    }
}
