#include "store/Unit1.h"

#include <QListWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// The script pages are made on first need, but whoever looks finds all 38,
// with the shown page's lists filled from the library.
TEST(ProFormPages, PagesExistOnceTheWindowIsShownOrAPageIsChosen)
{
    struct Case {
        const char* name;
        void (*open)(TProForm&);
        const char* shownPage;
    } cases[] = {
        {"shown", [](TProForm& f) { f.show(); }, "proj7"},
        {"Button5", [](TProForm& f) { f.Button5Click(); }, "proj9a"},
        {"shown twice", [](TProForm& f) { f.show(); f.hide(); f.show(); }, "proj7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProForm form;
        c.open(form);
        ASSERT_EQ(form.PageControl1->count(), 38);
        QWidget* page = form.PageControl1->currentWidget();
        EXPECT_EQ(page->objectName(), QString::fromLatin1(c.shownPage));
        const auto lists = page->findChildren<QListWidget*>();
        ASSERT_EQ(lists.size(), 2);
        EXPECT_GT(lists[0]->count(), 0);
    }
}

} // namespace
