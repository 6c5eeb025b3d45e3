#include "content/Catalogue.h"
#include "content/ScriptLibrary.h"
#include "launcher/AppWindows.h"
#include "launcher/menuunit_.h"
#include "platform/DbfTable.h"
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

#include <gtest/gtest.h>

#include <optional>

// The desktop player, driven through its handlers as its timers and the
// learner would, and the web export's compiled data agree on every event of
// every part: the frame record, the narration box (text and place), the
// arrow (place and picture) and every pointer tick.

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
    const struct { const char* name; NarrationPass::Arrow arrow; } arrows[] = {
        {"right", NarrationPass::Arrow::Right},
        {"left", NarrationPass::Arrow::Left},
        {"down", NarrationPass::Arrow::Down},
        {"up", NarrationPass::Arrow::Up},
    };
    for (const auto& a : arrows) {
        if (image == ArrowPictures::picture(a.arrow))
            return QLatin1String(a.name);
    }
    return {};
}

} // namespace

TEST(DesktopAgreement, EveryPartPlaysAsItsExportedData)
{
    TempCurrentDir dir;
    DemoCourse::build(dir.file("course"), tinyFrames());
    ASSERT_TRUE(QDir::setCurrent(dir.file("course")));
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

        const PlayerState& s = simu_form->state;
        const QPoint origin(s.originx, s.originy);
        const QPoint arrowOrigin(s.originx, s.originy - s.menuoffset);
        const WebPart web = WebPartCompiler::compile(part.code, part.lesson, ScriptLibrary::lines(part.sheet, part.eventList),
                                                     ScriptLibrary::lines(part.sheet, part.stepList), ProForm->Table1.recordCount());
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
            if (e.arrow != WebEvent::ArrowShow::Keep) {
                if (!e.arrowPicture.isEmpty())
                    picture = e.arrowPicture;
                ASSERT_EQ(simu_form->Image2->isVisible(), e.arrow == WebEvent::ArrowShow::Shown);
                if (e.arrow == WebEvent::ArrowShow::Shown) {
                    EXPECT_EQ(simu_form->Image2->pos(), e.arrowAt + arrowOrigin);
                    EXPECT_EQ(pictureName(simu_form->Image2->picture()), picture);
                }
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
